// The function buttons, the windows they and the menus open, and closing.
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <utility>

#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "ui/common/WindowSet.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/NewCustomDialog.h"
#include "ui/dialogs/NewPartDialog.h"
#include "ui/dialogs/SelectCustomDialog.h"
#include "ui/dialogs/SelectPartDialog.h"
#include "core/io/Files.h"
#include "core/bendentry/BendCursor.h"
#include "ui/mainwindow/MainWindow.h"
#include "core/jobs/PartFiles.h"
#include "ui/params/ParameterWindow.h"
#include "ui/platform/TerminationSignals.h"
#include "ui/profile/ProfileWindow.h"
#include "ui/profiletable/ProfileTableWindow.h"
#include "ui/sequence/SequenceWindow.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {

void MainWindow::runModal(QDialog* dialog) {
    dialog->exec();
    activate();
}

// A button does what its F-key does at the focused level, except that it
// takes the keyboard away from the bend field (and the third one deletes a part).
void MainWindow::onFunctionButton(int position) {
    switch (position) {
    case 1:
        if (m_level == FocusLevel::Job) selectJob();
        else if (m_level == FocusLevel::Part) selectPart();
        else if (m_level == FocusLevel::Bend) bendMove(&FirstBend, true);
        break;
    case 2:
        if (m_level == FocusLevel::Job) newJob();
        else if (m_level == FocusLevel::Part) newPart(false);
        else if (m_level == FocusLevel::Bend) bendMove(&PreviousBend, true);
        break;
    case 3:
        if (m_level == FocusLevel::Part) deletePart();
        else if (m_level == FocusLevel::Bend) bendMove(&NextBend, true);
        break;
    case 4:
        if (m_level == FocusLevel::Bend) bendMove(&InsertBend, true);
        break;
    case 8: switchView(); break;
    default: break;
    }
}

void MainWindow::switchView() {
    if (m_level < FocusLevel::Bend) return;
    setViewMode(m_viewMode == ViewMode::Numeric ? ViewMode::Graphic : ViewMode::Numeric);
    refreshView();
}

void MainWindow::bendMove(bool (*step)(PartRecord&), bool fromButton) {
    if (step(m_state.part)) showBendPosition();
    // A button took the operator away from the bend field; coming back shows the bend.
    if (fromButton) focusField(Field::Bend);
}

void MainWindow::selectJob() {
    m_functionButtons[0]->hide();
    m_functionButtons[1]->hide();
    runModal(m_windows.selectCustom);
    m_jobField->setText(FromLocal(m_state.workspace.customer));
    refreshView();
    focusField(Field::Job);
}

void MainWindow::newJob() {
    m_functionButtons[0]->hide();
    m_functionButtons[1]->hide();
    runModal(m_windows.newCustom);
    m_jobField->setText(FromLocal(m_state.workspace.customer));
    refreshView();
    focusField(Field::Job);
}

void MainWindow::selectPart() {
    for (std::size_t i = 0; i < 3; ++i) m_functionButtons[i]->hide();
    runModal(m_windows.selectPart);
    m_partField->setText(FromLocal(m_state.workspace.part));
    refreshView();
    focusField(Field::Part);
}

void MainWindow::newPart(bool graphicOnly) {
    m_functionButtons[0]->hide();
    m_functionButtons[1]->hide();
    NewPartDialog::ProgramTypes types;
    types.graphicEnabled = true;
    types.graphicChecked = true;
    types.tableEnabled = true;
    types.numericEnabled = !graphicOnly;
    NewPartDialog* dialog = m_windows.newPart;
    dialog->setProgramTypes(types);
    const int code = dialog->exec();
    activate();
    if (code == NewPartDialog::GraphicProfile || code == NewPartDialog::TableProfile) {
        m_state.part.currentBend = -1;
        m_state.part.lastBend = -1;
        const int drawn = code == NewPartDialog::TableProfile ? RunProfileTable(m_state, m_windows, m_messages, this,
                                                                                ProfileTableWindow::Start::NewProfile)
                                                              : m_windows.profile->exec();
        activate();
        if (drawn == QDialog::Accepted) {
            applyViewMode();
            focusField(Field::Bend);
            // From the menu the operator goes on with the bends just drawn;
            // from F2 the flow comes back to the part like any new part.
            if (graphicOnly) return;
        }
    } else if (code == NewPartDialog::NumericSequence && !graphicOnly) {
        m_state.part.currentBend = 0;
        m_state.part.lastBend = 0;
    }
    m_functionButtons[0]->hide();
    m_functionButtons[1]->hide();
    m_partField->setText(FromLocal(m_state.workspace.part));
    refreshView();
    focusField(Field::Part);
}

