#include <gtest/gtest.h>

#include "core/collision/CollisionFixtures.h"
#include "geometry/FoldedPart.h"

namespace zelpor {
namespace {

using test::TypedProfile;

std::vector<std::pair<double, double>> Legs(const FoldedSide& side) {
    std::vector<std::pair<double, double>> out;
    for (const FoldLeg& l : side.legs) out.emplace_back(l.length, l.direction);
    return out;
}

// A Z with a flange: the flanks open symmetrically about the punch, folded
// bends turn the chain on, flat ones leave it straight, a pivot swaps the
// sides, and a turned part folds the others the other way.
TEST(FoldedPart, FlanksChainsPivotAndTurn) {
    PartRecord part = TypedProfile(2, {40, 50, 60, 70}, {90, -90, 135});
    using L = std::vector<std::pair<double, double>>;
    FoldedPart f = FoldPart(part, 1, 120, 0b101);
    // Bend 1 is made turned over (-90): bend 0 folds by 180 - 90 on side A,
    // bend 2 by 180 + 135 on side B.
    EXPECT_EQ(Legs(f.sideA), (L{{50, 150}, {40, 240}}));
    EXPECT_EQ(Legs(f.sideB), (L{{60, 30}, {70, 345}}));
    EXPECT_TRUE(f.turned);
    EXPECT_TRUE(f.sideA.towardsStart);

    f = FoldPart(part, 1, 180, 0b100, true);  // pivoted, bend 0 flat
    EXPECT_EQ(Legs(f.sideA), (L{{60, 180}, {70, 225}}));
    EXPECT_EQ(Legs(f.sideB), (L{{50, 0}, {40, 0}}));
    EXPECT_EQ(f.sideB.legs[1].bend, 0);

    part.profile[1].angle = 90;
    part.profile[0].angle = -90;
    f = FoldPart(part, 2, 135, 0b011);
    EXPECT_FALSE(f.turned);
    EXPECT_EQ(Legs(f.sideA), (L{{60, 157.5}, {50, 157.5 + 270}, {40, 157.5 + 270 + 90}}));
}

// The folded state each window shows: earlier in the program, or not placed.
TEST(FoldedPart, FoldedBeforeAndPunchLift) {
    PartRecord part = TypedProfile(2, {40, 50, 60, 70}, {90, 90, 90});
    part.profile[0].order = 1;
    part.profile[2].order = 0;
    part.bends[0].opening = 12;
    part.bends[1].opening = 30;
    EXPECT_EQ(FoldedBefore(part, 0), 0b110u);  // bend 2 comes first, bend 1 is not placed
    EXPECT_EQ(FoldedBefore(part, 2), 0b010u);
    // Placed: open at the opening of the bend before it; the first of the
    // program at its own; not placed: at its working depth.
    EXPECT_FLOAT_EQ(PunchLift(part, part.profile[0], 67, 5), 2 + 67 + 12);
    EXPECT_FLOAT_EQ(PunchLift(part, part.profile[2], 67, 5), 2 + 67 + 12);
    EXPECT_FLOAT_EQ(PunchLift(part, part.profile[1], 67, 5), 2 + 67 - 5);
    part.profile[1].order = 40;  // from a damaged file: no record that far
    EXPECT_FLOAT_EQ(PunchLift(part, part.profile[1], 67, 5), 2 + 67);
    EXPECT_FLOAT_EQ(StopPosition(part, 1, false), 60 + part.profile[1].correction / 2);
    EXPECT_FLOAT_EQ(StopPosition(part, 1, true), 50 + part.profile[1].correction / 2);
}

}  // namespace
}  // namespace zelpor
