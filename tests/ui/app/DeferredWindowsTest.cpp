#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "app/Application.h"
#include "dialogs/AboutBox.h"
#include "mainwindow/MainWindow.h"
#include "params/ParameterWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tools/ToolLibraryWindow.h"

namespace zelpor {
namespace {

// The program started on a first start in its own folder.
class DeferredWindows : public ::testing::Test {
protected:
    DeferredWindows() : m_cwd(m_dir.path()), m_app(m_dir.file("zelpor"), "", &m_messages) { m_app.start(); }
    ~DeferredWindows() override { m_app.windows().main->close(); }

    // Opens a window from the main window's menu and closes it at once;
    // returns the window that was shown.
    QWidget* openFromMenu(const char* action) {
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&shown] {
            shown = QApplication::activeModalWidget();
            if (auto* d = qobject_cast<QDialog*>(shown)) d->done(QDialog::Rejected);
        });
        m_app.windows().main->findChild<QAction*>(QLatin1String(action))->trigger();
        return shown;
    }

    test::TempDir m_dir;
    test::ScopedWorkingDirectory m_cwd;
    test::ScriptedMessages m_messages;
    Application m_app;
};

TEST_F(DeferredWindows, StartBuildsTheMainWindowAloneAndEachWindowOnceWhenFirstOpened) {
    WindowSet& w = m_app.windows();
    EXPECT_TRUE(w.main->findChildren<QDialog*>().isEmpty());
    const std::pair<const char*, QWidget* (*)(WindowSet&)> windows[] = {
        {"APropos1", [](WindowSet& s) -> QWidget* { return s.about.builtSoFar(); }},
        {"ListePoincons1", [](WindowSet& s) -> QWidget* { return s.punchLibrary.builtSoFar(); }},
        {"ListeMatrices1", [](WindowSet& s) -> QWidget* { return s.dieLibrary.builtSoFar(); }},
    };
    for (const auto& [action, built] : windows) {
        EXPECT_EQ(built(w), nullptr) << action;
        QWidget* first = openFromMenu(action);
        EXPECT_TRUE(first && first == built(w)) << action;
        EXPECT_EQ(openFromMenu(action), first) << action;  // kept for the next opening
    }
    EXPECT_EQ(w.sequence.builtSoFar(), nullptr);  // nothing opened it
    EXPECT_EQ(w.main->findChildren<QDialog*>().size(), 3);
    EXPECT_TRUE(m_messages.shown.empty());
}

// The machine parameters are read when the program starts, as before: the
// editor opened later shows (and writes back on closing) the table of then.
TEST_F(DeferredWindows, ParameterEditorHoldsTheTableReadAtStart) {
    const std::string path = m_dir.file("Tools/Param.dat");
    const std::vector<std::uint8_t> atStart = test::ReadAll(path);
    test::WriteAll(path, std::vector<std::uint8_t>(atStart.size(), 0));
    EXPECT_EQ(m_app.windows().parameters.builtSoFar(), nullptr);

    QWidget* editor = openFromMenu("Parametres1");
    EXPECT_TRUE(editor && editor == m_app.windows().parameters.builtSoFar());
    EXPECT_EQ(EncodeParameterTable(m_app.windows().parameters->table()), atStart);
    EXPECT_EQ(test::ReadAll(path), atStart);
}

}  // namespace
}  // namespace zelpor
