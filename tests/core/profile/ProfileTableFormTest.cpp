#include <gtest/gtest.h>

#include <string>

#include "profile/ProfileTableForm.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;
using R = ProfileTableForm::EnterResult;

TEST(ProfileTableForm, EnterGoesThroughTheRowsAndFinishingPointsAtAWrongField) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(0);
    EXPECT_EQ(form.text({Field::Thickness, 0}) + "/" + form.text({Field::Orientation, 0}), "0.1/0");
    TableCell cell;
    auto type = [&](const std::string& text) {
        form.setText(cell, text);
        return form.enter(cell);
    };
    for (const char* text : {"2", "0", "100"}) EXPECT_EQ(type(text), R::Moved);
    EXPECT_EQ(cell, (TableCell{Field::Angle, 0}));
    EXPECT_EQ(type(""), R::Ignored);
    EXPECT_EQ(type("-"), R::Rejected);
    EXPECT_EQ(form.message(), "Valeur incorrecte : \"-\" n'est pas un nombre");
    EXPECT_EQ(type("90"), R::AtEnd);  // the window appends a row
    ASSERT_TRUE(form.insertRow(1));
    cell = {Field::Length, 1};
    EXPECT_EQ(type("-50"), R::Moved);  // a length has no minus
    EXPECT_EQ(form.text({Field::Length, 1}), "50");
    ASSERT_TRUE(form.insertRow(2));  // left blank: not a segment
    EXPECT_EQ(form.finished(nullptr), (ProfileTable{2, 0, {{100, 90}, {50, 180}}}));

    form.setText({Field::Angle, 0}, "");
    form.setText({Field::Length, 1}, "1..5");
    TableCell bad;
    EXPECT_FALSE(form.finished(&bad));
    EXPECT_EQ(std::tuple(bad, form.message()), std::tuple(TableCell{Field::Angle, 0}, std::string("Valeur manquante")));
    form.setText({Field::Angle, 0}, "90");
    EXPECT_FALSE(form.finished(&bad));
    EXPECT_EQ(bad, (TableCell{Field::Length, 1}));
    EXPECT_FALSE(form.keepsProgram());  // a new profile has no program to keep

    while (form.insertRow(0)) {
    }
    EXPECT_EQ(form.rowCount(), 25);
    for (int i = 0; i < 30; ++i) form.deleteRow(0);
    EXPECT_EQ(form.rowCount(), 1);  // the last row stays
}

}  // namespace
}  // namespace zelpor
