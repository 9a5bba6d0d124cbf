#include "dialogs/NewPartDialog.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

NewPartDialog::NewPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormNewPart"));
    setWindowTitle(QStringLiteral("Nouvelle piece"));
}

}  // namespace zelpor
