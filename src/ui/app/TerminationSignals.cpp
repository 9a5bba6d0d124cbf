#include "app/TerminationSignals.h"

#include <QApplication>
#include <QWidget>

#ifndef _WIN32
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zelpor {

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
        if (!window) return;
        // A modal window still open keeps the loop inside it: end it without
        // its questions, then close the main window once the loops unwound.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->QDialog::done(QDialog::Rejected);
        QTimer::singleShot(0, window, [window] {
            if (window) window->close();
        });
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

}  // namespace zelpor
