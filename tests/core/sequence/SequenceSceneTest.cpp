#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/Formulas.h"
#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceScene.h"

namespace zelpor {
namespace {

constexpr double kRadToDeg = 180.0 / 3.14159265358979323846;

struct SceneTest : ::testing::Test {
    PartRecord part;
    PunchRecord punch = test::PunchP88_67();
    DieRecord die = test::DieV16();

    SequenceScene build(int step) {
        return BuildSequenceScene(part, punch, die, step, kSequenceAreaWidth, kSequenceAreaHeight, 0,
                                  SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight));
    }
};

std::vector<OutlineElement> Lines(const Scene& s, std::int32_t colour) {
    std::vector<OutlineElement> out;
    for (const auto& e : s.elements)
        if (e.type == kLine && e.colour == colour) out.push_back(e);
    return out;
}

double Direction(const OutlineElement& e) { return std::atan2(e.y2 - e.y1, e.x2 - e.x1) * kRadToDeg; }
double Length(const OutlineElement& e) { return std::hypot(e.x2 - e.x1, e.y2 - e.y1); }

// Type and name of every element, in list order: "Die" "Pun" "butee" "Piece" and
// "#k/n" for a bend number.
std::vector<std::string> Layout(const Scene& s) {
    std::vector<std::string> out;
    for (const auto& e : s.elements) {
        if (e.type == kText) out.push_back("#" + s.textOf(e));
        else if (e.type == kFill) out.push_back("fill");
        else if (e.colour == kSequenceFlatColour) out.push_back("green");
        else out.push_back(e.name.str());
    }
    return out;
}

TEST_F(SceneTest, RightAngleNotYetValidatedOpensBothFlangesAboutThePunchAxis) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.profile[0].correction = -4.0177f;
    const SequenceScene r = build(0);
    const double depth = ComputeYDepth(90, 2, 2, 16, 88);
    EXPECT_NEAR(r.punchDepth, 4.118, 0.001);
    EXPECT_NEAR(r.punchDepth, depth, 1e-5);
    ASSERT_TRUE(r.status.has_value());
    EXPECT_EQ(*r.status, "");

    const auto blue = Lines(r.scene, kSequencePartColour);
    ASSERT_EQ(blue.size(), 2u);
    // Flange A (segment 0, 100 mm) rises to the left at 135 degrees, flange B
    // (segment 1, 50 mm) to the right at 45, both from the vertex at T - depth.
    EXPECT_FLOAT_EQ(blue[0].x1, 0);
    EXPECT_NEAR(blue[0].y1, 2 - depth, 1e-5);
    EXPECT_NEAR(Direction(blue[0]), 135, 1e-4);
    EXPECT_NEAR(Length(blue[0]), 100, 1e-3);
    EXPECT_NEAR(blue[1].y1, 2 - depth, 1e-5);
    EXPECT_NEAR(Direction(blue[1]), 45, 1e-4);
    EXPECT_NEAR(Length(blue[1]), 50, 1e-3);

    // The sheet before the bend lies flat on the die at height T, cut at the V.
    const auto green = Lines(r.scene, kSequenceFlatColour);
    ASSERT_EQ(green.size(), 2u);
    EXPECT_FLOAT_EQ(green[0].x1, -8);
    EXPECT_FLOAT_EQ(green[0].x2, -100);
    EXPECT_FLOAT_EQ(green[0].y1, 2);
    EXPECT_FLOAT_EQ(green[0].y2, 2);
    EXPECT_FLOAT_EQ(green[1].x1, 8);
    EXPECT_FLOAT_EQ(green[1].x2, 50);
    EXPECT_FLOAT_EQ(green[1].y2, 2);

    // The punch tip reaches the bend vertex; the die top is at y = 0.
    float tip = 1e9f, dieTop = -1e9f;
    for (const auto& e : r.scene.elements) {
        if (e.name.str() == "Pun") tip = std::min(tip, e.y1);
        if (e.name.str() == "Die") dieTop = std::max(dieTop, e.y1);
    }
    EXPECT_NEAR(tip, 2 - depth, 1e-4);
    EXPECT_FLOAT_EQ(dieTop, 0);

    // The stop's left face is where flange B ends after the correction.
    const auto stop = Lines(r.scene, kSequenceStopColour);
    ASSERT_EQ(stop.size(), 4u);
    EXPECT_NEAR(stop[0].x1, 50 - 4.0177 / 2, 1e-4);
    EXPECT_FLOAT_EQ(stop[0].y1, 0);
    EXPECT_FLOAT_EQ(stop[0].y2, 20);
    EXPECT_NEAR(stop[1].x2, 50 - 4.0177 / 2 + 10, 1e-4);
    EXPECT_EQ(stop[0].name.str(), "butee");
}

