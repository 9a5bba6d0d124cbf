#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(BendCursor, ThreeBendsAtTheEnd) {
    PartRecord p = PartWithBends(2, 2);
    EXPECT_EQ(BendPositionText(p), "3/3");
    EXPECT_FALSE(NextBend(p));
    EXPECT_EQ(BendPositionText(p), "3/3");
    EXPECT_TRUE(InsertBend(p));
    EXPECT_EQ(BendPositionText(p), "4/4");
    EXPECT_TRUE(PreviousBend(p));
    EXPECT_EQ(BendPositionText(p), "3/4");
    EXPECT_TRUE(FirstBend(p));
    EXPECT_EQ(BendPositionText(p), "1/4");
    EXPECT_FALSE(FirstBend(p));
    EXPECT_FALSE(PreviousBend(p));
    EXPECT_TRUE(NextBend(p));
    EXPECT_EQ(BendPositionText(p), "2/4");
}

TEST(BendCursor, InsertStopsAtTwentyFiveAndKeepsTheSlot) {
    PartRecord p = PartWithBends(23, 23);
    p.bends[24].angle = 123.5f;
    EXPECT_TRUE(InsertBend(p));
    EXPECT_EQ(BendPositionText(p), "25/25");
    EXPECT_EQ(p.bends[24].angle, 123.5f);  // the new last slot keeps what it held
    EXPECT_FALSE(InsertBend(p));
    EXPECT_EQ(p.lastBend, 24);
    EXPECT_EQ(p.currentBend, 24);
    // Insert moves both indexes on by one, wherever the cursor was.
    PartRecord q = PartWithBends(0, 3);
    EXPECT_TRUE(InsertBend(q));
    EXPECT_EQ(BendPositionText(q), "2/5");
}

TEST(BendCursor, NoBendShowsPasDePliThenInsertGivesOne) {
    PartRecord p = PartWithBends(-1, -1);
    EXPECT_EQ(BendPositionText(p), "pas de pli ");
    EXPECT_FALSE(NextBend(p));
    EXPECT_FALSE(FirstBend(p));
    EXPECT_TRUE(InsertBend(p));
    EXPECT_EQ(BendPositionText(p), "1/1");
}

TEST(FunctionButtons, PerFocusLevel) {
    PartRecord p = PartWithBends(0, 2);
    auto job = FunctionButtons(FocusLevel::Job, p, ViewMode::Numeric, true);
    EXPECT_EQ(job[0].caption, "Charger Affaire");
    EXPECT_EQ(job[1].caption, "Nouvelle Affaire");
    for (int i = 2; i < 8; ++i) EXPECT_FALSE(job[i].visible) << i;

    auto part = FunctionButtons(FocusLevel::Part, p, ViewMode::Numeric, true);
    EXPECT_EQ(part[0].caption, "Charger Piece");
    EXPECT_EQ(part[1].caption, "Nouvelle Piece");
    EXPECT_TRUE(part[2].visible);
    EXPECT_EQ(part[2].caption, "Supprime Piece");
    EXPECT_FALSE(part[7].visible);
    EXPECT_FALSE(FunctionButtons(FocusLevel::Part, p, ViewMode::Numeric, false)[2].visible);

    auto bend = FunctionButtons(FocusLevel::Bend, p, ViewMode::Numeric, true);
    EXPECT_EQ(bend[0].caption, "Premier Pli");
    EXPECT_EQ(bend[1].caption, "Pli Précédent");
    EXPECT_EQ(bend[2].caption, "Pli Suivant");
    EXPECT_EQ(bend[3].caption, "Insérer Pli");
    EXPECT_EQ(bend[7].caption, "Graphique");
    EXPECT_FALSE(bend[0].enabled);  // already at the first bend
    EXPECT_FALSE(bend[1].enabled);
    EXPECT_TRUE(bend[2].enabled);
    EXPECT_TRUE(bend[3].enabled);
    for (int i = 4; i < 7; ++i) EXPECT_FALSE(bend[i].visible) << i;

    p.currentBend = 2;
    auto atEnd = FunctionButtons(FocusLevel::Bend, p, ViewMode::Graphic, true);
    EXPECT_TRUE(atEnd[0].enabled);
    EXPECT_FALSE(atEnd[2].enabled);
    EXPECT_EQ(atEnd[7].caption, "Numérique");

    for (auto level : {FocusLevel::Thickness, FocusLevel::Length, FocusLevel::Material}) {
        auto f = FunctionButtons(level, p, ViewMode::Numeric, true);
        for (int i = 0; i < 7; ++i) EXPECT_FALSE(f[i].visible);
        EXPECT_TRUE(f[7].visible);
        EXPECT_EQ(f[7].caption, "Graphique");
    }
    auto punch = FunctionButtons(FocusLevel::Punch, p, ViewMode::Numeric, true);
    EXPECT_EQ(punch[0].caption, "Liste Poinçons");
    EXPECT_EQ(FunctionButtons(FocusLevel::Die, p, ViewMode::Numeric, true)[0].caption, "Liste Matrice");
    EXPECT_FALSE(punch[1].visible);
    EXPECT_TRUE(punch[7].visible);
}

