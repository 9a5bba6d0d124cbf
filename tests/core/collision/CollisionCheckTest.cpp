#include <gtest/gtest.h>

#include <cmath>

#include "core/collision/CollisionFixtures.h"

namespace zelpor {
namespace {

using test::TypedProfile;

BendCheck Check(const PartRecord& part, int bend, bool pivot, FoldedBends folded,
                const PunchRecord& punch = test::SamplePunchP88_67(),
                const MachineLimits& machine = test::SampleMachine()) {
    return CheckBend(PrepareCollisionSetup(punch, test::SampleDieV16(), machine), part, bend, pivot, folded);
}

// A 0.3 mm lug on the punch, 400 mm out at 10.5 degrees above the tip: the
// flank passes over it while the bend goes from about 159 to 158.4 degrees,
// between the poses checked at 160 and 158. The sweep finds it all the same.
TEST(CollisionCheck, ContactBetweenCheckedAnglesIsFound) {
    PunchRecord punch = test::SamplePunchP88_67();
    const float x = 400 * std::cos(10.5f * 3.14159265f / 180), y = -67 + 400 * std::sin(10.5f * 3.14159265f / 180);
    const test::Point lug[] = {{x - .15f, y - .15f}, {x + .15f, y - .15f}, {x + .15f, y + .15f}, {x - .15f, y + .15f}};
    for (std::size_t i = 0; i < 4; ++i) {  // after the five lines of the punch's outline
        OutlineElement& e = punch.outline[5 + i] = punch.outline[0];
        std::tie(e.x1, e.y1) = lug[i];
        std::tie(e.x2, e.y2) = lug[(i + 1) % 4];
    }
    punch.lastElement = 8;
    const BendCheck c = Check(TypedProfile(2, {100, 500}, {90}), 0, false, 0, punch, {});
    EXPECT_EQ(std::tuple(c.obstacle, c.side, c.leg), std::tuple(Obstacle::Punch, 1, 0));
    EXPECT_NEAR(c.angle, 159, 0.2);
}

// Each obstacle with the profile that runs into it, and the stop position.
TEST(CollisionCheck, KnownObstacles) {
    const PartRecord shortFlange = TypedProfile(2, {6, 100, 50}, {90, 90});
    const PartRecord hook = TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90});
    const PartRecord longPart = TypedProfile(2, {700, 800}, {90});
    const struct {
        const char* what;
        const PartRecord& part;
        int bend;
        bool pivot;
        FoldedBends folded;
        Obstacle obstacle;
        float stop;
    } cases[] = {
        // 6 mm against the stop does not reach past the V onto the die.
        {"short flange", shortFlange, 0, true, 0, Obstacle::Stop, 3.99f},
        {"long flange", shortFlange, 0, false, 0b10, Obstacle::None, 97.99f},
        // The flat part beyond the flange runs through the stop finger.
        {"flat beyond", shortFlange, 0, false, 0, Obstacle::Stop, 97.99f},
        // The return flange at the end of a 20 mm leg turned down lies in the die.
        {"return flange", hook, 2, false, 0b011, Obstacle::Die, 97.99f},
        {"return, pivoted", hook, 2, true, 0b011, Obstacle::Die, 57.99f},
        // 100 mm turned down beside a die 60 mm high reaches the table.
        {"table", hook, 1, false, 0b100, Obstacle::Frame, 57.99f},
        // Beyond the 650 mm of backgauge travel either way round.
        {"travel", longPart, 0, false, 0, Obstacle::Stop, 797.99f},
    };
    for (const auto& c : cases) {
        const BendCheck r = Check(c.part, c.bend, c.pivot, c.folded);
        EXPECT_EQ(std::pair(r.obstacle, r.angle), std::pair(c.obstacle, 180.0)) << c.what << ": " << CollisionText(r);
        EXPECT_NEAR(r.stopPosition, c.stop, 0.01) << c.what;
    }
    // Without the machine's figures the travel bounds nothing.
    EXPECT_FALSE(Check(longPart, 0, false, 0, test::SamplePunchP88_67(), {}).collides());
}

TEST(CollisionCheck, MachineFiguresAndTextsRounded) {
    ParameterTable table;
    const std::pair<int, float> rows[] = {{11, 650}, {12, 3}, {15, 410}, {16, 0}};
    for (std::size_t i = 0; i < std::size(rows); ++i)
        std::tie(table.entries[i].number, table.entries[i].value) = rows[i];
    const MachineLimits m = MachineLimitsFrom(table);
    // No opening given: nothing bounds it.
    EXPECT_EQ(std::tuple(m.stopTravel, m.throatDepth, m.daylight.has_value()), std::tuple(650.0, 410.0, false));
    EXPECT_EQ(CollisionText({Obstacle::Frame, 61.6}), "Collision bâti à 62°");
}

}  // namespace
}  // namespace zelpor
