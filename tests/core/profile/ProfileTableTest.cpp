#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "part/PartRecord.h"
#include "profile/ProfileDrawing.h"
#include "profile/ProfileTable.h"
#include "support/TempDir.h"
#include "support/ByteDiff.h"

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
        {"2", "0", "100", "90", "50", "-90", "80", "135", "40"},
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
    EXPECT_EQ(part.profile[24].index, -1);
    EXPECT_EQ(part.sketchLast, 24);  // the 25th length ends the input: no angle step after it
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

}  // namespace
}  // namespace zelpor
