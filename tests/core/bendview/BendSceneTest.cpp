#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bendview/BendScene.h"
#include "calc/Formulas.h"
#include "support/SampleTools.h"

namespace zelpor {
namespace {

using test::SetProfile;

constexpr double kPi = 3.14159265358979323846;

struct Tools {
    TPoincon punch;
    TMatrice die;
    Tools() {
        punch.record = test::SamplePunchP88_67();
        die.record = test::SampleDieV16();
    }
};

std::vector<OutlineElement> Named(const Scene& scene, const std::string& name) {
    std::vector<OutlineElement> out;
    for (const OutlineElement& e : scene.elements)
        if (e.name.str() == name) out.push_back(e);
    return out;
}

double Direction(const OutlineElement& e) { return std::atan2(e.y2 - e.y1, e.x2 - e.x1) * 180.0 / kPi; }
double Length(const OutlineElement& e) { return std::hypot(e.x2 - e.x1, e.y2 - e.y1); }

void ExpectLine(const OutlineElement& e, double x1, double y1, double x2, double y2) {
    EXPECT_NEAR(e.x1, x1, 1e-3);
    EXPECT_NEAR(e.y1, y1, 1e-3);
    EXPECT_NEAR(e.x2, x2, 1e-3);
    EXPECT_NEAR(e.y2, y2, 1e-3);
}

void ExpectNoGraphicText(const BendSceneResult& r) {
    ASSERT_EQ(r.scene.elements.size(), 1u);
    const OutlineElement& e = r.scene.elements[0];
    EXPECT_EQ(e.type, kText);
    EXPECT_EQ(e.colour, Rgb(255, 255, 0));
    EXPECT_EQ(e.name.str(), "Piece");
    EXPECT_FLOAT_EQ(e.x1, -50.0f);
    EXPECT_FLOAT_EQ(e.y1, 0.0f);
    EXPECT_FLOAT_EQ(e.a1, 0.0f);
    EXPECT_FLOAT_EQ(e.h, 25.0f);
    EXPECT_EQ(r.scene.textOf(e), "pli non graphique");
    EXPECT_FALSE(r.fitView);
}

// A two-bend part with its first bend shown.
PartRecord UPart() {
    PartRecord part;
    part.thickness = 2;
    part.currentBend = 0;
    part.lastBend = 1;
    SetProfile(part, {{60, 90, 0}, {100, 90, 1}, {60, 0, -1}});
    return part;
}

TEST(BendScene, BendWithoutProfileSegmentShowsOnlyTheMessage) {
    Tools t;
    PartRecord part = UPart();
    part.currentBend = 2;  // beyond the profile's two bends
    part.lastBend = 2;
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));

    part = UPart();
    part.profile[0].order = 5;  // no profile bend at program position 0
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));

    part = PartRecord{};  // a part typed as a plain bend list has no profile
    part.thickness = 2;
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
}

TEST(BendScene, IndexesFromAFileNeverReachPastTheTables) {
    Tools t;
    PartRecord part = UPart();
    part.profileBendCount = 1000;
    part.currentBend = 23;
    part.profile[23].order = 23;  // entries up to 23 are bends at most
    part.profile[23].length = 10;
    part.profile[24].length = 20;
    part.lastBend = 24;
    t.punch.record.lastElement = 400;
    t.die.record.lastElement = -3;
    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    EXPECT_TRUE(r.fitView);
    EXPECT_TRUE(Named(r.scene, "Die").empty());
    EXPECT_TRUE(Named(r.scene, "Pun").empty());
    const auto sheet = Named(r.scene, "Piece");
    ASSERT_FALSE(sheet.empty());
    ExpectLine(sheet[0], 0, 2, -10, 2);  // flat: placed bends lie on the die

    part.currentBend = 40;  // a bend index no file can hold
    part.profile[3].order = 40;
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
}

