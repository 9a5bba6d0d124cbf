#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "profile/ProfileDrawing.h"
#include "profile/ProfileTableForm.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;
using R = ProfileTableForm::EnterResult;

// Types `text` into the cell and presses Enter.
R Type(ProfileTableForm& form, TableCell& cell, const std::string& text) {
    form.setText(cell, text);
    return form.enter(cell);
}

TEST(ProfileTableForm, EnterGoesThroughEachRowAndAsksForANewRowAfterTheLastAngle) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(0);
    EXPECT_EQ(form.text({Field::Thickness, 0}), "0.1");
    EXPECT_EQ(form.text({Field::Orientation, 0}), "0");
    TableCell cell;
    const std::vector<std::pair<std::string, TableCell>> steps = {
        {"2", {Field::Orientation, 0}}, {"0", {Field::Length, 0}}, {"100", {Field::Angle, 0}}};
    for (const auto& [text, next] : steps) {
        EXPECT_EQ(Type(form, cell, text), R::Moved);
        EXPECT_EQ(cell, next);
    }
    EXPECT_EQ(Type(form, cell, ""), R::Ignored);
    EXPECT_EQ(Type(form, cell, "-"), R::Rejected);
    EXPECT_EQ(form.message(), "Valeur incorrecte : \"-\" n'est pas un nombre");
    EXPECT_EQ(cell, (TableCell{Field::Angle, 0}));
    EXPECT_EQ(Type(form, cell, "90"), R::AtEnd);
    ASSERT_TRUE(form.insertRow(form.rowCount()));
    cell = {Field::Length, 1};
    // A minus in front of a length is dropped.
    EXPECT_EQ(Type(form, cell, "-50"), R::Moved);
    EXPECT_EQ(form.text({Field::Length, 1}), "50");
    EXPECT_EQ(cell, (TableCell{Field::Angle, 1}));

    TableCell bad;
    const std::optional<ProfileTable> table = form.finished(&bad);
    ASSERT_TRUE(table);
    EXPECT_EQ(*table, (ProfileTable{2, 0, {{100, 90}, {50, 180}}}));
    EXPECT_FALSE(form.keepsProgram());
}

TEST(ProfileTableForm, FinishingPointsAtTheFirstFieldThatIsNotANumber) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(2);
    form.setText({Field::Length, 0}, "100");
    form.setText({Field::Angle, 0}, "");
    ASSERT_TRUE(form.insertRow(1));
    ASSERT_TRUE(form.insertRow(2));  // appended and left blank: not a segment
    form.setText({Field::Length, 1}, "1..5");
    struct Case {
        TableCell cell;
        std::string text;
        TableCell bad;
        std::string message;
    };
    const Case cases[] = {
        {{Field::Length, 1}, "1..5", {Field::Angle, 0}, "Valeur manquante"},
        {{Field::Angle, 0}, "90", {Field::Length, 1}, "Valeur incorrecte : \"1..5\" n'est pas un nombre"},
        {{Field::Length, 1}, "40", {}, ""},
        {{Field::Thickness, 0}, "0", {Field::Thickness, 0}, "Epaisseur nulle"},
    };
    for (const Case& c : cases) {
        form.setText(c.cell, c.text);
        TableCell bad{Field::Orientation, 9};
        const bool done = form.finished(&bad).has_value();
        EXPECT_EQ(done, c.message.empty()) << c.text;
        if (!done) {
            EXPECT_EQ(bad, c.bad) << c.text;
        }
        EXPECT_EQ(form.message(), c.message);
    }
    form.setText({Field::Thickness, 0}, "2");
    EXPECT_EQ(form.finished(nullptr)->rows.size(), 2u);
}

