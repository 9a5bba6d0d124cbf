#include <gtest/gtest.h>

#include <string>

#include "calc/Formulas.h"
#include "mainwindow/BendChain.h"
#include "mainwindow/BendCursor.h"
#include "mainwindow/FunctionButtons.h"
#include "mainwindow/PartFiles.h"
#include "mainwindow/SettingFields.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

PartRecord PartWithBends(int current, int last) {
    PartRecord p;
    p.currentBend = current;
    p.lastBend = last;
    return p;
}

TEST(BendCursor, InsertStopsAtTwentyFiveAndKeepsTheSlot) {
    PartRecord p = PartWithBends(23, 23);
    p.bends[24].angle = 123.5f;
    EXPECT_TRUE(InsertBend(p));
    EXPECT_EQ(BendPositionText(p), "25/25");
    EXPECT_EQ(p.bends[24].angle, 123.5f);  // the new last slot keeps what it held
    EXPECT_FALSE(InsertBend(p));
    EXPECT_EQ(BendPositionText(p), "25/25");
    // Insert moves both indexes on by one, wherever the cursor was.
    PartRecord q = PartWithBends(0, 3);
    EXPECT_FALSE(PreviousBend(q));
    EXPECT_TRUE(InsertBend(q));
    EXPECT_EQ(BendPositionText(q), "2/5");
    PartRecord none = PartWithBends(-1, -1);
    EXPECT_FALSE(NextBend(none) || FirstBend(none) || PreviousBend(none));
    EXPECT_EQ(BendPositionText(none), "pas de pli ");
}

TEST(FunctionButtons, CaptionsAndStatesPerFocusLevel) {
    const PartRecord first = PartWithBends(0, 2), last = PartWithBends(2, 2);
    // Visible buttons, "-" before a disabled one.
    struct Row { FocusLevel level; const PartRecord* part; ViewMode mode; const char* captions; };
    const Row rows[] = {
        {FocusLevel::Job, &first, ViewMode::Numeric, "Charger Affaire|Nouvelle Affaire|"},
        {FocusLevel::Part, &first, ViewMode::Numeric, "Charger Piece|Nouvelle Piece|Supprime Piece|"},
        {FocusLevel::Bend, &first, ViewMode::Numeric, "-Premier Pli|-Pli Précédent|Pli Suivant|Insérer Pli|Graphique|"},
        {FocusLevel::Bend, &last, ViewMode::Graphic, "Premier Pli|Pli Précédent|-Pli Suivant|Insérer Pli|Numérique|"},
        {FocusLevel::Thickness, &first, ViewMode::Numeric, "Graphique|"},
        {FocusLevel::Length, &first, ViewMode::Numeric, "Graphique|"},
        {FocusLevel::Material, &first, ViewMode::Numeric, "Graphique|"},
        {FocusLevel::Punch, &first, ViewMode::Numeric, "Liste Poinçons|Graphique|"},
        {FocusLevel::Die, &first, ViewMode::Numeric, "Liste Matrice|Graphique|"},
    };
    for (const Row& row : rows) {
        std::string shown;
        for (const auto& b : FunctionButtons(row.level, *row.part, row.mode, true))
            if (b.visible) shown += (b.enabled ? "" : "-") + std::string(b.caption) + "|";
        EXPECT_EQ(shown, row.captions);
    }
    // Nothing to delete in an empty job folder.
    EXPECT_FALSE(FunctionButtons(FocusLevel::Part, first, ViewMode::Numeric, false)[2].visible);
}

