#include <gtest/gtest.h>

#include <vector>

#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceProgram.h"
#include "support/TempDir.h"
#include "support/ByteDiff.h"

namespace zelpor {
namespace {

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

}  // namespace
}  // namespace zelpor
