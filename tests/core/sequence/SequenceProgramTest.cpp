#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/sequence/SequenceFixtures.h"
#include "core/sequence/ProfileChange.h"
#include "core/sequence/SequenceProgram.h"
#include "support/ByteDiff.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

struct ProgramTest : ::testing::Test {
    PartRecord part;
    TPoincon punch;
    TMatrice die;
    SequenceProgram program{part, punch, die};

    ProgramTest() {
        punch = {.name = "P88-67", .record = test::SamplePunchP88_67()};
        die.name = "V16", die.record = test::SampleDieV16();
    }
    void activate() { program.activate({}, {}); }
};

TEST(SequenceCorrection, FromTheDieOpeningAndTheThickness) {
    const double rows[][2] = {{90, -4.0177}, {-90, -4.0177}, {135, -1.2206}, {45, -1.4323}, {180, 0}};
    for (const auto& r : rows) EXPECT_NEAR(ComputeSequenceCorrection(float(r[0]), 16, 2), r[1], 1e-4) << r[0];
    // Continuous at 90 where the rule changes.
    EXPECT_NEAR(ComputeSequenceCorrection(89.999f, 16, 2), ComputeSequenceCorrection(90, 16, 2), 1e-3);
    EXPECT_EQ(SequenceCaption("CAPOT"), "Zelpor2     Sequence -> CAPOT");
}

TEST_F(ProgramTest, ValidatingABThenCGivesTheProgramCBAWithEachRecordKeepingItsAngle) {
    test::SetProfile(part, 2, {40, 100, 60, 30}, {90, 135, 45});
    punch.name = "PUNCH-WITH-A-VERY-LONG-NAME-30";
    activate();
    program.validate();     // A
    part.bends[0].x = 111;  // the operator's settings for the bend done last
    part.bends[0].force = 7;
    program.next();
    program.validate();                                                                       // B
    EXPECT_EQ((std::array{part.bends[1].x, part.bends[1].force}), (std::array{111.f, 7.f}));  // shifted, kept
    program.next();
    program.validate();  // C
    EXPECT_EQ((std::array{part.profile[0].order, part.profile[1].order, part.profile[2].order}), (std::array{2, 1, 0}));
    EXPECT_EQ((std::array{part.lastBend, part.currentBend}), (std::array{2, 0}));
    const float angles[] = {45, 135, 90};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(part.bends[i].angle, angles[i]) << i;
        EXPECT_EQ(part.bends[i].die.str() + "/" + part.bends[i].punch.str(), "V16/PUNCH-WITH-A-VERY-LONG-N");
        EXPECT_FLOAT_EQ(part.bends[i].opening, 10);
    }
}

TEST_F(ProgramTest, ButtonsFollowTheBendOnScreen) {
    test::SetProfile(part, 2, {100, 50, 30}, {90, 90});
    activate();
    const ButtonState on{true, true}, off{true, false}, hidden{false, false};
    // Validation and pivot go together.
    auto expectButtons = [&](int step, ButtonState next, ButtonState previous, ButtonState validate) {
        const SequenceButtons& b = program.buttons();
        EXPECT_EQ(std::tuple(program.step(), b.next, b.previous, b.validate, b.pivot),
                  std::tuple(step, next, previous, validate, validate));
    };
    expectButtons(0, on, hidden, on);
    program.pivot();
    EXPECT_EQ(program.statusText() + std::to_string(part.profile[0].pivot), "Piece pivoté1");
    program.pivot();  // back: checked with the other pivots below
    program.next();
    expectButtons(1, off, on, on);
    program.validate();
    expectButtons(1, off, on, off);
    program.previous();
    expectButtons(0, on, off, on);
    program.next();
    program.validate();  // a disabled button does nothing
    program.pivot();
    EXPECT_EQ((std::array{part.lastBend, int(part.profile[0].pivot), int(part.profile[1].pivot)}),
              (std::array{0, 0, 0}));
    activate();                    // opening again starts over at the first bend
    expectButtons(0, on, on, on);  // "Angle précedant" stays as it was left
    program.previous();            // and only disables itself there
    expectButtons(0, on, off, on);

    // A one-bend part after a longer one: "Angle suivant" is not set again.
    test::SetProfile(part, 2, {100, 50}, {90});
    activate();
    expectButtons(0, on, off, on);
    program.next();
    expectButtons(0, off, off, on);
}

// Missing tools are chosen first; the corrections and the drawing use them.
TEST_F(ProgramTest, MissingToolsAreChosenBeforeTheCorrections) {
    test::SetProfile(part, 2, {100, 50}, {90});
    die = TMatrice{};
    punch = TPoincon{};
    program.activate([&] { die.record = test::SampleDieV16(); }, [&] { punch.record = test::SamplePunchP88_67(); });
    EXPECT_NEAR(part.profile[0].correction, -4.0177, 1e-4);
    EXPECT_EQ(program.scene().scene.elements[9].name.str(), "Pun");
}

TEST(ValidateBendBounds, OrdersFromADamagedFileNeverMoveRecordsOutsideTheList) {
    PartRecord part;
    test::SetProfile(part, 2, {10, 20, 30, 40}, {90, 90, 90});
    part.profile[1].order = 24;          // the last slot: its record cannot move further
    part.profile[2].order = 2147483647;  // must not overflow
    part.lastBend = 3;
    part.bends[24].angle = 77;
    ASSERT_TRUE(ValidateBend(part, 0, "V16", "P88-67"));
    EXPECT_EQ((std::array{part.profile[1].order, part.profile[2].order}), (std::array{25, 2147483647}));
    EXPECT_FLOAT_EQ(part.bends[24].angle, 77);
    EXPECT_EQ(part.lastBend, 4);
    EXPECT_FALSE(ValidateBend(part, 0, "V16", "P88-67"));  // already placed
    EXPECT_FALSE(ValidateBend(part, 3, "V16", "P88-67"));  // the last segment is no bend
}

