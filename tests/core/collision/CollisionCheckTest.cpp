#include <gtest/gtest.h>

#include <cmath>

#include "core/collision/CollisionFixtures.h"

namespace zelpor {
namespace {

using test::TypedProfile;

BendCheck Check(const PunchRecord& punch, const PartRecord& part, int bend, bool pivot, FoldedBends folded,
                const MachineLimits& machine = test::SampleMachine()) {
    return CheckBend(PrepareCollisionSetup(punch, test::SampleDieV16(), machine), part, bend, pivot, folded);
}

// An 80 degree bend under the 88 degree punch: the flank runs into the
// punch's face as the bend closes past 88 degrees (the face leaves the tip
// at 46 degrees and is 18.7 mm long; the sheet is checked 0.05 mm inside its
// surface, so the contact starts 0.3 degree later), between two checked
// angles of the sweep.
TEST(CollisionCheck, AcuteBendMeetsThePunchFaceAtItsAngle) {
    const PartRecord part = TypedProfile(2, {50, 50}, {80});
    const BendCheck c = Check(test::SamplePunchP88_67(), part, 0, false, 0);
    EXPECT_EQ(c.obstacle, Obstacle::Punch);
    EXPECT_NEAR(c.angle, 87.69, 0.05);
    EXPECT_EQ(CollisionText(c), "Collision poinçon à 88°");
    EXPECT_FALSE(Check(test::SamplePunchP88_67(), TypedProfile(2, {50, 50}, {90}), 0, false, 0).collides());
}

// A 0.3 mm lug on the punch, 400 mm out at 10.5 degrees above the tip: the
// flank rising on the stop side passes over it while the bend goes from about
// 159 to 158.4 degrees, between the poses checked at 160 and 158. The sweep
// finds it all the same.
TEST(CollisionCheck, ContactBetweenCheckedAnglesIsFound) {
    PunchRecord punch = test::SamplePunchP88_67();
    const float x = 400 * std::cos(10.5f * 3.14159265f / 180), y = -67 + 400 * std::sin(10.5f * 3.14159265f / 180);
    punch.lastElement = test::OutlinePolyline(punch.outline, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67},
                                                              {-13, -53.54f}}) + 4;
    const test::Point lug[] = {{x - 0.15f, y - 0.15f}, {x + 0.15f, y - 0.15f}, {x + 0.15f, y + 0.15f},
                               {x - 0.15f, y + 0.15f}};
    for (int i = 0; i < 4; ++i) {
        OutlineElement& e = punch.outline[static_cast<std::size_t>(5 + i)];
        e.type = kLine;
        e.x1 = lug[i].first;
        e.y1 = lug[i].second;
        e.x2 = lug[(i + 1) % 4].first;
        e.y2 = lug[(i + 1) % 4].second;
    }
    const BendCheck c = Check(punch, TypedProfile(2, {100, 500}, {90}), 0, false, 0, {});
    EXPECT_EQ(c.obstacle, Obstacle::Punch);
    EXPECT_NEAR(c.angle, 159, 0.2);
    EXPECT_EQ(std::pair(c.side, c.leg), std::pair(1, 0));
}

// U channel 30 / 40 / 30: the flange bent first rises over the punch while
// the second bend closes. A straight punch is in its way; the gooseneck's
// neck leaves it room as long as it stays on the side away from the stop.
TEST(CollisionCheck, SecondFlangeOfAUChannel) {
    const PartRecord part = TypedProfile(2, {30, 40, 30}, {90, 90});
    const BendCheck straight = Check(test::SamplePunchP88_67(), part, 1, false, 0b01);
    EXPECT_EQ(straight.obstacle, Obstacle::Punch);
    EXPECT_EQ(std::pair(straight.side, straight.leg), std::pair(0, 1));  // the first flange, left of the bend
    EXPECT_GT(straight.angle, 90);
    EXPECT_LT(straight.angle, 180);
    EXPECT_FALSE(Check(test::GooseneckPunch(), part, 1, false, 0b01).collides());
    EXPECT_EQ(Check(test::GooseneckPunch(), part, 1, true, 0b01).obstacle, Obstacle::Punch);
}

// Each obstacle with the profile that runs into it, and the stop position.
TEST(CollisionCheck, KnownObstacles) {
    struct Case {
        const char* what;
        PartRecord part;
        int bend;
        bool pivot;
        FoldedBends folded;
        Obstacle obstacle;
        double angle;
        float stop;
    };
    const Case cases[] = {
        // 6 mm against the stop does not reach past the V onto the die.
        {"short flange", TypedProfile(2, {6, 100, 50}, {90, 90}), 0, true, 0, Obstacle::Stop, 180, 3.99f},
        {"long flange", TypedProfile(2, {6, 100, 50}, {90, 90}), 0, false, 0b10, Obstacle::None, 180, 97.99f},
        // The flat part beyond the flange runs through the stop finger.
        {"flat beyond", TypedProfile(2, {6, 100, 50}, {90, 90}), 0, false, 0, Obstacle::Stop, 180, 97.99f},
        // A hook: the return flange at the end of a 20 mm leg turned down
        // lies in the die.
        {"return flange", TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90}), 2, false, 0b011, Obstacle::Die, 180,
         97.99f},
        {"return, pivoted", TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90}), 2, true, 0b011, Obstacle::Die, 180,
         57.99f},
        // 100 mm turned down beside a die 60 mm high reaches the table.
        {"table", TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90}), 1, false, 0b100, Obstacle::Frame, 180, 57.99f},
        // Beyond the 650 mm of backgauge travel either way round.
        {"travel", TypedProfile(2, {700, 800}, {90}), 0, false, 0, Obstacle::Stop, 180, 797.99f},
        {"travel, pivoted", TypedProfile(2, {700, 800}, {90}), 0, true, 0, Obstacle::Stop, 180, 697.99f},
    };
    for (const Case& c : cases) {
        const BendCheck r = Check(test::SamplePunchP88_67(), c.part, c.bend, c.pivot, c.folded);
        EXPECT_EQ(r.obstacle, c.obstacle) << c.what << ": " << CollisionText(r);
        EXPECT_EQ(r.angle, c.angle) << c.what;
        EXPECT_NEAR(r.stopPosition, c.stop, 0.01) << c.what;
    }
    // Without the machine's figures the travel bounds nothing.
    EXPECT_FALSE(Check(test::SamplePunchP88_67(), TypedProfile(2, {700, 800}, {90}), 0, false, 0, {}).collides());
}

TEST(CollisionCheck, MachineFiguresAndTexts) {
    ParameterTable table;
    const std::pair<int, float> rows[] = {{11, 650}, {12, 3}, {15, 410}, {16, 0}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        table.entries[i].number = rows[i].first;
        table.entries[i].value = rows[i].second;
    }
    const MachineLimits m = MachineLimitsFrom(table);
    EXPECT_EQ(m.stopTravel, 650.0);
    EXPECT_EQ(m.throatDepth, 410.0);
    EXPECT_FALSE(m.daylight.has_value());  // no opening given: nothing bounds it
    const std::pair<Obstacle, const char*> texts[] = {{Obstacle::Punch, "Collision poinçon à 62°"},
                                                      {Obstacle::Die, "Collision matrice à 62°"},
                                                      {Obstacle::Stop, "Collision butée à 62°"},
                                                      {Obstacle::Frame, "Collision bâti à 62°"},
                                                      {Obstacle::None, ""}};
    for (const auto& [obstacle, text] : texts) EXPECT_EQ(CollisionText({obstacle, 61.6}), text);
}

}  // namespace
}  // namespace zelpor
