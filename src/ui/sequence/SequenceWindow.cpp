#include "sequence/SequenceWindow.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

SequenceWindow::SequenceWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormSequence"));
    setWindowTitle(QStringLiteral("Zelpor2     Sequence"));
}

}  // namespace zelpor
