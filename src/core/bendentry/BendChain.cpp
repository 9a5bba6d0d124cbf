#include "core/bendentry/BendChain.h"

#include "core/calc/Formulas.h"
#include "core/text/Numbers.h"

namespace zelpor {

namespace {
// What the thickness and length fields store for text that is not a number.
constexpr float kUnreadableLength = 0.1f;
}  // namespace

bool StoreSettingText(PartRecord& part, const SettingField& field, std::string_view text) {
    BendRecord* bend = part.currentBendRecord();
    if (text.empty() || !bend) return false;
    bend->*field.member = ParseFloat(text).value_or(field.fallback);
    return true;
}

bool RecomputeYDepth(AppState& state) {
    BendRecord* bend = state.part.currentBendRecord();
    if (!bend) return false;
    const DieRecord& die = state.die.record;
    bend->y =
        static_cast<float>(ComputeYDepth(bend->angle, state.part.thickness, die.entryRadius, die.vOpening, die.vAngle));
    return true;
}

std::optional<float> UpdateBendForceValue(AppState& state) {
    const DieRecord& die = state.die.record;
    if (die.vOpening == 0) return std::nullopt;
    BendRecord* bend = state.part.currentBendRecord();
    if (!bend) return std::nullopt;
    // A missing table leaves the coefficient in memory in force.
    state.loadMaterialCoefficient();
    bend->force = static_cast<float>(
        ComputeBendForce(bend->length, state.part.materialCoefficient, state.part.thickness, die.vOpening));
    return bend->force;
}

ThicknessOutcome ThicknessChanged(AppState& state, std::string_view text) {
    ThicknessOutcome out;
    if (!text.empty()) state.part.thickness = ParseFloat(text).value_or(kUnreadableLength);
    out.force = UpdateBendForceValue(state);
    if (!RecomputeYDepth(state)) return out;
    out.yChanged = true;
    const BendRecord* bend = state.part.currentBendRecord();
    out.deduction = ComputeBendDeduction(state.part.thickness, state.die.record.vOpening, bend->angle);
    return out;
}

std::optional<float> LengthChanged(AppState& state, std::string_view text) {
    BendRecord* bend = state.part.currentBendRecord();
    if (text.empty() || !bend) return std::nullopt;
    bend->length = ParseFloat(text).value_or(kUnreadableLength);
    return UpdateBendForceValue(state);
}

}  // namespace zelpor
