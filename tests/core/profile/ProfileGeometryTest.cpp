#include <gtest/gtest.h>

#include "profile/ProfileDrawing.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

TEST(VectorDirection, AxesAreExactAndResultIsNeverNegative) {
    EXPECT_EQ(VectorDirection(0, 0), 0);
    EXPECT_EQ(VectorDirection(5, 0), 0);
    EXPECT_EQ(VectorDirection(0, 5), 90);
    EXPECT_EQ(VectorDirection(-5, 0), 180);
    EXPECT_EQ(VectorDirection(0, -5), 270);
    EXPECT_DOUBLE_EQ(VectorDirection(1, 1), 45);
    EXPECT_DOUBLE_EQ(VectorDirection(-1, 1), 135);
    EXPECT_DOUBLE_EQ(VectorDirection(-1, -1), 225);
    EXPECT_DOUBLE_EQ(VectorDirection(1, -1), 315);
}

// Arc and shown value for each range of d = current - reference, with the
// reference at 30 degrees.
TEST(MarkAngle, TableOfTheFourRanges) {
    struct Row {
        double d;
        double arcStart, arcEnd, first, later;
    };
    const double ref = 30;
    for (Row r : {Row{270, ref + 180, ref + 270, -90, -90},   // d > 180
                  Row{90, ref + 90, ref + 180, 90, 90},       // 0 < d <= 180
                  Row{180, ref + 180, ref + 180, 180, 0},     // upper bound of that row
                  Row{-270, ref - 270, ref + 180, 90, 90},    // d < -180
                  Row{-90, ref + 180, ref - 90, 90, -90},     // -180 <= d <= 0
                  Row{0, ref + 180, ref, 0, -180}}) {
        SCOPED_TRACE(r.d);
        const AngleMarker first = MarkAngle(ref, ref + r.d, true);
        const AngleMarker later = MarkAngle(ref, ref + r.d, false);
        EXPECT_DOUBLE_EQ(first.arcStart, r.arcStart);
        EXPECT_DOUBLE_EQ(first.arcEnd, r.arcEnd);
        EXPECT_EQ(later.arcStart, first.arcStart);
        EXPECT_EQ(later.arcEnd, first.arcEnd);
        EXPECT_DOUBLE_EQ(first.shownValue, r.first);
        EXPECT_DOUBLE_EQ(later.shownValue, r.later);
    }
}

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

TEST(FitSketchView, FillsThreeQuartersAndCentres) {
    PartRecord part = SketchOf({{0, 0, 100, 0}, {100, 0, 100, 50}});
    ViewTransform v;
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{0, 0, 100, 50}));
    const double s = 803.0 / 100 * 0.75;  // narrower than 457 / 50 * 0.75
    EXPECT_DOUBLE_EQ(v.viewportExtentX, 1000 * s);
    EXPECT_DOUBLE_EQ(v.viewportExtentY, -1000 * s);
    EXPECT_EQ(v.worldExtentX, 1000);
    EXPECT_EQ(v.worldOriginX, 50);
    EXPECT_EQ(v.worldOriginY, 25);
    EXPECT_EQ(v.viewportOriginX, 401);
    EXPECT_EQ(v.viewportOriginY, 229);
    // The sketch's corners land symmetrically around the centre of the area.
    EXPECT_EQ(v.mapX(0), 99);  // trunc(401 - 301.125)
    EXPECT_EQ(v.mapX(100), 702);
}

