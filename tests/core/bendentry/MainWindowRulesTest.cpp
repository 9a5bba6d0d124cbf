#include <gtest/gtest.h>

#include "core/calc/Formulas.h"
#include "core/bendentry/BendChain.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// Thickness 2, die V 16 / 88° / radius 2, one bend of 1000 mm at 90°.
class BendChainTest : public ::testing::Test {
protected:
    BendChainTest() {
        s.workspace.pathTools = dir.folder();
        s.part.thickness = 2;
        s.part.currentBend = s.part.lastBend = 0;
        s.part.materialCoefficient = 45;
        s.part.bends[0].length = 1000, s.part.bends[0].angle = 90;
        s.die.record.vOpening = 16, s.die.record.vAngle = 88, s.die.record.entryRadius = 2;
    }
    test::TempDir dir;
    AppState s;
};

TEST_F(BendChainTest, ForceNeedsADieAndUsesTheTableWhenThere) {
    // No material table: the coefficient in memory counts.
    EXPECT_NEAR(UpdateBendForceValue(s).value(), 3.2175, 5e-4);
    std::array<MaterialRecord, kMaterialRecords> table{};
    table[0].name.assign("Acier");
    table[0].coefficient = 225;
    test::WriteAll(dir.file("material.dat"), EncodeMaterialTable(table));
    s.part.material.assign("Acier");
    EXPECT_NEAR(UpdateBendForceValue(s).value(), 16.09, 5e-3);
    s.part.bends[0].force = 7;
    s.die.record.vOpening = 0;  // no V: no force rather than a division by zero
    EXPECT_FALSE(UpdateBendForceValue(s));
    EXPECT_EQ(s.part.bends[0].force, 7);
}

TEST_F(BendChainTest, ThicknessAndLengthRecomputeWhatDependsOnThem) {
    s.part.thickness = 1;
    s.part.bends[0].y = 99;
    EXPECT_NEAR(LengthChanged(s, "500").value(), 3.2175 / 8, 5e-4);  // half the length, half the sheet squared
    EXPECT_EQ(s.part.bends[0].y, 99);                                // the length does not move Y
    const ThicknessOutcome out = ThicknessChanged(s, "2");
    EXPECT_NEAR(out.force.value(), 3.2175 / 2, 5e-4);
    EXPECT_NEAR(s.part.bends[0].y, 4.118, 5e-4);
    EXPECT_NEAR(out.deduction.value(), 4.019, 5e-4);
    // Unreadable texts give the smallest sheet and length; an empty length nothing.
    ThicknessChanged(s, "1.2.3");
    LengthChanged(s, "x");
    EXPECT_EQ(s.part.thickness, 0.1f);
    EXPECT_EQ(s.part.bends[0].length, 0.1f);
    EXPECT_FALSE(LengthChanged(s, ""));

    // Without a bend only the thickness changes.
    s.part.currentBend = s.part.lastBend = -1;
    const BendRecord before = s.part.bends[0];
    const ThicknessOutcome none = ThicknessChanged(s, "3");
    EXPECT_EQ(s.part.thickness, 3.0f);
    EXPECT_FALSE(none.force || none.yChanged || none.deduction);
    EXPECT_EQ(s.part.bends[0], before);
    EXPECT_FALSE(RecomputeYDepth(s));
}

}  // namespace
}  // namespace zelpor