TEST(SettingFields, FallbacksAndSideKeys) {
    const std::pair<const char*, float> fallbacks[] = {
        {"Eangle", 180}, {"Eaxey", 180}, {"Epmh", 100}, {"Evitesse", 10}, {"Etemps_force", 0.3f},
        {"Edecompress", 0.3f}, {"Evit_decomp", 10}, {"Eaxe1", 0}};
    for (const auto& [name, value] : fallbacks) EXPECT_EQ(FindSettingField(name)->fallback, value) << name;
    EXPECT_EQ(FindSettingField("Eforce")->member, &BendRecord::force);
    EXPECT_EQ(FindSettingField("Etemps_next")->member, &BendRecord::delay);

    auto target = [](const char* from, NavKey k, bool empty = false) {
        const char* to = SettingFieldTarget(*FindSettingField(from), k, empty);
        return std::string(to ? to : "-");
    };
    EXPECT_EQ(target("Epmh", NavKey::Enter, true), "Eaxe1");  // only an empty Y holds the focus
    EXPECT_EQ(target("Evit_decomp", NavKey::Left), "Etemps_next");
    EXPECT_EQ(target("Eaxe1", NavKey::Right), "Etemps_force");
    EXPECT_EQ(target("Evit_decomp", NavKey::Right), "-");
}

TEST(NumberEntry, AcceptsDigitsPointBackspaceOnly) {
    for (char32_t c : std::u32string_view(U"0123456789.\b")) EXPECT_TRUE(IsNumberEntryChar(c));
    for (char32_t c : std::u32string_view(U",-+eEa ")) EXPECT_FALSE(IsNumberEntryChar(c)) << static_cast<int>(c);
}

TEST(PartFiles, DeletionStaysInsideTheJob) {
    Workspace ws{"/root/", "Job", "P", "/tools/"};
    EXPECT_EQ(PartFileToDelete(ws, "P1").value_or(""), PartFilePath("/root/", "Job", "P1.pie"));
    for (const char* bad : {"", "  ", "../x", "a/b", "a\\b", "..", "x\ny"}) EXPECT_FALSE(PartFileToDelete(ws, bad)) << bad;
    ws.customer = "?";
    EXPECT_FALSE(PartFileToDelete(ws, "P1"));
}

TEST(PartFiles, JobFolderHasFiles) {
    test::TempDir dir;
    Workspace ws{dir.folder(), "Job", "", ""};
    std::filesystem::create_directories(dir.path() / "Job" / "sub");
    EXPECT_FALSE(JobFolderHasFiles(ws));
    test::WriteAll(dir.file("Job/a.pie"), {1});
    EXPECT_TRUE(JobFolderHasFiles(ws));
    ws.customer = "?";
    EXPECT_FALSE(JobFolderHasFiles(ws));
}

// The window tests cover typed values; here the corners they do not reach.
TEST(SettingStore, FallbackOrNothing) {
    PartRecord p;
    EXPECT_TRUE(StoreSettingText(p, *FindSettingField("Etemps_force"), "."));
    EXPECT_EQ(p.bends[0].pressTime, 0.3f);
    EXPECT_FALSE(StoreSettingText(p, *FindSettingField("Evitesse"), ""));
    p.currentBend = p.lastBend = -1;
    EXPECT_FALSE(StoreSettingText(p, *FindSettingField("Evitesse"), "5"));
}

// Thickness 2, die V 16 / 88° / radius 2, one bend of 1000 mm at 90°.
class BendChainTest : public ::testing::Test {
protected:
    BendChainTest() {
        s.workspace.pathTools = dir.folder();
        s.part.thickness = 2;
        s.part.currentBend = s.part.lastBend = 0;
        s.part.materialCoefficient = 45;
        s.part.bends[0].length = 1000;
        s.part.bends[0].angle = 90;
        s.die.record.vOpening = 16;
        s.die.record.vAngle = 88;
        s.die.record.entryRadius = 2;
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
    EXPECT_EQ(s.part.bends[0].y, 99);  // the length does not move Y
    const ThicknessOutcome out = ThicknessChanged(s, "2");
    EXPECT_NEAR(out.force.value(), 3.2175 / 2, 5e-4);
    EXPECT_TRUE(out.yChanged);
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
