#include <gtest/gtest.h>

#include "core/sequence/SequenceFixtures.h"
#include "sequence/ProfileChange.h"
#include "sequence/SequenceProgram.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// A three-bend profile written from a table, its corrections computed with a
// V16 die, bends validated in the order 1, 0, 2 with bend 0 pivoted: the
// program is 2, 0, 1.
struct ProfileChangeTest : ::testing::Test {
    static constexpr float kV = 16;
    PartRecord part;
    ProfileTable table{2, 0, {{100, 90}, {50, 90}, {80, -90}, {40, 180}}};

    ProfileChangeTest() {
        DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 7));
        ApplyProfileTable(part, table, false, kV);
        ComputeSequenceCorrections(part, kV);
        part.profile[0].pivot = 1;
        for (int step : {1, 0, 2}) EXPECT_TRUE(ValidateBend(part, step, "V16", "P88-67"));
    }
};

TEST_F(ProfileChangeTest, ChangingALengthKeepsTheProgramAndTheDevelopedLengthFollows) {
    const PartRecord before = part;
    const double developed = DevelopedLength(part);
    table.rows[2].length = 95;
    EXPECT_NEAR(TableDevelopedLength(part, table, true, kV), developed + 15, 1e-3);
    ApplyProfileTable(part, table, true, kV);

    EXPECT_EQ(part.profile[2].length, 95.0f);
    EXPECT_NEAR(DevelopedLength(part), developed + 15, 1e-3);
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(part.profile[k].order, before.profile[k].order);
        EXPECT_EQ(part.profile[k].pivot, before.profile[k].pivot);
        EXPECT_EQ(part.profile[k].correction, before.profile[k].correction);
    }
    EXPECT_EQ((std::array{part.profile[0].order, part.profile[1].order, part.profile[2].order}),
              (std::array{1, 2, 0}));
    EXPECT_EQ(part.bends, before.bends);
    EXPECT_EQ(std::tuple(part.currentBend, part.lastBend), std::tuple(0, 2));
    // The segment moved: the sketch is drawn again with the new length.
    EXPECT_NE(part.sketch[2].x2, before.sketch[2].x2);
}

TEST_F(ProfileChangeTest, AChangedAngleGetsItsCorrectionFromTheDieAndItsBendRecordTheAngle) {
    const PartRecord before = part;
    table.rows[0].angle = 135;
    ApplyProfileTable(part, table, true, kV);
    EXPECT_NEAR(part.profile[0].correction, -1.2206, 1e-4);
    EXPECT_EQ(part.profile[1].correction, before.profile[1].correction);
    // Bend 0 is second in the program: bend record 1.
    EXPECT_EQ(part.bends[1].angle, 135.0f);
    EXPECT_EQ(part.bends[0], before.bends[0]);
    EXPECT_EQ(part.bends[2], before.bends[2]);

    // Without a die the correction stays until the sequence window gets one.
    table.rows[0].angle = 120;
    ApplyProfileTable(part, table, true, std::nullopt);
    EXPECT_NEAR(part.profile[0].correction, -1.2206, 1e-4);
    EXPECT_EQ(part.bends[1].angle, 120.0f);
}

TEST_F(ProfileChangeTest, InsertedOrDeletedSegmentsClearTheProgramAsANewProfile) {
    table.rows.erase(table.rows.begin() + 1);
    const double expected = 100 + 80 + 40 + ComputeSequenceCorrection(90, kV, 2) + ComputeSequenceCorrection(-90, kV, 2);
    EXPECT_NEAR(TableDevelopedLength(part, table, false, kV), expected, 1e-3);
    ApplyProfileTable(part, table, false, kV);
    EXPECT_EQ(part.profileBendCount, 2);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(part.profile[k].order, -1);
        EXPECT_EQ(part.profile[k].pivot, 0);
    }
    EXPECT_EQ(std::tuple(part.currentBend, part.lastBend), std::tuple(-1, -1));
    // Asked to keep a program that no longer fits, nothing is kept either.
    PartRecord again = part;
    table.rows.push_back({20, 180});
    ApplyProfileTable(again, table, true, kV);
    EXPECT_EQ(again.profileBendCount, 3);
    EXPECT_EQ(std::tuple(again.currentBend, again.lastBend), std::tuple(-1, -1));
}

}  // namespace
}  // namespace zelpor
