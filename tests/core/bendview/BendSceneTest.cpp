#include <gtest/gtest.h>

#include <string>

#include "core/bendview/BendScene.h"
#include "core/sequence/SequenceFixtures.h"

namespace zelpor {
namespace {

using test::SetProfile;

// The sample punch P88-67 and die V16.
struct Tools {
    TPoincon punch{.record = test::SamplePunchP88_67()};
    TMatrice die;
    Tools() { die.record = test::SampleDieV16(); }
    Scene scene(const PartRecord& part) const { return BuildBendScene(part, punch, die).scene; }
    // The sheet's lines to 0.01 mm: "x1,y1>x2,y2 ...".
    std::string sheet(const PartRecord& part) const {
        return test::LinesOf(scene(part), [](const OutlineElement& e) { return e.name.str() == "Piece"; });
    }
};

// A two-bend U at program position `current`; order -1 leaves both unplaced.
PartRecord UPart(int current = 0, int order = 0) {
    PartRecord part;
    part.thickness = 2;
    part.currentBend = current;
    part.lastBend = 1;
    SetProfile(part, {{60, 90, order}, {100, 90, order < 0 ? -1 : 1}, {60, 0, -1}});
    return part;
}

// Only the yellow "pli non graphique" at (-50, 0), 25 high, and no refit.
TEST(BendScene, BendWithoutProfileSegmentShowsOnlyTheMessage) {
    Tools t;
    PartRecord beyond = UPart(2), unplaced = UPart();
    beyond.lastBend = 2;                                               // beyond the profile's two bends
    unplaced.profile[0].order = 5;                                     // no profile bend at program position 0
    for (const PartRecord& part : {beyond, unplaced, PartRecord{}}) {  // the last: a plain bend list
        const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
        ASSERT_EQ(r.scene.elements.size(), 1u);
        const OutlineElement& e = r.scene.elements[0];
        EXPECT_EQ((std::tuple{e.type, e.colour, r.scene.textOf(e), r.fitView, e.x1, e.y1, e.h}),
                  (std::tuple{kText, Rgb(255, 255, 0), std::string("pli non graphique"), false, -50.f, 0.f, 25.f}));
    }
}

// Y = 4.118 for 90° on the V16: the flanks start at thickness - Y.
TEST(BendScene, UnplacedRightAngleOpensAt135And45UnderThePunchTip) {
    Tools t;
    PartRecord part = UPart(-1, -1);
    SetProfile(part, {{100, 90, -1}, {50, 0, -1}});
    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
    EXPECT_NEAR(test::PunchTip(r.scene), 2 - 4.118, 1e-3);  // the tip rests on the sheet at the vertex
    EXPECT_EQ(t.sheet(part), "0.00,-2.12>-70.71,68.59 0.00,-2.12>35.36,33.24 ");
    EXPECT_TRUE(r.fitView);
    // Both ends of the sheet lines count for the extent.
    EXPECT_NEAR(r.scene.extent.minX, -70.7107, 1e-3);
    EXPECT_NEAR(r.scene.extent.maxY, 68.5926, 1e-3);
}

TEST(BendScene, PlacedBendIsFlatWithThePunchOpen) {
    Tools t;
    PartRecord part = UPart();
    part.bends[0].opening = 30;
    part.bends[1].opening = 50;
    // First bend of the program: no bend before it, so its own opening (tip at
    // thickness + opening); bend 1 comes later and lies flat.
    EXPECT_FLOAT_EQ(test::PunchTip(t.scene(part)), 32);
    EXPECT_EQ(t.sheet(part), "0.00,2.00>-60.00,2.00 0.00,2.00>100.00,2.00 100.00,2.00>160.00,2.00 ");
    // Second bend: the punch waits at the opening of the bend before it, and
    // bend 0, done before, is drawn bent upwards, away from the die.
    part.currentBend = 1;
    EXPECT_FLOAT_EQ(test::PunchTip(t.scene(part)), 32);
    EXPECT_EQ(t.sheet(part), "0.00,2.00>-100.00,2.00 -100.00,2.00>-100.00,62.00 0.00,2.00>60.00,2.00 ");
    // A single-bend list draws the tools only.
    part.currentBend = part.lastBend = 0;
    EXPECT_EQ(t.sheet(part), "");
}

}  // namespace
}  // namespace zelpor
