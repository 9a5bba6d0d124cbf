#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "workspace/Workspace.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// An installed program (<prefix>/bin/zelpor with its own
// <prefix>/share/applications/zelpor.desktop) keeps its INI per user; any
// other keeps it beside itself unless its folder is read-only.
TEST(ConfigFile, BesideTheProgramUnlessInstalledOrReadOnly) {
    test::TempDir dir;
    const fs::path prefix = dir.path() / "usr", bin = prefix / "bin", readOnly = dir.path() / "ro";
    fs::create_directories(prefix / "share" / "applications");
    fs::create_directories(bin);
    test::WriteAll((prefix / "share" / "applications" / "zelpor.desktop").string(), {'[', ']'});
    const fs::path user = dir.path() / "home" / ".config" / "Zelpor_2", other = dir.path() / "other";
    auto where = [](const fs::path& exe, const fs::path& userFolder) {
        return fs::path(ConfigFilePath(exe.string(), userFolder.string()));
    };
    // The temporary tree is writable, as /usr/bin is for root.
    EXPECT_TRUE(IsInstalledProgram((bin / "zelpor").string()));
    EXPECT_EQ(where(bin / "zelpor", user), user / "zelpor.INI");
    EXPECT_TRUE(fs::is_directory(user));                        // made for the first save
    EXPECT_EQ(where(bin / "zelpor", ""), bin / "zelpor.INI");  // without a user folder
    // Another program's entry says nothing about this one; a program outside
    // a bin folder is never taken for an installed one.
    for (const fs::path& exe : {bin / "zelpor-old", bin / "Zelpor_2.exe", prefix / "share" / "zelpor"}) {
        SCOPED_TRACE(exe);
        EXPECT_FALSE(IsInstalledProgram(exe.string()));
        EXPECT_EQ(where(exe, other), exe.parent_path() / (exe.stem().string() + ".INI"));
    }
    EXPECT_FALSE(fs::exists(other));
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(where(readOnly / "zelpor", other), other / "zelpor.INI");
    EXPECT_TRUE(fs::is_directory(other));
}

}  // namespace
}  // namespace zelpor
