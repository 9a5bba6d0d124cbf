#include "ui/dialogs/SelectCustomDialog.h"

#include "core/jobs/JobsAndParts.h"
#include "core/workspace/AppState.h"

namespace zelpor {

SelectCustomDialog::SelectCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : SelectionDialog(state, messages, parent), m_windows(windows) {
    setObjectName(QStringLiteral("TFormSelectCustom"));
    setWindowTitle(QStringLiteral("Selection Affaire"));
}

std::string SelectCustomDialog::whereText() const { return m_state.workspace.pathCustomers; }

std::vector<std::string> SelectCustomDialog::entries() const { return ListJobs(m_state.workspace.pathCustomers); }

const std::string& SelectCustomDialog::currentEntry() const { return m_state.workspace.customer; }

void SelectCustomDialog::choose(const std::string& entry) {
    m_state.workspace.customer = entry;
    m_state.readCurrentPart();
}

}  // namespace zelpor
