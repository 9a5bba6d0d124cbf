#include <gtest/gtest.h>

#include <cmath>

#include "profile/ProfileDrawing.h"
#include "text/Numbers.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

using Mode = ProfileDrawing::Mode;
using Result = ProfileDrawing::Result;

// Types the values one by one as the user would, each followed by Enter.
void Type(ProfileDrawing& d, std::initializer_list<const char*> values) {
    for (const char* v : values) ASSERT_NE(d.submit(v), Result::Rejected) << v;
}

const SketchEntity& Entity(const PartRecord& p, int i) { return p.sketch[static_cast<std::size_t>(i)]; }

void ExpectSegment(const SketchEntity& e, float x1, float y1, float x2, float y2) {
    EXPECT_EQ(e.type, kLine);
    EXPECT_NEAR(e.x1, x1, 1e-4);
    EXPECT_NEAR(e.y1, y1, 1e-4);
    EXPECT_NEAR(e.x2, x2, 1e-4);
    EXPECT_NEAR(e.y2, y2, 1e-4);
}

void ExpectEntry(const ProfileSegment& s, float length, float angle, int index, int order) {
    EXPECT_FLOAT_EQ(s.length, length);
    EXPECT_FLOAT_EQ(s.angle, angle);
    EXPECT_EQ(s.index, index);
    EXPECT_EQ(s.order, order);
}

TEST(ProfileDrawing, ThicknessThenOriginCrossAndOrientationPrompt) {
    PartRecord part;
    part.sketchLast = 5;
    part.sketchSpare = 77;
    part.profileBendCount = 7;  // left over from an earlier profile
    ProfileDrawing d(part);
    d.activate();
    EXPECT_EQ(d.mode(), Mode::Thickness);
    EXPECT_EQ(part.sketchLast, -1);
    EXPECT_EQ(part.sketchSpare, 0);
    EXPECT_EQ(d.bar().prompt, "Epaisseur :");
    EXPECT_EQ(d.bar().unit, "mm");
    EXPECT_FALSE(d.bar().valueLabelVisible || d.bar().valueVisible || d.bar().button1Visible);
    EXPECT_EQ(d.bar().status, "Epaisseur de la piece à plier");
    EXPECT_EQ(d.entryText(), "0.1");

    EXPECT_EQ(d.submit("2.5"), Result::Accepted);
    EXPECT_FLOAT_EQ(part.thickness, 2.5f);
    EXPECT_EQ(part.profileBendCount, 0);
    EXPECT_EQ(d.mode(), Mode::Angle);
    EXPECT_EQ(d.bar().status, "Orientation du segment de depart");
    EXPECT_EQ(d.bar().prompt, "Angle :");
    EXPECT_EQ(d.bar().unit, "degré");
    EXPECT_EQ(d.bar().valueLabel, "Angle courant");
    EXPECT_EQ(d.bar().value, "0.0");
    EXPECT_EQ(d.bar().pointer, PointerShape::Angle);
    EXPECT_TRUE(d.bar().button1Visible && d.bar().button1Enabled);
    EXPECT_EQ(d.entryText(), "0");

    // Green cross, arc, red rubber line; the 20 mm cross fills three quarters of the height.
    ASSERT_EQ(part.sketchLast, 4);
    ExpectSegment(Entity(part, 0), 0, -10, 0, 10);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Entity(part, i).colour, 0x008000);
    EXPECT_EQ(Entity(part, 3).type, kArc);
    EXPECT_EQ(Entity(part, 4).colour, 0x0000FF);
    const double s = 457.0 / 20 * 0.75;
    EXPECT_DOUBLE_EQ(d.view().viewportExtentX, 1000 * s);
    EXPECT_NEAR(Entity(part, 4).x2, 50 / s, 1e-5);
    // The pointer goes to the end of the rubber line, 50 pixels right of the origin.
    EXPECT_NEAR(d.pointerTarget().x, 451, 1);
    EXPECT_EQ(d.pointerTarget().y, 229);
}

