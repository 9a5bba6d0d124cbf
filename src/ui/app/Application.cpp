#include "ui/app/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <QLocale>
#include <clocale>

#include "ui/app/CloseKey.h"
#include "ui/app/FocusReturn.h"
#include "ui/app/KeyboardMenuStyle.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/NewCustomDialog.h"
#include "ui/dialogs/NewPartDialog.h"
#include "ui/dialogs/SelectCustomDialog.h"
#include "ui/dialogs/SelectPartDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/params/ParameterWindow.h"
#include "ui/profile/ProfileWindow.h"
#include "ui/sequence/SequenceWindow.h"
#include "ui/tools/ToolLibraryWindow.h"

namespace zelpor {

Application::Application(const std::string& executablePath, const std::string& userConfigFolder,
                         MessageService* messages)
    : m_messages(messages) {
    if (!m_messages) {
        m_ownMessages = std::make_unique<DialogMessageService>();
        m_messages = m_ownMessages.get();
    }
    UsePointDecimalSeparator();
    if (!dynamic_cast<KeyboardMenuStyle*>(QApplication::style()))
        QApplication::setStyle(new KeyboardMenuStyle(QApplication::style()->name()));
    QCoreApplication::setApplicationName(QStringLiteral("Zelpor_2"));
    m_state.iniPath = ConfigFilePath(executablePath, userConfigFolder);
    m_windows.main = new MainWindow(m_state, m_windows, *m_messages);
    // The main window settles the workspace (configuration, folders, last
    // part); the machine parameters are read from the tools folder it names.
    m_windows.main->loadWorkspace();
    LoadParameterTable(m_startParameters, m_state.workspace.pathTools);
    prepareSecondaryWindows();
    new FocusReturn(m_windows.main);
    new CloseKey(m_windows.main);
}

// The other windows are built the first time they open: starting shows the
// main window alone, sooner and in less memory.
void Application::prepareSecondaryWindows() {
    WindowSet& w = m_windows;
    MainWindow* parent = w.main;
    auto build = [this, parent](auto& window, auto make) {
        window.setBuilder([make, parent] { return make(parent); });
    };
    AppState& s = m_state;
    MessageService& msg = *m_messages;
    build(w.newCustom, [&s, &w, &msg](QWidget* p) { return new NewCustomDialog(s, w, msg, p); });
    build(w.newPart, [&s, &w, &msg](QWidget* p) { return new NewPartDialog(s, w, msg, p); });
    build(w.about, [&s, &w, &msg](QWidget* p) { return new AboutBox(s, w, msg, p); });
    build(w.selectCustom, [&s, &w, &msg](QWidget* p) { return new SelectCustomDialog(s, w, msg, p); });
    build(w.selectPart, [&s, &w, &msg](QWidget* p) { return new SelectPartDialog(s, w, msg, p); });
    build(w.parameters, [this, &s, &w, &msg](QWidget* p) {
        auto* window = new ParameterWindow(s, w, msg, p);
        window->table() = m_startParameters;  // the table as it was when the program started
        return window;
    });
    build(w.profile, [&s, &w, &msg](QWidget* p) { return new ProfileWindow(s, w, msg, p); });
    build(w.punchLibrary, [&s, &msg](QWidget* p) { return new ToolLibraryWindow(s, ToolKind::Punch, msg, p); });
    build(w.dieLibrary, [&s, &msg](QWidget* p) { return new ToolLibraryWindow(s, ToolKind::Die, msg, p); });
    build(w.sequence, [&s, &w, &msg](QWidget* p) { return new SequenceWindow(s, w, msg, p); });
}

Application::~Application() { delete m_windows.main; }

void Application::start() {
    m_windows.main->show();
    // Take the keyboard at once, also where no window manager hands it over.
    m_windows.main->raise();
    m_windows.main->activateWindow();
}

void Application::UsePointDecimalSeparator() {
    // Stored values, typed values and the configuration all use "." whatever
    // the user's locale: Qt's number conversions follow the default QLocale,
    // and anything that still goes through the C library follows LC_NUMERIC
    // (which QApplication set from the environment).
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace zelpor