TEST(ProfileTableForm, RowsAreInsertedAndDeletedWithinOneToTwentyFive) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(1);
    EXPECT_FALSE(form.deleteRow(0));  // the last row stays
    EXPECT_FALSE(form.insertRow(2));
    for (int i = 1; i < 25; ++i) ASSERT_TRUE(form.insertRow(0));
    EXPECT_FALSE(form.insertRow(0));
    form.setText({Field::Length, 24}, "7");
    EXPECT_TRUE(form.deleteRow(3));
    EXPECT_EQ(form.rowCount(), 24);
    EXPECT_EQ(form.text({Field::Length, 23}), "7");
    EXPECT_EQ(form.below({Field::Angle, 23}), (TableCell{Field::Angle, 23}));
    EXPECT_EQ(form.above({Field::Length, 0}), (TableCell{Field::Orientation, 0}));
    EXPECT_EQ(form.above({Field::Angle, 5}), (TableCell{Field::Angle, 4}));
}

TEST(ProfileTableForm, AnExistingProfileKeepsItsProgramUntilARowIsInsertedOrDeleted) {
    PartRecord part;
    part.thickness = 2;
    part.startOrientation = 90;
    part.profileBendCount = 2;
    part.profile[0] = {.length = 100, .angle = 90, .index = 0, .order = 1};
    part.profile[1] = {.length = 50.5f, .angle = -135, .index = 1, .order = 0};
    part.profile[2] = {.length = 30, .angle = 0, .index = -1, .order = -1};
    ProfileTableForm form = ProfileTableForm::ForPart(part);
    EXPECT_EQ(form.rowCount(), 3);
    EXPECT_EQ(form.text({Field::Length, 1}), "50.5");
    EXPECT_EQ(form.text({Field::Angle, 1}), "-135");
    EXPECT_EQ(form.text({Field::Angle, 2}), "");  // no bend after the last segment
    EXPECT_TRUE(form.hadProgram());
    EXPECT_TRUE(form.keepsProgram());
    form.setText({Field::Length, 1}, "60");
    EXPECT_TRUE(form.keepsProgram());
    ASSERT_TRUE(form.insertRow(1));
    ASSERT_TRUE(form.deleteRow(1));
    EXPECT_FALSE(form.keepsProgram());  // the same rows again, but the order was given up
}

TEST(ProfileTableForm, PreviewStopsAtTheFirstRowThatCannotBeDrawn) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(2);
    for (int i = 0; i < 3; ++i) form.insertRow(0);
    form.setText({Field::Length, 0}, "100");
    form.setText({Field::Angle, 0}, "90");
    form.setText({Field::Length, 1}, "50");
    form.setText({Field::Angle, 1}, "9.");  // typed so far
    form.setText({Field::Length, 2}, "abc");
    EXPECT_EQ(form.preview(), (ProfileTable{2, 0, {{100, 90}, {50, 9}}}));
    form.setText({Field::Angle, 1}, "-");
    EXPECT_EQ(form.preview(), (ProfileTable{2, 0, {{100, 90}, {50, 180}}}));
}

TEST(ProfileTableForm, NumberKeysFollowTheDrawingWindowRules) {
    struct Case {
        char key;
        const char* text;
        int caret;
        bool signedEntry;
        EntryKey expected;
    };
    const Case cases[] = {
        {',', "12", 2, false, {true, '.', false}},   // a comma is a point
        {'.', "1.2", 3, true, {false, '.', false}},  // one point only
        {'-', "", 0, false, {false, '-', false}},    // no minus in a length
        {'-', "45", 0, true, {true, '-', true}},     // an angle may be negative; typed at the start it replaces
        {'7', "45", 2, true, {true, '7', false}},
        {'a', "", 0, true, {false, 'a', false}},
    };
    for (const Case& c : cases) {
        const EntryKey k = FilterNumberKey(c.key, c.text, c.caret, c.signedEntry);
        EXPECT_EQ(std::tuple(k.accept, k.key, k.clearFirst),
                  std::tuple(c.expected.accept, c.expected.key, c.expected.clearFirst))
            << c.key << " in " << c.text;
    }
}

}  // namespace
}  // namespace zelpor
