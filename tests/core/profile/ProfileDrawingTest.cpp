#include <gtest/gtest.h>

#include <string>

#include "core/profile/ProfileDrawing.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {
namespace {

using Result = ProfileDrawing::Result;

// A drawing started on a part, with values typed one by one, each followed by Enter.
struct Drawing {
    PartRecord part;
    ProfileDrawing d{part};
    explicit Drawing(std::initializer_list<const char*> values = {}, PartRecord start = {}) : part(start) {
        d.activate();
        type(values);
    }
    void type(std::initializer_list<const char*> values) {
        for (const char* v : values) ASSERT_NE(d.submit(v), Result::Rejected) << v;
    }
    const SketchEntity& entity(int i) const { return part.sketch[static_cast<std::size_t>(i)]; }
};

void ExpectSegment(const SketchEntity& e, float x1, float y1, float x2, float y2) {
    EXPECT_EQ(e.type, kLine);
    for (auto [got, want] : {std::pair{e.x1, x1}, {e.y1, y1}, {e.x2, x2}, {e.y2, y2}}) EXPECT_NEAR(got, want, 1e-4);
}

void ExpectEntry(const ProfileSegment& s, float length, float angle, int index, int order) {
    EXPECT_EQ((std::tuple{s.length, s.angle, s.index, s.order}), (std::tuple{length, angle, index, order}));
}

TEST(ProfileDrawing, ThicknessThenOriginCrossAndOrientationPrompt) {
    PartRecord old;
    old.sketchLast = 5;
    old.sketchSpare = 77;
    old.profileBendCount = 7;  // left over from an earlier profile
    Drawing t({}, old);
    EXPECT_EQ((std::array{t.part.sketchLast, t.part.sketchSpare}), (std::array{-1, 0}));
    EXPECT_EQ(t.d.entryText(), "0.1");

    EXPECT_EQ(t.d.submit("2.5"), Result::Accepted);
    EXPECT_FLOAT_EQ(t.part.thickness, 2.5f);
    EXPECT_EQ(t.part.profileBendCount, 0);

    // Green cross, arc, red rubber line; the 20 mm cross fills three quarters of the height.
    ASSERT_EQ(t.part.sketchLast, 4);
    ExpectSegment(t.entity(0), 0, -10, 0, 10);
    EXPECT_EQ(t.entity(3).type, kArc);
    EXPECT_NEAR(t.entity(4).x2, 50 / (457.0 / 20 * 0.75), 1e-5);
    // The pointer goes to the end of the rubber line, 50 pixels right of the origin.
    EXPECT_NEAR(t.d.pointerTarget().x, 451, 1);
    EXPECT_EQ(t.d.pointerTarget().y, 229);
}

TEST(ProfileDrawing, RightAngleProfileFillsThePart) {
    PartRecord start;
    start.currentBend = 3;
    start.lastBend = 4;
    start.profile[0].correction = 1.25f;
    Drawing t({"2", "0", "100"}, start);
    EXPECT_EQ(t.d.bar().value, "90.0");  // proposed: a left turn of 90
    t.type({"90", "50"});
    ExpectSegment(t.entity(0), 0, 0, 100, 0);
    ExpectSegment(t.entity(1), 100, 0, 100, 50);
    EXPECT_EQ(t.part.sketchExtent, (std::array<float, 4>{-10, -10, 100, 50}));

    t.d.finish();
    EXPECT_EQ(t.part.profileBendCount, 1);
    ExpectEntry(t.part.profile[0], 100, 90, 0, -1);
    ExpectEntry(t.part.profile[1], 50, 0, -1, -1);
    EXPECT_FLOAT_EQ(t.part.profile[0].correction, 1.25f);  // left for the sequence window
    EXPECT_EQ((std::array{t.part.currentBend, t.part.lastBend}), (std::array{-1, -1}));
}

TEST(ProfileDrawing, OrientationAndBendAngleSetTheDirections) {
    struct Row {
        const char* value;
        float direction, endX, endY;
    };
    for (Row r : {Row{"90", 90, 0, 10}, Row{"180", 0, 10, 0}, Row{"45", 45, 7.0710678f, 7.0710678f}}) {
        SCOPED_TRACE(r.value);
        Drawing t({"1", r.value});
        EXPECT_FLOAT_EQ(t.part.startOrientation, std::stof(r.value));
        EXPECT_FLOAT_EQ(t.d.currentDirection(), r.direction);
        EXPECT_EQ(t.part.sketchLast, 0);  // the cross is gone: only the rubber line
        t.type({"10"});
        ExpectSegment(t.entity(0), 0, 0, r.endX, r.endY);
    }
    // 180 goes straight on, -90 turns right (a left turn is the right angle drawn above).
    for (Row r : {Row{"180", 0, 20, 0}, Row{"-90", 0, 10, -10}, Row{"135", 0, 17.071068f, 7.071068f}}) {
        SCOPED_TRACE(r.value);
        Drawing t({"1", "0", "10", r.value, "10"});
        ExpectSegment(t.entity(1), 10, 0, r.endX, r.endY);
        EXPECT_FLOAT_EQ(t.part.profile[0].angle, std::stof(r.value));
    }
}

TEST(ProfileDrawing, FinishingKeepsOnlyCompleteBends) {
    Drawing length({"1", "0", "100", "90"});  // in a length step: the pending bend is dropped
    length.d.finish();
    ExpectEntry(length.part.profile[0], 100, 0, -1, -1);
    EXPECT_EQ(length.part.profileBendCount, 0);

    Drawing angle({"1", "0", "100", "90", "40", "-90", "30"});  // in an angle step: every segment stays
    angle.d.finish();
    EXPECT_EQ(angle.part.profileBendCount, 2);
    ExpectEntry(angle.part.profile[1], 40, -90, 1, -1);
    ExpectEntry(angle.part.profile[2], 30, 0, -1, -1);

    PartRecord stale;
    stale.profile[1].length = 33;
    stale.profile[1].index = 5;
    Drawing early({"1", "0"}, stale);  // before the first length: nothing beyond the empty profile moves
    early.d.finish();
    EXPECT_EQ(early.part.profileBendCount, 0);
    ExpectEntry(early.part.profile[0], 0, 0, -1, -1);
    EXPECT_EQ(early.part.profile[1], stale.profile[1]);

    PartRecord damaged;
    damaged.profileBendCount = 1000;
    Drawing bounded({}, damaged);  // a bend count read from a damaged file stays inside the table
    bounded.d.finish();
    EXPECT_EQ((std::array{bounded.part.profileBendCount, bounded.part.profile[24].index}), (std::array{24, -1}));
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

TEST(FitSketchView, FillsThreeQuartersCentredAndOnlyGrowsTheExtent) {
    PartRecord part = SketchOf({{0, 0, 100, 0}, {100, 0, 100, 50}});
    ViewTransform v;
    FitSketchView(part, DrawingArea{}, v);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{0, 0, 100, 50}));
    EXPECT_EQ((std::array{v.mapX(0), v.mapX(100), v.mapY(25)}),
              (std::array{99, 702, 229}));  // 803 * 0.75 wide, centred

    // A large sketch shrinks the world side (the clamps are the view's own).
    PartRecord large = SketchOf({{0, 0, 4000, 0}});
    FitSketchView(large, DrawingArea{}, v);
    EXPECT_DOUBLE_EQ(v.worldExtentX, 1000 / (803.0 / 4000 * 0.75));
    EXPECT_DOUBLE_EQ(v.viewportExtentX, 1000);

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
    }
}

}  // namespace
}  // namespace zelpor
