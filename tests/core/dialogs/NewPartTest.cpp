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
        state.workspace.pathCustomers = dir.folder();
        state.workspace.customer = "J1";
        state.workspace.part = "OLD";
        fs::create_directory(dir.path() / "J1");
        state.part.thickness = 3.0f;
        state.part.material.assign("Inox");
        state.part.currentBend = 4;
        state.part.lastBend = 6;
        state.part.bends[0].angle = 90.0f;
        prompts.state = &state;
    }
    NewPartInput Input(const std::string& name, ProgramType type = ProgramType::NumericSequence,
                       const std::string& comment = "") {
        NewPartInput in;
        in.name = name;
        in.type = type;
        in.comment = comment;
        in.now = kNow;
        return in;
    }
    test::TempDir dir;
    AppState state;
    NewPartFlags flags;
    FakePrompts prompts;
};

TEST_F(NewPartFixture, FirstOkShowsTheDatedCommentSecondCreatesThePart) {
    auto r = NewPartOk(state, flags, Input("P2"), prompts);
    EXPECT_EQ(r.outcome, NewPartOutcome::CommentShown);
    EXPECT_EQ(r.comment, CtimeText(kNow));
    EXPECT_TRUE(flags.commentTyped);
    EXPECT_EQ(state.workspace.part, "P2");
    EXPECT_FALSE(fs::exists(dir.path() / "J1" / "P2.pie"));

    r = NewPartOk(state, flags, Input("P2", ProgramType::NumericSequence, r.comment), prompts);  // as shown
    EXPECT_EQ(r.outcome, NewPartOutcome::Created);
    EXPECT_EQ(r.code, 82);
    EXPECT_EQ(prompts.newJobOpened, 0);

    const auto bytes = test::ReadAll(dir.file("J1/P2.pie"));
    ASSERT_EQ(bytes.size(), 10741u);
    const std::string date = CtimeText(kNow);
    ASSERT_EQ(date.size(), 25u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 255), date + '\0' + std::string(229, '*'));
    // One bend, the thickness, material and bends of the part that was current.
    EXPECT_EQ(state.part.currentBend, 0);
    EXPECT_EQ(state.part.lastBend, 0);
    EXPECT_EQ(bytes[298], 0);  // not a graphic profile
    EXPECT_FLOAT_EQ(state.part.thickness, 3.0f);
    EXPECT_EQ(state.part.material.str(), "Inox");
    EXPECT_FLOAT_EQ(state.part.bends[0].angle, 90.0f);
}

TEST_F(NewPartFixture, TypedCommentCreatesAtOnceCutToTheFieldOrEmpty) {
    flags.commentTyped = true;
    const auto r = NewPartOk(state, flags, Input("G", ProgramType::GraphicProfile, std::string(300, 'c')), prompts);
    EXPECT_EQ(r.outcome, NewPartOutcome::Created);
    EXPECT_EQ(r.code, 80);
    const auto bytes = test::ReadAll(dir.file("J1/G.pie"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 255), std::string(254, 'c') + '\0');
    EXPECT_EQ(bytes[298], 1);  // graphic-profile flag

    NewPartOk(state, flags, Input("E"), prompts);
    EXPECT_EQ(state.part.comment.str(), "");
    // Without a program type the part is written but the dialog stays open.
    const auto none = NewPartOk(state, flags, Input("N", ProgramType::None), prompts);
    EXPECT_EQ(none.outcome, NewPartOutcome::NoProgramType);
    EXPECT_EQ(none.code, 0);
    EXPECT_TRUE(fs::exists(dir.path() / "J1" / "N.pie"));
}

TEST_F(NewPartFixture, ExistingPartIsReplacedOnlyAfterYes) {
    const std::vector<std::uint8_t> old(12000, 0xAB);
    test::WriteAll(dir.file("J1/P.pie"), old);
    flags.commentTyped = true;

    prompts.overwrite = false;
    auto r = NewPartOk(state, flags, Input("p"), prompts);  // any case finds it
    EXPECT_EQ(r.outcome, NewPartOutcome::KeptExisting);
    EXPECT_EQ(test::ReadAll(dir.file("J1/P.pie")), old);
    EXPECT_EQ(state.workspace.part, "OLD");

    prompts.overwrite = true;
    r = NewPartOk(state, flags, Input("P"), prompts);
    EXPECT_EQ(r.outcome, NewPartOutcome::Created);
    EXPECT_EQ(prompts.overwriteAsked, 2);
    EXPECT_FALSE(flags.nameTyped);
    // Deleted first, so the old file's longer tail is gone too.
    EXPECT_EQ(test::ReadAll(dir.file("J1/P.pie")).size(), 10741u);

    // A read-only part is neither deleted nor overwritten, even after Yes.
    test::WriteAll(dir.file("J1/Q.pie"), old);
    fs::permissions(dir.path() / "J1" / "Q.pie", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    flags.nameTyped = true;
    r = NewPartOk(state, flags, Input("Q"), prompts);
    EXPECT_EQ(prompts.overwriteAsked, 3);
    EXPECT_EQ(r.failedPath, dir.file("J1/Q.pie"));
    EXPECT_EQ(test::ReadAll(dir.file("J1/Q.pie")), old);
}

TEST_F(NewPartFixture, RefusedNamesTouchNothing) {
    test::WriteAll(dir.file("x.pie"), {7});
    fs::create_directory(dir.path() / "J1" / "a");
    for (const char* name : {"", "../x", "a/b", "..", "  ", "a\\b"}) {
        flags = NewPartFlags{true, true};
        const auto r = NewPartOk(state, flags, Input(name), prompts);
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
    auto in = Input("P");
    in.jobInUse = false;
    prompts.jobToCreate = "J2";
    fs::create_directory(dir.path() / "J2");
    auto r = NewPartOk(state, flags, in, prompts);
    EXPECT_EQ(prompts.newJobOpened, 1);
    EXPECT_EQ(r.outcome, NewPartOutcome::Created);
    EXPECT_TRUE(fs::exists(dir.path() / "J2" / "P.pie"));

    // Still no job afterwards: nothing is written into a folder named "?".
    state.workspace.customer = "?";
    prompts.jobToCreate.clear();
    r = NewPartOk(state, flags, Input("Q"), prompts);
    EXPECT_EQ(r.outcome, NewPartOutcome::NoJob);
    EXPECT_FALSE(fs::exists(dir.path() / "?"));
}

}  // namespace
}  // namespace zelpor
