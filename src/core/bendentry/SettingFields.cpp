#include "core/bendentry/SettingFields.h"

#include "core/bendentry/FieldNavigation.h"

namespace zelpor {

namespace {
using S = Setting;
}  // namespace

// Enter and Down walk the left-hand panels top to bottom, then the right-hand
// ones, and wrap round to "Angle"; Up walks back the same path. Left from the
// left-hand panels leads back to the bend field.
const std::array<SettingField, kSettingFieldCount> kSettingFields{{
    {S::Angle, "Eangle", "Angle", &BendRecord::angle, 180.0f, 0, 0, S::Y, S::DecompressSpeed, S::Force, Field::Bend,
     false},
    {S::Y, "Eaxey", "Y", &BendRecord::y, 180.0f, 0, 1, S::Opening, S::Angle, S::Speed, Field::Bend, true},
    {S::Opening, "Epmh", "Ouverture", &BendRecord::opening, 100.0f, 0, 2, S::X, S::Y, S::PressTime, Field::Bend, false},
    {S::X, "Eaxe1", "X", &BendRecord::x, 0.0f, 2, 0, S::Retract, S::Opening, S::PressTime, Field::Bend, false},
    {S::Retract, "Eretract", "Recul", &BendRecord::retract, 0.0f, 2, 1, S::Delay, S::X, S::Decompress, Field::Bend,
     false},
    {S::Delay, "Etemps_next", "Delais", &BendRecord::delay, 0.0f, 2, 2, S::Force, S::Retract, S::DecompressSpeed,
     Field::Bend, false},
    {S::Force, "Eforce", "Force", &BendRecord::force, 0.0f, 1, 0, S::Speed, S::Delay, std::nullopt, Field::Angle,
     false},
    {S::Speed, "Evitesse", "Vitesse", &BendRecord::speed, 10.0f, 1, 1, S::PressTime, S::Force, std::nullopt, Field::Y,
     false},
    {S::PressTime, "Etemps_force", "Temps Pression", &BendRecord::pressTime, 0.3f, 3, 0, S::Decompress, S::Speed,
     std::nullopt, Field::X, false},
    {S::Decompress, "Edecompress", "Dist. Decompre.", &BendRecord::decompress, 0.3f, 3, 1, S::DecompressSpeed,
     S::PressTime, std::nullopt, Field::Retract, false},
    {S::DecompressSpeed, "Evit_decomp", "Vit. Decompres.", &BendRecord::decompSpeed, 10.0f, 3, 2, S::Angle,
     S::Decompress, std::nullopt, Field::Delay, false},
}};

const char* FieldName(Field field) {
    static constexpr std::array<const char*, kColumnFieldCount> kColumnNames{
        "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "CBmatiere", "CBpoincon", "CBmatice"};
    if (const auto setting = SettingOf(field)) return SettingFieldOf(*setting).name;
    return kColumnNames[static_cast<std::size_t>(IndexOf(field))];
}

const SettingField* FindSettingField(std::string_view name) {
    for (const SettingField& f : kSettingFields)
        if (name == f.name) return &f;
    return nullptr;
}

const char* SettingFieldTarget(const SettingField& field, NavKey key, bool fieldEmpty) {
    NavContext context;
    context.fieldEmpty = fieldEmpty;
    const NavMove move = Navigate(FieldOf(field.setting), key, context);
    return move.to ? FieldName(*move.to) : nullptr;
}

bool IsNumberEntryChar(char32_t c) { return (c >= U'0' && c <= U'9') || c == U'.' || c == U'\b'; }

}  // namespace zelpor
