#include <gtest/gtest.h>

#include <limits>

#include "bendview/BendViewZoom.h"

namespace zelpor {
namespace {

Extent Box(float minX, float minY, float maxX, float maxY) {
    Extent e;
    e.add(minX, minY);
    e.add(maxX, maxY);
    return e;
}

void ExpectScale(const ViewTransform& v, double worldExtent, double viewportExtentX, double viewportExtentY) {
    EXPECT_EQ(v.worldExtentX, worldExtent);
    EXPECT_EQ(v.worldExtentY, worldExtent);
    EXPECT_EQ(v.viewportExtentX, viewportExtentX);
    EXPECT_EQ(v.viewportExtentY, viewportExtentY);
}

bool Same(const ViewTransform& a, const ViewTransform& b) {
    return a.worldOriginX == b.worldOriginX && a.worldOriginY == b.worldOriginY &&
           a.viewportOriginX == b.viewportOriginX && a.viewportOriginY == b.viewportOriginY &&
           a.worldExtentX == b.worldExtentX && a.worldExtentY == b.worldExtentY &&
           a.viewportExtentX == b.viewportExtentX && a.viewportExtentY == b.viewportExtentY;
}

// A view moved away from the defaults, to see that a refused fit keeps it.
ViewTransform Panned() {
    ViewTransform v = InitialBendView();
    v.worldOriginX = 12;
    v.worldOriginY = -7;
    v.viewportExtentX = 2000;
    v.viewportExtentY = -2000;
    return v;
}

TEST(FitBendView, CentresTheVertexAndFillsTheArea) {
    ViewTransform v = Panned();
    ASSERT_TRUE(FitBendView(Box(-100, -50, 100, 80), 559, 408, v));
    EXPECT_EQ(v.worldOriginX, 0);
    EXPECT_EQ(v.worldOriginY, 0);
    EXPECT_EQ(v.viewportOriginX, 279);
    EXPECT_EQ(v.viewportOriginY, 204);
    // sx = 274 / 100, sy = 199 / 80 = 2.4875: the height decides.
    ExpectScale(v, 1000, 2487, -2487);

    ASSERT_TRUE(FitBendView(Box(-1000, -10, 300, 10), 559, 408, v));
    ExpectScale(v, 3649, 1000, -1000);  // 1000 / 274 = 3.6496 mm per pixel
}

TEST(FitBendView, ScaleStaysWithin32Times) {
    ViewTransform v = InitialBendView();
    ASSERT_TRUE(FitBendView(Box(-0.5f, -0.5f, 0.5f, 0.25f), 559, 408, v));
    ExpectScale(v, 1000, 32000, -32000);
    EXPECT_EQ(v.map(0.5f, 0.25f), (ScreenPoint{279 + 16, 204 - 8}));

    ASSERT_TRUE(FitBendView(Box(-100000, -5, 100000, 5), 559, 408, v));
    ExpectScale(v, 32000, 1000, -1000);
    EXPECT_EQ(v.map(100000, 0), (ScreenPoint{279 + 3125, 204}));

    // A drawing on the x axis only: the width alone sets the scale.
    ASSERT_TRUE(FitBendView(Box(-10, 0, 10, 0), 559, 408, v));
    ExpectScale(v, 1000, 27400, -27400);
}

TEST(FitBendView, NothingToFitLeavesTheView) {
    const ViewTransform before = Panned();
    ViewTransform v = before;
    EXPECT_FALSE(FitBendView(Box(5, 5, 5, 5), 559, 408, v));  // a single point
    EXPECT_TRUE(Same(v, before));
    EXPECT_FALSE(FitBendView(Extent{}, 559, 408, v));  // nothing was added
    EXPECT_TRUE(Same(v, before));
    Extent inf = Box(-1, -1, 1, 1);
    inf.add(std::numeric_limits<float>::infinity(), 0);
    EXPECT_FALSE(FitBendView(inf, 559, 408, v));
    EXPECT_TRUE(Same(v, before));
}

TEST(ScreenToWorld, UsesIntegerDivisionTowardZero) {
    ViewTransform v = InitialBendView();
    EXPECT_EQ(ScreenToWorld(v, 279, 204), (WorldPoint{0, 0}));
    EXPECT_EQ(ScreenToWorld(v, 259, 159), (WorldPoint{-20, 45}));
    v.worldOriginX = 30;
    v.worldOriginY = 20;
    v.viewportExtentX = 5590;
    v.viewportExtentY = -5590;
    EXPECT_EQ(ScreenToWorld(v, 379, 204), (WorldPoint{47, 20}));  // 100000 / 5590 = 17.9
    EXPECT_EQ(ScreenToWorld(v, 179, 304), (WorldPoint{13, 3}));   // -17.9 and -17.9
}

TEST(ZoomToRectangle, HundredByFiftyGives559PixelsPer100Millimetres) {
    ViewTransform v = InitialBendView();
    // World corners (-20, 45) and (80, -5) at one pixel per millimetre.
    EXPECT_EQ(ZoomToRectangle(v, {259, 159}, {359, 209}), RectangleZoom::Zoomed);
    EXPECT_EQ(v.worldOriginX, 30);
    EXPECT_EQ(v.worldOriginY, 20);
    EXPECT_EQ(v.viewportOriginX, 279);
    EXPECT_EQ(v.viewportOriginY, 204);
    ExpectScale(v, 1000, 5590, -5590);  // sx 5.59 < sy 8.16

    ViewTransform w = InitialBendView();
    EXPECT_EQ(ZoomToRectangle(w, {359, 209}, {259, 159}), RectangleZoom::Zoomed);  // dragged the other way
    EXPECT_TRUE(Same(v, w));

    // A rectangle of 2 x 2 mm would enlarge 204 times: held at 32.
    w = InitialBendView();
    EXPECT_EQ(ZoomToRectangle(w, {276, 204}, {278, 206}), RectangleZoom::Zoomed);
    EXPECT_EQ(w.worldOriginX, -2);  // trunc(-2.5)
    EXPECT_EQ(w.worldOriginY, -1);  // trunc(-1)
    ExpectScale(w, 1000, 32000, -32000);
}

TEST(ZoomToRectangle, ThinRectangles) {
    const ViewTransform before = Panned();
    ViewTransform v = before;
    EXPECT_EQ(ZoomToRectangle(v, {100, 50}, {100, 300}), RectangleZoom::None);
    EXPECT_TRUE(Same(v, before));

    // A width but no height: only the world origin x moves.
    EXPECT_EQ(ZoomToRectangle(v, {279, 100}, {379, 100}), RectangleZoom::OriginXOnly);
    EXPECT_EQ(v.worldOriginX, 12 + 25);  // 0..50 mm at two pixels per mm, relative to 12
    ViewTransform expected = before;
    expected.worldOriginX = 37;
    EXPECT_TRUE(Same(v, expected));
}

TEST(ZoomAll, ScalesFromTheSignedMaxima) {
    ViewTransform v = Panned();
    ASSERT_TRUE(ZoomAll(v, Box(-100, -60, 100, 140)));
    // sx = 554 / 100, sy = 403 / 140 = 2.8786
    ExpectScale(v, 1000, 2878, -2878);
    EXPECT_EQ(v.worldOriginX, -100);
    EXPECT_EQ(v.worldOriginY, 100);
    EXPECT_EQ(v.viewportOriginX, 279);  // kept

    ASSERT_TRUE(ZoomAll(v, Box(-50, -10, 1000, 100)));
    ExpectScale(v, 1805, 1000, -1000);  // 1000 / 554 mm per pixel
    EXPECT_EQ(v.worldOriginX, -525);
    EXPECT_EQ(v.worldOriginY, 55);

    ASSERT_TRUE(ZoomAll(v, Box(-1, -1, 2, 3)));
    ExpectScale(v, 1000, 32000, -32000);
}

TEST(ZoomAll, NeverMirrorsTheDrawing) {
    const ViewTransform before = Panned();
    ViewTransform v = before;
    EXPECT_FALSE(ZoomAll(v, Box(-100, -60, 0, 140)));   // zero maximum x
    EXPECT_FALSE(ZoomAll(v, Box(-100, -60, -20, 140)));  // negative maximum x
    EXPECT_FALSE(ZoomAll(v, Box(-100, -60, 100, -5)));   // negative maximum y
    EXPECT_FALSE(ZoomAll(v, Extent{}));                   // "pli non graphique" has no extent
    EXPECT_TRUE(Same(v, before));
}

TEST(PanView, GrabbedPointStaysUnderThePointer) {
    for (const ViewTransform& start : {InitialBendView(), Panned()}) {
        ViewTransform v = start;
        const WorldPoint anchor = ScreenToWorld(v, 100, 120);
        for (const ScreenPoint p : {ScreenPoint{130, 90}, ScreenPoint{10, 300}, ScreenPoint{131, 91}}) {
            PanView(v, static_cast<float>(anchor.x), static_cast<float>(anchor.y), ScreenToWorld(v, p.x, p.y));
            EXPECT_EQ(ScreenToWorld(v, p.x, p.y), anchor);
        }
        EXPECT_EQ(v.worldExtentX, start.worldExtentX);
        EXPECT_EQ(v.viewportExtentX, start.viewportExtentX);
    }
}

}  // namespace
}  // namespace zelpor
