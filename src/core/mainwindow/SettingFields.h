#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "part/PartRecord.h"

namespace zelpor {

// Name of the bend field in the left column: the Left key of every setting
// field in the left-hand panels leads back to it.
inline constexpr const char* kBendFieldName = "Edit3";

// One of the eleven machine-setting fields beside the left column: its
// component name, caption, the bend member it holds, what is stored for text
// that is not a number, where it sits and where the keys lead.
struct SettingField {
    const char* name;
    const char* caption;
    float BendRecord::*member;
    float fallback;
    int panel;  // 0 left upper, 1 right upper, 2 left lower, 3 right lower
    int row;    // 0..2 within the panel
    const char* down;   // Enter and Down
    const char* up;
    const char* right;  // nullptr: the right-hand column ignores Right
    const char* left;
    bool downNeedsText;  // "Y": an empty depth must be typed before moving on
};

inline constexpr int kSettingFieldCount = 11;
extern const std::array<SettingField, kSettingFieldCount> kSettingFields;

// Panel origins in the main window, 257 x 121 each.
struct PanelPlace {
    int left, top;
};
inline constexpr std::array<PanelPlace, 4> kSettingPanels{{{240, 40}, {502, 40}, {240, 176}, {502, 176}}};
inline constexpr std::array<int, 3> kSettingRowTops{5, 40, 75};

const SettingField* FindSettingField(std::string_view name);
int SettingFieldIndex(std::string_view name);  // -1 when unknown

enum class NavKey { Enter, Up, Down, Right, Left };
// Where a navigation key leads from a field; nullptr when the key is consumed
// without moving (Right in the right-hand column, Enter in an empty "Y").
const char* SettingFieldTarget(const SettingField& field, NavKey key, bool fieldEmpty);

// Characters the number fields of the main window accept; anything else beeps.
bool IsNumberEntryChar(char32_t c);

}  // namespace zelpor
