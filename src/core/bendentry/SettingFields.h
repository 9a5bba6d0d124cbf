#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/part/PartRecord.h"

namespace zelpor {

// The eleven machine settings of a bend, in the order of their table below.
enum class Setting {
    Angle,
    Y,
    Opening,
    X,
    Retract,
    Delay,
    Force,
    Speed,
    PressTime,
    Decompress,
    DecompressSpeed,
};
inline constexpr int kSettingFieldCount = 11;

// Every field of the main window that takes the keyboard: the left column top
// to bottom, then the settings in the order of `Setting`.
enum class Field {
    Job,
    Part,
    Bend,
    Thickness,
    Length,
    Material,
    Punch,
    Die,
    Angle,
    Y,
    Opening,
    X,
    Retract,
    Delay,
    Force,
    Speed,
    PressTime,
    Decompress,
    DecompressSpeed,
};
inline constexpr int kFieldCount = 19;
inline constexpr int kColumnFieldCount = 8;

constexpr int IndexOf(Setting s) { return static_cast<int>(s); }
constexpr int IndexOf(Field f) { return static_cast<int>(f); }
constexpr Field FieldOf(Setting s) { return static_cast<Field>(kColumnFieldCount + IndexOf(s)); }
constexpr std::optional<Setting> SettingOf(Field f) {
    if (IndexOf(f) < kColumnFieldCount) return std::nullopt;
    return static_cast<Setting>(IndexOf(f) - kColumnFieldCount);
}

// The component name of a field (its objectName in the window).
const char* FieldName(Field field);

// One of the eleven machine-setting fields beside the left column: its
// component name, caption, the bend member it holds, what is stored for text
// that is not a number, where it sits and where the keys lead.
struct SettingField {
    Setting setting;
    const char* name;
    const char* caption;
    float BendRecord::*member;
    float fallback;
    int panel;     // 0 left upper, 1 right upper, 2 left lower, 3 right lower
    int row;       // 0..2 within the panel
    Setting down;  // Enter and Down
    Setting up;
    std::optional<Setting> right;  // none: the right-hand column ignores Right
    Field left;
    bool downNeedsText;  // "Y": an empty depth must be typed before moving on
};

extern const std::array<SettingField, kSettingFieldCount> kSettingFields;

inline const SettingField& SettingFieldOf(Setting s) { return kSettingFields[static_cast<std::size_t>(IndexOf(s))]; }

// Panel origins in the main window, 257 x 121 each.
struct PanelPlace {
    int left, top;
};
inline constexpr std::array<PanelPlace, 4> kSettingPanels{{{240, 40}, {502, 40}, {240, 176}, {502, 176}}};
inline constexpr std::array<int, 3> kSettingRowTops{5, 40, 75};

// A setting field by its component name, for those that address the window's
// fields by name (scripts, tests); nullptr when unknown.
const SettingField* FindSettingField(std::string_view name);

enum class NavKey { Enter, Up, Down, Right, Left };
// Component name of the field a navigation key leads to from a setting;
// nullptr when the key is consumed without moving (Right in the right-hand
// column, Enter in an empty "Y").
const char* SettingFieldTarget(const SettingField& field, NavKey key, bool fieldEmpty);

// Characters the number fields of the main window accept; anything else beeps.
bool IsNumberEntryChar(char32_t c);

}  // namespace zelpor
