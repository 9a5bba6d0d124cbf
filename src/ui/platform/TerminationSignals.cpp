#include "ui/platform/TerminationSignals.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

#include "ui/platform/X11Events.h"
#include "core/workspace/AppState.h"

#ifndef _WIN32
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zelpor {

namespace {

// Ends the program as the user would: a modal window still open keeps the
// loop inside it, so it is ended without its questions, then the main window
// is closed once the loops unwound.
void CloseLikeTheUser(const QPointer<QWidget>& window) {
    if (!window) return;
    window->setProperty(kClosingUnattended, true);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->QDialog::done(QDialog::Rejected);
    QTimer::singleShot(0, window, [window] {
        if (window) window->close();
    });
}

}  // namespace

#ifndef _WIN32
namespace {

int g_signalSocket[2] = {-1, -1};

// Only async-signal-safe work here: wake the event loop through the socket.
extern "C" void OnTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(QWidget* mainWindow) {
    if (g_signalSocket[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSocket) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, mainWindow);
    QPointer<QWidget> window(mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [window] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(g_signalSocket[1], &byte, 1);
        CloseLikeTheUser(window);
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}
#else
void CloseOnTerminationSignals(QWidget*) {}
#endif

CloseWhenWindowDestroyed::CloseWhenWindowDestroyed(QWidget* mainWindow) : m_window(mainWindow) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installNativeEventFilter(this);
}

CloseWhenWindowDestroyed::~CloseWhenWindowDestroyed() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CloseWhenWindowDestroyed::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!m_window || m_window->internalWinId() == 0) return false;
    const std::optional<std::uint32_t> destroyed = DestroyedX11Window(eventType, message);
    if (destroyed && *destroyed == static_cast<std::uint32_t>(m_window->internalWinId())) CloseLikeTheUser(m_window);
    return false;
}

namespace {

AppState* g_stateToSave = nullptr;

extern "C" void SaveAtExit() {
    AppState* state = g_stateToSave;
    g_stateToSave = nullptr;
    if (!state) return;
    SaveWorkspace(state->workspace, state->iniPath);
    if (state->workspace.hasJob()) state->writeCurrentPart();
}

}  // namespace

void SaveWhenDisplayIsLost(AppState& state) {
    static bool registered = false;
    g_stateToSave = &state;
    if (!registered) registered = std::atexit(SaveAtExit) == 0;
}

void ProgramEndedNormally() { g_stateToSave = nullptr; }

}  // namespace zelpor
