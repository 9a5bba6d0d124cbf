#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "core/view/ToolFit.h"
#include "core/view/ViewTransform.h"
#include "support/SampleTools.h"

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
        {40, R::Exact, 1000, 32000},
        {1.0 / 32, R::Exact, 32000, 1000},
        {0.3, R::WholeExtents, 3333, 1000},
        {0.3, R::SingleExtents, 3333.333251953125, 1000},
        {2.0005, R::SingleExtents, 1000, 2000.5},
        {justAboveThird, R::WholeExtents, 2999, 1000},
        {justAboveThird, R::SingleShrink, 3000, 1000},  // the factor rounds to 3 first
        {justAboveThird, R::SingleExtents, 3000, 1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pixelsPerMm << " rounding " << static_cast<int>(row.rounding));
        ViewTransform v = ViewTransform::Identity(100, 80);
        v.worldOriginX = 7;
        v.setScale(row.pixelsPerMm, row.rounding);
        // The scale leaves where the view looks alone.
        EXPECT_EQ((std::array{v.worldExtentX, v.worldExtentY, v.viewportExtentX, v.viewportExtentY, v.worldOriginX}),
                  (std::array{row.world, row.world, row.viewport, -row.viewport, 7.0}));
    }
}

TEST(ViewScale, FitScaleIsTheTighterAxisAroundTheOrigin) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const struct {
        Extent extent;
        double halfWidth, halfHeight;
        std::optional<double> scale;
    } rows[] = {
        {{-10, -5, 20, 40}, 100, 50, 1.25},  // 50 / 40 is tighter than 100 / 20
        {{-10, 0, 20, 0}, 100, 50, 5},       // flat: nothing to fit upward
        {{0, 0, 0, 0}, 100, 50, 32},         // a single point: nothing to fit either way
        {{-10, -5, kInf, 40}, 100, 50, {}},  // a broken coordinate gives no scale
        {{-10, -5, 20, 40}, 0, 50, {}},      // nor does a drawing of no size
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.extent.minX << " " << row.extent.maxX << " " << row.halfWidth);
        const std::optional<double> scale = ViewTransform::FitScale(row.extent, row.halfWidth, row.halfHeight);
        EXPECT_EQ(scale, row.scale);
    }
}

constexpr int kW = 201, kH = 449;

TEST(FitToolView, PunchHangsFromTheTopEdgeDieSitsAtMidHeight) {
    ViewTransform t = LibraryStartTransform(kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 224}));
    // The library truncates before adding the origin: -0.5 stays on the axis.
    EXPECT_EQ(t.mapX(-0.5), 100);
    EXPECT_EQ(t.mapY(0.5), 224);
    PunchRecord punch;
    punch.lastElement = test::OutlinePolyline(punch.outline, {{-20, 0}, {20, 0}, {0, -100}});
    FitToolView(t, PrepareToolOutline(punch), ToolKind::Punch, kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 0}));
    EXPECT_EQ(t.mapY(-100), 224);                    // the tip reaches mid-height
    EXPECT_EQ(t.map(-20, 0), (ScreenPoint{56, 0}));  // 100 - trunc(20 * 2.24), shank on the top edge

    // The die's top face and foot.
    DieRecord die;
    die.height = 40;
    die.lastElement = test::OutlinePolyline(die.outline, {{-30, 40}, {30, 40}, {30, 0}, {-30, 0}});
    FitToolView(t, PrepareToolOutline(die), ToolKind::Die, kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 224}));
}

}  // namespace
}  // namespace zelpor
