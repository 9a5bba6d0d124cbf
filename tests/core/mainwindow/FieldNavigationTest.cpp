#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mainwindow/FieldNavigation.h"

namespace zelpor {
namespace {

NavContext Context(bool graphicPart, bool numericView = true, bool fieldEmpty = false) {
    NavContext c;
    c.graphicPart = graphicPart;
    c.numericView = numericView;
    c.fieldEmpty = fieldEmpty;
    return c;
}

// The component names met by pressing `key` `times` times from `from`.
std::string Walk(Field from, NavKey key, int times, const NavContext& context) {
    std::string path;
    for (int i = 0; i < times; ++i) {
        const NavMove move = Navigate(from, key, context);
        if (!move.to) return path + "(stays)";
        from = *move.to;
        path += std::string(FieldName(from)) + " ";
    }
    return path;
}

TEST(FieldNavigation, LeftColumnWalksDownAndUpSkippingWhatADrawnProfileHasNot) {
    const struct {
        bool graphicPart;
        NavKey key;
        Field from;
        int times;
        const char* path;
    } cases[] = {
        {false, NavKey::Down, Field::Job, 8, "Edit2 Edit3 Edit4 Edit5 CBmatiere CBpoincon CBmatice Edit1 "},
        {false, NavKey::Up, Field::Die, 9, "CBpoincon CBmatiere Edit5 Edit4 Edit3 Edit2 Edit1 (stays)"},
        {true, NavKey::Down, Field::Job, 5, "Edit2 Edit3 Edit5 CBmatiere Edit1 "},
        {true, NavKey::Up, Field::Material, 9, "Edit5 Edit3 Edit2 Edit1 (stays)"},
        {true, NavKey::Up, Field::Die, 9, "Edit1 (stays)"},
        // Enter goes down only where a value is taken.
        {false, NavKey::Enter, Field::Thickness, 9, "Edit5 CBmatiere CBpoincon CBmatice Edit1 (stays)"},
        {false, NavKey::Enter, Field::Part, 9, "(stays)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Walk(c.from, c.key, c.times, Context(c.graphicPart)), c.path) << FieldName(c.from) << c.graphicPart;
}

TEST(FieldNavigation, RightGoesToTheSettingBesideOnlyWhileTheSettingsAreShown) {
    const struct {
        Field from;
        const char* beside;
        bool handledInDrawing;  // false: the caret moves instead
    } rows[] = {
        {Field::Job, "Eangle", true},      {Field::Part, "Eaxey", true},     {Field::Bend, "Epmh", true},
        {Field::Thickness, "Eaxe1", false}, {Field::Length, "Eretract", false}, {Field::Material, "Etemps_next", true},
        {Field::Punch, "Etemps_next", true}, {Field::Die, "Etemps_next", true},
    };
    for (const auto& r : rows) {
        const NavMove shown = Navigate(r.from, NavKey::Right, Context(false));
        ASSERT_TRUE(shown.to) << FieldName(r.from);
        EXPECT_STREQ(FieldName(*shown.to), r.beside);
        const NavMove drawing = Navigate(r.from, NavKey::Right, Context(false, false));
        EXPECT_FALSE(drawing.to) << FieldName(r.from);
        EXPECT_EQ(drawing.handled, r.handledInDrawing) << FieldName(r.from);
        // Left belongs to the typed fields and the lists; the shown-only fields keep it.
        const bool shownOnly = r.from == Field::Job || r.from == Field::Part || r.from == Field::Bend;
        EXPECT_EQ(Navigate(r.from, NavKey::Left, Context(false)).handled, shownOnly) << FieldName(r.from);
    }
}

TEST(FieldNavigation, EmptyThicknessAndEmptyDepthHoldTheKeyboard) {
    for (const Field f : {Field::Thickness, Field::Y}) {
        for (const NavKey k : {NavKey::Enter, NavKey::Down}) {
            const NavMove move = Navigate(f, k, Context(false, true, true));
            EXPECT_TRUE(move.handled);
            EXPECT_FALSE(move.to) << FieldName(f);
        }
        EXPECT_TRUE(Navigate(f, NavKey::Up, Context(false, true, true)).to) << FieldName(f);
    }
    // Any other empty field lets the operator go on.
    EXPECT_EQ(Navigate(Field::Length, NavKey::Enter, Context(false, true, true)).to, Field::Material);
    EXPECT_EQ(Navigate(Field::Opening, NavKey::Enter, Context(false, true, true)).to, Field::X);
}

TEST(FieldNavigation, SettingsFormOneRingAndLeftLeadsBackTowardsTheColumn) {
    // Enter visits every setting once before coming back to "Angle"; Up retraces it.
    std::vector<Field> ring{Field::Angle};
    for (int i = 0; i < kSettingFieldCount; ++i) ring.push_back(*Navigate(ring.back(), NavKey::Enter, {}).to);
    EXPECT_EQ(ring.back(), Field::Angle);
    for (std::size_t i = 1; i < ring.size(); ++i) EXPECT_EQ(Navigate(ring[i], NavKey::Up, {}).to, ring[i - 1]);
    EXPECT_EQ(Walk(Field::Angle, NavKey::Enter, 11, {}),
              "Eaxey Epmh Eaxe1 Eretract Etemps_next Eforce Evitesse Etemps_force Edecompress Evit_decomp Eangle ");
    // Left: from the left-hand panels to the bend field, from the right-hand
    // ones to the setting on the same row; Right from the right-hand ones stays.
    EXPECT_EQ(Walk(Field::DecompressSpeed, NavKey::Left, 3, {}), "Etemps_next Edit3 (stays)");
    EXPECT_EQ(Walk(Field::Force, NavKey::Left, 2, {}), "Eangle Edit3 ");
    EXPECT_EQ(Walk(Field::Opening, NavKey::Right, 2, {}), "Etemps_force (stays)");
}

TEST(FieldNavigation, EveryFieldHasItsOwnComponentName) {
    std::vector<std::string> names;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        names.emplace_back(FieldName(field));
        if (const auto setting = SettingOf(field)) {
            EXPECT_EQ(FieldOf(*setting), field);
            ASSERT_NE(FindSettingField(names.back()), nullptr);
            EXPECT_EQ(FindSettingField(names.back())->setting, *setting);
        }
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace
}  // namespace zelpor