TEST_F(SceneTest, TurnedBendLooksTheSameButTheOtherBendsTurnTheOtherWay) {
    test::SetProfile(part, 2, {100, 50, 30}, {90, 90});
    const SequenceScene upright = build(0);
    part.profile[0].angle = -90;
    const SequenceScene turned = build(0);
    ASSERT_TRUE(turned.status.has_value());
    EXPECT_EQ(*turned.status, "Piece tourné");
    EXPECT_NEAR(turned.punchDepth, upright.punchDepth, 1e-6);

    const auto a = Lines(upright.scene, kSequencePartColour);
    const auto b = Lines(turned.scene, kSequencePartColour);
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_NEAR(Direction(b[0]), 135, 1e-4);
    EXPECT_NEAR(Direction(b[1]), 45, 1e-4);
    // Segment 2 after bend 1: a U upright, a Z once turned over.
    EXPECT_NEAR(Direction(a[2]), 135, 1e-4);
    EXPECT_NEAR(Direction(b[2]), -45, 1e-4);
}

TEST_F(SceneTest, PivotSwapsTheFlangesAndMovesTheStop) {
    test::SetProfile(part, 2, {100, 50, 30}, {90, 90});
    part.profile[0].correction = -4;
    part.profile[0].pivot = 1;
    const SequenceScene r = build(0);
    EXPECT_EQ(*r.status, "Piece pivoté");
    const auto blue = Lines(r.scene, kSequencePartColour);
    ASSERT_EQ(blue.size(), 3u);
    // Flange A is now segment 1 (50), followed by segment 2 (30); flange B,
    // against the stop, is segment 0.
    EXPECT_NEAR(Length(blue[0]), 50, 1e-3);
    EXPECT_NEAR(Length(blue[1]), 30, 1e-3);
    EXPECT_NEAR(Length(blue[2]), 100, 1e-3);
    EXPECT_NEAR(Direction(blue[2]), 45, 1e-4);
    const auto stop = Lines(r.scene, kSequenceStopColour);
    EXPECT_FLOAT_EQ(stop[0].x1, 100 - 2);

    part.profile[0].angle = -90;
    EXPECT_EQ(*build(0).status, "Piece pivoté et tourné");
}

TEST_F(SceneTest, ValidatedBendLaterInTheProgramIsShownFlatWithItsNumber) {
    test::SetProfile(part, 2, {40, 100, 60, 30}, {90, 90, 90});
    // Program: bend 2 first, bend 1 second, bend 0 last.
    part.profile[0].order = 2;
    part.profile[1].order = 1;
    part.profile[2].order = 0;
    part.lastBend = 2;
    part.currentBend = 0;
    part.bends[0].opening = 25;
    part.bends[1].opening = 99;
    const SequenceScene r = build(1);

    // Open punch: raised by the opening of bend 1 of the program.
    float tip = 1e9f;
    for (const auto& e : r.scene.elements)
        if (e.name.str() == "Pun") tip = std::min(tip, e.y1);
    EXPECT_FLOAT_EQ(tip, 2 + 25);

    const std::vector<std::string> expected = {
        "Die", "Die", "Die", "Die", "Die", "Die", "Die", "Die", "Die",  //
        "Pun", "Pun", "Pun", "Pun", "Pun",                              //
        "butee", "butee", "butee", "butee", "fill",                     //
        "#2/3",                                                         // the bend on screen, at (0, T)
        "Piece", "#3/3", "Piece",                                       // flange A, then bend 0 and segment 0
        "Piece", "#1/3", "Piece"};                                      // flange B, then bend 2 and segment 3
    EXPECT_EQ(Layout(r.scene), expected);
    EXPECT_FLOAT_EQ(r.scene.elements[19].x1, 0);
    EXPECT_FLOAT_EQ(r.scene.elements[19].y1, 2);
    EXPECT_EQ(r.scene.elements[19].colour, kSequenceNumberColour);
    EXPECT_FLOAT_EQ(r.scene.elements[19].h, 10);

    const auto blue = Lines(r.scene, kSequencePartColour);
    ASSERT_EQ(blue.size(), 4u);
    // Flat at this bend and at bend 0 (done later); bend 2 is already bent.
    EXPECT_NEAR(Direction(blue[0]), 180, 1e-4);
    EXPECT_FLOAT_EQ(blue[0].y1, 2);
    EXPECT_NEAR(std::fabs(Direction(blue[1])), 180, 1e-4);
    EXPECT_NEAR(Direction(blue[2]), 0, 1e-4);
    EXPECT_NEAR(Direction(blue[3]), 90, 1e-4);
    EXPECT_TRUE(Lines(r.scene, kSequenceFlatColour).empty());
}

