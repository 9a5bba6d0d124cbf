#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/NewPart.h"
#include "io/Files.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

constexpr long long kNow = 1700000000;  // a fixed moment for the dated comment

// Stands for the new-job dialog and the "overwrite?" question.
struct FakePrompts final : NewPartPrompts {
    void openNewJob() override {
        if (++newJobOpened, !jobToCreate.empty()) state->workspace.customer = jobToCreate;
    }
    bool confirmOverwrite() override { return ++overwriteAsked, overwrite; }
    AppState* state = nullptr;
    std::string jobToCreate;
    bool overwrite = false;
    int newJobOpened = 0, overwriteAsked = 0;
};

struct NewPartFixture : ::testing::Test {
    void SetUp() override {
        state.workspace = {dir.folder(), "J1", "OLD", ""};
        fs::create_directory(dir.path() / "J1");
        state.part.thickness = 3.0f;
        state.part.currentBend = 4;
        state.part.lastBend = 6;
        prompts.state = &state;
    }
    NewPartResult ok(const std::string& name, ProgramType type = ProgramType::NumericSequence,
                     const std::string& comment = "", bool jobInUse = true) {
        return NewPartOk(state, flags, NewPartInput{name, comment, jobInUse, type, kNow}, prompts);
    }
    test::TempDir dir;
    AppState state;
    NewPartFlags flags;
    FakePrompts prompts;
};

// The header itself is proved with the part file; here what the dialog adds.
TEST_F(NewPartFixture, FirstOkShowsTheDatedCommentSecondCreatesThePart) {
    auto r = ok("P2");
    EXPECT_EQ(r.outcome, NewPartOutcome::CommentShown);
    EXPECT_EQ(r.comment, CtimeText(kNow));
    EXPECT_TRUE(flags.commentTyped);
    EXPECT_EQ(state.workspace.part, "P2");
    EXPECT_FALSE(fs::exists(dir.path() / "J1" / "P2.pie"));

    r = ok("P2", ProgramType::NumericSequence, r.comment);  // as shown
    EXPECT_EQ((std::pair{r.outcome, r.code}), (std::pair{NewPartOutcome::Created, 82}));
    EXPECT_EQ(prompts.newJobOpened, 0);
    const auto bytes = test::ReadAll(dir.file("J1/P2.pie"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 26), CtimeText(kNow) + '\0');
    EXPECT_EQ(bytes[298], 0);  // not a graphic profile
    // One bend; the sheet of the part that was current.
    EXPECT_EQ((std::array{state.part.currentBend, state.part.lastBend}), (std::array{0, 0}));
    EXPECT_FLOAT_EQ(state.part.thickness, 3.0f);
}

TEST_F(NewPartFixture, TypedCommentCreatesAtOnceOrStaysWithoutProgramType) {
    flags.commentTyped = true;
    auto r = ok("G", ProgramType::GraphicProfile, "Capot");
    EXPECT_EQ((std::pair{r.outcome, r.code}), (std::pair{NewPartOutcome::Created, 80}));
    const auto bytes = test::ReadAll(dir.file("J1/G.pie"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), std::string("Capot\0", 6));
    EXPECT_EQ(bytes[298], 1);  // graphic-profile flag
    ok("E");
    EXPECT_EQ(state.part.comment.str(), "");
    // Without a program type the part is written but the dialog stays open.
    r = ok("N", ProgramType::None);
    EXPECT_EQ((std::pair{r.outcome, r.code}), (std::pair{NewPartOutcome::NoProgramType, 0}));
    EXPECT_TRUE(fs::exists(dir.path() / "J1" / "N.pie"));
}

TEST_F(NewPartFixture, ExistingPartIsReplacedOnlyAfterYes) {
    const std::vector<std::uint8_t> old(12000, 0xAB);
    test::WriteAll(dir.file("J1/P.pie"), old);
    flags.commentTyped = true;
    EXPECT_EQ(ok("p").outcome, NewPartOutcome::KeptExisting);  // any case finds it
    EXPECT_EQ(test::ReadAll(dir.file("J1/P.pie")), old);
    EXPECT_EQ(state.workspace.part, "OLD");

    prompts.overwrite = true;
    EXPECT_EQ(ok("P").outcome, NewPartOutcome::Created);
    EXPECT_EQ(prompts.overwriteAsked, 2);
    EXPECT_FALSE(flags.nameTyped);
    // Deleted first, so the old file's longer tail is gone too.
    EXPECT_EQ(test::ReadAll(dir.file("J1/P.pie")).size(), 10741u);

    // A read-only part is neither deleted nor overwritten, even after Yes.
    test::WriteAll(dir.file("J1/Q.pie"), old);
    fs::permissions(dir.path() / "J1" / "Q.pie", fs::perms::owner_read | fs::perms::group_read);
    flags.nameTyped = true;
    EXPECT_EQ(ok("Q").failedPath, dir.file("J1/Q.pie"));
    EXPECT_EQ(prompts.overwriteAsked, 3);
    EXPECT_EQ(test::ReadAll(dir.file("J1/Q.pie")), old);
}

// The name rule itself is a table of its own; here that a refused name writes nothing.
TEST_F(NewPartFixture, RefusedNamesTouchNothing) {
    test::WriteAll(dir.file("x.pie"), {7});
    fs::create_directory(dir.path() / "J1" / "a");
    for (const char* name : {"", "../x", "a/b"}) {
        flags = NewPartFlags{true, true};
        const auto r = ok(name);
        EXPECT_EQ(r.outcome, NewPartOutcome::BadName) << name;
        EXPECT_NE(r.nameProblem, NameProblem::None) << name;
    }
    EXPECT_EQ(test::ReadAll(dir.file("x.pie")), std::vector<std::uint8_t>{7});
    EXPECT_TRUE(fs::is_empty(dir.path() / "J1" / "a"));
    EXPECT_EQ(state.workspace.part, "OLD");
    EXPECT_EQ(state.part.currentBend, 4);
}

TEST_F(NewPartFixture, MissingOrUncheckedJobOpensTheNewJobDialogFirst) {
    flags.commentTyped = true;
    prompts.jobToCreate = "J2";
    fs::create_directory(dir.path() / "J2");
    EXPECT_EQ(ok("P", ProgramType::NumericSequence, "", false).outcome, NewPartOutcome::Created);
    EXPECT_EQ(prompts.newJobOpened, 1);
    EXPECT_TRUE(fs::exists(dir.path() / "J2" / "P.pie"));
    // Still no job afterwards: nothing is written into a folder named "?".
    state.workspace.customer = "?";
    prompts.jobToCreate.clear();
    EXPECT_EQ(ok("Q").outcome, NewPartOutcome::NoJob);
    EXPECT_FALSE(fs::exists(dir.path() / "?"));
}

}  // namespace
}  // namespace zelpor