void MainWindow::deletePart() {
    // The question is asked from the first button: the part field is left while
    // it is open (resting colour, no comment), and entered again afterwards.
    if (const std::optional<Field> left = std::exchange(m_current, std::nullopt)) leaveField(*left);
    for (std::size_t i = 0; i < 3; ++i) m_functionButtons[i]->hide();
    const QString name = m_partField->text();
    const auto answer =
        m_messages.show(this, QMessageBox::NoIcon, FromLocal(m_state.workspace.part),
                        QStringLiteral("Confirmer la suppression "), QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) {
        // Only a plain part name inside the job folder is ever deleted.
        if (const auto path = PartFileToDelete(m_state.workspace, ToLocal(name))) DeleteFile(*path);
        m_partField->clear();
        m_state.workspace.part.clear();
    }
    refreshView();
    focusField(Field::Part);
}

// ---- menus --------------------------------------------------------------

void MainWindow::openParameters() { runModal(m_windows.parameters); }

void MainWindow::openPunchLibrary() {
    m_state.punch.selectionRequest = false;  // browsing, not choosing for the sequence
    runModal(m_windows.punchLibrary);
}

void MainWindow::openDieLibrary() {
    m_state.die.selectionRequest = false;
    runModal(m_windows.dieLibrary);
}

void MainWindow::openAbout() { runModal(m_windows.about); }

void MainWindow::openSequence() {
    runModal(m_windows.sequence);
    repaintFields();
    update();
}

void MainWindow::startNumericPart() {
    m_state.part.currentBend = 0;
    m_state.part.lastBend = 0;
    repaintFields();
    focusField(Field::Thickness);
    focusField(Field::Part);
}

void MainWindow::drawNewProfile() {
    // A profile is drawn in the sheet's thickness: it must be known first.
    if (!(m_state.part.thickness > 0)) {
        focusField(Field::Thickness);
        return;
    }
    newPart(true);
}

void MainWindow::showNumericView() {
    if (m_viewMode != ViewMode::Graphic) return;
    setViewMode(ViewMode::Numeric);
    refreshView();
}

void MainWindow::showGraphicView() {
    if (m_viewMode != ViewMode::Numeric) return;
    setViewMode(ViewMode::Graphic);
    refreshView();
}

void MainWindow::setViewMode(ViewMode mode) {
    m_viewMode = mode;
    m_functionButtons[7]->setText(QString::fromUtf8(ViewSwitchCaption(mode).c_str()));
    m_numericViewAction->setEnabled(mode == ViewMode::Graphic);
    m_graphicViewAction->setEnabled(mode == ViewMode::Numeric);
}

// On arriving in the part or bend field the view follows the mode.
void MainWindow::applyViewMode() {
    setViewMode(m_viewMode);
    if (m_viewMode == ViewMode::Numeric) showBendNumeric();
    else showBendGraphic();
}

// ---- closing ------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (saveOnClose()) event->accept();
    else event->ignore();
}

// Saves the configuration and the part. When either cannot be written the
// user is told where, and may keep the window open to free the disk or fix
// the folder and close again, rather than lose the part worked on.
bool MainWindow::saveOnClose() {
    QStringList failures;
    if (!SaveWorkspace(m_state.workspace, m_state.iniPath)) failures << ConfigurationNotSavedText(m_state.iniPath);
    // With no job chosen ("?") there is no folder the part can go to: the
    // shop's system cannot make a folder of that name, and neither do we.
    if (m_state.workspace.hasJob() && m_state.writeCurrentPart() == 0)
        failures << PartNotSavedText(m_state.workspace.partFilePath());
    if (failures.isEmpty()) return true;
    // Closed by the session ending: nobody can answer, so say where on
    // standard error and end; the old files are left as they were.
    if (property(kClosingUnattended).toBool()) {
        for (const QString& failure : failures) std::fprintf(stderr, "zelpor: %s\n", failure.toLocal8Bit().constData());
        return true;
    }
    return ConfirmCloseUnsaved(m_messages, this, failures);
}

}  // namespace zelpor
