#include "params/ParameterWindow.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

ParameterWindow::ParameterWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormParametre"));
    setWindowTitle(QStringLiteral("Zelpor_2       Parametres"));
}

}  // namespace zelpor