TEST(ProfileDrawing, RightAngleProfileFillsThePart) {
    PartRecord part;
    part.currentBend = 3;
    part.lastBend = 4;
    part.profile[0].correction = 1.25f;
    ProfileDrawing d(part);
    d.activate();
    Type(d, {"2", "0", "100"});
    EXPECT_EQ(d.bar().status, "Angle du segment suivant");
    EXPECT_EQ(d.entryText(), "");
    EXPECT_EQ(d.currentDirection(), 90);  // proposed: a left turn of 90
    EXPECT_EQ(d.bar().value, "90.0");

    Type(d, {"90", "50"});
    EXPECT_FLOAT_EQ(part.startOrientation, 0);
    EXPECT_EQ(part.profileBendCount, 1);
    ExpectSegment(Entity(part, 0), 0, 0, 100, 0);
    ExpectSegment(Entity(part, 1), 100, 0, 100, 50);
    EXPECT_EQ(part.sketchExtent, (std::array<float, 4>{-10, -10, 100, 50}));
    ExpectEntry(part.profile[0], 100, 90, 0, -1);
    EXPECT_EQ(part.profile[0].pivot, 0);
    EXPECT_FLOAT_EQ(part.profile[0].correction, 1.25f);  // left for the sequence window

    d.finish();
    EXPECT_EQ(part.profileBendCount, 1);
    ExpectEntry(part.profile[0], 100, 90, 0, -1);
    ExpectEntry(part.profile[1], 50, 0, -1, -1);
    EXPECT_EQ(part.currentBend, -1);
    EXPECT_EQ(part.lastBend, -1);
}

TEST(ProfileDrawing, OrientationAndBendAngleSetTheDirections) {
    struct Row {
        const char* orientation;
        float direction, endX, endY;
    };
    for (Row r : {Row{"0", 0, 10, 0}, Row{"90", 90, 0, 10}, Row{"-90", -90, 0, -10}, Row{"180", 0, 10, 0},
                  Row{"45", 45, 7.0710678f, 7.0710678f}}) {
        SCOPED_TRACE(r.orientation);
        PartRecord part;
        ProfileDrawing d(part);
        d.activate();
        Type(d, {"1", r.orientation});
        EXPECT_FLOAT_EQ(part.startOrientation, std::stof(r.orientation));
        EXPECT_FLOAT_EQ(d.currentDirection(), r.direction);
        EXPECT_EQ(part.sketchLast, 0);  // the cross is gone: only the rubber line
        Type(d, {"10"});
        ExpectSegment(Entity(part, 0), 0, 0, r.endX, r.endY);
    }
    // 180 goes straight on, 90 turns left, -90 right.
    for (Row r : {Row{"180", 0, 20, 0}, Row{"90", 0, 10, 10}, Row{"-90", 0, 10, -10},
                  Row{"135", 0, 17.071068f, 7.071068f}}) {
        SCOPED_TRACE(r.orientation);
        PartRecord part;
        ProfileDrawing d(part);
        d.activate();
        Type(d, {"1", "0", "10", r.orientation, "10"});
        ExpectSegment(Entity(part, 1), 10, 0, r.endX, r.endY);
        EXPECT_FLOAT_EQ(part.profile[0].angle, std::stof(r.orientation));
    }
}

TEST(ProfileDrawing, Minus90ShortcutInFirstAndLaterSteps) {
    PartRecord part;
    ProfileDrawing d(part);
    d.activate();
    EXPECT_FALSE(d.acceptMinus90());  // not while the thickness is asked
    Type(d, {"1"});
    EXPECT_TRUE(d.acceptMinus90());
    EXPECT_FLOAT_EQ(part.startOrientation, -90);
    EXPECT_FALSE(d.bar().button1Visible || d.bar().button1Enabled);
    EXPECT_FALSE(d.acceptMinus90());  // length step
    Type(d, {"20"});
    EXPECT_TRUE(d.acceptMinus90());  // F1 works in a later step too
    EXPECT_FLOAT_EQ(part.profile[0].angle, -90);
    EXPECT_EQ(part.profileBendCount, 1);
    Type(d, {"30"});
    ExpectSegment(Entity(part, 1), 0, -20, -30, -20);  // going down, a right turn heads to -x
}

