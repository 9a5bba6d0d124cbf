#include <gtest/gtest.h>

#include <string>

#include "core/bendentry/FieldNavigation.h"

namespace zelpor {
namespace {

NavContext Context(bool graphicPart, bool numericView = true, bool fieldEmpty = false) {
    NavContext c;
    std::tie(c.graphicPart, c.numericView, c.fieldEmpty) = std::tuple(graphicPart, numericView, fieldEmpty);
    return c;
}

// The component names met by pressing `key` `times` times from `from`.
std::string Walk(Field from, NavKey key, int times, const NavContext& context = {}) {
    std::string path;
    for (int i = 0; i < times; ++i) {
        const NavMove move = Navigate(from, key, context);
        if (!move.to) return path + "(stays)";
        from = *move.to;
        path += std::string(FieldName(from)) + " ";
    }
    return path;
}

TEST(FieldNavigation, Paths) {
    const NavContext plain = Context(false), drawn = Context(true), empty = Context(false, true, true);
    const struct {
        const NavContext& context;
        NavKey key;
        Field from;
        int times;
        const char* path;
    } cases[] = {
        // The left column, skipping what a drawn profile has not.
        {plain, NavKey::Down, Field::Job, 8, "Edit2 Edit3 Edit4 Edit5 CBmatiere CBpoincon CBmatice Edit1 "},
        {plain, NavKey::Up, Field::Die, 9, "CBpoincon CBmatiere Edit5 Edit4 Edit3 Edit2 Edit1 (stays)"},
        {drawn, NavKey::Down, Field::Job, 5, "Edit2 Edit3 Edit5 CBmatiere Edit1 "},
        // Enter goes down only where a value is taken.
        {plain, NavKey::Enter, Field::Thickness, 9, "Edit5 CBmatiere CBpoincon CBmatice Edit1 (stays)"},
        // An empty thickness or depth holds the keyboard; any other empty field lets the operator go on.
        {empty, NavKey::Enter, Field::Thickness, 1, "(stays)"},
        {empty, NavKey::Down, Field::Y, 1, "(stays)"},
        {empty, NavKey::Enter, Field::Length, 1, "CBmatiere "},
        // Left: from the left-hand panels to the bend field, from the right-hand
        // ones to the setting on the same row; Right from the right-hand ones stays.
        {plain, NavKey::Left, Field::DecompressSpeed, 3, "Etemps_next Edit3 (stays)"},
        {plain, NavKey::Right, Field::Opening, 2, "Etemps_force (stays)"},
    };
    for (const auto& c : cases) EXPECT_EQ(Walk(c.from, c.key, c.times, c.context), c.path) << FieldName(c.from);
    for (const Field f : {Field::Thickness, Field::Y})
        for (const NavKey k : {NavKey::Enter, NavKey::Down}) EXPECT_TRUE(Navigate(f, k, empty).handled);
}

TEST(FieldNavigation, RightGoesToTheSettingBesideOnlyWhileTheSettingsAreShown) {
    const struct {
        Field from;
        const char* beside;
        bool handledInDrawing;  // false: the caret moves instead
    } rows[] = {
        {Field::Job, "Eangle", true},       {Field::Part, "Eaxey", true},       {Field::Bend, "Epmh", true},
        {Field::Thickness, "Eaxe1", false}, {Field::Length, "Eretract", false}, {Field::Material, "Etemps_next", true},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Walk(r.from, NavKey::Right, 1, Context(false)), std::string(r.beside) + " ");
        const NavMove drawing = Navigate(r.from, NavKey::Right, Context(false, false));
        EXPECT_EQ(std::pair(drawing.to.has_value(), drawing.handled), std::pair(false, r.handledInDrawing))
            << FieldName(r.from);
    }
}

}  // namespace
}  // namespace zelpor
