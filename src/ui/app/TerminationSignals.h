#pragma once

class QWidget;

namespace zelpor {

// A session that ends (logout, shutdown, Ctrl+C in a terminal) closes the main
// window as the user would, so the configuration and the open part are saved
// instead of being lost. No-op where the platform has no such signals.
void CloseOnTerminationSignals(QWidget* mainWindow);

}  // namespace zelpor
