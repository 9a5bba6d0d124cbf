#include <gtest/gtest.h>

#include <filesystem>

#include "io/Files.h"
#include "io/FolderIndex.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// The name map follows the folder: files added, removed or renamed while the
// program runs are found (or no longer found) at the next look.
TEST(FolderIndex, NameMapFollowsFilesAddedRemovedAndRenamed) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    EXPECT_FALSE(FolderHasFile(folder));
    fs::create_directory(dir.path() / "sub");
    EXPECT_FALSE(FolderHasFile(folder));  // a folder is no part
    test::WriteAll(dir.file("V16.DIE"), {1});
    EXPECT_TRUE(FolderHasFile(folder));
    EXPECT_EQ(FindNameNoCase(folder, "v16.die").value_or("-"), "V16.DIE");
    EXPECT_EQ(FindNameNoCase(folder, "V24.die").value_or("-"), "-");
    test::WriteAll(dir.file("V24.Die"), {2});
    EXPECT_EQ(FindNameNoCase(folder, "V24.DIE").value_or("-"), "V24.Die");
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("v24.die")), dir.file("V24.Die"));
    fs::remove(dir.file("V16.DIE"));
    EXPECT_EQ(FindNameNoCase(folder, "v16.die").value_or("-"), "-");
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("v16.die")), dir.file("v16.die"));  // unchanged when missing
    EXPECT_TRUE(FolderHasFile(folder));  // V24 is still there
    fs::rename(dir.file("V24.Die"), dir.file("v24.DIE"));
    EXPECT_EQ(FindNameNoCase(folder, "V24.die").value_or("-"), "v24.DIE");
    EXPECT_EQ(FindNameNoCase(dir.file("missing"), "x").value_or("-"), "-");
    fs::remove(dir.file("v24.DIE"));
    EXPECT_FALSE(FolderHasFile(folder));
    EXPECT_FALSE(FolderHasFile(dir.file("missing")));
}

}  // namespace
}  // namespace zelpor
