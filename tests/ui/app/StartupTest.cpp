#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <functional>

#include "ui/app/Application.h"
#include "ui/platform/FirstPaintProbe.h"
#include "ui/platform/TerminationSignals.h"
#include "core/io/Files.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/params/ParameterWindow.h"
#include "core/part/PartRecord.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// The program started from its own folder, with `ini` as its INI when given.
class Startup : public ::testing::Test {
protected:
    Startup() : m_cwd(m_dir.path()) {}
    std::string folder(const char* name) const { return m_dir.folder() + name + kPathSeparator; }
    void writeIni(const std::string& text) { test::WriteAll(m_dir.file("zelpor.INI"), {text.begin(), text.end()}); }
    std::string ini() const {
        const auto bytes = test::ReadAll(m_dir.file("zelpor.INI"));
        return std::string(bytes.begin(), bytes.end());
    }
    // A configuration naming job "Job" and part "Equerre", whose file is not there yet.
    std::string writeJobIni() {
        fs::create_directories(folder("Customers") + "Job");
        writeIni("[Data]\r\nPath Customers=" + folder("Customers") + "\r\nCustomer=Job\r\nPart=Equerre\r\n");
        return folder("Customers") + "Job" + kPathSeparator + "Equerre.pie";
    }
    QString field(Application& app, const char* name) {
        return app.windows().main->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    // Starts, runs `during`, closes; no message box may show.
    void runOnce(const std::function<void(Application&)>& during = {}) {
        test::ScriptedMessages messages;
        Application app(m_dir.file("zelpor"), "", &messages);
        app.start();
        if (during) during(app);
        app.windows().main->close();
        EXPECT_TRUE(messages.shown.empty());
    }

    test::TempDir m_dir;
    test::ScopedWorkingDirectory m_cwd;
};

// First start in an empty folder, on a French desktop: the point stays the
// decimal separator.
TEST_F(Startup, FirstStartMakesTheWorkspaceWithTheSampleLibrary) {
    const std::string customers = folder("Customers"), tools = folder("Tools");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    runOnce([&](Application& app) {
        EXPECT_EQ(QLocale().toString(16.09, 'f', 2), "16.09");
        EXPECT_EQ(app.state().workspace.pathCustomers, customers);
        EXPECT_EQ(field(app, "Edit1"), "?");  // no job yet: the job field has the keyboard
        EXPECT_EQ(app.windows().main->focusWidget()->objectName(), "Edit1");
        // The machine parameters are read at start: the editor opened later
        // from the menu shows, and writes back on closing, the table of then.
        const auto atStart = test::ReadAll(tools + "Param.dat");
        test::WriteAll(tools + "Param.dat", std::vector<std::uint8_t>(atStart.size(), 0));
        QTimer::singleShot(0, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->done(QDialog::Rejected);
        });
        app.windows().main->findChild<QAction*>(QLatin1String("Parametres1"))->trigger();
        EXPECT_EQ(test::ReadAll(tools + "Param.dat"), atStart);
    });
    QLocale::setDefault(before);
    EXPECT_TRUE(fs::is_directory(customers) && fs::is_empty(customers));
    auto punches = ListToolNames(tools, ToolKind::Punch);
    std::sort(punches.begin(), punches.end());
    EXPECT_EQ(punches, (std::vector<std::string>{"P30-67", "P85-100", "P88-67", "P88-95-COL"}));
    EXPECT_EQ(fs::file_size(tools + "material.dat"), 900u);
    EXPECT_EQ(fs::file_size(tools + "Param.dat"), 7872u);
    EXPECT_EQ(ini(),
              "[Data]\r\nPath Customers=" + customers + "\r\nCustomer=?\r\nPart=\r\nPath Tools=" + tools + "\r\n");
}

// A part from another installation: random bytes everywhere, no bend, and
// in-range profile and sketch indexes. Closing must not touch a byte.
TEST_F(Startup, PartWithoutBendsIsWrittenBackUnchanged) {
    const std::string customers = folder("Customers"), tools = folder("Tools");
    fs::create_directories(customers + "Job 1");
    fs::create_directory(tools);
    const std::string config =
        "[Data]\r\nPath Customers=" + customers + "\r\nCustomer=Job 1\r\nPart=Equerre\r\nPath Tools=" + tools + "\r\n";
    writeIni(config);
    auto image = test::RandomBytes(PartRecord::kFileSize, 42);
    for (auto [offset, v] : {std::pair{290u, -1}, {294u, -1}, {4003u, 3}, {4607u, 5}})
        for (unsigned i = 0; i < 4; ++i)
            image[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    const std::string partPath = customers + "Job 1" + kPathSeparator + "Equerre.pie";
    test::WriteAll(partPath, image);
    runOnce([&](Application& app) {
        EXPECT_EQ(app.state().part.currentBend, -1);
        EXPECT_EQ(field(app, "Edit2"), "Equerre");
    });
    EXPECT_EQ(test::ReadAll(partPath), image);
    EXPECT_TRUE(fs::is_empty(tools));
    EXPECT_EQ(ini(), config);
}

// Without a window manager a test harness or a session closes the program by
// destroying its X window, or by cutting its X connection (the toolkit then
// ends the process): both save as closing the window does.
TEST_F(Startup, DestroyedWindowOrLostDisplaySavesLikeClosing) {
    const std::string partPath = writeJobIni();
    {
        test::ScriptedMessages messages;
        Application app(m_dir.file("zelpor"), "", &messages);
        app.start();
        MainWindow* main = app.windows().main;
        CloseWhenWindowDestroyed filter(main);
        auto destroyNotify = [&](std::uint32_t window) {
            std::array<unsigned char, 32> event{};
            event[0] = 17;
            std::memcpy(event.data() + 8, &window, 4);
            filter.nativeEventFilter("xcb_generic_event_t", event.data(), nullptr);
            QCoreApplication::processEvents();
        };
        destroyNotify(static_cast<std::uint32_t>(main->internalWinId()) + 1);  // some other window
        EXPECT_FALSE(fs::exists(partPath));
        destroyNotify(static_cast<std::uint32_t>(main->internalWinId()));
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(fs::file_size(partPath), PartRecord::kFileSize);
        EXPECT_TRUE(messages.shown.empty());
    }
    fs::remove(partPath);
    fs::remove(m_dir.file("zelpor.INI"));
    const auto loseTheDisplay = [&] {
        AppState state;
        state.iniPath = m_dir.file("zelpor.INI");
        state.workspace = {folder("Customers"), "Job", "Equerre", folder("Tools")};
        SaveWhenDisplayIsLost(state);
        std::exit(1);  // what the toolkit does when its X connection breaks
    };
    EXPECT_EXIT(loseTheDisplay(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(fs::file_size(partPath), PartRecord::kFileSize);
    EXPECT_EQ(ini(), "[Data]\r\nPath Customers=" + folder("Customers") +
                         "\r\nCustomer=Job\r\nPart=Equerre\r\nPath Tools=" + folder("Tools") + "\r\n");
}

}  // namespace
}  // namespace zelpor
