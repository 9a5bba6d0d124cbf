#include <gtest/gtest.h>

#include "view/ToolFit.h"

namespace zelpor {
namespace {

constexpr int kW = 201, kH = 449;

OutlineElement Line(float x1, float y1, float x2, float y2) {
    OutlineElement e;
    e.type = kLine;
    e.colour = Rgb(0, 255, 0);
    e.name.assign("Authored");
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

PunchRecord Punch(std::initializer_list<OutlineElement> elements) {
    PunchRecord p;
    int i = 0;
    for (const auto& e : elements) p.outline[static_cast<std::size_t>(i++)] = e;
    p.lastElement = i - 1;
    return p;
}

double PixelsPerMm(const ViewTransform& t) { return t.viewportExtentX / t.worldExtentX; }

TEST(FitToolView, ScaleIsTheLargestThatFitsWithinLimits) {
    // Largest coordinate 5 mm: the width limits it to 100 / 5 = 20 px/mm.
    ViewTransform t = LibraryStartTransform(kW, kH);
    FitToolView(t, PrepareToolOutline(Punch({Line(-5, 0, 5, 0), Line(5, -5, 0, 0)})), ToolKind::Punch, kW, kH);
    EXPECT_DOUBLE_EQ(PixelsPerMm(t), 20.0);
    EXPECT_DOUBLE_EQ(t.viewportExtentY / t.worldExtentY, -20.0);

    // A tool of 2 mm would fit at 50 px/mm; it is drawn at 32.
    FitToolView(t, PrepareToolOutline(Punch({Line(-2, 0, 2, 0), Line(2, -2, 0, 0)})), ToolKind::Punch, kW, kH);
    EXPECT_DOUBLE_EQ(PixelsPerMm(t), 32.0);

    // One metre wide: 100 / 500 = 0.2 px/mm.
    FitToolView(t, PrepareToolOutline(Punch({Line(-500, 0, 0, 0), Line(500, -10, 0, 0)})), ToolKind::Punch, kW, kH);
    EXPECT_NEAR(PixelsPerMm(t), 0.2, 1e-6);

    // Ten metres wide would need 1/50 px/mm; it is drawn at 1/32.
    FitToolView(t, PrepareToolOutline(Punch({Line(-5000, 0, 0, 0), Line(5000, -10, 0, 0)})), ToolKind::Punch, kW,
                kH);
    EXPECT_DOUBLE_EQ(PixelsPerMm(t), 1.0 / 32);
    EXPECT_DOUBLE_EQ(t.worldExtentX, 32000);
    EXPECT_DOUBLE_EQ(t.viewportExtentY, -1000);
}

TEST(FitToolView, PunchHangsFromTheTopEdgeDieSitsAtMidHeight) {
    ViewTransform t = LibraryStartTransform(kW, kH);
    EXPECT_EQ(t.viewportOriginX, 100);
    EXPECT_EQ(t.viewportOriginY, 224);
    const PunchRecord punch = Punch({Line(-20, 0, 20, 0), Line(0, -100, -20, 0)});
    FitToolView(t, PrepareToolOutline(punch), ToolKind::Punch, kW, kH);
    EXPECT_EQ(t.viewportOriginX, 100);
    EXPECT_EQ(t.viewportOriginY, 0);
    EXPECT_EQ(t.mapY(0), 0);                     // the shank is on the top edge
    EXPECT_EQ(t.mapY(-100), 224);                // the tip reaches mid-height
    EXPECT_EQ(t.map(-20, 0), (ScreenPoint{56, 0}));  // 100 - trunc(20 * 2.24)

    DieRecord die;
    die.height = 40;
    die.outline[0] = Line(-30, 40, 30, 40);  // top face
    die.outline[1] = Line(-30, 0, 30, 0);    // foot
    die.lastElement = 1;
    FitToolView(t, PrepareToolOutline(die), ToolKind::Die, kW, kH);
    EXPECT_EQ(t.viewportOriginX, 100);
    EXPECT_EQ(t.viewportOriginY, 224);
    EXPECT_EQ(t.mapY(0), 224);  // the top face, lowered to y = 0, is at mid-height
}

TEST(FitToolView, LibraryMappingTruncatesBeforeAddingTheOrigin) {
    const ViewTransform library = LibraryStartTransform(kW, kH);
    ViewTransform other = library;
    other.truncateBeforeOrigin = false;
    EXPECT_EQ(library.mapX(-0.5), 100);
    EXPECT_EQ(other.mapX(-0.5), 99);
    EXPECT_EQ(library.mapY(0.5), 224);
    EXPECT_EQ(other.mapY(0.5), 223);
    EXPECT_EQ(library.mapX(0.5), other.mapX(0.5));
}

TEST(PrepareToolOutline, RecolourRelabelAndLowerTheDieOnlyInTheCopy) {
    DieRecord die;
    die.height = 40;
    die.outline[0] = Line(-30, 40, 30, 35);
    die.outline[1] = Line(10, 0, 30, 0);
    die.outline[2] = Line(99, 99, 99, 99);  // beyond the last index: not taken
    die.lastElement = 1;
    const DieRecord before = die;
    const ToolOutlineView a = PrepareToolOutline(die);
    const ToolOutlineView b = PrepareToolOutline(die);
    EXPECT_EQ(die, before);
    ASSERT_EQ(a.count, 2);
    EXPECT_EQ(a.elements, b.elements);
    EXPECT_FLOAT_EQ(a.elements[0].y1, 0);
    EXPECT_FLOAT_EQ(a.elements[0].y2, -5);
    EXPECT_FLOAT_EQ(a.elements[1].y1, -40);
    EXPECT_EQ(a.elements[0].name.str(), "Die");
    EXPECT_EQ(a.elements[1].colour, 255);
    // Only the start points make the extent.
    EXPECT_FLOAT_EQ(a.extent.minX, -30);
    EXPECT_FLOAT_EQ(a.extent.maxX, 10);
    EXPECT_FLOAT_EQ(a.extent.minY, -40);
    EXPECT_FLOAT_EQ(a.extent.maxY, 0);
    EXPECT_EQ(a.elements[2], OutlineElement{});
}

TEST(FitToolView, OutlinesWithoutSizeLeaveTheMappingAlone) {
    const ViewTransform start = LibraryStartTransform(kW, kH);
    for (int last : {0, -1, 25, 1000}) {
        PunchRecord p = Punch({Line(-5, 0, 5, 0), Line(5, -5, 0, 0)});
        p.lastElement = last;
        const ToolOutlineView view = PrepareToolOutline(p);
        EXPECT_EQ(view.count, 0) << last;
        ViewTransform t = start;
        FitToolView(t, view, ToolKind::Punch, kW, kH);
        EXPECT_EQ(t.worldExtentX, start.worldExtentX) << last;
        EXPECT_EQ(t.viewportOriginY, start.viewportOriginY) << last;
    }
    ViewTransform t = start;
    FitToolView(t, PrepareToolOutline(Punch({Line(3, 3, 9, 9), Line(3, 3, -9, 0)})), ToolKind::Punch, kW, kH);
    EXPECT_EQ(t.viewportOriginY, start.viewportOriginY);
    EXPECT_EQ(t.viewportExtentX, start.viewportExtentX);
    // A drawing area of no size gives no scale.
    FitToolView(t, PrepareToolOutline(Punch({Line(-5, 0, 5, 0), Line(5, -5, 0, 0)})), ToolKind::Punch, 0, 0);
    EXPECT_EQ(t.viewportOriginY, start.viewportOriginY);
}

TEST(FitToolView, ToolOnItsAxisUsesTheHeightAlone) {
    // Every start point on x = 0: the width gives no limit (32), the height does.
    ViewTransform t = LibraryStartTransform(kW, kH);
    FitToolView(t, PrepareToolOutline(Punch({Line(0, 0, 10, -20), Line(0, -112, 10, -20)})), ToolKind::Punch, kW, kH);
    EXPECT_DOUBLE_EQ(PixelsPerMm(t), 2.0);
}

}  // namespace
}  // namespace zelpor