TEST(ProfileDrawing, FinishingKeepsOnlyCompleteBends) {
    {  // in a length step: the pending bend is dropped
        PartRecord part;
        ProfileDrawing d(part);
        d.activate();
        Type(d, {"1", "0", "100", "90"});
        d.finish();
        EXPECT_EQ(part.profileBendCount, 0);
        ExpectEntry(part.profile[0], 100, 0, -1, -1);
        EXPECT_EQ(d.mode(), Mode::Idle);
    }
    {  // in an angle step: every segment stays
        PartRecord part;
        ProfileDrawing d(part);
        d.activate();
        Type(d, {"1", "0", "100", "90", "40", "-90", "30"});
        d.finish();
        EXPECT_EQ(part.profileBendCount, 2);
        ExpectEntry(part.profile[1], 40, -90, 1, -1);
        ExpectEntry(part.profile[2], 30, 0, -1, -1);
    }
    {  // before the first length: nothing beyond the empty profile moves
        PartRecord part;
        part.profile[1].length = 33;
        part.profile[1].index = 5;
        const PartRecord before = part;
        ProfileDrawing d(part);
        d.activate();
        Type(d, {"1", "0"});
        d.finish();
        EXPECT_EQ(part.profileBendCount, 0);
        ExpectEntry(part.profile[0], 0, 0, -1, -1);
        EXPECT_EQ(part.profile[1], before.profile[1]);
    }
    {  // a bend count read from a damaged file stays inside the table
        PartRecord part;
        part.profileBendCount = 1000;
        ProfileDrawing d(part);
        d.activate();
        d.finish();
        EXPECT_EQ(part.profileBendCount, 24);
        EXPECT_EQ(part.profile[24].index, -1);
    }
}

TEST(ProfileDrawing, FiveLengthsThenOnlyFinishing) {
    PartRecord part;
    ProfileDrawing d(part);
    d.activate();
    Type(d, {"1", "0", "10", "90", "10", "90", "10", "90", "10", "-90"});
    EXPECT_EQ(d.submit("10"), Result::SegmentLimit);
    EXPECT_EQ(d.segmentCount(), 5);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.message(), "Nombre de segment maximun");
    EXPECT_EQ(d.bar().status, "Touche F8 pour finir");
    EXPECT_EQ(d.bar().pointer, PointerShape::Default);
    EXPECT_FALSE(d.bar().promptVisible || d.bar().entryVisible || d.bar().unitVisible || d.bar().valueVisible);
    EXPECT_EQ(part.sketchLast, 4);  // five segments, no arc or rubber line

    const PartRecord before = part;
    EXPECT_EQ(d.submit("10"), Result::Ignored);
    EXPECT_FALSE(d.acceptMinus90());
    EXPECT_FALSE(d.mouseMove(100, 100));
    EXPECT_EQ(part, before);

    d.finish();
    EXPECT_EQ(part.profileBendCount, 4);
    EXPECT_EQ(part.profile[4].index, -1);
    EXPECT_FLOAT_EQ(part.profile[3].angle, -90);
}

TEST(ProfileDrawing, EmptyOrWrongTextChangesNothing) {
    PartRecord part;
    ProfileDrawing d(part);
    d.activate();
    Type(d, {"1", "0", "100"});
    const PartRecord before = part;
    EXPECT_EQ(d.submit(""), Result::Ignored);
    for (const char* text : {"1.2.3", "-", ".", "9x"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(d.submit(text), Result::Rejected);
        EXPECT_EQ(d.message(), std::string("Valeur incorrecte : \"") + text + "\" n'est pas un nombre");
        EXPECT_EQ(d.mode(), Mode::Angle);
        EXPECT_EQ(part, before);
    }
}

TEST(ProfileDrawing, MousePreviewsWithoutCommitting) {
    PartRecord part;
    ProfileDrawing d(part);
    d.activate();
    Type(d, {"1", "0", "100"});
    const auto profileBefore = part.profile;

    // Pointer up and to the right of the corner, at about 30.x degrees: floored.
    const ScreenPoint corner = d.view().map(100, 0);
    ASSERT_TRUE(d.mouseMove(corner.x + 100, corner.y - 60));
    EXPECT_EQ(d.currentDirection(), 30.0f);
    EXPECT_EQ(d.bar().valueLabel, "Angle courant :");
    EXPECT_EQ(d.bar().value, "150.0");
    EXPECT_FLOAT_EQ(Entity(part, 1).endAngle, 180);
    EXPECT_EQ(part.profile, profileBefore);

    Type(d, {"90"});  // the typed value wins over the preview
    EXPECT_FLOAT_EQ(d.currentDirection(), 90);

    // Length: the distance follows, the direction does not.
    const ScreenPoint p = d.view().map(100, 0);
    ASSERT_TRUE(d.mouseMove(p.x + 30, p.y - 40));
    const double dist = std::hypot(d.view().unmapX(p.x + 30) - 100, d.view().unmapY(p.y - 40));
    EXPECT_EQ(d.bar().value, FormatFixed(dist, 1));
    EXPECT_NEAR(Entity(part, 1).y2, dist, 1e-4);
    EXPECT_FLOAT_EQ(d.currentDirection(), 90);
    EXPECT_FLOAT_EQ(part.profile[1].length, profileBefore[1].length);
}

}  // namespace
}  // namespace zelpor
