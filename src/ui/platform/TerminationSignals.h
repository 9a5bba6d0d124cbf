#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>

class QWidget;

namespace zelpor {

struct AppState;

// A session that ends (logout, shutdown, Ctrl+C in a terminal) closes the main
// window as the user would, so the configuration and the open part are saved
// instead of being lost. No-op where the platform has no such signals.
void CloseOnTerminationSignals(QWidget* mainWindow);

// Set (as a dynamic property) on the main window when it is closed from
// outside, with nobody at the screen to answer a question.
inline constexpr char kClosingUnattended[] = "closingUnattended";

// On a display without a window manager the main window is closed from
// outside by destroying its X window. That is taken as the user closing it:
// the program saves and ends instead of running on without a window.
class CloseWhenWindowDestroyed final : public QAbstractNativeEventFilter {
public:
    explicit CloseWhenWindowDestroyed(QWidget* mainWindow);
    ~CloseWhenWindowDestroyed() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWidget> m_window;
};

// When the display goes away under the program (the X connection is cut and
// the toolkit ends the process), the configuration and the part are saved as
// the close handler would have saved them. Call once from main(); `state`
// must outlive the event loop. Nothing is saved after a normal end.
void SaveWhenDisplayIsLost(AppState& state);
void ProgramEndedNormally();

}  // namespace zelpor
