#include "dialogs/SelectPartDialog.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

SelectPartDialog::SelectPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormSelectPart"));
    setWindowTitle(QStringLiteral("Selection Piece"));
}

}  // namespace zelpor