TEST(BendScene, DieStandsWithItsTopOnTheZeroLine) {
    Tools t;
    DieRecord& d = t.die.record;
    d = DieRecord{};
    d.height = 40;
    d.vOpening = 16;
    d.vAngle = 88;
    d.entryRadius = 2;
    d.lastElement = test::OutlinePolyline(d.outline, {{-20, 0}, {20, 0}, {20, 40}, {-20, 40}});
    t.punch.record.lastElement = 0;
    PartRecord part = UPart();
    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    const auto die = Named(r.scene, "Die");
    ASSERT_EQ(die.size(), 4u);
    ExpectLine(die[0], -20, -40, 20, -40);
    ExpectLine(die[2], 20, 0, -20, 0);  // the top edge
    for (const OutlineElement& e : die) EXPECT_EQ(e.colour, Rgb(255, 0, 0));
    EXPECT_TRUE(Named(r.scene, "Pun").empty());
    // Die elements come first; the extent counts their start points only.
    EXPECT_EQ(r.scene.elements[0].name.str(), "Die");
    EXPECT_FLOAT_EQ(r.scene.extent.minY, -40.0f);
}

TEST(BendScene, UnplacedRightAngleOpensAt135And45UnderThePunchTip) {
    Tools t;
    PartRecord part;
    part.thickness = 2;
    part.currentBend = -1;
    part.lastBend = 1;
    SetProfile(part, {{100, 90, -1}, {50, 0, -1}});
    const double y = ComputeYDepth(90, 2, 2, 16, 88);
    ASSERT_NEAR(y, 4.118, 1e-3);

    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    EXPECT_TRUE(r.fitView);
    const auto punch = Named(r.scene, "Pun");
    ASSERT_EQ(punch.size(), 5u);
    ExpectLine(punch[3], 0, 2 - y, -13, -53.54 + 69 - y);  // the tip rests on the sheet at the vertex
    EXPECT_EQ(punch[0].colour, Rgb(255, 0, 0));

    const auto sheet = Named(r.scene, "Piece");
    ASSERT_EQ(sheet.size(), 2u);
    EXPECT_EQ(sheet[0].type, kLine);
    EXPECT_EQ(sheet[0].colour, Rgb(0, 0, 255));
    EXPECT_NEAR(Direction(sheet[0]), 135.0, 1e-4);
    EXPECT_NEAR(Length(sheet[0]), 100.0, 1e-3);
    EXPECT_NEAR(Direction(sheet[1]), 45.0, 1e-4);
    EXPECT_NEAR(Length(sheet[1]), 50.0, 1e-3);
    for (const OutlineElement& e : sheet) {
        EXPECT_FLOAT_EQ(e.x1, 0.0f);
        EXPECT_NEAR(e.y1, 2 - y, 1e-5);
    }
    // Both ends of the sheet lines count for the extent.
    EXPECT_NEAR(r.scene.extent.minX, -100 * std::sqrt(0.5), 1e-3);
    EXPECT_NEAR(r.scene.extent.maxY, 2 - y + 100 * std::sqrt(0.5), 1e-3);
}

TEST(BendScene, OtherBendsFollowTheirPlaceInTheProgram) {
    Tools t;
    PartRecord part;
    part.thickness = 2;
    part.currentBend = -1;
    part.lastBend = 2;
    // Both bends unplaced: the last match, bend 1, is the vertex. Bend 0 is
    // drawn bent: the first and last segments of the U are parallel.
    SetProfile(part, {{40, 90, -1}, {100, 90, -1}, {30, 0, -1}});
    auto sheet = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    ASSERT_EQ(sheet.size(), 3u);
    EXPECT_NEAR(Length(sheet[0]), 100, 1e-3);
    EXPECT_NEAR(Direction(sheet[0]), 135, 1e-4);
    EXPECT_NEAR(Direction(sheet[1]), 45, 1e-4);
    EXPECT_NEAR(Length(sheet[1]), 40, 1e-3);
    EXPECT_FLOAT_EQ(sheet[1].x1, sheet[0].x2);
    EXPECT_FLOAT_EQ(sheet[1].y1, sheet[0].y2);
    EXPECT_NEAR(Direction(sheet[2]), 45, 1e-4);

    // A bend turned the other way turns the chain the other way.
    part.profile[0].angle = -90;
    sheet = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    EXPECT_NEAR(Direction(sheet[1]), -135, 1e-4);

    // A bend already placed comes later in the program: it is still flat.
    part.profile[0].angle = 90;
    part.profile[0].order = 0;
    sheet = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    EXPECT_NEAR(Direction(sheet[1]), 135, 1e-4);
}

