#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bendview/BendScene.h"
#include "calc/Formulas.h"
#include "support/SampleTools.h"

namespace zelpor {
namespace {

using test::SetProfile;

// The sample punch P88-67 and die V16.
struct Tools {
    TPoincon punch;
    TMatrice die;
    Tools() {
        punch.record = test::SamplePunchP88_67();
        die.record = test::SampleDieV16();
    }
    std::vector<OutlineElement> named(const PartRecord& part, const std::string& name) const {
        std::vector<OutlineElement> out;
        for (const OutlineElement& e : BuildBendScene(part, punch, die).scene.elements)
            if (e.name.str() == name) out.push_back(e);
        return out;
    }
};

double Direction(const OutlineElement& e) { return std::atan2(e.y2 - e.y1, e.x2 - e.x1) * 180.0 / 3.14159265358979; }
double Length(const OutlineElement& e) { return std::hypot(e.x2 - e.x1, e.y2 - e.y1); }

void ExpectLine(const OutlineElement& e, double x1, double y1, double x2, double y2) {
    EXPECT_NEAR(e.x1, x1, 1e-3);
    EXPECT_NEAR(e.y1, y1, 1e-3);
    EXPECT_NEAR(e.x2, x2, 1e-3);
    EXPECT_NEAR(e.y2, y2, 1e-3);
}

// Only the yellow "pli non graphique" at (-50, 0), 25 high, and no refit.
void ExpectNoGraphicText(const BendSceneResult& r) {
    ASSERT_EQ(r.scene.elements.size(), 1u);
    const OutlineElement& e = r.scene.elements[0];
    EXPECT_EQ(e.type, kText);
    EXPECT_EQ(e.colour, Rgb(255, 255, 0));
    EXPECT_EQ(e.name.str(), "Piece");
    EXPECT_EQ((std::vector<float>{e.x1, e.y1, e.a1, e.h}), (std::vector<float>{-50, 0, 0, 25}));
    EXPECT_EQ(r.scene.textOf(e), "pli non graphique");
    EXPECT_FALSE(r.fitView);
}

// A two-bend U, program position `current`; order -1 leaves both unplaced.
PartRecord UPart(int current = 0, int order = 0) {
    PartRecord part;
    part.thickness = 2;
    part.currentBend = current;
    part.lastBend = 1;
    SetProfile(part, {{60, 90, order}, {100, 90, order < 0 ? -1 : 1}, {60, 0, -1}});
    return part;
}

TEST(BendScene, BendWithoutProfileSegmentShowsOnlyTheMessage) {
    Tools t;
    PartRecord part = UPart(2);  // beyond the profile's two bends
    part.lastBend = 2;
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
    part = UPart();
    part.profile[0].order = 5;  // no profile bend at program position 0
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
    part = PartRecord{};  // a part typed as a plain bend list has no profile
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
}

TEST(BendScene, IndexesFromAFileNeverReachPastTheTables) {
    Tools t;
    PartRecord part = UPart(23);
    part.profileBendCount = 1000;
    part.profile[23].order = 23;  // entries up to 23 are bends at most
    part.profile[23].length = 10;
    part.lastBend = 24;
    t.punch.record.lastElement = 400;
    t.die.record.lastElement = -3;
    EXPECT_TRUE(BuildBendScene(part, t.punch, t.die).fitView);
    EXPECT_TRUE(t.named(part, "Die").empty());
    EXPECT_TRUE(t.named(part, "Pun").empty());
    ExpectLine(t.named(part, "Piece").at(0), 0, 2, -10, 2);
    part.currentBend = 40;  // a bend index no file can hold
    part.profile[3].order = 40;
    ExpectNoGraphicText(BuildBendScene(part, t.punch, t.die));
}

TEST(BendScene, DieStandsWithItsTopOnTheZeroLine) {
    Tools t;
    DieRecord& d = t.die.record;
    d.height = 40;
    d.lastElement = test::OutlinePolyline(d.outline, {{-20, 0}, {20, 0}, {20, 40}, {-20, 40}});
    t.punch.record.lastElement = 0;
    const BendSceneResult r = BuildBendScene(UPart(), t.punch, t.die);
    const auto die = t.named(UPart(), "Die");
    ASSERT_EQ(die.size(), 4u);
    ExpectLine(die[0], -20, -40, 20, -40);
    ExpectLine(die[2], 20, 0, -20, 0);  // the top edge
    EXPECT_EQ(die[0].colour, Rgb(255, 0, 0));
    EXPECT_TRUE(t.named(UPart(), "Pun").empty());
    // Die elements come first; the extent counts their start points only.
    EXPECT_EQ(r.scene.elements[0].name.str(), "Die");
    EXPECT_FLOAT_EQ(r.scene.extent.minY, -40.0f);
}

TEST(BendScene, UnplacedRightAngleOpensAt135And45UnderThePunchTip) {
    Tools t;
    PartRecord part = UPart(-1, -1);
    SetProfile(part, {{100, 90, -1}, {50, 0, -1}});
    const double y = ComputeYDepth(90, 2, 2, 16, 88);
    ASSERT_NEAR(y, 4.118, 1e-3);
    const auto punch = t.named(part, "Pun");
    ASSERT_EQ(punch.size(), 5u);
    ExpectLine(punch[3], 0, 2 - y, -13, -53.54 + 69 - y);  // the tip rests on the sheet at the vertex
    const auto sheet = t.named(part, "Piece");
    ASSERT_EQ(sheet.size(), 2u);
    EXPECT_EQ(sheet[0].colour, Rgb(0, 0, 255));
    ExpectLine(sheet[0], 0, 2 - y, -100 * std::sqrt(0.5), 2 - y + 100 * std::sqrt(0.5));
    ExpectLine(sheet[1], 0, 2 - y, 50 * std::sqrt(0.5), 2 - y + 50 * std::sqrt(0.5));
    // Both ends of the sheet lines count for the extent.
    const Extent& extent = BuildBendScene(part, t.punch, t.die).scene.extent;
    EXPECT_NEAR(extent.minX, -100 * std::sqrt(0.5), 1e-3);
    EXPECT_NEAR(extent.maxY, 2 - y + 100 * std::sqrt(0.5), 1e-3);
}

// Three segments, both bends unplaced: the last match, bend 1, is the vertex.
TEST(BendScene, OtherBendsFollowTheirPlaceInTheProgramAndTheirSide) {
    Tools t;
    PartRecord part = UPart(-1, -1);
    part.lastBend = 2;
    SetProfile(part, {{40, 90, -1}, {100, 90, -1}, {30, 0, -1}});
    const auto upright = t.named(part, "Piece");
    ASSERT_EQ(upright.size(), 3u);
    // Bend 0 is drawn bent: the first and last segments of the U are parallel.
    EXPECT_NEAR(Length(upright[0]), 100, 1e-3);
    EXPECT_NEAR(Direction(upright[0]), 135, 1e-4);
    ExpectLine(upright[1], upright[0].x2, upright[0].y2, upright[0].x2 + 40 * std::sqrt(0.5),
               upright[0].y2 + 40 * std::sqrt(0.5));
    EXPECT_NEAR(Direction(upright[2]), 45, 1e-4);

    part.profile[0].angle = -90;  // one bend turned the other way turns the chain
    EXPECT_NEAR(Direction(t.named(part, "Piece")[1]), -135, 1e-4);
    part.profile[1].angle = -90;  // both turned: the same picture
    const auto turned = t.named(part, "Piece");
    for (std::size_t i = 0; i < turned.size(); ++i)
        ExpectLine(turned[i], upright[i].x1, upright[i].y1, upright[i].x2, upright[i].y2);

    part.profile[0].angle = 90;
    part.profile[1].angle = 90;
    part.profile[0].order = 0;  // placed, so later in the program: still flat
    EXPECT_NEAR(Direction(t.named(part, "Piece")[1]), 135, 1e-4);
}

TEST(BendScene, PivotedPartIsMirroredAboutThePunchAxis) {
    Tools t;
    PartRecord part = UPart(-1, -1);
    part.lastBend = 2;
    SetProfile(part, {{100, 90, -1}, {50, 120, 3}, {30, 0, -1}});
    const auto plain = t.named(part, "Piece");
    part.profile[0].pivot = 1;
    const auto pivoted = t.named(part, "Piece");
    ASSERT_EQ(plain.size(), 3u);
    ASSERT_EQ(pivoted.size(), 3u);
    EXPECT_NEAR(Length(plain[0]), 100, 1e-3);
    EXPECT_NEAR(Direction(plain[2]), 45, 1e-4);  // bend 1 comes later: straight on
    // Pivoted: the other flank comes first, and the chain runs over the
    // following segments on that side.
    for (std::size_t i = 0; i < 3; ++i) {
        const OutlineElement& p = plain[(i + 1) % 3];
        ExpectLine(pivoted[i], -p.x1, p.y1, -p.x2, p.y2);
    }
}

TEST(BendScene, PlacedBendIsFlatWithThePunchOpen) {
    Tools t;
    PartRecord part = UPart();
    part.bends[0].opening = 30;
    part.bends[1].opening = 50;
    // First bend of the program: no bend before it, so its own opening; bend 1
    // comes later and lies flat.
    EXPECT_NEAR(t.named(part, "Pun").at(3).y1, 2 + 30, 1e-4);  // tip: thickness + opening above the die
    auto sheet = t.named(part, "Piece");
    ASSERT_EQ(sheet.size(), 3u);
    ExpectLine(sheet[0], 0, 2, -60, 2);
    ExpectLine(sheet[1], 0, 2, 100, 2);
    ExpectLine(sheet[2], 100, 2, 160, 2);

    // Second bend: the punch waits at the opening of the bend before it, and
    // bend 0, done before, is drawn bent upwards, away from the die.
    part.currentBend = 1;
    EXPECT_NEAR(t.named(part, "Pun").at(3).y1, 2 + 30, 1e-4);
    sheet = t.named(part, "Piece");
    ASSERT_EQ(sheet.size(), 3u);
    ExpectLine(sheet[0], 0, 2, -100, 2);
    ExpectLine(sheet[1], -100, 2, -100, 62);
    ExpectLine(sheet[2], 0, 2, 60, 2);

    // A single-bend list draws the tools only.
    part.currentBend = part.lastBend = 0;
    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    EXPECT_EQ(r.scene.elements.size(), 9u + 5u);
    EXPECT_TRUE(t.named(part, "Piece").empty());
}

}  // namespace
}  // namespace zelpor
