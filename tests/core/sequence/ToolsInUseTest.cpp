#include <gtest/gtest.h>

#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceProgram.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

using namespace zelpor;
using namespace zelpor::test;

namespace {

// The punch and die in use, loaded the way the main window loads them: from
// the bend's tool names, no library involved (names: ToolsInUseNamedTest).
struct LoadedTools {
    explicit LoadedTools(const TempDir& dir) {
        WriteAll(dir.file("P88-67.PUN"), EncodePunch(SamplePunchP88_67()));
        WriteAll(dir.file("V16.DIE"), EncodeDie(SampleDieV16()));
        state.workspace.pathTools = dir.folder();
        EXPECT_TRUE(state.loadPunch("P88-67"));
        EXPECT_TRUE(state.loadDie("V16"));
    }
    AppState state;
    TPoincon& punch = state.punch;
    TMatrice& die = state.die;
};

}  // namespace

// A profile the drawing window has just finished has corrections of 0: they
// are computed with the die in use; corrections from an earlier sequence stand.
TEST(ToolsInUse, FreshProfileGetsItsCorrectionsFromTheLoadedDie) {
    TempDir dir;
    LoadedTools tools(dir);
    struct Case {
        std::initializer_list<float> lengths;
        std::initializer_list<float> angles;
        float storedCorrection;
        float expected0;
        const char* status;
    };
    const Case cases[] = {
        {{100, 50}, {90}, 0, -4.0177f, "Longueur développée: 145.98mm"},
        {{100, 50}, {135}, 0, -1.2206f, "Longueur développée: 148.78mm"},
        {{100, 50}, {180}, 0, 0, "Longueur développée: 150.00mm"},
        {{100, 50}, {90}, -3.5f, -3.5f, "Longueur développée: 146.50mm"},  // computed before: kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        PartRecord part;
        SetProfile(part, 2, c.lengths, c.angles);
        part.profile[0].correction = c.storedCorrection;
        SequenceProgram program(part, tools.punch, tools.die);
        program.activate({}, {});
        EXPECT_NEAR(part.profile[0].correction, c.expected0, 1e-4);
        EXPECT_EQ(program.statusText(), c.status);
    }
}