TEST(BendScene, TurnedPartGivesTheSamePicture) {
    Tools t;
    PartRecord part;
    part.thickness = 2;
    part.currentBend = -1;
    part.lastBend = 2;
    SetProfile(part, {{40, 90, -1}, {100, 90, -1}, {30, 0, -1}});
    const auto upright = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    part.profile[0].angle = -90;
    part.profile[1].angle = -90;
    const auto turned = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    ASSERT_EQ(turned.size(), upright.size());
    for (std::size_t i = 0; i < turned.size(); ++i)
        ExpectLine(turned[i], upright[i].x1, upright[i].y1, upright[i].x2, upright[i].y2);
}

TEST(BendScene, PivotedPartIsMirroredAboutThePunchAxis) {
    Tools t;
    PartRecord part;
    part.thickness = 2;
    part.currentBend = -1;
    part.lastBend = 2;
    SetProfile(part, {{100, 90, -1}, {50, 120, 3}, {30, 0, -1}});
    const auto plain = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    part.profile[0].pivot = 1;
    const auto pivoted = Named(BuildBendScene(part, t.punch, t.die).scene, "Piece");
    ASSERT_EQ(plain.size(), 3u);
    ASSERT_EQ(pivoted.size(), 3u);
    // Unpivoted: flank 100 at 135, flank 50 at 45 and, bend 1 coming later
    // in the program, the last segment straight on.
    EXPECT_NEAR(Length(plain[0]), 100, 1e-3);
    EXPECT_NEAR(Direction(plain[2]), 45, 1e-4);
    // Pivoted: the other flank comes first, and the chain runs over the
    // following segments on that side.
    ExpectLine(pivoted[0], -plain[1].x1, plain[1].y1, -plain[1].x2, plain[1].y2);
    ExpectLine(pivoted[1], -plain[2].x1, plain[2].y1, -plain[2].x2, plain[2].y2);
    ExpectLine(pivoted[2], -plain[0].x1, plain[0].y1, -plain[0].x2, plain[0].y2);
}

TEST(BendScene, PlacedBendIsFlatWithThePunchOpen) {
    Tools t;
    PartRecord part = UPart();
    part.bends[0].opening = 30;
    part.bends[1].opening = 50;

    // First bend of the program: no bend before it, so its own opening.
    BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    auto punch = Named(r.scene, "Pun");
    ASSERT_EQ(punch.size(), 5u);
    EXPECT_NEAR(punch[3].y1, 2 + 30, 1e-4);  // tip: thickness + opening above the die
    auto sheet = Named(r.scene, "Piece");
    ASSERT_EQ(sheet.size(), 3u);
    ExpectLine(sheet[0], 0, 2, -60, 2);
    ExpectLine(sheet[1], 0, 2, 100, 2);
    // Bend 1 comes later in the program: still flat.
    ExpectLine(sheet[2], 100, 2, 160, 2);

    // Second bend: the punch waits at the opening of the bend before it, and
    // bend 0, done before, is drawn bent.
    part.currentBend = 1;
    r = BuildBendScene(part, t.punch, t.die);
    punch = Named(r.scene, "Pun");
    EXPECT_NEAR(punch[3].y1, 2 + 30, 1e-4);
    sheet = Named(r.scene, "Piece");
    ASSERT_EQ(sheet.size(), 3u);
    ExpectLine(sheet[0], 0, 2, -100, 2);
    ExpectLine(sheet[1], -100, 2, -100, 62);  // bent upwards, away from the die
    ExpectLine(sheet[2], 0, 2, 60, 2);

    // A single-bend list draws the tools only.
    part.currentBend = 0;
    part.lastBend = 0;
    r = BuildBendScene(part, t.punch, t.die);
    EXPECT_TRUE(Named(r.scene, "Piece").empty());
    EXPECT_EQ(r.scene.elements.size(), 9u + 5u);
    EXPECT_TRUE(r.fitView);
}

}  // namespace
}  // namespace zelpor
