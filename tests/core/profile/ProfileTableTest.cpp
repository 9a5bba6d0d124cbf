#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/part/PartRecord.h"
#include "core/profile/ProfileDrawing.h"
#include "core/profile/ProfileTable.h"
#include "core/profile/ProfileTableForm.h"
#include "support/ByteDiff.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// A part full of earlier contents, so that any byte the two ways of entering
// a profile treat differently shows up.
PartRecord UsedPart() {
    PartRecord part;
    DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 19));
    return part;
}

TEST(ProfileTable, StoresExactlyWhatTheDrawingStoresForTheSameSegments) {
    // Thickness, orientation, then length, angle, length, ...
    const std::vector<std::vector<const char*>> cases = {
        {"1.5", "-90", "250"},
        {"3", "45", "10", "90", "20", "90", "30", "90", "40", "90", "50"},  // five: the drawing's limit
        {"0.8", "180", "12.345", "-135.5", "7.25"},
    };
    for (const auto& keys : cases) {
        SCOPED_TRACE(keys.size());
        PartRecord drawn = UsedPart();
        ProfileDrawing drawing(drawn);
        drawing.activate();
        for (const char* key : keys) ASSERT_NE(drawing.submit(key), ProfileDrawing::Result::Rejected);
        drawing.finish();

        ProfileTable table{std::stod(keys[0]), std::stod(keys[1]), {}};
        for (std::size_t i = 2; i < keys.size(); i += 2)
            table.rows.push_back({std::stod(keys[i]), i + 1 < keys.size() ? std::stod(keys[i + 1]) : 180.0});
        PartRecord tabled = UsedPart();
        WriteProfileTable(tabled, table);
        EXPECT_TRUE(test::SameBytes(EncodePart(tabled), EncodePart(drawn)));
    }
}

TEST(ProfileTable, TwentyFiveSegmentsFillTheTableAndReadBackTheSame) {
    PartRecord part = UsedPart();
    const ViewTransform view = WriteProfileTable(part, {1, 0, std::vector<ProfileRow>(27, ProfileRow{20, 170})});
    EXPECT_EQ(part.profileBendCount, 24);  // rows past the 25th are not taken
    EXPECT_EQ(part.sketchLast, 24);        // the 25th length ends the input: no angle step after it
    PartRecord again = UsedPart();
    WriteProfileTable(again, TableFromPart(part));
    EXPECT_TRUE(test::SameBytes(EncodePart(again), EncodePart(part)));

    // The drawing numbers the bends at their vertices, the ends of the segments.
    const Scene scene = SketchScene(part, view);
    ASSERT_EQ(scene.elements.size(), 25u + 24u);
    const OutlineElement& last = scene.elements.back();
    EXPECT_EQ(std::tuple(scene.textOf(last), last.colour, last.x1, last.y1),
              std::tuple(std::string("24"), Rgb(255, 255, 0), part.sketch[23].x2, part.sketch[23].y2));
}

using Field = TableCell::Field;
using R = ProfileTableForm::EnterResult;

TEST(ProfileTableForm, EnterGoesThroughTheRowsAndFinishingPointsAtAWrongField) {
    ProfileTableForm form = ProfileTableForm::ForNewProfile(0);
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
    ASSERT_TRUE(form.insertRow(2));    // left blank: not a segment
    EXPECT_EQ(form.finished(nullptr), (ProfileTable{2, 0, {{100, 90}, {50, 180}}}));

    form.setText({Field::Angle, 0}, "");
    form.setText({Field::Length, 1}, "1..5");
    TableCell bad;
    EXPECT_FALSE(form.finished(&bad));
    EXPECT_EQ(std::tuple(bad, form.message()), std::tuple(TableCell{Field::Angle, 0}, std::string("Valeur manquante")));
    form.setText({Field::Angle, 0}, "90");
    EXPECT_FALSE(form.finished(&bad));
    EXPECT_EQ(bad, (TableCell{Field::Length, 1}));

    while (form.insertRow(0)) {}
    EXPECT_EQ(form.rowCount(), 25);
    for (int i = 0; i < 30; ++i) form.deleteRow(0);
    EXPECT_EQ(form.rowCount(), 1);  // the last row stays
}

}  // namespace
}  // namespace zelpor
