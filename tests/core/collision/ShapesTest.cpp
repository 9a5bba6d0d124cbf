#include <gtest/gtest.h>

#include "collision/Shapes.h"

namespace zelpor {
namespace {

// A unit square piece against a 10 x 10 block: apart, touching, crossing,
// inside, and the block inside the piece.
TEST(Shapes, OverlapAndClearance) {
    const Region block = RectangleRegion(0, 0, 10, 10);
    struct Case {
        double x, y, size;
        bool overlaps;
        double clearance;
    };
    const Case cases[] = {
        {12, 0, 1, false, 2},    // right of the block
        {10, 3, 1, true, 0},     // touching its right face
        {9.5, 9.5, 1, true, 0},  // over a corner
        {4, 4, 1, true, 0},      // wholly inside
        {-5, -5, 20, true, 0},   // around the block
        {13, 14, 1, false, 5},   // off a corner: 3-4-5
    };
    for (const Case& c : cases) {
        const Piece p = MakePiece({c.x, c.y}, {c.x + c.size, c.y}, {c.x + c.size, c.y + c.size}, {c.x, c.y + c.size});
        EXPECT_EQ(Overlaps(p, block), c.overlaps) << c.x << ", " << c.y;
        EXPECT_NEAR(Clearance(p, block, {}, 100), c.clearance, 1e-9) << c.x << ", " << c.y;
    }
    // A shifted region, and a limit that stops the search early.
    const Piece far = MakePiece({30, 0}, {31, 0}, {31, 1}, {30, 1});
    EXPECT_TRUE(Overlaps(far, block, {25, 0}));
    EXPECT_DOUBLE_EQ(Clearance(far, block, {}, 3), 3);
}

}  // namespace
}  // namespace zelpor
