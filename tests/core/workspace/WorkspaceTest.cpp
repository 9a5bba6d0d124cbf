#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/Files.h"
#include "support/TempDir.h"
#include "core/workspace/IniFile.h"
#include "core/workspace/Workspace.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
    const auto bytes = test::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
    test::WriteAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// The file is Latin-1 as the shop's system writes it; the names on disk are
// UTF-8. A UTF-8 value (an earlier version's file) reads as it is; a name
// with no Latin-1 form stays UTF-8.
TEST(Workspace, AccentedNamesAreLatin1InTheFile) {
    test::TempDir dir;
    struct Row {
        std::string stored, value, written;
    };
    const Row rows[] = {
        {"\xC9t\xE9 2", "\xC3\x89t\xC3\xA9 2", "\xC9t\xE9 2"},
        {"\xC3\x89t\xC3\xA9 2", "\xC3\x89t\xC3\xA9 2", "\xC9t\xE9 2"},
        {"\xD0\x96", "\xD0\x96", "\xD0\x96"},
    };
    for (const auto& row : rows) {
        WriteText(dir.file("z.INI"), "[Data]\r\nCustomer=" + row.stored + "\r\nPart=\xE9\r\nPath Tools=/t/\r\n");
        const Workspace ws = LoadWorkspace(dir.file("z.INI"), dir.path().string());
        EXPECT_EQ(ws.customer, row.value) << row.stored;
        EXPECT_EQ(ws.part, "\xC3\xA9");
        ASSERT_TRUE(SaveWorkspace(ws, dir.file("z.INI")));
        EXPECT_EQ(ReadText(dir.file("z.INI")),
                  "[Data]\r\nCustomer=" + row.written + "\r\nPart=\xE9\r\nPath Tools=/t/\r\n" +
                      "Path Customers=" + dir.folder() + "Customers" + kPathSeparator + "\r\n")
            << row.stored;
    }
}

TEST(Workspace, HandEditedFileKeepsEverythingElse) {
    test::TempDir dir;
    const std::string head = "; written by hand\r\n[Other]\r\nKey=1\r\n\r\n[data]\r\n";
    const std::string tail = "\r\n[Last]\r\nPart=not this one\r\n";
    WriteText(dir.file("z.ini"), head + "path customers = /jobs/ \r\nCUSTOMER=J\r\n" + tail);
    Workspace ws = LoadWorkspace(dir.file("z.INI"), dir.path().string());  // name found whatever its case
    EXPECT_EQ((std::array{ws.pathCustomers, ws.customer, ws.part}), (std::array<std::string, 3>{"/jobs/", "J", ""}));
    ws.part = "P";
    ws.pathTools = "/tools/";
    ASSERT_TRUE(SaveWorkspace(ws, dir.file("z.INI")));
    EXPECT_FALSE(fs::exists(dir.path() / "z.INI"));
    EXPECT_EQ(ReadText(dir.file("z.ini")),
              head + "Path Customers=/jobs/\r\nCustomer=J\r\nPart=P\r\nPath Tools=/tools/\r\n" + tail);
    // Files with LF-only lines read too; a missing key or section gives the caller's default.
    // Quotes around a value are dropped.
    const IniFile ini = IniFile::Parse("[Data]\nCustomer=J\nPart=\nPath Customers=\" /a b/ \"\nPath Tools='x\n");
    EXPECT_EQ((std::array{ini.value("Data", "Customer", "x"), ini.value("Data", "Part", "x"),
                          ini.value("Data", "Path Customers", "None"), ini.value("Data", "Path Tools", "None"),
                          ini.value("Data", "Other", "None")}),
              (std::array<std::string, 5>{"J", "", " /a b/ ", "'x", "None"}));
    EXPECT_EQ(ini.value("Other", "Customer"), std::nullopt);
}

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
    EXPECT_EQ(where(bin / "zelpor", user), user / "zelpor.INI");
    EXPECT_TRUE(fs::is_directory(user));                       // made for the first save
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
