#include "MainWindowFixture.h"

#include "sequence/SequenceProgram.h"

namespace zelpor::test {
namespace {

using ToolsInUseNamed = MainWindowTest;

// The tools the main window loads for the current bend are named in the
// state, so that a bend validated in the sequence window stores them.
TEST_F(ToolsInUseNamed, ToolsLoadedByTheMainWindowGoIntoAValidatedBend) {
    writeTools();
    PartRecord part = SamplePart(1);
    part.bends[0].punch.assign("P30-67");
    part.bends[0].die.assign("V24");
    start(part);
    EXPECT_EQ(state().punch.name, "P30-67");
    EXPECT_EQ(state().die.name, "V24");
    EXPECT_FLOAT_EQ(state().die.record.vOpening, 24);

    PartRecord drawn;
    drawn.thickness = 2;
    drawn.profileBendCount = 1;
    drawn.profile[0] = {.length = 100, .angle = 90, .index = 0, .order = -1};
    drawn.profile[1] = {.length = 50, .index = -1, .order = -1};
    drawn.currentBend = drawn.lastBend = -1;
    ASSERT_TRUE(ValidateBend(drawn, 0, state().die.name, state().punch.name));
    EXPECT_EQ(drawn.bends[0].punch.str(), "P30-67");
    EXPECT_EQ(drawn.bends[0].die.str(), "V24");
}

}  // namespace
}  // namespace zelpor::test
