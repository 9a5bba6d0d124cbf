#include <gtest/gtest.h>

#include <string>

#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceProgram.h"

namespace zelpor {
namespace {

struct ProgramTest : ::testing::Test {
    PartRecord part;
    TPoincon punch;
    TMatrice die;
    SequenceProgram program{part, punch, die};
    int dieChoices = 0;
    int punchChoices = 0;

    ProgramTest() {
        punch.name = "P88-67";
        punch.record = test::PunchP88_67();
        die.name = "V16";
        die.record = test::DieV16();
    }
    void activate() {
        program.activate([&] { ++dieChoices; }, [&] { ++punchChoices; });
    }
};

TEST(SequenceCorrection, FromTheDieOpeningAndTheThickness) {
    EXPECT_NEAR(ComputeSequenceCorrection(90, 16, 2), -4.0177, 1e-4);
    EXPECT_NEAR(ComputeSequenceCorrection(-90, 16, 2), -4.0177, 1e-4);
    EXPECT_NEAR(ComputeSequenceCorrection(135, 16, 2), -1.2206, 1e-4);
    EXPECT_NEAR(ComputeSequenceCorrection(45, 16, 2), -1.4323, 1e-4);
    EXPECT_DOUBLE_EQ(ComputeSequenceCorrection(180, 16, 2), 0);
    // Continuous at 90 where the rule changes.
    EXPECT_NEAR(ComputeSequenceCorrection(89.999f, 16, 2), ComputeSequenceCorrection(90, 16, 2), 1e-3);
}

TEST(SequenceCaption, NamesThePart) {
    EXPECT_EQ(SequenceCaption("CAPOT"), "Zelpor2     Sequence -> CAPOT");
}

TEST_F(ProgramTest, ValidatingABThenCGivesTheProgramCBAWithEachRecordKeepingItsAngle) {
    test::SetProfile(part, 2, {40, 100, 60, 30}, {90, 135, 45});
    punch.name = "PUNCH-WITH-A-VERY-LONG-NAME-30";
    activate();
    program.validate();  // A
    EXPECT_EQ(part.lastBend, 0);
    EXPECT_FLOAT_EQ(part.bends[0].angle, 90);
    program.next();
    program.validate();  // B
    EXPECT_EQ(part.lastBend, 1);
    EXPECT_FLOAT_EQ(part.bends[0].angle, 135);
    EXPECT_FLOAT_EQ(part.bends[1].angle, 90);
    program.next();
    program.validate();  // C
    EXPECT_EQ(part.profile[0].order, 2);
    EXPECT_EQ(part.profile[1].order, 1);
    EXPECT_EQ(part.profile[2].order, 0);
    EXPECT_EQ(part.lastBend, 2);
    EXPECT_EQ(part.currentBend, 0);
    EXPECT_FLOAT_EQ(part.bends[0].angle, 45);
    EXPECT_FLOAT_EQ(part.bends[1].angle, 135);
    EXPECT_FLOAT_EQ(part.bends[2].angle, 90);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(part.bends[i].die.str(), "V16");
        EXPECT_EQ(part.bends[i].punch.str(), "PUNCH-WITH-A-VERY-LONG-N");
        EXPECT_FLOAT_EQ(part.bends[i].opening, 10);
    }
}

TEST_F(ProgramTest, ShiftedRecordsKeepTheirOwnSettings) {
    test::SetProfile(part, 2, {40, 100, 60, 30}, {90, 135, 45});
    activate();
    program.validate();
    part.bends[0].x = 111;  // the operator's settings for the bend done last
    part.bends[0].force = 7;
    program.next();
    program.validate();
    EXPECT_FLOAT_EQ(part.bends[1].x, 111);
    EXPECT_FLOAT_EQ(part.bends[1].force, 7);
    // The new first record keeps what the slot held apart from the tools,
    // the angle and the opening.
    EXPECT_FLOAT_EQ(part.bends[0].x, 111);
    EXPECT_FLOAT_EQ(part.bends[0].angle, 135);
}

TEST_F(ProgramTest, ButtonsFollowTheBendOnScreen) {
    test::SetProfile(part, 2, {100, 50, 30}, {90, 90});
    activate();
    EXPECT_EQ(program.step(), 0);
    SequenceButtons b = program.buttons();
    EXPECT_EQ(b.next, (ButtonState{true, true}));
    EXPECT_EQ(b.previous, (ButtonState{false, false}));
    EXPECT_EQ(b.validate, (ButtonState{true, true}));
    EXPECT_EQ(b.pivot, (ButtonState{true, true}));
    EXPECT_EQ(b.back, (ButtonState{true, true}));

    program.next();
    EXPECT_EQ(program.step(), 1);
    EXPECT_EQ(program.buttons().next, (ButtonState{true, false}));
    EXPECT_EQ(program.buttons().previous, (ButtonState{true, true}));

    program.validate();
    EXPECT_EQ(program.buttons().validate, (ButtonState{true, false}));
    EXPECT_EQ(program.buttons().pivot, (ButtonState{true, false}));
    program.previous();
    EXPECT_EQ(program.step(), 0);
    EXPECT_EQ(program.buttons().validate, (ButtonState{true, true}));
    EXPECT_EQ(program.buttons().previous, (ButtonState{true, false}));
    EXPECT_EQ(program.buttons().next, (ButtonState{true, true}));
    program.next();
    EXPECT_EQ(program.buttons().validate, (ButtonState{true, false}));
    EXPECT_EQ(program.buttons().pivot, (ButtonState{true, false}));

    // A disabled button does nothing.
    program.validate();
    EXPECT_EQ(part.lastBend, 0);
    program.pivot();
    EXPECT_EQ(part.profile[1].pivot, 0);

    // Opening again starts over at the first bend.
    activate();
    EXPECT_EQ(program.step(), 0);
    EXPECT_EQ(program.buttons().previous, (ButtonState{false, false}));
}

TEST_F(ProgramTest, SingleBendHasNoNextButton) {
    test::SetProfile(part, 2, {100, 50}, {90});
    activate();
    EXPECT_EQ(program.buttons().next, (ButtonState{false, false}));
    EXPECT_EQ(program.buttons().validate, (ButtonState{true, true}));
}

TEST_F(ProgramTest, PivotTogglesAndRebuilds) {
    test::SetProfile(part, 2, {100, 50}, {90});
    activate();
    program.pivot();
    EXPECT_EQ(part.profile[0].pivot, 1);
    EXPECT_EQ(program.statusText(), "Piece pivoté");
    program.pivot();
    EXPECT_EQ(part.profile[0].pivot, 0);
    EXPECT_EQ(program.statusText(), "");
}

TEST_F(ProgramTest, DevelopedLengthWithCorrectionsFromAChosenDie) {
    test::SetProfile(part, 2, {100, 50}, {180});
    die = TMatrice{};
    activate();
    // The die had to be chosen; here the user chose nothing, V stays 0.
    EXPECT_EQ(dieChoices, 1);
    EXPECT_TRUE(die.selectionRequest);
    EXPECT_EQ(program.statusText(), "Longueur développée: 150.00mm");

    program.activate([&] { die.record = test::DieV16(); }, {});
    part.profile[0].angle = 90;
    die = TMatrice{};
    program.activate([&] { die.record = test::DieV16(); }, {});
    EXPECT_NEAR(part.profile[0].correction, -4.0177, 1e-4);
    EXPECT_EQ(program.statusText(), "Longueur développée: 145.98mm");
}

TEST_F(ProgramTest, StoredCorrectionsAreKeptWhenTheDieIsLoaded) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.profile[0].correction = -3;
    activate();
    EXPECT_EQ(dieChoices, 0);
    EXPECT_EQ(punchChoices, 0);
    EXPECT_FLOAT_EQ(part.profile[0].correction, -3);
    EXPECT_EQ(program.statusText(), "Longueur développée: 147.00mm");
    EXPECT_NEAR(program.scene().punchDepth, 4.118, 1e-3);
}

