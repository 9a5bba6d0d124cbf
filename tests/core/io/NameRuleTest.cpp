#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/Files.h"
#include "core/io/FolderIndex.h"
#include "core/jobs/PartFiles.h"
#include "support/TempDir.h"
#include "core/tools/ToolRecords.h"
#include "core/workspace/Workspace.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// The part deletion, the tool loading and the new-job/new-part dialogs apply
// the same rule: a name the dialogs refuse never reaches a path elsewhere.
TEST(NameRule, DeletionAndToolFilesRefuseWhatTheDialogsRefuse) {
    test::TempDir dir;
    Workspace ws{dir.folder(), "Affaire", "", ""};
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"P1", true},   {"piece.v2", true}, {" lead", true}, {"a*b", false},  {"a?b", false}, {"a<b", false},
        {"a|b", false}, {".cache", false},  {"a..b", false}, {"../x", false}, {"   ", false}, {"a\tb", false},
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

// The name map follows the folder: files added or removed while the
// program runs are found (or no longer found) at the next look.
TEST(FolderIndex, NameMapFollowsFilesAddedAndRemoved) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::WriteAll(dir.file("V16.DIE"), {1});
    EXPECT_EQ(FindNameNoCase(folder, "v16.die").value_or("-"), "V16.DIE");
    test::WriteAll(dir.file("V24.Die"), {2});
    EXPECT_EQ(FindNameNoCase(folder, "V24.DIE").value_or("-"), "V24.Die");
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("v24.die")), dir.file("V24.Die"));
    fs::remove(dir.file("V16.DIE"));
    EXPECT_EQ(FindNameNoCase(folder, "v16.die").value_or("-"), "-");
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("v16.die")), dir.file("v16.die"));  // unchanged when missing
    EXPECT_TRUE(FolderHasFile(folder));                                           // V24 is still there
    fs::remove(dir.file("V24.Die"));
    EXPECT_FALSE(FolderHasFile(folder));
    EXPECT_FALSE(FolderHasFile(dir.file("missing")));
}

}  // namespace
}  // namespace zelpor
