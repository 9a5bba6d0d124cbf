#pragma once

#include <optional>
#include <string_view>

#include "core/bendentry/SettingFields.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// Which setting the system recomputes when the operator changes something.
// The window shows the results; these functions only store.

// A setting field's text became `text`: with a current bend and a non-empty
// text, store the number or, when it is not one, the field's fallback.
// Returns whether something was stored.
bool StoreSettingText(PartRecord& part, const SettingField& field, std::string_view text);

// Y of the current bend from its angle, the thickness and the die in use.
// Returns false (nothing stored) without a current bend.
bool RecomputeYDepth(AppState& state);

// Force of the current bend from length, material, thickness and die opening.
// Without a die (opening 0) or a current bend nothing is stored. Returns the
// stored force.
std::optional<float> UpdateBendForceValue(AppState& state);

// Thickness field text changed (not empty): thickness (0.1 when unreadable),
// force, then with a current bend Y and the bend deduction that goes into the
// "X" field.
struct ThicknessOutcome {
    std::optional<float> force;
    bool yChanged = false;
    std::optional<double> deduction;  // text for the "X" field
};
ThicknessOutcome ThicknessChanged(AppState& state, std::string_view text);

// Length field text changed (not empty) with a current bend: the bend length
// (0.1 when unreadable), then the force.
std::optional<float> LengthChanged(AppState& state, std::string_view text);

}  // namespace zelpor
