#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "part/PartRecord.h"
#include "profile/ProfileDrawing.h"
#include "profile/ProfileTable.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// A part full of earlier contents, so that a byte the two windows would
// treat differently shows up.
PartRecord UsedPart() {
    PartRecord part;
    DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 19));
    return part;
}

struct Typed {
    const char* name;
    std::vector<const char*> keys;  // thickness, orientation, then length, angle, length, ...
};

ProfileTable TableOf(const std::vector<const char*>& keys) {
    ProfileTable table;
    table.thickness = std::stod(keys[0]);
    table.orientation = std::stod(keys[1]);
    for (std::size_t i = 2; i < keys.size(); i += 2)
        table.rows.push_back({std::stod(keys[i]), i + 1 < keys.size() ? std::stod(keys[i + 1]) : 180.0});
    return table;
}

TEST(ProfileTable, StoresExactlyWhatTheDrawingStoresForTheSameSegments) {
    const Typed cases[] = {
        {"four segments", {"2", "0", "100", "90", "50", "-90", "80", "135", "40"}},
        {"one segment, turned", {"1.5", "-90", "250"}},
        {"five: the drawing's limit", {"3", "45", "10", "90", "20", "90", "30", "90", "40", "90", "50"}},
        {"odd figures", {"0.8", "180", "12.345", "-135.5", "7.25"}},
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.name);
        PartRecord drawn = UsedPart();
        ProfileDrawing drawing(drawn);
        drawing.activate();
        for (const char* key : c.keys) ASSERT_NE(drawing.submit(key), ProfileDrawing::Result::Rejected);
        drawing.finish();

        PartRecord tabled = UsedPart();
        WriteProfileTable(tabled, TableOf(c.keys));
        EXPECT_EQ(EncodePart(tabled), EncodePart(drawn));
    }
}

float F32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    float v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}
std::int32_t I32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

TEST(ProfileTable, TwelveSegmentsAreStoredEntryByEntryAndLineByLine) {
    ProfileTable table{2, 90, {}};
    for (int k = 0; k < 12; ++k) table.rows.push_back({10.0 + 5 * k, k % 2 ? -90.0 : 90.0});
    PartRecord part = UsedPart();
    WriteProfileTable(part, table);
    const std::vector<std::uint8_t> file = EncodePart(part);

    EXPECT_EQ(F32At(file, 255), 2.0f);
    EXPECT_EQ(F32At(file, 3999), 90.0f);
    EXPECT_EQ(I32At(file, 4003), 11);
    EXPECT_EQ(I32At(file, 290), -1);
    EXPECT_EQ(I32At(file, 294), -1);
    // 12 segments, then the arc and the line of the next angle step.
    EXPECT_EQ(I32At(file, 4607), 13);
    float x = 0, y = 0;
    for (std::size_t k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        const std::size_t entry = 4007 + 24 * k;
        EXPECT_EQ(F32At(file, entry), static_cast<float>(10 + 5 * k));
        EXPECT_EQ(F32At(file, entry + 4), k == 11 ? 0.0f : (k % 2 ? -90.0f : 90.0f));
        EXPECT_EQ(I32At(file, entry + 8), k == 11 ? -1 : static_cast<int>(k));
        EXPECT_EQ(file[entry + 12], 0);
        EXPECT_EQ(I32At(file, entry + 16), -1);

        const std::size_t line = 4631 + 108 * k;
        EXPECT_EQ(I32At(file, line), 1);
        EXPECT_EQ(I32At(file, line + 4), 0x0000FF);  // red
        EXPECT_NEAR(F32At(file, line + 72), x, 1e-3);
        EXPECT_NEAR(F32At(file, line + 76), y, 1e-3);
        x = F32At(file, line + 80);
        y = F32At(file, line + 84);
        const float dx = x - F32At(file, line + 72), dy = y - F32At(file, line + 76);
        EXPECT_NEAR(std::hypot(dx, dy), static_cast<double>(10 + 5 * k), 1e-3);
    }
    // Up, left, up, left...: a staircase to (-(odd rows), even rows).
    EXPECT_NEAR(x, -(15 + 25 + 35 + 45 + 55 + 65), 1e-3);
    EXPECT_NEAR(y, 10 + 20 + 30 + 40 + 50 + 60, 1e-3);
    EXPECT_EQ(I32At(file, 4631 + 108 * 12), 4);  // the arc
}

TEST(ProfileTable, TwentyFiveSegmentsFillTheTableAndNothingPastIt) {
    ProfileTable table{1, 0, std::vector<ProfileRow>(27, ProfileRow{20, 170})};
    PartRecord part = UsedPart();
    const PartRecord before = part;
    WriteProfileTable(part, table);
    EXPECT_EQ(part.profileBendCount, 24);
    EXPECT_EQ(part.profile[24].index, -1);
    EXPECT_EQ(part.sketchLast, 24);  // the 25th length ends the input: no angle step after it
    EXPECT_EQ(part.sketchTexts, before.sketchTexts);

    // The table read back from the part gives the same stored bytes.
    PartRecord again = UsedPart();
    WriteProfileTable(again, TableFromPart(part));
    EXPECT_EQ(EncodePart(again), EncodePart(part));
}

TEST(ProfileTable, SketchSceneNumbersTheBendsAtTheirVertices) {
    PartRecord part = UsedPart();
    const ViewTransform view = WriteProfileTable(part, {2, 0, {{100, 90}, {50, 90}, {30, 180}}});
    const Scene scene = SketchScene(part, view);
    ASSERT_EQ(scene.elements.size(), 5u + 2u);  // 3 segments, arc, line, two numbers
    const OutlineElement& second = scene.elements.back();
    EXPECT_EQ(scene.textOf(second), "2");
    EXPECT_EQ(second.colour, Rgb(255, 255, 0));
    EXPECT_NEAR(second.x1, 100, 1e-3);
    EXPECT_NEAR(second.y1, 50, 1e-3);
    EXPECT_NEAR(second.h * view.scaleX(), 12, 1e-3);
}

}  // namespace
}  // namespace zelpor