TEST_F(SceneTest, FirstBendOfTheProgramIsOpenedByItsOwnOpening) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.profile[0].order = 0;
    part.lastBend = 0;
    part.currentBend = 0;
    part.bends[0].opening = 10;
    const SequenceScene r = BuildSequenceScene(part, punch, die, 0, kSequenceAreaWidth, kSequenceAreaHeight, 3.5f,
                                               SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight));
    float tip = 1e9f;
    for (const auto& e : r.scene.elements)
        if (e.name.str() == "Pun") tip = std::min(tip, e.y1);
    EXPECT_FLOAT_EQ(tip, 2 + 10);
    EXPECT_FLOAT_EQ(r.punchDepth, 3.5f);  // kept from the step before
    ASSERT_EQ(r.scene.texts.size(), 1u);
    EXPECT_EQ(r.scene.texts[0], "1/1");
}

TEST_F(SceneTest, OnlyTheMiddleBendValidatedViewingTheFirst) {
    test::SetProfile(part, 2, {40, 100, 60, 30}, {90, 90, 90});
    part.profile[1].order = 0;
    part.lastBend = 0;
    const SequenceScene r = build(0);
    const auto blue = Lines(r.scene, kSequencePartColour);
    ASSERT_EQ(blue.size(), 4u);
    // Flange B (segment 1) at 45 degrees, straight on through the flat middle
    // bend (segment 2), then turned by the third bend (segment 3).
    EXPECT_NEAR(Direction(blue[1]), 45, 1e-4);
    EXPECT_NEAR(Direction(blue[2]), 45, 1e-4);
    EXPECT_NEAR(Direction(blue[3]), 135, 1e-4);
    ASSERT_EQ(r.scene.texts.size(), 1u);
    EXPECT_EQ(r.scene.texts[0], "1/1");
    // The green sheet shows the same state flat at the current bend.
    const auto green = Lines(r.scene, kSequenceFlatColour);
    ASSERT_EQ(green.size(), 4u);
    EXPECT_NEAR(Direction(green[2]), 0, 1e-4);
    EXPECT_NEAR(Direction(green[3]), 90, 1e-4);
}

TEST_F(SceneTest, WithoutASketchOnlyTheToolsAndTheStopAreShown) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.sketchLast = 0;
    const SequenceScene r = build(0);
    EXPECT_FALSE(r.status.has_value());
    EXPECT_EQ(r.scene.elements.size(), 9u + 5u + 5u);
    EXPECT_TRUE(Lines(r.scene, kSequencePartColour).empty());
}

TEST_F(SceneTest, ProfileWithoutBendsNeverReadsPastItsOnlySegment) {
    test::SetProfile(part, 2, {120}, {});
    part.profile[1].length = 1e30f;  // left over from an older profile
    part.profile[0].correction = 1e30f;
    const SequenceScene r = build(0);
    EXPECT_FALSE(r.status.has_value());
    EXPECT_EQ(r.scene.elements.size(), 9u + 5u + 5u);
    const auto stop = Lines(r.scene, kSequenceStopColour);
    EXPECT_FLOAT_EQ(stop[0].x1, 120);
    EXPECT_LT(r.scene.extent.maxX, 200);
}

TEST_F(SceneTest, FitPutsTheBendAndTheDieTopAtTheCentre) {
    test::SetProfile(part, 2, {100, 50}, {90});
    const SequenceScene r = build(0);
    EXPECT_EQ(r.view.mapX(0), 401);
    EXPECT_EQ(r.view.mapY(0), 228);
    // The farthest point (flange A's end, about 100 mm away) just fits.
    const auto ext = r.scene.extent;
    EXPECT_GE(r.view.mapX(ext.minX), 0);
    EXPECT_LE(r.view.mapX(ext.maxX), kSequenceAreaWidth);
    EXPECT_GE(r.view.mapY(ext.maxY), 0);
    EXPECT_LE(r.view.mapY(ext.minY), kSequenceAreaHeight);
    // The tight axis is y: the highest point (flange A's end, above the die's
    // 60 mm depth) lands on the top row.
    ASSERT_GT(ext.maxY, -ext.minY);
    EXPECT_EQ(r.view.mapY(ext.maxY), 0);
}

TEST_F(SceneTest, LargePartIsScaledDown) {
    test::SetProfile(part, 2, {3000, 1500}, {90});
    const SequenceScene r = build(0);
    EXPECT_FLOAT_EQ(static_cast<float>(r.view.viewportExtentX), 1000);
    EXPECT_GT(r.view.worldExtentX, 1000);
    EXPECT_GE(r.view.mapX(r.scene.extent.minX), 0);
}

}  // namespace
}  // namespace zelpor
