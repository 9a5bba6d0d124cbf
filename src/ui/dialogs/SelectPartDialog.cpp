#include "ui/dialogs/SelectPartDialog.h"

#include "core/jobs/JobsAndParts.h"
#include "core/workspace/AppState.h"

namespace zelpor {

SelectPartDialog::SelectPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : SelectionDialog(state, messages, parent), m_windows(windows) {
    setObjectName(QStringLiteral("TFormSelectPart"));
    setWindowTitle(QStringLiteral("Selection Piece"));
}

std::string SelectPartDialog::whereText() const { return m_state.workspace.jobFolder(); }

std::vector<std::string> SelectPartDialog::entries() const { return ListParts(m_state.workspace.jobFolder()); }

const std::string& SelectPartDialog::currentEntry() const { return m_state.workspace.part; }

void SelectPartDialog::choose(const std::string& entry) {
    m_state.workspace.part = entry;
    m_state.readCurrentPart();
}

}  // namespace zelpor
