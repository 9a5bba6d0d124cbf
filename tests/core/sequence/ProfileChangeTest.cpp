#include <gtest/gtest.h>

#include "sequence/ProfileChange.h"
#include "sequence/SequenceProgram.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// A three-bend profile with a V16 die's corrections, bend 0 pivoted, bends
// validated in the order 1, 0, 2: the program is 2, 0, 1.
TEST(ProfileChange, NewValuesKeepTheProgramAndAChangedAngleGetsItsCorrection) {
    PartRecord part;
    DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 7));
    ProfileTable table{2, 0, {{100, 90}, {50, 90}, {80, -90}, {40, 180}}};
    ApplyProfileTable(part, table, false, 16.0f);
    ComputeSequenceCorrections(part, 16);
    part.profile[0].pivot = 1;
    for (int step : {1, 0, 2}) ASSERT_TRUE(ValidateBend(part, step, "V16", "P88-67"));
    const PartRecord before = part;

    table.rows[2].length = 95;
    table.rows[0].angle = 135;
    const double correction = -1.2206;  // V16, T 2, 135 degrees
    EXPECT_NEAR(TableDevelopedLength(part, table, true, 16.0f),
                DevelopedLength(before) + 15 - before.profile[0].correction + correction, 1e-3);
    ApplyProfileTable(part, table, true, 16.0f);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(std::pair(part.profile[k].order, part.profile[k].pivot),
                  std::pair(before.profile[k].order, before.profile[k].pivot)) << k;
    EXPECT_NEAR(part.profile[0].correction, correction, 1e-4);
    EXPECT_EQ(part.profile[1].correction, before.profile[1].correction);
    // Bend 0 is second in the program; the others keep their records.
    EXPECT_EQ(std::tuple(part.bends[1].angle, part.bends[0], part.bends[2], part.currentBend, part.lastBend),
              std::tuple(135.0f, before.bends[0], before.bends[2], 0, 2));

    // Segments inserted or deleted: no order, as a new profile.
    table.rows.erase(table.rows.begin() + 1);
    ApplyProfileTable(part, table, false, 16.0f);
    EXPECT_EQ(std::tuple(part.profileBendCount, part.profile[0].order, part.profile[0].pivot, part.lastBend),
              std::tuple(2, -1, 0, -1));
}

}  // namespace
}  // namespace zelpor