TEST(FitSketchView, LargeSketchesShrinkAndScalesStayWithin32) {
    PartRecord large = SketchOf({{0, 0, 4000, 0}});
    ViewTransform v;
    FitSketchView(large, DrawingArea{}, v);
    // Height 0: its scale counts as 32, the width decides.
    const double s = 1 / (803.0 / 4000 * 0.75);
    EXPECT_DOUBLE_EQ(v.worldExtentX, 1000 * s);
    EXPECT_EQ(v.viewportExtentX, 1000);
    EXPECT_EQ(v.viewportExtentY, -1000);

    PartRecord huge = SketchOf({{0, 0, 1e6f, 0}});
    FitSketchView(huge, DrawingArea{}, v);
    EXPECT_EQ(v.worldExtentX, 32000);

    PartRecord tiny = SketchOf({{0, 0, 0.5f, 0.5f}});
    FitSketchView(tiny, DrawingArea{}, v);
    EXPECT_EQ(v.worldExtentX, 1000);
    EXPECT_EQ(v.viewportExtentX, 32000);
    EXPECT_EQ(v.viewportExtentY, -32000);
}

TEST(FitSketchView, ExtentOnlyGrowsAndEmptySketchKeepsTheView) {
    PartRecord part = SketchOf({{0, 0, 10, 10}});
    part.sketchExtent = {-50, -50, 5, 5};
    ViewTransform v;
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{-50, -50, 10, 10}));

    PartRecord empty = SketchOf({});
    ViewTransform before;
    before.worldOriginX = 7;
    ViewTransform after = before;
    FitSketchView(empty, DrawingArea{}, after);
    EXPECT_EQ(after.worldOriginX, 7);
    EXPECT_EQ(after.viewportExtentX, before.viewportExtentX);

    PartRecord point = SketchOf({{3, 3, 3, 3}});
    FitSketchView(point, DrawingArea{}, after);
    EXPECT_EQ(after.worldOriginX, 7);
}

TEST(FitSketchView, TextContributesOnlyItsAnchor) {
    PartRecord part = SketchOf({{0, 0, 10, 10}});
    SketchEntity& t = part.sketch[1];
    t.type = kText;
    t.x1 = 20, t.y1 = 0, t.x2 = 500, t.y2 = 500;
    part.sketchLast = 1;
    ViewTransform v;
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{0, 0, 20, 10}));
}

TEST(EntryKeys, FilterPerMode) {
    PartRecord part;
    ProfileDrawing d(part);
    d.activate();  // thickness

    auto k = d.filterKey(',', "1", 1);
    EXPECT_TRUE(k.accept);
    EXPECT_EQ(k.key, '.');
    EXPECT_FALSE(k.clearFirst);
    EXPECT_FALSE(d.filterKey('.', "1.5", 3).accept);
    EXPECT_TRUE(d.filterKey('.', "15", 2).accept);
    EXPECT_FALSE(d.filterKey('.', "0.1", 0).clearFirst);  // a point never clears
    // A comma after a point still becomes a point; Enter then refuses the text.
    EXPECT_TRUE(d.filterKey(',', "1.5", 3).accept);
    EXPECT_FALSE(d.filterKey('a', "", 0).accept);
    EXPECT_FALSE(d.filterKey('+', "", 0).accept);
    k = d.filterKey('7', "0.1", 0);
    EXPECT_TRUE(k.accept && k.clearFirst);
    k = d.filterKey('7', "0.1", 3);
    EXPECT_TRUE(k.accept && !k.clearFirst);
    EXPECT_TRUE(d.filterKey('-', "0.1", 0).clearFirst);
    EXPECT_TRUE(d.filterKey('\b', "0.1", 0).clearFirst);

    ASSERT_EQ(d.submit("1"), ProfileDrawing::Result::Accepted);  // orientation: signed, clearing
    EXPECT_TRUE(d.filterKey('-', "0", 0).accept);
    EXPECT_TRUE(d.filterKey('-', "0", 0).clearFirst);

    ASSERT_EQ(d.submit("0"), ProfileDrawing::Result::Accepted);  // length: no sign, no clearing
    EXPECT_FALSE(d.filterKey('-', "", 0).accept);
    k = d.filterKey('5', "12", 0);
    EXPECT_TRUE(k.accept && !k.clearFirst);
    EXPECT_EQ(d.filterKey(',', "12", 2).key, '.');
    EXPECT_FALSE(d.filterKey('x', "12", 2).accept);
}

}  // namespace
}  // namespace zelpor