TEST_F(ProgramTest, MissingPunchIsChosen) {
    test::SetProfile(part, 2, {100, 50}, {90});
    punch = TPoincon{};
    program.activate({}, [&] {
        ++punchChoices;
        punch.record = test::PunchP88_67();
    });
    EXPECT_EQ(punchChoices, 1);
    EXPECT_TRUE(punch.selectionRequest);
    int punchLines = 0;
    for (const auto& e : program.scene().scene.elements) punchLines += e.name.str() == "Pun";
    EXPECT_EQ(punchLines, 5);
}

TEST_F(ProgramTest, ProfileWithoutBendsHasNothingToValidate) {
    test::SetProfile(part, 2, {120}, {});
    activate();
    EXPECT_FALSE(program.buttons().validate.enabled);
    EXPECT_FALSE(program.buttons().pivot.enabled);
    program.validate();
    EXPECT_EQ(part.lastBend, -1);
    EXPECT_EQ(program.statusText(), "Longueur développée: 120.00mm");
}

TEST_F(ProgramTest, FullBendListRefusesValidation) {
    test::SetProfile(part, 2, {100, 50}, {90});
    part.lastBend = 24;
    part.currentBend = 3;
    const auto before = part.bends;
    activate();
    EXPECT_EQ(program.buttons().validate, (ButtonState{true, false}));
    program.validate();
    EXPECT_EQ(part.lastBend, 24);
    EXPECT_EQ(part.profile[0].order, -1);
    EXPECT_EQ(part.bends, before);
    EXPECT_FALSE(ValidateBend(part, 0, "V16", "P88-67"));
}

TEST(ValidateBendBounds, OrdersFromADamagedFileNeverMoveRecordsOutsideTheList) {
    PartRecord part;
    test::SetProfile(part, 2, {10, 20, 30, 40}, {90, 90, 90});
    part.profile[1].order = 24;          // the last slot: its record cannot move further
    part.profile[2].order = 2147483647;  // must not overflow
    part.lastBend = 3;
    part.bends[24].angle = 77;
    ASSERT_TRUE(ValidateBend(part, 0, "V16", "P88-67"));
    EXPECT_EQ(part.profile[1].order, 25);
    EXPECT_EQ(part.profile[2].order, 2147483647);
    EXPECT_FLOAT_EQ(part.bends[24].angle, 77);
    EXPECT_EQ(part.lastBend, 4);
    EXPECT_FALSE(ValidateBend(part, 0, "V16", "P88-67"));  // already placed
    EXPECT_FALSE(ValidateBend(part, 3, "V16", "P88-67"));  // the last segment is no bend
}

}  // namespace
}  // namespace zelpor
