#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/JobsAndParts.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& p) { test::WriteAll(p.string(), {1, 2, 3}); }

void MakeReadOnly(const fs::path& p) {
    fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST(JobNames, AcceptsOrdinaryNamesAndRefusesThoseThatLeaveTheWorkspace) {
    for (const char* ok : {"Affaire 12", "BATI-3", "piece.v2", "Été", " lead"}) {
        EXPECT_EQ(CheckName(ok), NameProblem::None) << ok;
    }
    EXPECT_EQ(CheckName(""), NameProblem::Empty);
    EXPECT_EQ(CheckName("   "), NameProblem::OnlyBlanks);
    EXPECT_EQ(CheckName("a/b"), NameProblem::ForbiddenChar);
    EXPECT_EQ(CheckName("a\\b"), NameProblem::ForbiddenChar);
    EXPECT_EQ(CheckName("../x"), NameProblem::ForbiddenChar);  // the separator is found first
    EXPECT_EQ(CheckName(".."), NameProblem::Dots);
    EXPECT_EQ(CheckName("."), NameProblem::Dots);
    EXPECT_EQ(CheckName("a..b"), NameProblem::Dots);
    EXPECT_EQ(CheckName(".cache"), NameProblem::Dots);
    EXPECT_EQ(CheckName("?"), NameProblem::ForbiddenChar);  // the "no job" marker
    EXPECT_EQ(CheckName("a*"), NameProblem::ForbiddenChar);
    EXPECT_EQ(CheckName("C:x"), NameProblem::ForbiddenChar);
    EXPECT_EQ(CheckName("a\tb"), NameProblem::ControlChar);
    EXPECT_EQ(CheckName(std::string("a\0b", 3)), NameProblem::ControlChar);
    EXPECT_EQ(CheckName("line\n"), NameProblem::ControlChar);
}

TEST(JobNames, MessagesAreFrenchAndNameTheProblem) {
    EXPECT_EQ(NameProblemText(NameProblem::Empty, true), "Nom d'affaire obligatoire");
    EXPECT_EQ(NameProblemText(NameProblem::Empty, false), "Nom de piece obligatoire");
    EXPECT_EQ(NameProblemText(NameProblem::ForbiddenChar, false),
              "Nom invalide : les caractères / \\ : * ? \" < > | sont interdits");
    EXPECT_EQ(NameProblemText(NameProblem::Dots, true),
              "Nom invalide : un nom ne peut ni commencer par un point ni contenir ..");
    EXPECT_EQ(NameProblemText(NameProblem::None, true), "");
}

TEST(JobList, KeepsPlainFoldersSortedWithoutRegardToCase) {
    test::TempDir dir;
    for (const char* name : {"beta", "Alpha", "gamma", ".hidden", "locked"}) fs::create_directory(dir.path() / name);
    Touch(dir.path() / "a-file.txt");
    MakeReadOnly(dir.path() / "locked");
    EXPECT_EQ(ListJobs(dir.folder()), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_TRUE(ListJobs(dir.folder() + "missing/").empty());
}

TEST(PartList, ListsEveryFileWithoutItsExtension) {
    test::TempDir dir;
    Touch(dir.path() / "P1.pie");
    Touch(dir.path() / "notes.txt");
    Touch(dir.path() / "a.b.pie");
    Touch(dir.path() / "README");
    Touch(dir.path() / ".lock");
    Touch(dir.path() / "frozen.pie");
    MakeReadOnly(dir.path() / "frozen.pie");
    fs::create_directory(dir.path() / "sub");
    EXPECT_EQ(ListParts(dir.path().string()), (std::vector<std::string>{"a.b", "notes", "P1", "README"}));
    EXPECT_TRUE(ListParts(dir.file("missing")).empty());
}

TEST(Preselection, IgnoresCaseAndFallsBackToTheFirstEntry) {
    const std::vector<std::string> names{"Alpha", "beta", "Gamma"};
    EXPECT_EQ(PreselectIndex(names, "GAMMA"), 2);
    EXPECT_EQ(PreselectIndex(names, "beta"), 1);
    EXPECT_EQ(PreselectIndex(names, "delta"), 0);
    EXPECT_EQ(PreselectIndex(names, ""), 0);
    EXPECT_EQ(PreselectIndex({}, "Alpha"), -1);
}

TEST(Existence, NameMatchesTheBareNameOrAnyExtensionWithoutRegardToCase) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job1");
    fs::create_directory(dir.path() / "old.2019");
    Touch(dir.path() / "plain");
    EXPECT_TRUE(JobExists(dir.folder(), "JOB1"));
    EXPECT_TRUE(JobExists(dir.folder(), "old"));
    EXPECT_FALSE(JobExists(dir.folder(), "Job"));
    EXPECT_FALSE(JobExists(dir.folder(), "plain"));  // a file is no job

    Touch(dir.path() / "Job1" / "Bride.pie");
    Touch(dir.path() / "Job1" / "notes.txt");
    const std::string job = (dir.path() / "Job1").string();
    EXPECT_TRUE(PartExists(job, "bride"));
    EXPECT_TRUE(PartExists(job, "notes"));
    EXPECT_FALSE(PartExists(job, "Brid"));
    EXPECT_FALSE(PartExists(dir.file("none"), "Bride"));
}

TEST(SaveBeforeDialog, WritesTheCurrentPartOnlyWhenAJobIsChosen) {
    test::TempDir dir;
    AppState state;
    state.workspace.pathCustomers = dir.folder();
    state.workspace.customer = "?";
    state.workspace.part = "P1";
    EXPECT_EQ(SaveCurrentPartBeforeDialog(state), "");
    EXPECT_FALSE(fs::exists(dir.path() / "?"));

    state.workspace.customer = "J";
    state.part.thickness = 2.5f;
    EXPECT_EQ(SaveCurrentPartBeforeDialog(state), "");
    const auto bytes = test::ReadAll(dir.file("J/P1.pie"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(bytes[255 + 3], 0x40);  // 2.5f = 0x40200000, little-endian
    EXPECT_EQ(bytes[255 + 2], 0x20);
}

TEST(SaveBeforeDialog, FindsTheJobFolderWithoutRegardToCase) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Alpha");
    AppState state;
    state.workspace.pathCustomers = dir.folder();
    state.workspace.customer = "ALPHA";
    state.workspace.part = "P";
    EXPECT_EQ(SaveCurrentPartBeforeDialog(state), "");
    EXPECT_EQ(test::ReadAll(dir.file("Alpha/P.pie")).size(), 10741u);
    EXPECT_EQ(ListJobs(dir.folder()), std::vector<std::string>{"Alpha"});  // no second folder
    EXPECT_TRUE(state.readCurrentPart());
}

}  // namespace
}  // namespace zelpor
