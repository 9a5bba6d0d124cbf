#include "dialogs/NewCustomDialog.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

NewCustomDialog::NewCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormNewCustom"));
    setWindowTitle(QStringLiteral("Nouvelle Affaire"));
}

}  // namespace zelpor
