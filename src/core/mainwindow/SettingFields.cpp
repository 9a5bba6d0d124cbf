#include "mainwindow/SettingFields.h"

namespace zelpor {

// Enter and Down walk the left-hand panels top to bottom, then the right-hand
// ones, and wrap round to "Angle"; Up walks back the same path.
const std::array<SettingField, kSettingFieldCount> kSettingFields{{
    {"Eangle", "Angle", &BendRecord::angle, 180.0f, 0, 0, "Eaxey", "Evit_decomp", "Eforce", kBendFieldName, false},
    {"Eaxey", "Y", &BendRecord::y, 180.0f, 0, 1, "Epmh", "Eangle", "Evitesse", kBendFieldName, true},
    {"Epmh", "Ouverture", &BendRecord::opening, 100.0f, 0, 2, "Eaxe1", "Eaxey", "Etemps_force", kBendFieldName, false},
    {"Eaxe1", "X", &BendRecord::x, 0.0f, 2, 0, "Eretract", "Epmh", "Etemps_force", kBendFieldName, false},
    {"Eretract", "Recul", &BendRecord::retract, 0.0f, 2, 1, "Etemps_next", "Eaxe1", "Edecompress", kBendFieldName,
     false},
    {"Etemps_next", "Delais", &BendRecord::delay, 0.0f, 2, 2, "Eforce", "Eretract", "Evit_decomp", kBendFieldName,
     false},
    {"Eforce", "Force", &BendRecord::force, 0.0f, 1, 0, "Evitesse", "Etemps_next", nullptr, "Eangle", false},
    {"Evitesse", "Vitesse", &BendRecord::speed, 10.0f, 1, 1, "Etemps_force", "Eforce", nullptr, "Eaxey", false},
    {"Etemps_force", "Temps Pression", &BendRecord::pressTime, 0.3f, 3, 0, "Edecompress", "Evitesse", nullptr,
     "Eaxe1", false},
    {"Edecompress", "Dist. Decompre.", &BendRecord::decompress, 0.3f, 3, 1, "Evit_decomp", "Etemps_force", nullptr,
     "Eretract", false},
    {"Evit_decomp", "Vit. Decompres.", &BendRecord::decompSpeed, 10.0f, 3, 2, "Eangle", "Edecompress", nullptr,
     "Etemps_next", false},
}};

int SettingFieldIndex(std::string_view name) {
    for (int i = 0; i < kSettingFieldCount; ++i)
        if (name == kSettingFields[static_cast<std::size_t>(i)].name) return i;
    return -1;
}

const SettingField* FindSettingField(std::string_view name) {
    const int i = SettingFieldIndex(name);
    return i < 0 ? nullptr : &kSettingFields[static_cast<std::size_t>(i)];
}

const char* SettingFieldTarget(const SettingField& field, NavKey key, bool fieldEmpty) {
    switch (key) {
    case NavKey::Enter:
    case NavKey::Down:
        return field.downNeedsText && fieldEmpty ? nullptr : field.down;
    case NavKey::Up:
        return field.up;
    case NavKey::Right:
        return field.right;
    case NavKey::Left:
        return field.left;
    }
    return nullptr;
}

bool IsNumberEntryChar(char32_t c) { return (c >= U'0' && c <= U'9') || c == U'.' || c == U'\b'; }

}  // namespace zelpor
