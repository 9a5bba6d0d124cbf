#include <gtest/gtest.h>

#include <filesystem>

#include "io/Files.h"
#include "support/TempDir.h"
#include "workspace/IniFile.h"
#include "workspace/Workspace.h"

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

TEST(Workspace, SavedFileHasLiteralKeysAndCrLfLines) {
    test::TempDir dir;
    Workspace ws;
    ws.pathCustomers = "C:\\Zelpor\\Customers\\";
    ws.customer = "Atelier 2";
    ws.part = "Support";
    ws.pathTools = "/srv/tools";
    ASSERT_TRUE(SaveWorkspace(ws, dir.file("zelpor.INI")));
    EXPECT_EQ(ReadText(dir.file("zelpor.INI")),
              "[Data]\r\n"
              "Path Customers=C:\\Zelpor\\Customers\\\r\n"
              "Customer=Atelier 2\r\n"
              "Part=Support\r\n"
              "Path Tools=/srv/tools\r\n");
}

TEST(Workspace, ValuesAreUsedExactlyAsStored) {
    test::TempDir dir;
    WriteText(dir.file("zelpor.INI"),
              "[Data]\r\nPath Customers=C:\\Zelpor\\Customers\\\r\nCustomer=J1\r\nPart=P1\r\nPath Tools=/srv/tools\r\n");
    WorkspaceLoadReport made;
    const Workspace ws = LoadWorkspace(dir.file("zelpor.INI"), dir.path().string(), &made);
    EXPECT_EQ(ws.pathCustomers, "C:\\Zelpor\\Customers\\");
    EXPECT_EQ(ws.customer, "J1");
    EXPECT_EQ(ws.part, "P1");
    // No trailing separator: not corrected, so folder and job run together.
    EXPECT_EQ(ws.pathTools, "/srv/tools");
    EXPECT_FALSE(made.createdCustomersFolder);
    EXPECT_FALSE(made.createdToolsFolder);
    Workspace noSeparator = ws;
    noSeparator.pathCustomers = "/data/Customers";
    EXPECT_EQ(noSeparator.partFilePath(), std::string("/data/CustomersJ1") + kPathSeparator + "P1.pie");
    // Nothing was created in the working directory.
    EXPECT_FALSE(fs::exists(dir.path() / "Customers"));
    EXPECT_FALSE(fs::exists(dir.path() / "Tools"));
}

TEST(Workspace, MissingFileGivesWorkingDirectoryDefaults) {
    test::TempDir dir;
    WorkspaceLoadReport made;
    const Workspace ws = LoadWorkspace(dir.file("absent.INI"), dir.path().string(), &made);
    EXPECT_EQ(ws.pathCustomers, dir.folder() + "Customers" + kPathSeparator);
    EXPECT_EQ(ws.pathTools, dir.folder() + "Tools" + kPathSeparator);
    EXPECT_EQ(ws.customer, "");
    EXPECT_EQ(ws.part, "");
    EXPECT_FALSE(ws.hasJob());
    EXPECT_TRUE(fs::is_directory(dir.path() / "Customers"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Tools"));
    EXPECT_TRUE(made.createdCustomersFolder);
    EXPECT_TRUE(made.createdToolsFolder);

    // A second start finds the folders there: nothing is made again.
    LoadWorkspace(dir.file("absent.INI"), dir.path().string(), &made);
    EXPECT_FALSE(made.createdCustomersFolder);
    EXPECT_FALSE(made.createdToolsFolder);
}

TEST(Workspace, NoneMeansTheDefaultFolder) {
    test::TempDir dir;
    WriteText(dir.file("z.INI"), "[Data]\r\nPath Customers=/elsewhere/\r\nPath Tools=None\r\n");
    WorkspaceLoadReport made;
    const Workspace ws = LoadWorkspace(dir.file("z.INI"), dir.path().string(), &made);
    EXPECT_EQ(ws.pathCustomers, "/elsewhere/");
    EXPECT_EQ(ws.pathTools, dir.folder() + "Tools" + kPathSeparator);
    EXPECT_FALSE(made.createdCustomersFolder);
    EXPECT_TRUE(made.createdToolsFolder);
    EXPECT_FALSE(fs::exists(dir.path() / "Customers"));
}

TEST(Workspace, HandEditedFileKeepsEverythingElse) {
    test::TempDir dir;
    WriteText(dir.file("z.INI"),
              "; written by hand\r\n"
              "[Other]\r\n"
              "Key=1\r\n"
              "\r\n"
              "[data]\r\n"
              "path customers = /jobs/ \r\n"
              "CUSTOMER=J\r\n"
              "\r\n"
              "[Last]\r\n"
              "Part=not this one\r\n");
    Workspace ws = LoadWorkspace(dir.file("z.INI"), dir.path().string());
    EXPECT_EQ(ws.pathCustomers, "/jobs/");
    EXPECT_EQ(ws.customer, "J");
    EXPECT_EQ(ws.part, "");
    ws.part = "P";
    ws.pathTools = "/tools/";
    ASSERT_TRUE(SaveWorkspace(ws, dir.file("z.INI")));
    EXPECT_EQ(ReadText(dir.file("z.INI")),
              "; written by hand\r\n"
              "[Other]\r\n"
              "Key=1\r\n"
              "\r\n"
              "[data]\r\n"
              "Path Customers=/jobs/\r\n"
              "Customer=J\r\n"
              "Part=P\r\n"
              "Path Tools=/tools/\r\n"
              "\r\n"
              "[Last]\r\n"
              "Part=not this one\r\n");
}

TEST(IniFile, ReadsLfOnlyFilesAndMissingSections) {
    const IniFile ini = IniFile::Parse("[Data]\nCustomer=J\nPart=\n");
    EXPECT_EQ(ini.value("Data", "Customer", "x"), "J");
    EXPECT_EQ(ini.value("Data", "Part", "x"), "");
    EXPECT_EQ(ini.value("Data", "Path Tools", "None"), "None");
    EXPECT_EQ(ini.value("Other", "Customer"), std::nullopt);
}

TEST(ConfigFile, BesideTheExecutable) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "bin");
    EXPECT_EQ(ConfigFilePath(dir.file("bin/zelpor"), dir.file("user")), dir.file("bin/zelpor.INI"));
    EXPECT_EQ(ConfigFilePath(dir.file("bin/Zelpor_2.exe"), dir.file("user")), dir.file("bin/Zelpor_2.INI"));
    EXPECT_FALSE(fs::exists(dir.path() / "user"));
}

TEST(ConfigFile, InTheUserFolderWhenTheProgramsFolderIsReadOnly) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "bin");
    fs::permissions(dir.path() / "bin", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string user = (dir.path() / "config" / "Zelpor_2").string();
    EXPECT_EQ(ConfigFilePath(dir.file("bin/zelpor"), user), (dir.path() / "config" / "Zelpor_2" / "zelpor.INI").string());
    EXPECT_TRUE(fs::is_directory(user));
}

}  // namespace
}  // namespace zelpor
