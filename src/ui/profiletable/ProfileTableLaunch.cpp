#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "ui/profiletable/ProfileTableWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {

int RunProfileTable(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent,
                    ProfileTableWindow::Start start) {
    // Built for each use: most sessions never open it.
    ProfileTableWindow window(state, windows, messages, start, parent);
    return window.exec();
}

void ChangeProfileInTable(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent) {
    if (state.part.graphicProfile == 0) {
        messages.warn(parent, QStringLiteral("Piece sans profil graphique"), QStringLiteral("Zelpor_2"));
        return;
    }
    if (RunProfileTable(state, windows, messages, parent, ProfileTableWindow::Start::CurrentProfile) !=
        QDialog::Accepted)
        return;
    // The changed profile and program are kept on disk at once.
    if (state.workspace.hasJob() && state.writeCurrentPart() == 0)
        ReportNotSaved(messages, parent, PartNotSavedText(state.workspace.partFilePath()));
}

}  // namespace zelpor
