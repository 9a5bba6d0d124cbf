#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/ViewTransform.h"

namespace zelpor {
namespace {

using R = ScaleRounding;

// Worked values of the one scale clamp under each drawing's rounding: the
// rounding decides whether the edge point of a drawing lands on its pixel.
TEST(ViewScale, ClampedBetween1And32TimesWithEachDrawingsRounding) {
    const double justAboveThird = std::nextafter(1.0 / 3, 1.0);  // 1 / it is 2.9999999999999996
    const struct {
        double pixelsPerMm;
        R rounding;
        double world, viewport;
    } rows[] = {
        {2.5, R::Exact, 1000, 2500},
        {1, R::Exact, 1000, 1000},
        {40, R::Exact, 1000, 32000},
        {1.0 / 32, R::Exact, 32000, 1000},
        {0.01, R::Exact, 32000, 1000},
        {0.3, R::Exact, 1000 / 0.3, 1000},
        {0.3, R::WholeExtents, 3333, 1000},
        {0.3, R::SingleExtents, 3333.333251953125, 1000},
        {2.0005, R::WholeExtents, 1000, 2000},
        {2.0005, R::SingleExtents, 1000, 2000.5},
        {2.0005, R::Exact, 1000, 1000 * 2.0005},
        {justAboveThird, R::WholeExtents, 2999, 1000},
        {justAboveThird, R::SingleShrink, 3000, 1000},  // the factor rounds to 3 first
        {justAboveThird, R::SingleExtents, 3000, 1000},
        {40, R::SingleExtents, 1000, 32000},
        {0.01, R::WholeExtents, 32000, 1000},
        {0.01, R::SingleShrink, 32000, 1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pixelsPerMm << " rounding " << static_cast<int>(row.rounding));
        ViewTransform v = ViewTransform::Identity(100, 80);
        v.worldOriginX = 7;
        v.setScale(row.pixelsPerMm, row.rounding);
        EXPECT_EQ(v.worldExtentX, row.world);
        EXPECT_EQ(v.worldExtentY, row.world);
        EXPECT_EQ(v.viewportExtentX, row.viewport);
        EXPECT_EQ(v.viewportExtentY, -row.viewport);
        // The scale leaves where the view looks alone.
        EXPECT_EQ(v.worldOriginX, 7);
        EXPECT_EQ(v.viewportOriginX, 100);
    }
}

TEST(ViewScale, FitScaleIsTheTighterAxisAroundTheOrigin) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const struct {
        Extent extent;
        double halfWidth, halfHeight;
        std::optional<double> scale;
    } rows[] = {
        {{-10, -5, 20, 40}, 100, 50, 1.25},   // 50 / 40 is tighter than 100 / 20
        {{-80, -5, 20, 4}, 100, 50, 1.25},    // the far side counts, whichever sign
        {{-10, 0, 20, 0}, 100, 50, 5},        // flat: nothing to fit upward
        {{0, -5, 0, 40}, 100, 50, 1.25},      // a vertical line: nothing to fit sideways
        {{0, 0, 0, 0}, 100, 50, 32},          // a single point: nothing to fit either way
        {{-1, -2, 1, 2}, 1000, 1000, 500},    // beyond 32: clamped only when the scale is set
        {{-10, -5, kInf, 40}, 100, 50, {}},   // a broken coordinate gives no scale
        {{-10, -5, 20, 40}, 0, 50, {}},       // nor does a drawing of no size
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.extent.minX << " " << row.extent.maxX << " " << row.halfWidth);
        const std::optional<double> scale = ViewTransform::FitScale(row.extent, row.halfWidth, row.halfHeight);
        ASSERT_EQ(scale.has_value(), row.scale.has_value());
        if (scale) {
            EXPECT_DOUBLE_EQ(*scale, *row.scale);
        }
    }
}

TEST(ViewScale, AFittedExtentsFarthestPointLandsOnTheEdgeOfItsRoom) {
    const Extent e{-30, -12, 60, 24};
    ViewTransform v = ViewTransform::Identity(200, 150);
    v.setScale(*ViewTransform::FitScale(e, 200, 150), ScaleRounding::WholeExtents);
    // 200 / 60 pixels per mm, kept as 3333 / 1000: the farthest point stays a
    // pixel inside the room, and every coordinate is cut toward the origin.
    EXPECT_EQ(v.map(60, 0), (ScreenPoint{399, 150}));
    EXPECT_EQ(v.map(0, 24), (ScreenPoint{200, 70}));
    EXPECT_EQ(v.wholeWorld(399, 70), (WorldPoint{59, 24}));
}

}  // namespace
}  // namespace zelpor
