#include "core/bendentry/FieldNavigation.h"

namespace zelpor {

namespace {

NavMove Stay() { return {true, std::nullopt}; }
NavMove GoTo(Field f) { return {true, f}; }
NavMove PassOn() { return {false, std::nullopt}; }

NavMove FromSetting(Setting from, NavKey key, const NavContext& context) {
    const SettingField& field = SettingFieldOf(from);
    switch (key) {
    case NavKey::Enter:
    case NavKey::Down: return field.downNeedsText && context.fieldEmpty ? Stay() : GoTo(FieldOf(field.down));
    case NavKey::Up: return GoTo(FieldOf(field.up));
    case NavKey::Right: return field.right ? GoTo(FieldOf(*field.right)) : Stay();
    case NavKey::Left: return GoTo(field.left);
    }
    return Stay();
}

// The field above and below each left-column field; Enter goes down where
// the field takes a value (thickness, length, the three lists).
struct ColumnStep {
    std::optional<Field> up, down;
    bool enterGoesDown;
    bool rightNeedsSettings;  // without the settings shown, Right stays in the field
};

ColumnStep ColumnSteps(Field from, bool graphicPart) {
    // A drawn profile has its thickness fixed and its tools in the drawing:
    // the column skips the thickness and leaves the tool lists out.
    const Field belowMaterial = graphicPart ? Field::Job : Field::Punch;
    switch (from) {
    case Field::Job: return {std::nullopt, Field::Part, false, false};
    case Field::Part: return {Field::Job, Field::Bend, false, false};
    case Field::Bend: return {Field::Part, graphicPart ? Field::Length : Field::Thickness, false, false};
    case Field::Thickness: return {Field::Bend, Field::Length, true, true};
    case Field::Length: return {graphicPart ? Field::Bend : Field::Thickness, Field::Material, true, true};
    case Field::Material: return {Field::Length, belowMaterial, true, false};
    case Field::Punch: return {Field::Material, Field::Die, true, false};
    case Field::Die: return {graphicPart ? Field::Job : Field::Punch, Field::Job, true, false};
    default: return {};
    }
}

NavMove FromColumn(Field from, NavKey key, const NavContext& context) {
    const ColumnStep step = ColumnSteps(from, context.graphicPart);
    // The job, part and bend fields change only through their dialogs and
    // F-keys: every navigation key is theirs.
    const bool display = from == Field::Job || from == Field::Part || from == Field::Bend;
    const bool typed = from == Field::Thickness || from == Field::Length;
    switch (key) {
    case NavKey::Up: return step.up ? GoTo(*step.up) : Stay();
    case NavKey::Enter:
        if (!step.enterGoesDown) return Stay();
        [[fallthrough]];
    case NavKey::Down:
        // The thickness must be typed before the column goes on.
        if (from == Field::Thickness && context.fieldEmpty) return Stay();
        return step.down ? GoTo(*step.down) : Stay();
    case NavKey::Right:
        if (context.numericView) return GoTo(FieldOf(SettingBeside(from)));
        return step.rightNeedsSettings ? PassOn() : Stay();
    case NavKey::Left: return display ? Stay() : PassOn();
    }
    return typed ? PassOn() : Stay();
}

}  // namespace

Setting SettingBeside(Field columnField) {
    switch (columnField) {
    case Field::Job: return Setting::Angle;
    case Field::Part: return Setting::Y;
    case Field::Bend: return Setting::Opening;
    case Field::Thickness: return Setting::X;
    case Field::Length: return Setting::Retract;
    default: return Setting::Delay;
    }
}

NavMove Navigate(Field from, NavKey key, const NavContext& context) {
    if (const auto setting = SettingOf(from)) return FromSetting(*setting, key, context);
    return FromColumn(from, key, context);
}

}  // namespace zelpor
