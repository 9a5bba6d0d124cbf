#include "dialogs/SelectCustomDialog.h"

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

SelectCustomDialog::SelectCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormSelectCustom"));
    setWindowTitle(QStringLiteral("Selection Affaire"));
}

}  // namespace zelpor
