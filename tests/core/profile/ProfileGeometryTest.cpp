#include <gtest/gtest.h>

#include <span>
#include <string>

#include "profile/ProfileDrawing.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

PartRecord SketchOf(std::initializer_list<std::array<float, 4>> lines) {
    PartRecord part;
    part.sketchExtent = {1e7f, 1e7f, -1e7f, -1e7f};
    part.sketchLast = -1;
    for (auto l : lines) {
        SketchEntity& e = part.sketch[static_cast<std::size_t>(++part.sketchLast)];
        e.type = kLine;
        e.x1 = l[0], e.y1 = l[1], e.x2 = l[2], e.y2 = l[3];
    }
    return part;
}

TEST(FitSketchView, FillsThreeQuartersCentredWithScalesWithin32AndOnlyGrowsTheExtent) {
    PartRecord part = SketchOf({{0, 0, 100, 0}, {100, 0, 100, 50}});
    ViewTransform v;
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{0, 0, 100, 50}));
    const double s = 803.0 / 100 * 0.75;  // narrower than 457 / 50 * 0.75
    EXPECT_DOUBLE_EQ(v.viewportExtentX, 1000 * s);
    EXPECT_DOUBLE_EQ(v.viewportExtentY, -1000 * s);
    EXPECT_EQ((std::array{v.worldOriginX, v.worldOriginY}), (std::array<double, 2>{50, 25}));
    EXPECT_EQ((std::array{v.mapX(0), v.mapX(100), v.mapY(25)}), (std::array{99, 702, 229}));  // symmetric

    // Large sketches shrink the world side, tiny ones grow the screen side, both capped at 32.
    const double rows[][3] = {{4000, 1000 / (803.0 / 4000 * 0.75), 1000}, {1e6, 32000, 1000}, {0.5, 1000, 32000}};
    for (const auto& r : rows) {
        PartRecord p = SketchOf({{0, 0, float(r[0]), r[0] == 0.5 ? 0.5f : 0}});
        FitSketchView(p, DrawingArea{}, v);
        EXPECT_DOUBLE_EQ(v.worldExtentX, r[1]) << r[0];
        EXPECT_DOUBLE_EQ(v.viewportExtentX, r[2]) << r[0];
    }

    // The extent only grows; a text counts by its anchor; an empty sketch keeps the view.
    part = SketchOf({{0, 0, 10, 10}, {20, 0, 500, 500}});
    part.sketch[1].type = kText;
    part.sketchExtent = {-50, -50, 5, 5};
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{-50, -50, 20, 10}));
    for (PartRecord p : {SketchOf({}), SketchOf({{3, 3, 3, 3}})}) {
        ViewTransform kept;
        kept.worldOriginX = 7;
        FitSketchView(p, DrawingArea{}, kept);
        EXPECT_EQ(kept.worldOriginX, 7);
        EXPECT_EQ(kept.viewportExtentX, ViewTransform{}.viewportExtentX);
    }
}

}  // namespace
}  // namespace zelpor
