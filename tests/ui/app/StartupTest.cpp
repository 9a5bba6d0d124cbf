#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "support/TempDir.h"
#include "workspace/IniFile.h"

namespace zelpor {
namespace {

TEST(Startup, FirstStartCreatesFoldersAndWritesIni) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    {
        Application app(dir.file("zelpor"), "");
        app.start();
        app.windows().main->close();
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Customers"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Tools"));
    IniFile ini = IniFile::Load(dir.file("zelpor.INI"));
    EXPECT_EQ(ini.value("Data", "Customer", "x"), "?");
    EXPECT_EQ(ini.value("Data", "Part", "x"), "");
    EXPECT_EQ(ini.value("Data", "Path Customers", ""), dir.folder() + "Customers/");
}

}  // namespace
}  // namespace zelpor
