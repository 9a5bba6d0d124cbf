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

}  // namespace
}  // namespace zelpor
