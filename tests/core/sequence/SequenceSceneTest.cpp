#include <gtest/gtest.h>

#include <string>

#include "core/sequence/SequenceFixtures.h"
#include "core/sequence/SequenceScene.h"

namespace zelpor {
namespace {

struct SceneTest : ::testing::Test {
    PartRecord part;
    PunchRecord punch = test::SamplePunchP88_67();
    DieRecord die = test::SampleDieV16();

    SequenceScene build(int step) {
        return BuildSequenceScene(part, punch, die, step, kSequenceAreaWidth, kSequenceAreaHeight, 0,
                                  SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight));
    }
    static std::string Lines(const Scene& s, std::int32_t colour) {
        return test::LinesOf(s, [colour](const OutlineElement& e) { return e.colour == colour; });
    }
};

using test::PunchTip;

TEST_F(SceneTest, RightAngleNotYetValidatedOpensBothFlangesAboutThePunchAxis) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.profile[0].correction = -4.0177f;
    const SequenceScene r = build(0);
    EXPECT_NEAR(r.punchDepth, 4.118, 0.001);
    EXPECT_NEAR(PunchTip(r.scene), 2 - r.punchDepth, 1e-4);
    EXPECT_EQ(r.status, std::optional<std::string>(""));
    // Flange A (100 mm) rises left at 135 degrees, flange B (50 mm) right at 45,
    // both from the vertex at T - depth, where the punch tip is.
    EXPECT_EQ(Lines(r.scene, kSequencePartColour), "0.00,-2.12>-70.71,68.59 0.00,-2.12>35.36,33.24 ");
    // The sheet before the bend lies flat on the die at height T, cut at the V.
    EXPECT_EQ(Lines(r.scene, kSequenceFlatColour), "-8.00,2.00>-100.00,2.00 8.00,2.00>50.00,2.00 ");
    // The stop's left face is where flange B ends after the correction.
    EXPECT_EQ(Lines(r.scene, kSequenceStopColour).substr(0, 46), "47.99,0.00>47.99,20.00 47.99,20.00>57.99,20.00");
}

TEST_F(SceneTest, TurnedAndPivotedBends) {
    test::SetProfile(part, 2, {100, 50, 30}, {90, 90});
    part.profile[0].angle = -90;
    const SequenceScene turned = build(0);
    EXPECT_EQ(turned.status, std::optional<std::string>("Piece tourné"));
    EXPECT_EQ(Lines(turned.scene, kSequencePartColour),
              "0.00,-2.12>-70.71,68.59 0.00,-2.12>35.36,33.24 "
              "35.36,33.24>56.57,12.02 ");  // a Z once turned over

    // Pivoted: flange A is segment 1 then 2, flange B against the stop is segment 0.
    part.profile[0].angle = 90;
    part.profile[0].correction = -4;
    part.profile[0].pivot = 1;
    const SequenceScene pivoted = build(0);
    EXPECT_EQ(pivoted.status, std::optional<std::string>("Piece pivoté"));
    EXPECT_EQ(Lines(pivoted.scene, kSequencePartColour),
              "0.00,-2.12>-35.36,33.24 -35.36,33.24>-14.14,54.45 "
              "0.00,-2.12>70.71,68.59 ");
    part.profile[0].angle = -90;
    EXPECT_EQ(build(0).status, std::optional<std::string>("Piece pivoté et tourné"));
}

// Every element in list order: D die, U punch, B stop, F fill, P part, "#k/n" a bend number.
std::string Layout(const Scene& s) {
    std::string out;
    for (const auto& e : s.elements) {
        const std::string name = e.name.str();
        if (e.type == kText) out += "#" + s.textOf(e);
        else out += e.type == kFill ? 'F' : name == "Die" ? 'D' : name == "Pun" ? 'U' : name == "butee" ? 'B' : 'P';
    }
    return out;
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
    EXPECT_FLOAT_EQ(PunchTip(r.scene), 2 + 25);  // open: raised by the opening of program bend 1

    // The bend on screen, at (0, T); flange A, then bend 0 and segment 0; flange B, then bend 2 and segment 3.
    EXPECT_EQ(Layout(r.scene), "DDDDDDDDDUUUUUBBBBF#2/3P#3/3PP#1/3P");
    // Flat at this bend and at bend 0 (done later); bend 2 is already bent.
    EXPECT_EQ(Lines(r.scene, kSequencePartColour),
              "0.00,2.00>-100.00,2.00 -100.00,2.00>-140.00,2.00 "
              "0.00,2.00>60.00,2.00 60.00,2.00>60.00,32.00 ");
    EXPECT_EQ(Lines(r.scene, kSequenceFlatColour), "");
}

}  // namespace
}  // namespace zelpor
