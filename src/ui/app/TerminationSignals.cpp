#include "app/TerminationSignals.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "workspace/AppState.h"

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
    if (eventType != "xcb_generic_event_t" || !message || !m_window) return false;
    // The X protocol's DestroyNotify event: type 17 (the top bit marks a sent
    // event), then padding, sequence, the event window and the destroyed window.
    constexpr std::uint8_t kDestroyNotify = 17;
    unsigned char bytes[12];
    std::memcpy(bytes, message, sizeof bytes);
    if ((bytes[0] & 0x7F) != kDestroyNotify) return false;
    std::uint32_t destroyed = 0;
    std::memcpy(&destroyed, bytes + 8, sizeof destroyed);
    if (m_window->internalWinId() == 0 || destroyed != static_cast<std::uint32_t>(m_window->internalWinId()))
        return false;
    CloseLikeTheUser(m_window);
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
