#include <gtest/gtest.h>

#include <vector>

#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceProgram.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

struct UndoTest : ::testing::Test {
    PartRecord part;
    TPoincon punch;
    TMatrice die;
    SequenceProgram program{part, punch, die};

    UndoTest() {
        DecodePart(part, test::RandomBytes(PartRecord::kFileSize, 3));  // bend slots full of old values
        punch.name = "P88-67";
        punch.record = test::SamplePunchP88_67();
        die.name = "V16";
        die.record = test::SampleDieV16();
        test::SetProfile(part, 2, {100, 50, 30, 60}, {90, -90, 135});
        program.activate({}, {});
    }
};

TEST_F(UndoTest, EachUndoPutsBackTheBytesOfThePartBeforeThatValidation) {
    EXPECT_EQ(program.buttons().undo, (ButtonState{true, false}));
    std::vector<std::vector<std::uint8_t>> before;
    // Bend 0 pivoted; then bend 2 validated, then 0, then 1.
    program.pivot();
    program.next();
    program.next();
    before.push_back(EncodePart(part));
    program.validate();
    program.previous();
    program.previous();
    before.push_back(EncodePart(part));
    program.validate();
    program.next();
    before.push_back(EncodePart(part));
    program.validate();
    ASSERT_EQ(part.lastBend, 2);
    EXPECT_EQ(program.buttons().undo, (ButtonState{true, true}));

    const int undoneSteps[] = {1, 0, 2};
    for (int i = 2; i >= 0; --i) {
        SCOPED_TRACE(i);
        program.undoValidation();
        EXPECT_EQ(EncodePart(part), before[static_cast<std::size_t>(i)]);
        // Back on the bend taken back, ready to be validated again.
        EXPECT_EQ(program.step(), undoneSteps[2 - i]);
        EXPECT_EQ(program.buttons().validate, (ButtonState{true, true}));
        EXPECT_EQ(program.buttons().undo.enabled, i > 0);
    }
    program.undoValidation();  // nothing left: nothing changes
    EXPECT_EQ(EncodePart(part), before[0]);
    EXPECT_EQ(part.profile[0].pivot, 1);  // the pivot was no part of a validation

    // Another choice in place of the one taken back.
    program.validate();
    EXPECT_EQ(part.profile[2].order, 0);
    EXPECT_EQ(part.bends[0].angle, 135.0f);
}

TEST_F(UndoTest, TheMoveButtonsFollowTheBendShownAfterAnUndo) {
    program.validate();  // bend 0
    program.next();
    program.next();      // at the last bend: "Angle suivant" disabled
    program.undoValidation();
    EXPECT_EQ(program.step(), 0);
    EXPECT_EQ(program.buttons().previous.enabled, false);
    EXPECT_EQ(program.buttons().next, (ButtonState{true, true}));
    // A new opening takes back nothing of the earlier one.
    program.validate();
    program.activate({}, {});
    EXPECT_EQ(program.buttons().undo.enabled, false);
    const std::vector<std::uint8_t> bytes = EncodePart(part);
    program.undoValidation();
    EXPECT_EQ(EncodePart(part), bytes);
}

}  // namespace
}  // namespace zelpor
