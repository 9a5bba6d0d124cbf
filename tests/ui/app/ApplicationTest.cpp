#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>

#include "ui/app/Application.h"
#include "ui/platform/TerminationSignals.h"
#include "core/io/Files.h"
#include "ui/mainwindow/MainWindow.h"
#include "core/part/PartRecord.h"
#include "ui/profile/ProfileWindow.h"
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
    runOnce([&](Application& app) {
        EXPECT_EQ(QLocale().toString(16.09, 'f', 2), "16.09");
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
    EXPECT_EQ(ListToolNames(tools, ToolKind::Punch),
              (std::vector<std::string>{"P30-67", "P85-100", "P88-67", "P88-95-COL"}));
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
        std::memcpy(image.data() + offset, &v, 4);  // little-endian host
    const std::string partPath = customers + "Job 1" + kPathSeparator + "Equerre.pie";
    test::WriteAll(partPath, image);
    runOnce([&](Application& app) { EXPECT_EQ(field(app, "Edit2"), "Equerre"); });
    EXPECT_EQ(test::ReadAll(partPath), image);
    EXPECT_TRUE(fs::is_empty(tools));
    EXPECT_EQ(ini(), config);
}

// Without a window manager a test harness or a session closes the program by
// destroying its X window, or by cutting its X connection (the toolkit then
// ends the process): both save as closing the window does.
TEST_F(Startup, DestroyedWindowOrLostDisplaySavesLikeClosing) {
    fs::create_directories(folder("Customers") + "Job");
    writeIni("[Data]\r\nPath Customers=" + folder("Customers") + "\r\nCustomer=Job\r\nPart=Equerre\r\n");
    const std::string partPath = folder("Customers") + "Job" + kPathSeparator + "Equerre.pie";
    runOnce([&](Application& app) {
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
    });
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

// The whole route of a graphic part, driven with keys: a three-bend profile
// typed in the drawing window, F8, then in the sequence window bend 1
// validated, bend 2 pivoted and validated, bend 3 validated after stepping
// back and forth, and "Retour". The program of the part is then bend 3, 2, 1.
using DrawToSequence = Startup;

TEST_F(DrawToSequence, ThreeBendProfileBecomesAProgramAndSurvivesTheFile) {
    test::ScriptedMessages messages;
    Application app(m_dir.file("zelpor"), "", &messages);  // first start: sample tools
    AppState& state = app.state();
    state.workspace.customer = "Job";
    state.workspace.part = "Bracket";
    ASSERT_TRUE(state.loadPunch("P88-67") && state.loadDie("V16"));  // as the main window loads them
    state.part.currentBend = state.part.lastBend = -1;

    ProfileWindow* drawing = app.windows().profile;
    QTimer::singleShot(0, drawing, [&] {
        auto* entry = drawing->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        for (const char* value : {"2", "0", "100", "90", "50", "90", "80", "-90", "40"}) {
            entry->selectAll();
            QTest::keyClicks(entry, QString::fromLatin1(value));
            QTest::keyClick(entry, Qt::Key_Return);
        }
        QTimer::singleShot(0, drawing, [&] {
            QWidget* sequence = QApplication::activeModalWidget();
            ASSERT_TRUE(sequence);
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F7, Qt::Key_F4, Qt::Key_F1, Qt::Key_F7, Qt::Key_F6, Qt::Key_F7,
                                Qt::Key_F7, Qt::Key_F1, Qt::Key_F8})
                QTest::keyClick(sequence, key);
        });
        QTest::keyClick(entry, Qt::Key_F8);
    });
    ASSERT_EQ(drawing->exec(), QDialog::Accepted);

    const PartRecord& p = state.part;
    ASSERT_EQ(p.profileBendCount, 3);
    EXPECT_EQ(p.lastBend, 2);
    const int orders[] = {2, 1, 0};
    const int pivots[] = {0, 1, 0};
    const float angles[] = {90, 90, -90};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(p.profile[k].order, orders[k]);
        EXPECT_EQ(p.profile[k].pivot, pivots[k]);
        EXPECT_FLOAT_EQ(p.profile[k].angle, angles[k]);
        EXPECT_NEAR(p.profile[k].correction, -4.0177, 1e-3);  // fresh bends: from the die already loaded
        // Bend record at program position order_k holds this bend's angle.
        const BendRecord& bend = p.bends[static_cast<std::size_t>(orders[k])];
        EXPECT_FLOAT_EQ(bend.angle, angles[k]);
        EXPECT_EQ(bend.die.str(), "V16");
        EXPECT_EQ(bend.punch.str(), "P88-67");
    }

    // Saved and read back, the program is the same, byte for byte.
    ASSERT_EQ(state.writeCurrentPart(), 1);
    PartRecord again;
    ASSERT_TRUE(ReadPart(again, state.workspace.pathCustomers, "Job", "Bracket.pie"));
    EXPECT_EQ(EncodePart(again), EncodePart(p));
}

}  // namespace
}  // namespace zelpor
