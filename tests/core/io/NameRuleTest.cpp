#include <gtest/gtest.h>

#include <filesystem>

#include "mainwindow/PartFiles.h"
#include "support/TempDir.h"
#include "tools/ToolRecords.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// The part deletion, the tool loading and the new-job/new-part dialogs apply
// the same rule: a name the dialogs refuse never reaches a path elsewhere.
TEST(NameRule, DeletionAndToolFilesRefuseWhatTheDialogsRefuse) {
    test::TempDir dir;
    Workspace ws;
    ws.pathCustomers = dir.folder();
    ws.customer = "Affaire";
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"P1", true}, {"piece.v2", true}, {" lead", true},  {"a*b", false}, {"a?b", false}, {"a<b", false},
        {"a|b", false}, {".cache", false}, {"a..b", false}, {"../x", false}, {"   ", false}, {"a\tb", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainName(c.name), c.plain) << c.name;
        EXPECT_EQ(PartFileToDelete(ws, c.name).has_value(), c.plain) << c.name;
        EXPECT_EQ(ToolFilePath(dir.folder(), c.name, ToolKind::Die).empty(), !c.plain) << c.name;
    }
    ws.customer = ".hidden";
    EXPECT_FALSE(PartFileToDelete(ws, "P1").has_value());
    EXPECT_FALSE(JobFolderHasFiles(ws));
}

TEST(NameRule, APartNamingAToolOutsideTheToolsFolderLoadsNothing) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "tools");
    AppState state;
    state.workspace.pathTools = (dir.path() / "tools" / "").string();
    // A valid punch file one folder up, as a damaged part's "../P" would reach it.
    test::WriteAll(dir.file("P.PUN"), std::vector<std::uint8_t>(PunchRecord::kFileSize, 0));
    EXPECT_EQ(state.punchFilePath("P"), state.workspace.pathTools + "P.PUN");
    EXPECT_EQ(state.punchFilePath("../P"), "");
    EXPECT_FALSE(LoadPunchFile(state.punch, state.punchFilePath("../P")));
    EXPECT_EQ(state.dieFilePath("V16"), state.workspace.pathTools + "V16.DIE");
}

}  // namespace
}  // namespace zelpor
