#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/bendview/BendScene.h"
#include "core/bendview/BendViewZoom.h"
#include "core/calc/Formulas.h"
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
    // The lines of one group ("Die", "Pun", "Piece") to 0.01 mm: "x1,y1>x2,y2".
    std::vector<std::string> lines(const PartRecord& part, const std::string& name) const {
        std::vector<std::string> out;
        char s[80];
        for (const OutlineElement& e : BuildBendScene(part, punch, die).scene.elements) {
            if (e.name.str() != name) continue;
            std::snprintf(s, sizeof s, "%.2f,%.2f>%.2f,%.2f", e.x1 + 0.0, e.y1 + 0.0, e.x2 + 0.0, e.y2 + 0.0);
            out.push_back(s);
        }
        return out;
    }
    std::string all(const PartRecord& part, const std::string& name) const {
        std::string out;
        for (const std::string& l : lines(part, name)) out += l + " ";
        return out;
    }
};

// Only the yellow "pli non graphique" at (-50, 0), 25 high, and no refit.
void ExpectNoGraphicText(const BendSceneResult& r) {
    ASSERT_EQ(r.scene.elements.size(), 1u);
    const OutlineElement& e = r.scene.elements[0];
    EXPECT_EQ((std::tuple{e.type, e.colour, e.name.str(), r.scene.textOf(e), r.fitView}),
              (std::tuple{kText, Rgb(255, 255, 0), std::string("Piece"), std::string("pli non graphique"), false}));
    EXPECT_EQ((std::vector<float>{e.x1, e.y1, e.a1, e.h}), (std::vector<float>{-50, 0, 0, 25}));
}

// A two-bend U at program position `current`; order -1 leaves both unplaced.
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

// Y = 4.118 for 90° on the V16: the flanks start at thickness - Y.
TEST(BendScene, UnplacedRightAngleOpensAt135And45UnderThePunchTip) {
    Tools t;
    PartRecord part = UPart(-1, -1);
    SetProfile(part, {{100, 90, -1}, {50, 0, -1}});
    // The punch tip rests on the sheet at the vertex.
    EXPECT_EQ(t.lines(part, "Pun").at(3), "0.00,-2.12>-13.00,11.34");
    EXPECT_EQ(t.all(part, "Piece"), "0.00,-2.12>-70.71,68.59 0.00,-2.12>35.36,33.24 ");
    const BendSceneResult r = BuildBendScene(part, t.punch, t.die);
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
    EXPECT_EQ(t.lines(part, "Pun").at(3).substr(0, 10), "0.00,32.00");
    EXPECT_EQ(t.all(part, "Piece"), "0.00,2.00>-60.00,2.00 0.00,2.00>100.00,2.00 100.00,2.00>160.00,2.00 ");
    // Second bend: the punch waits at the opening of the bend before it, and
    // bend 0, done before, is drawn bent upwards, away from the die.
    part.currentBend = 1;
    EXPECT_EQ(t.lines(part, "Pun").at(3).substr(0, 10), "0.00,32.00");
    EXPECT_EQ(t.all(part, "Piece"), "0.00,2.00>-100.00,2.00 -100.00,2.00>-100.00,62.00 0.00,2.00>60.00,2.00 ");
    // A single-bend list draws the tools only.
    part.currentBend = part.lastBend = 0;
    EXPECT_EQ(t.all(part, "Piece"), "");
}

Extent Box(float minX, float minY, float maxX, float maxY) {
    Extent e;
    e.add(minX, minY);
    e.add(maxX, maxY);
    return e;
}

// "world origin | viewport origin | world extent | viewport extent", one
// string so a whole view compares (and fails) at once.
std::string Describe(const ViewTransform& v) {
    char s[160];
    std::snprintf(s, sizeof s, "%g,%g | %d,%d | %g,%g | %g,%g", v.worldOriginX, v.worldOriginY, v.viewportOriginX,
                  v.viewportOriginY, v.worldExtentX, v.worldExtentY, v.viewportExtentX, v.viewportExtentY);
    return s;
}

// A view moved away from the defaults: the fit replaces all of it.
ViewTransform Panned() {
    ViewTransform v = InitialBendView();
    v.worldOriginX = 12, v.worldOriginY = -7, v.viewportExtentX = 2000, v.viewportExtentY = -2000;
    return v;
}

TEST(FitBendView, CentresTheVertexAndScalesWithin32Times) {
    struct Row {
        Extent extent;
        const char* view;
    };
    const Row rows[] = {
        {Box(-100, -50, 100, 80), "0,0 | 279,204 | 1000,1000 | 2487,-2487"},           // 199 / 80: the height decides
        {Box(-0.5f, -0.5f, 0.5f, 0.25f), "0,0 | 279,204 | 1000,1000 | 32000,-32000"},  // enlarged at most 32x
        {Box(-100000, -5, 100000, 5), "0,0 | 279,204 | 32000,32000 | 1000,-1000"},     // shrunk at most 32x
        {Box(-10, 0, 10, 0), "0,0 | 279,204 | 1000,1000 | 27400,-27400"},              // on the x axis: the width alone
    };
    for (const Row& row : rows) {
        ViewTransform v = Panned();
        ASSERT_TRUE(FitBendView(row.extent, 559, 408, v));
        EXPECT_EQ(Describe(v), row.view);
    }
}

}  // namespace
}  // namespace zelpor
