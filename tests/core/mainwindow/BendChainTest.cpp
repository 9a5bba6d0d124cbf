#include <gtest/gtest.h>

#include "calc/Formulas.h"
#include "mainwindow/BendChain.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// Thickness 2, die V 16 / 88° / radius 2, one bend of 1000 mm at 90°.
AppState BentState(const std::string& toolsFolder) {
    AppState s;
    s.workspace.pathTools = toolsFolder;
    s.part.thickness = 2;
    s.part.currentBend = 0;
    s.part.lastBend = 0;
    s.part.materialCoefficient = 45;
    s.part.bends[0].length = 1000;
    s.part.bends[0].angle = 90;
    s.die.record.vOpening = 16;
    s.die.record.vAngle = 88;
    s.die.record.entryRadius = 2;
    return s;
}

TEST(SettingStore, ParsedFallbackOrNothing) {
    PartRecord p;
    const SettingField& speed = *FindSettingField("Evitesse");
    EXPECT_TRUE(StoreSettingText(p, speed, "12.5"));
    EXPECT_EQ(p.bends[0].speed, 12.5f);
    EXPECT_TRUE(StoreSettingText(p, speed, "1.2.3"));
    EXPECT_EQ(p.bends[0].speed, 10.0f);
    EXPECT_FALSE(StoreSettingText(p, speed, ""));
    EXPECT_EQ(p.bends[0].speed, 10.0f);
    EXPECT_TRUE(StoreSettingText(p, *FindSettingField("Etemps_force"), "."));
    EXPECT_EQ(p.bends[0].pressTime, 0.3f);
    p.currentBend = p.lastBend = -1;
    EXPECT_FALSE(StoreSettingText(p, speed, "5"));
}

TEST(BendChainTest, AngleGivesYDepth) {
    test::TempDir dir;
    AppState s = BentState(dir.folder());
    ASSERT_TRUE(RecomputeYDepth(s));
    EXPECT_NEAR(s.part.bends[0].y, 4.118, 5e-4);
    s.part.bends[0].angle = 180;  // what "abc" stores
    RecomputeYDepth(s);
    EXPECT_EQ(s.part.bends[0].y, 0);
    s.part.currentBend = s.part.lastBend = -1;
    EXPECT_FALSE(RecomputeYDepth(s));
}

TEST(BendChainTest, ForceNeedsADieAndUsesTheTableWhenThere) {
    test::TempDir dir;
    AppState s = BentState(dir.folder());
    // No material table: the coefficient in memory counts.
    EXPECT_NEAR(UpdateBendForceValue(s).value(), 3.2175, 5e-4);
    EXPECT_NEAR(s.part.bends[0].force, 3.2175, 5e-4);

    std::array<MaterialRecord, kMaterialRecords> table{};
    table[0].name.assign("Acier");
    table[0].coefficient = 225;
    test::WriteAll(dir.file("material.dat"), EncodeMaterialTable(table));
    s.part.material.assign("Acier");
    EXPECT_NEAR(UpdateBendForceValue(s).value(), 16.09, 5e-3);

    s.part.bends[0].force = 7;
    s.die.record.vOpening = 0;
    EXPECT_FALSE(UpdateBendForceValue(s));
    EXPECT_EQ(s.part.bends[0].force, 7);
}

TEST(BendChainTest, ThicknessRecomputesForceYAndDeduction) {
    test::TempDir dir;
    AppState s = BentState(dir.folder());
    s.part.thickness = 1;
    const ThicknessOutcome out = ThicknessChanged(s, "2");
    EXPECT_EQ(s.part.thickness, 2.0f);
    ASSERT_TRUE(out.force);
    EXPECT_NEAR(*out.force, 3.2175, 5e-4);
    EXPECT_TRUE(out.yChanged);
    EXPECT_NEAR(s.part.bends[0].y, 4.118, 5e-4);
    ASSERT_TRUE(out.deduction);
    EXPECT_NEAR(*out.deduction, 4.019, 5e-4);

    ThicknessChanged(s, "1.2.3");
    EXPECT_EQ(s.part.thickness, 0.1f);
}

TEST(BendChainTest, ThicknessWithoutBendChangesOnlyTheThickness) {
    test::TempDir dir;
    AppState s = BentState(dir.folder());
    s.part.currentBend = s.part.lastBend = -1;
    const BendRecord before = s.part.bends[0];
    const ThicknessOutcome out = ThicknessChanged(s, "3");
    EXPECT_EQ(s.part.thickness, 3.0f);
    EXPECT_FALSE(out.force);
    EXPECT_FALSE(out.yChanged);
    EXPECT_FALSE(out.deduction);
    EXPECT_EQ(s.part.bends[0], before);
}

TEST(BendChainTest, LengthStoresAndRecomputesForceOnly) {
    test::TempDir dir;
    AppState s = BentState(dir.folder());
    s.part.bends[0].y = 99;
    EXPECT_NEAR(LengthChanged(s, "500").value(), 3.2175 / 2, 5e-4);
    EXPECT_EQ(s.part.bends[0].length, 500.0f);
    EXPECT_EQ(s.part.bends[0].y, 99);
    LengthChanged(s, "x");
    EXPECT_EQ(s.part.bends[0].length, 0.1f);
    EXPECT_FALSE(LengthChanged(s, ""));
}

}  // namespace
}  // namespace zelpor
