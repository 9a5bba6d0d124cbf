#include "app/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <QLocale>
#include <clocale>

#include "app/CloseKey.h"
#include "app/FocusReturn.h"
#include "app/KeyboardMenuStyle.h"
#include "dialogs/AboutBox.h"
#include "dialogs/NewCustomDialog.h"
#include "dialogs/NewPartDialog.h"
#include "dialogs/SelectCustomDialog.h"
#include "dialogs/SelectPartDialog.h"
#include "mainwindow/MainWindow.h"
#include "params/ParameterWindow.h"
#include "profile/ProfileWindow.h"
#include "sequence/SequenceWindow.h"
#include "tools/ToolLibraryWindow.h"

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

    auto& w = m_windows;
    auto& msg = *m_messages;
    w.main = new MainWindow(m_state, w, msg);
    // The main window settles the workspace before any other window exists:
    // the parameter editor reads "Param.dat" from the tools folder when it is
    // constructed.
    w.main->loadWorkspace();
    w.newCustom = new NewCustomDialog(m_state, w, msg, w.main);
    w.newPart = new NewPartDialog(m_state, w, msg, w.main);
    w.about = new AboutBox(m_state, w, msg, w.main);
    w.selectCustom = new SelectCustomDialog(m_state, w, msg, w.main);
    w.selectPart = new SelectPartDialog(m_state, w, msg, w.main);
    w.parameters = new ParameterWindow(m_state, w, msg, w.main);
    w.profile = new ProfileWindow(m_state, w, msg, w.main);
    w.punchLibrary = new ToolLibraryWindow(m_state, ToolKind::Punch, msg, w.main);
    w.dieLibrary = new ToolLibraryWindow(m_state, ToolKind::Die, msg, w.main);
    w.sequence = new SequenceWindow(m_state, w, msg, w.main);
    new FocusReturn(w.main);
    new CloseKey(w.main);
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