TEST(SettingFields, TableIsComplete) {
    std::set<std::string> names;
    for (const auto& f : kSettingFields) names.insert(f.name);
    ASSERT_EQ(names.size(), 11u);
    for (const auto& f : kSettingFields) {
        for (const char* n : {f.down, f.up, f.left}) EXPECT_TRUE(names.count(n) || std::string(n) == "Edit3") << n;
        if (f.right) {
            EXPECT_TRUE(names.count(f.right)) << f.right;
        }
    }
    EXPECT_EQ(FindSettingField("Eangle")->fallback, 180.0f);
    EXPECT_EQ(FindSettingField("Eaxey")->fallback, 180.0f);
    EXPECT_EQ(FindSettingField("Epmh")->fallback, 100.0f);
    EXPECT_EQ(FindSettingField("Evitesse")->fallback, 10.0f);
    EXPECT_EQ(FindSettingField("Etemps_force")->fallback, 0.3f);
    EXPECT_EQ(FindSettingField("Edecompress")->fallback, 0.3f);
    EXPECT_EQ(FindSettingField("Evit_decomp")->fallback, 10.0f);
    EXPECT_EQ(FindSettingField("Eaxe1")->fallback, 0.0f);
    EXPECT_EQ(FindSettingField("Eforce")->member, &BendRecord::force);
    EXPECT_EQ(FindSettingField("Etemps_next")->member, &BendRecord::delay);
}

TEST(SettingFields, EnterWalksAllElevenAndWrapsUpWalksBack) {
    std::string path;
    const SettingField* f = FindSettingField("Eangle");
    for (int i = 0; i < 11; ++i) {
        f = FindSettingField(SettingFieldTarget(*f, NavKey::Enter, false));
        path += std::string(f->name) + " ";
    }
    EXPECT_EQ(path, "Eaxey Epmh Eaxe1 Eretract Etemps_next Eforce Evitesse Etemps_force Edecompress Evit_decomp Eangle ");
    path.clear();
    for (int i = 0; i < 11; ++i) {
        f = FindSettingField(SettingFieldTarget(*f, NavKey::Up, false));
        path += std::string(f->name) + " ";
    }
    EXPECT_EQ(path, "Evit_decomp Edecompress Etemps_force Evitesse Eforce Etemps_next Eretract Eaxe1 Epmh Eaxey Eangle ");
}

TEST(SettingFields, SideKeysAndTheEmptyDepth) {
    const SettingField& y = *FindSettingField("Eaxey");
    EXPECT_EQ(SettingFieldTarget(y, NavKey::Enter, true), nullptr);
    EXPECT_EQ(SettingFieldTarget(y, NavKey::Down, true), nullptr);
    EXPECT_STREQ(SettingFieldTarget(y, NavKey::Up, true), "Eangle");
    EXPECT_STREQ(SettingFieldTarget(*FindSettingField("Epmh"), NavKey::Enter, true), "Eaxe1");
    for (const char* n : {"Eangle", "Eaxey", "Epmh", "Eaxe1", "Eretract", "Etemps_next"})
        EXPECT_STREQ(SettingFieldTarget(*FindSettingField(n), NavKey::Left, false), "Edit3") << n;
    for (const char* n : {"Eforce", "Evitesse", "Etemps_force", "Edecompress", "Evit_decomp"})
        EXPECT_EQ(SettingFieldTarget(*FindSettingField(n), NavKey::Right, false), nullptr) << n;
    EXPECT_STREQ(SettingFieldTarget(*FindSettingField("Evit_decomp"), NavKey::Left, false), "Etemps_next");
    EXPECT_STREQ(SettingFieldTarget(*FindSettingField("Eangle"), NavKey::Right, false), "Eforce");
    EXPECT_STREQ(SettingFieldTarget(*FindSettingField("Eaxe1"), NavKey::Right, false), "Etemps_force");
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

}  // namespace
}  // namespace zelpor
