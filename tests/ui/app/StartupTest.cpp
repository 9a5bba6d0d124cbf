#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <filesystem>

#include "app/Application.h"
#include "io/Files.h"
#include "mainwindow/MainWindow.h"
#include "part/PartRecord.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tools/ToolRecords.h"
#include "workspace/IniFile.h"

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

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Startup, FirstStartMakesTheWorkspaceWithTheSampleLibrary) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    const std::string customers = dir.folder() + "Customers" + kPathSeparator;
    const std::string tools = dir.folder() + "Tools" + kPathSeparator;
    {
        test::ScriptedMessages messages;
        Application app(dir.file("zelpor"), "", &messages);
        // The workspace is settled as soon as the windows exist.
        EXPECT_EQ(app.state().workspace.pathCustomers, customers);
        EXPECT_EQ(app.state().workspace.pathTools, tools);
        app.start();
        // No job yet: the job field shows "?" and has the keyboard.
        auto* job = app.windows().main->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        EXPECT_EQ(job->text(), QStringLiteral("?"));
        EXPECT_EQ(app.windows().main->focusWidget(), job);
        EXPECT_EQ(ListToolNames(tools, ToolKind::Die).size(), 6u);
        app.windows().main->close();
        EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_TRUE(fs::is_directory(dir.path() / "Customers"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "Customers"));
    EXPECT_EQ(Sorted(ListToolNames(tools, ToolKind::Punch)),
              (std::vector<std::string>{"P30-67", "P85-100", "P88-67", "P88-95-COL"}));
    EXPECT_EQ(fs::file_size(dir.path() / "Tools" / "material.dat"), 900u);
    EXPECT_EQ(fs::file_size(dir.path() / "Tools" / "Param.dat"), 7872u);
    EXPECT_EQ(ReadText(dir.file("zelpor.INI")),
              "[Data]\r\n"
              "Path Customers=" + customers + "\r\n"
              "Customer=?\r\n"
              "Part=\r\n"
              "Path Tools=" + tools + "\r\n");
}

TEST(Startup, ConfiguredToolsFolderIsNeverFilled) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    fs::create_directory(dir.path() / "MyTools");
    const std::string tools = dir.folder() + "MyTools" + kPathSeparator;
    WriteText(dir.file("zelpor.INI"), "[Data]\r\nPath Tools=" + tools + "\r\n");
    {
        test::ScriptedMessages messages;
        Application app(dir.file("zelpor"), "", &messages);
        app.start();
        app.windows().main->close();
    }
    EXPECT_TRUE(fs::is_empty(dir.path() / "MyTools"));
    EXPECT_FALSE(fs::exists(dir.path() / "Tools"));  // the "None" default is not used
}

TEST(Startup, PartWithoutBendsIsWrittenBackUnchanged) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    fs::create_directories(dir.path() / "Customers" / "Job 1");
    fs::create_directory(dir.path() / "Tools");
    const std::string customers = dir.folder() + "Customers" + kPathSeparator;
    const std::string tools = dir.folder() + "Tools" + kPathSeparator;
    WriteText(dir.file("zelpor.INI"), "[Data]\r\nPath Customers=" + customers +
                                          "\r\nCustomer=Job 1\r\nPart=Equerre\r\nPath Tools=" + tools + "\r\n");
    // A part from another installation: random bytes everywhere, no bend, and
    // in-range profile and sketch indexes.
    auto image = test::RandomBytes(PartRecord::kFileSize, 42);
    auto put = [&](std::size_t offset, std::int32_t v) {
        for (int i = 0; i < 4; ++i) image[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    };
    put(290, -1);
    put(294, -1);
    put(4003, 3);
    put(4607, 5);
    const std::string partPath = (dir.path() / "Customers" / "Job 1" / "Equerre.pie").string();
    test::WriteAll(partPath, image);
    {
        test::ScriptedMessages messages;
        Application app(dir.file("zelpor"), "", &messages);
        app.start();
        EXPECT_EQ(app.state().part.currentBend, -1);
        EXPECT_EQ(app.state().part.lastBend, -1);
        EXPECT_EQ(app.windows().main->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("Job 1"));
        EXPECT_EQ(app.windows().main->findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), QStringLiteral("Equerre"));
        app.windows().main->close();
    }
    EXPECT_EQ(test::ReadAll(partPath), image);
    EXPECT_TRUE(fs::is_empty(dir.path() / "Tools"));
    const IniFile ini = IniFile::Load(dir.file("zelpor.INI"));
    EXPECT_EQ(ini.value("Data", "Customer", ""), "Job 1");
    EXPECT_EQ(ini.value("Data", "Part", ""), "Equerre");
}

TEST(Startup, PointIsTheDecimalSeparatorWhateverTheLocale) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    {
        test::ScriptedMessages messages;
        Application app(dir.file("zelpor"), "", &messages);
        EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
        EXPECT_EQ(QLocale().toString(16.09, 'f', 2), QStringLiteral("16.09"));
        EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zelpor_2"));
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace zelpor
