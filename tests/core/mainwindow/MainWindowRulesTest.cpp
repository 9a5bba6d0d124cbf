#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zelpor
