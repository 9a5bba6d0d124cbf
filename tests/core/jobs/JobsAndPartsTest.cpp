#include <gtest/gtest.h>

#include <filesystem>

#include "core/jobs/JobsAndParts.h"
#include "core/jobs/NewPart.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

constexpr long long kNow = 1700000000;  // a fixed moment for the dated comment

// Stands for the new-job dialog and the "overwrite?" question.
struct FakePrompts final : NewPartPrompts {
    void openNewJob() override {}
    bool confirmOverwrite() override { return ++overwriteAsked, overwrite; }
    bool overwrite = false;
    int overwriteAsked = 0;
};

TEST(NewPartFlow, ExistingPartIsReplacedOnlyAfterYes) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "J1");
    AppState state;
    state.workspace = {dir.folder(), "J1", "OLD", ""};
    NewPartFlags flags;
    FakePrompts prompts;
    const auto ok = [&](const std::string& name) {
        return NewPartOk(state, flags, NewPartInput{name, "", true, ProgramType::NumericSequence, kNow}, prompts);
    };
    const std::vector<std::uint8_t> old(12000, 0xAB);
    test::WriteAll(dir.file("J1/P.pie"), old);
    flags.commentTyped = true;
    EXPECT_EQ(ok("p").outcome, NewPartOutcome::KeptExisting);  // any case finds it
    EXPECT_EQ(test::ReadAll(dir.file("J1/P.pie")), old);

    // A read-only part is neither deleted nor overwritten, even after Yes.
    prompts.overwrite = true;
    test::WriteAll(dir.file("J1/Q.pie"), old);
    test::MakeReadOnly(dir.path() / "J1" / "Q.pie");
    flags.nameTyped = true;
    EXPECT_EQ(ok("Q").failedPath, dir.file("J1/Q.pie"));
    EXPECT_EQ(prompts.overwriteAsked, 2);
    EXPECT_EQ(test::ReadAll(dir.file("J1/Q.pie")), old);
}

void Touch(const fs::path& p) { test::WriteAll(p.string(), {1, 2, 3}); }

TEST(JobNames, NamesThatWouldLeaveTheWorkspaceAreRefused) {
    using P = NameProblem;
    const auto expect = [](std::initializer_list<std::string> names, P problem) {
        for (const std::string& name : names) EXPECT_EQ(CheckName(name), problem) << name;
    };
    expect({"Affaire 12", "piece.v2", "Été", " lead"}, P::None);
    expect({"a/b", "a\\b", "../x", "?", "a*", "C:x"}, P::ForbiddenChar);  // "?" marks "no job"
    expect({"..", ".", "a..b", ".cache"}, P::Dots);
    expect({"a\tb", std::string("a\0b", 3)}, P::ControlChar);
    expect({""}, P::Empty);
    expect({"   "}, P::OnlyBlanks);
}

TEST(JobsAndParts, ListsExistenceAndPreselectionIgnoreCase) {
    test::TempDir dir;
    for (const char* name : {"beta", "Alpha", "old.2019", ".hidden", "locked", "A_B", "AB"})
        fs::create_directory(dir.path() / name);
    Touch(dir.path() / "plain");
    test::MakeReadOnly(dir.path() / "locked");  // a job one cannot write into is no job
    EXPECT_EQ(ListJobs(dir.folder()), (std::vector<std::string>{"AB", "Alpha", "A_B", "beta", "old.2019"}));
    EXPECT_TRUE(ListJobs(dir.folder() + "missing/").empty());
    EXPECT_TRUE(JobExists(dir.folder(), "ALPHA"));
    EXPECT_FALSE(JobExists(dir.folder(), "plain"));  // a file is no job

    const fs::path job = dir.path() / "Alpha";
    for (const char* f : {"P1.pie", "notes.txt", "a.b.pie", "README", ".lock", "frozen.pie"}) Touch(job / f);
    test::MakeReadOnly(job / "frozen.pie");
    fs::create_directory(job / "sub");
    EXPECT_EQ(ListParts(job.string()), (std::vector<std::string>{"a.b", "notes", "P1", "README"}));
    EXPECT_TRUE(PartExists(job.string(), "p1"));
    EXPECT_FALSE(PartExists(job.string(), "P"));

    const std::vector<std::string> names{"Alpha", "beta", "Gamma"};
    EXPECT_EQ(PreselectIndex(names, "GAMMA"), 2);
    EXPECT_EQ(PreselectIndex(names, "delta"), 0);
}

TEST(SaveBeforeDialog, WritesTheCurrentPartOnlyWhenAJobIsChosen) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Alpha");
    AppState state;
    state.workspace = {dir.folder(), "?", "P1", ""};
    EXPECT_EQ(SaveCurrentPartBeforeDialog(state), "");
    EXPECT_FALSE(fs::exists(dir.path() / "?"));

    state.workspace.customer = "ALPHA";  // found without regard to case, no second folder
    state.part.thickness = 2.5f;
    EXPECT_EQ(SaveCurrentPartBeforeDialog(state), "");
    EXPECT_EQ(test::ReadAll(dir.file("Alpha/P1.pie")), EncodePart(state.part));
    EXPECT_EQ(ListJobs(dir.folder()), std::vector<std::string>{"Alpha"});
}

}  // namespace
}  // namespace zelpor
