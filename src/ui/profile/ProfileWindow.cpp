#include "profile/ProfileWindow.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

ProfileWindow::ProfileWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormDrawNew"));
    setWindowTitle(QStringLiteral("Zelpor2         Graphique"));
}

}  // namespace zelpor
