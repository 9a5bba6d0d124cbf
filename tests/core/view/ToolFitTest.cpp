#include <gtest/gtest.h>

#include "view/ToolFit.h"

namespace zelpor {
namespace {

constexpr int kW = 201, kH = 449;

OutlineElement Line(float x1, float y1, float x2, float y2) {
    OutlineElement e;
    e.name.assign("Authored");
    e.type = kLine, e.colour = Rgb(0, 255, 0), e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    return e;
}

DieRecord Die(OutlineElement first, OutlineElement second) {
    DieRecord die;
    die.height = 40, die.outline[0] = first, die.outline[1] = second, die.lastElement = 1;
    return die;
}

// A punch of two lines whose start points are (-size, 0) and (a, b).
PunchRecord Punch(float size, float a, float b) {
    PunchRecord p;
    p.outline[0] = Line(-size, 0, size, 0);
    p.outline[1] = Line(a, b, 0, 0);
    p.lastElement = 1;
    return p;
}

TEST(FitToolView, PunchHangsFromTheTopEdgeDieSitsAtMidHeight) {
    ViewTransform t = LibraryStartTransform(kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 224}));
    // The library truncates before adding the origin: -0.5 stays on the axis.
    EXPECT_EQ(t.mapX(-0.5), 100);
    EXPECT_EQ(t.mapY(0.5), 224);
    FitToolView(t, PrepareToolOutline(Punch(20, 0, -100)), ToolKind::Punch, kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 0}));
    EXPECT_EQ(t.mapY(-100), 224);                    // the tip reaches mid-height
    EXPECT_EQ(t.map(-20, 0), (ScreenPoint{56, 0}));  // 100 - trunc(20 * 2.24), shank on the top edge

    // The die's top face and foot.
    FitToolView(t, PrepareToolOutline(Die(Line(-30, 40, 30, 40), Line(-30, 0, 30, 0))), ToolKind::Die, kW, kH);
    EXPECT_EQ((ScreenPoint{t.viewportOriginX, t.viewportOriginY}), (ScreenPoint{100, 224}));
    EXPECT_EQ(t.mapY(0), 224);  // the top face, lowered to y = 0, is at mid-height
}

}  // namespace
}  // namespace zelpor