TEST(ValidationUndo, EachUndoPutsBackTheBytesOfThePartBeforeThatValidation) {
    PartRecord part;
    DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 3));  // bend slots full of old values
    TPoincon punch{.record = test::SamplePunchP88_67()};
    TMatrice die;
    die.record = test::SampleDieV16();
    test::SetProfile(part, 2, {100, 50, 30, 60}, {90, -90, 135});
    SequenceProgram program{part, punch, die};
    program.activate({}, {});
    EXPECT_FALSE(program.buttons().undo.enabled);

    // Bend 0 pivoted; bend 2 validated, then 1, then 0.
    std::vector<std::vector<std::uint8_t>> before;
    program.pivot();
    program.next();
    program.next();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) program.previous();
        before.push_back(EncodePart(part));
        program.validate();
    }
    ASSERT_EQ(part.lastBend, 2);

    for (int i = 2; i >= 0; --i) {
        EXPECT_TRUE(program.buttons().undo.enabled);
        program.undoValidation();
        EXPECT_TRUE(test::SameBytes(EncodePart(part), before[static_cast<std::size_t>(i)])) << "undo " << i;
        // Back on that bend, ready to be validated again.
        EXPECT_EQ(std::tuple(program.step(), program.buttons().validate.enabled, program.buttons().next.enabled),
                  std::tuple(2 - i, true, 2 - i < 2));
    }
    EXPECT_FALSE(program.buttons().undo.enabled);
    program.validate();
    EXPECT_EQ(std::tuple(part.profile[2].order, part.bends[0].angle), std::tuple(0, 135.0f));
    program.activate({}, {});  // a new opening takes nothing of the earlier one back
    EXPECT_FALSE(program.buttons().undo.enabled);
}

// A three-bend profile with a V16 die's corrections, bend 0 pivoted, bends
// validated in the order 1, 0, 2: the program is 2, 0, 1.
TEST(ProfileChange, NewValuesKeepTheProgramAndAChangedAngleGetsItsCorrection) {
    PartRecord part;
    DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 7));
    ProfileTable table{2, 0, {{100, 90}, {50, 90}, {80, -90}, {40, 180}}};
    ApplyProfileTable(part, table, false, 16.0f);
    ComputeSequenceCorrections(part, 16);
    part.profile[0].pivot = 1;
    for (int step : {1, 0, 2}) ASSERT_TRUE(ValidateBend(part, step, "V16", "P88-67"));
    const PartRecord before = part;

    table.rows[2].length = 95;
    table.rows[0].angle = 135;
    const double correction = -1.2206;  // V16, T 2, 135 degrees
    EXPECT_NEAR(TableDevelopedLength(part, table, true, 16.0f),
                DevelopedLength(before) + 15 - before.profile[0].correction + correction, 1e-3);
    ApplyProfileTable(part, table, true, 16.0f);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(std::pair(part.profile[k].order, part.profile[k].pivot),
                  std::pair(before.profile[k].order, before.profile[k].pivot))
            << k;
    EXPECT_NEAR(part.profile[0].correction, correction, 1e-4);
    // Bend 0 is second in the program; the others keep their records.
    EXPECT_EQ(std::tuple(part.bends[1].angle, part.bends[0], part.bends[2], part.currentBend, part.lastBend),
              std::tuple(135.0f, before.bends[0], before.bends[2], 0, 2));

    // Segments inserted or deleted: no order, as a new profile.
    table.rows.erase(table.rows.begin() + 1);
    ApplyProfileTable(part, table, false, 16.0f);
    EXPECT_EQ(std::tuple(part.profileBendCount, part.profile[0].order, part.profile[0].pivot, part.lastBend),
              std::tuple(2, -1, 0, -1));
}

// The punch and die in use, loaded the way the main window loads them: from
// the bend's tool names, no library involved. A profile the drawing window has
// just finished has corrections of 0: they are computed with the die in use;
// corrections from an earlier sequence stand.
TEST(ToolsInUse, FreshProfileGetsItsCorrectionsFromTheLoadedDie) {
    test::TempDir dir;
    test::WriteAll(dir.file("P88-67.PUN"), EncodePunch(test::SamplePunchP88_67()));
    test::WriteAll(dir.file("V16.DIE"), EncodeDie(test::SampleDieV16()));
    AppState state;
    state.workspace.pathTools = dir.folder();
    ASSERT_TRUE(state.loadPunch("P88-67") && state.loadDie("V16"));
    const std::tuple<float, float, const char*> cases[] = {
        {0, -4.0177f, "Longueur développée: 145.98mm"},
        {-3.5f, -3.5f, "Longueur développée: 146.50mm"},  // computed before: kept
    };
    for (const auto& [stored, expected, status] : cases) {
        PartRecord part;
        test::SetProfile(part, 2, {100, 50}, {90});
        part.profile[0].correction = stored;
        SequenceProgram program(part, state.punch, state.die);
        program.activate({}, {});
        EXPECT_NEAR(part.profile[0].correction, expected, 1e-4) << status;
        EXPECT_EQ(program.statusText(), status);
    }
}

}  // namespace
}  // namespace zelpor
