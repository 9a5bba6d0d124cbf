#include "tools/ToolLibraryWindow.h"

#include "common/MessageService.h"
#include "workspace/AppState.h"

namespace zelpor {

ToolLibraryWindow::ToolLibraryWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_kind(kind), m_messages(messages) {
    const bool punch = kind == ToolKind::Punch;
    setObjectName(punch ? QStringLiteral("TFormListPoincon") : QStringLiteral("TFormListMatrice"));
    setWindowTitle(punch ? QStringLiteral("Zelpor_2       Liste Poincon") : QStringLiteral("Zelpor_2       Liste Matice"));
}

}  // namespace zelpor
