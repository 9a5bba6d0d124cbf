#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "workspace/Workspace.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// A program tree as the package lays it out: <prefix>/bin/zelpor and
// <prefix>/share/applications/zelpor.desktop.
struct InstalledTree {
    test::TempDir dir;
    fs::path prefix = dir.path() / "usr";
    std::string exe = (prefix / "bin" / "zelpor").string();
    std::string userConfig = (dir.path() / "home" / ".config" / "Zelpor_2").string();

    InstalledTree() {
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share" / "applications");
        test::WriteAll(exe, {0x7f, 'E', 'L', 'F'});
        test::WriteAll((prefix / "share" / "applications" / "zelpor.desktop").string(), {'[', ']'});
    }
};

TEST(ConfigLocation, InstalledProgramKeepsItsIniPerUserEvenInAWritableFolder) {
    InstalledTree tree;
    ASSERT_TRUE(IsInstalledProgram(tree.exe));
    // The temporary tree is writable, as /usr/bin is for root.
    EXPECT_EQ(ConfigFilePath(tree.exe, tree.userConfig), (fs::path(tree.userConfig) / "zelpor.INI").string());
    EXPECT_TRUE(fs::is_directory(tree.userConfig));  // made for the first save
}

TEST(ConfigLocation, BuildTreeProgramKeepsItsIniBesideItself) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "build" / "bin");
    const std::string exe = (dir.path() / "build" / "bin" / "zelpor").string();
    const std::string user = (dir.path() / "config").string();
    EXPECT_FALSE(IsInstalledProgram(exe));
    EXPECT_EQ(ConfigFilePath(exe, user), (dir.path() / "build" / "bin" / "zelpor.INI").string());
    EXPECT_FALSE(fs::exists(user));
}

TEST(ConfigLocation, OnlyTheProgramsOwnDesktopEntryMarksAnInstall) {
    InstalledTree tree;
    // Another program's entry in the same prefix says nothing about this one.
    const std::string other = (tree.prefix / "bin" / "zelpor-old").string();
    EXPECT_FALSE(IsInstalledProgram(other));
    EXPECT_EQ(ConfigFilePath(other, tree.userConfig), (tree.prefix / "bin" / "zelpor-old.INI").string());
    // A program outside a bin folder is never taken for an installed one.
    const std::string loose = (tree.prefix / "share" / "zelpor").string();
    EXPECT_FALSE(IsInstalledProgram(loose));
    // Without a user folder the installed program still has a place for its INI.
    EXPECT_EQ(ConfigFilePath(tree.exe, ""), (tree.prefix / "bin" / "zelpor.INI").string());
}

}  // namespace
}  // namespace zelpor
