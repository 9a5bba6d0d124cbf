#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <utility>

#include "bendview/BendViewWidget.h"
#include "common/Latin1.h"
#include "common/MessageService.h"
#include "common/SaveFailures.h"
#include "common/WindowSet.h"
#include "SampleLibrary.h"
#include "dialogs/AboutBox.h"
#include "dialogs/NewCustomDialog.h"
#include "dialogs/NewPartDialog.h"
#include "dialogs/SelectCustomDialog.h"
#include "dialogs/SelectPartDialog.h"
#include "io/Files.h"
#include "mainwindow/BendCursor.h"
#include "mainwindow/PartFiles.h"
#include "common/FunctionPanel.h"
#include "params/ParameterWindow.h"
#include "profile/ProfileWindow.h"
#include "sequence/SequenceWindow.h"
#include "tools/ToolLibraryWindow.h"
#include "workspace/AppState.h"

namespace zelpor {

namespace {
// Resting colour of every field: the system colour of an inactive caption.
const QColor kRestColour(191, 205, 219);
const QColor kFocusColour(0, 128, 128);
}  // namespace

MainWindow::MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zelpor_2"));
    m_state.part.graphicProfile = 0;
    auto* area = new QWidget(this);
    area->setFixedSize(795, 552);
    setCentralWidget(area);
    buildToolBar(area);
    buildLeftColumn(area);
    buildSettingPanels(area);
    buildButtons(area);
    buildMenus();
    m_settingCaptions[2]->setText(QStringLiteral("Ouverture ="));
    installEventFilter(this);
}

void MainWindow::FormCreate() {
    WorkspaceLoadReport made;
    m_state.workspace = LoadWorkspace(m_state.iniPath, CurrentWorkingDirectory(), &made);
    if (made.createdToolsFolder) InstallSampleLibrary(m_state.workspace.pathTools);
    m_edit1->setText(FromLocal(m_state.workspace.customer));
    m_edit2->setText(FromLocal(m_state.workspace.part));
    if (m_state.readCurrentPart()) ShowBendHeader();
    // A window closed before its first activation still records "no job".
    if (!m_state.workspace.hasJob()) m_state.workspace.customer = kNoJob;
    for (QPushButton* b : m_buttons) b->setEnabled(true);
    m_viewMode = ViewMode::Numeric;
}

void MainWindow::FormActivate() {
    m_bendView->resetView();
    RefreshView();
    if (!m_state.workspace.hasJob()) {
        m_state.workspace.customer = kNoJob;
        focusField(m_edit1);
    } else {
        focusField(m_edit2);
    }
}

bool MainWindow::event(QEvent* e) {
    // The first activation shows the window's starting state; later ones come
    // from closing a modal window, whose caller runs the handler itself. On a
    // display without a window manager nothing activates the window, so its
    // first showing counts as well.
    const bool first = e->type() == QEvent::WindowActivate || e->type() == QEvent::Show;
    if (first && !m_activated) {
        m_activated = true;
        const bool handled = QMainWindow::event(e);
        FormActivate();
        return handled;
    }
    return QMainWindow::event(e);
}

void MainWindow::RefreshView() {
    if (m_viewMode == ViewMode::Numeric) ShowBendNumeric();
    else ShowBendGraphic();
    FormPaint();
}

void MainWindow::FormPaint() {
    auto write = [](QLineEdit* e, const QString& t) {
        const QSignalBlocker block(e);
        e->setText(t);
    };
    write(m_edit1, FromLocal(m_state.workspace.customer));
    write(m_edit2, FromLocal(m_state.workspace.part));
    write(m_edit3, FromLatin1(BendPositionText(m_state.part)));
    if (m_viewMode == ViewMode::Graphic) m_bendView->update();
}

QString MainWindow::statusText() const { return m_statusPanel->text(); }
void MainWindow::setStatus(const QString& text) { m_statusPanel->setText(text); }
bool MainWindow::isGraphicPart() const { return m_state.part.graphicProfile != 0; }

// ---- focus --------------------------------------------------------------

void MainWindow::focusField(QWidget* w) {
    // Asked before the focus moves: in an active window the focus-in event
    // already enters the field, which must not run twice (it reads tool files).
    const bool arrivingAgain = m_current == w;
    w->setFocus(Qt::OtherFocusReason);
    if (arrivingAgain) enterField(w);  // the field's buttons and view come back
    else onFocusIn(w);                 // entered here when no focus event came
}

void MainWindow::onFocusIn(QWidget* w) {
    if (w == m_current) return;
    QWidget* old = m_current;
    m_current = w;
    if (old) exitField(old);
    enterField(w);
}

void MainWindow::paintFocused(QWidget* w, bool focused) {
    QPalette pal = w->palette();
    const QColor c = focused ? kFocusColour : kRestColour;
    // The field itself takes the colour (a list paints its field from Base
    // too); a list's arrow stays a plain button.
    pal.setColor(QPalette::Base, c);
    // Bold black on teal is hard to read from the press; white is not.
    const QColor ink = focused ? QColor(Qt::white) : QColor(Qt::black);
    pal.setColor(QPalette::Text, ink);
    w->setPalette(pal);
}

void MainWindow::setFocusLevel(FocusLevel level) {
    m_level = level;
    applyButtons(FunctionButtons(level, m_state.part, m_viewMode, JobFolderHasFiles(m_state.workspace)));
}

void MainWindow::applyButtons(const ButtonFaces& faces) {
    for (int i = 0; i < 8; ++i) {
        m_buttons[Slot(i)]->setText(QString::fromUtf8(faces[Slot(i)].caption.c_str()));
        m_buttons[Slot(i)]->setEnabled(faces[Slot(i)].enabled);
        m_buttons[Slot(i)]->setVisible(faces[Slot(i)].visible);
    }
}

void MainWindow::enterField(QWidget* w) {
    if (w == m_edit1) Edit1Enter();
    else if (w == m_edit2) Edit2Enter();
    else if (w == m_edit3) Edit3Enter();
    else if (w == m_edit4) Edit4Enter();
    else if (w == m_edit5) Edit5Enter();
    else if (w == m_material) CBmatiereEnter();
    else if (w == m_punch) CBpoinconEnter();
    else if (w == m_die) CBmaticeEnter();
    else if (const int i = settingIndexOf(w); i >= 0) settingEnter(i);
}

void MainWindow::exitField(QWidget* w) {
    if (w == m_edit2) Edit2Exit();
    else if (w == m_material) CBmatiereExit();
    else if (w == m_punch) CBpoinconExit();
    else if (w == m_die) CBmaticeExit();
    else if (const int i = settingIndexOf(w); i >= 0) settingExit(i);
    else if (w == m_edit4 || w == m_edit5) static_cast<QLineEdit*>(w)->setReadOnly(true);
    if (w != m_punch && w != m_die && w != m_material) paintFocused(w, false);
}

// ---- keys ---------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w == this) {
        if (e->type() == QEvent::KeyPress) return FormShortCut(static_cast<QKeyEvent*>(e));
        return QMainWindow::eventFilter(watched, e);
    }
    switch (e->type()) {
    case QEvent::FocusIn:
        onFocusIn(w);
        break;
    case QEvent::ShortcutOverride:
        // F-keys and arrows are ours, never a menu shortcut's.
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (FormShortCut(k)) return true;
        // Alt+F4 that FormShortCut left alone goes on to the window, which closes.
        if (k->key() == Qt::Key_F4 && k->modifiers() == Qt::AltModifier) break;
        if (keyDown(w, k)) return true;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return numberKeyPress(edit, k);
        // The lists hold names to choose, not to type.
        if (!k->text().isEmpty() && k->text().at(0).isPrint()) return true;
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, e);
}

bool MainWindow::FormShortCut(QKeyEvent* e) {
    QWidget* f = m_current;
    switch (e->key()) {
    case Qt::Key_F1:
        if (f == m_edit1) selectJob();
        else if (f == m_edit2) selectPart();
        else if (f == m_edit3) bendMove(&FirstBend, false);
        else return false;
        return true;
    case Qt::Key_F2:
        if (f == m_edit1) newJob();
        else if (f == m_edit2) newPart(false);
        else if (f == m_edit3) bendMove(&PreviousBend, false);
        else return false;
        return true;
    case Qt::Key_F3:
        if (f != m_edit3) return false;
        bendMove(&NextBend, false);
        return true;
    case Qt::Key_F4:
        if (f != m_edit3) return false;
        bendMove(&InsertBend, false);
        return true;
    case Qt::Key_F8:
        if (m_level < FocusLevel::Bend) return false;
        Button8Click();
        return true;
    default:
        return false;
    }
}

bool MainWindow::keyDown(QWidget* w, QKeyEvent* e) {
    if (w == m_edit1) return Edit1KeyDown(e);
    if (w == m_edit2) return Edit2KeyDown(e);
    if (w == m_edit3) return Edit3KeyDown(e);
    if (w == m_edit4) return Edit4KeyDown(e);
    if (w == m_edit5) return Edit5KeyDown(e);
    if (w == m_material) return CBmatiereKeyDown(e);
    if (w == m_punch) return CBpoinconKeyDown(e);
    if (w == m_die) return CBmaticeKeyDown(e);
    if (const int i = settingIndexOf(w); i >= 0) return settingKeyDown(i, e);
    return false;
}

// ---- function buttons and the windows they open ----------------------------

void MainWindow::runModal(QDialog* dialog) {
    dialog->exec();
    FormActivate();
}

void MainWindow::Button1Click() {
    if (m_level == FocusLevel::Job) selectJob();
    else if (m_level == FocusLevel::Part) selectPart();
    else if (m_level == FocusLevel::Bend) bendMove(&FirstBend, true);
}

void MainWindow::Button2Click() {
    if (m_level == FocusLevel::Job) newJob();
    else if (m_level == FocusLevel::Part) newPart(false);
    else if (m_level == FocusLevel::Bend) bendMove(&PreviousBend, true);
}

void MainWindow::Button3Click() {
    if (m_level == FocusLevel::Part) deletePart();
    else if (m_level == FocusLevel::Bend) bendMove(&NextBend, true);
}

void MainWindow::Button4Click() {
    if (m_level == FocusLevel::Bend) bendMove(&InsertBend, true);
}

void MainWindow::Button8Click() {
    if (m_level < FocusLevel::Bend) return;
    setViewMode(m_viewMode == ViewMode::Numeric ? ViewMode::Graphic : ViewMode::Numeric);
    RefreshView();
}

void MainWindow::bendMove(bool (*step)(PartRecord&), bool fromButton) {
    if (step(m_state.part)) showBendPosition();
    // A button took the operator away from the bend field; coming back shows the bend.
    if (fromButton) focusField(m_edit3);
}

void MainWindow::selectJob() {
    m_buttons[0]->hide();
    m_buttons[1]->hide();
    runModal(m_windows.selectCustom);
    m_edit1->setText(FromLocal(m_state.workspace.customer));
    RefreshView();
    focusField(m_edit1);
}

void MainWindow::newJob() {
    m_buttons[0]->hide();
    m_buttons[1]->hide();
    runModal(m_windows.newCustom);
    m_edit1->setText(FromLocal(m_state.workspace.customer));
    RefreshView();
    focusField(m_edit1);
}

void MainWindow::selectPart() {
    for (int i = 0; i < 3; ++i) m_buttons[Slot(i)]->hide();
    runModal(m_windows.selectPart);
    m_edit2->setText(FromLocal(m_state.workspace.part));
    RefreshView();
    focusField(m_edit2);
}

void MainWindow::newPart(bool graphicOnly) {
    m_buttons[0]->hide();
    m_buttons[1]->hide();
    NewPartDialog::ProgramTypes types;
    types.graphicEnabled = true;
    types.graphicChecked = true;
    types.tableEnabled = false;
    types.numericEnabled = !graphicOnly;
    m_windows.newPart->setProgramTypes(types);
    const int code = m_windows.newPart->exec();
    FormActivate();
    if (code == NewPartDialog::GraphicProfile) {
        m_state.part.currentBend = -1;
        m_state.part.lastBend = -1;
        const int drawn = m_windows.profile->exec();
        FormActivate();
        if (drawn == QDialog::Accepted) {
            applyViewMode();
            focusField(m_edit3);
            // From the menu the operator goes on with the bends just drawn;
            // from F2 the flow comes back to the part like any new part.
            if (graphicOnly) return;
        }
    } else if (code == NewPartDialog::NumericSequence && !graphicOnly) {
        m_state.part.currentBend = 0;
        m_state.part.lastBend = 0;
    }
    m_buttons[0]->hide();
    m_buttons[1]->hide();
    m_edit2->setText(FromLocal(m_state.workspace.part));
    RefreshView();
    focusField(m_edit2);
}

void MainWindow::deletePart() {
    // The question is asked from Button1: the part field is left while it is
    // open (resting colour, no comment), and entered again afterwards.
    if (QWidget* left = std::exchange(m_current, nullptr)) exitField(left);
    for (int i = 0; i < 3; ++i) m_buttons[Slot(i)]->hide();
    const QString name = m_edit2->text();
    const auto answer = m_messages.show(this, QMessageBox::NoIcon, FromLocal(m_state.workspace.part),
                                        QStringLiteral("Confirmer la suppression "),
                                        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) {
        // Only a plain part name inside the job folder is ever deleted.
        if (const auto path = PartFileToDelete(m_state.workspace, ToLocal(name))) DeleteFile(*path);
        m_edit2->clear();
        m_state.workspace.part.clear();
    }
    RefreshView();
    focusField(m_edit2);
}

// ---- menus --------------------------------------------------------------

void MainWindow::Parametres1Click() { runModal(m_windows.parameters); }

void MainWindow::ListePoincons1Click() {
    m_state.punch.selectionRequest = false;  // browsing, not choosing for the sequence
    runModal(m_windows.punchLibrary);
}

void MainWindow::ListeMatrices1Click() {
    m_state.die.selectionRequest = false;
    runModal(m_windows.dieLibrary);
}

void MainWindow::APropos1Click() { runModal(m_windows.about); }

void MainWindow::VisualiseGraphique1Click() {
    runModal(m_windows.sequence);
    FormPaint();
    update();
}

void MainWindow::NouvelleNumerique1Click() {
    m_state.part.currentBend = 0;
    m_state.part.lastBend = 0;
    FormPaint();
    focusField(m_edit4);
    focusField(m_edit2);
}

void MainWindow::NouvelleGraphique1Click() {
    // A profile is drawn in the sheet's thickness: it must be known first.
    if (!(m_state.part.thickness > 0)) {
        focusField(m_edit4);
        return;
    }
    newPart(true);
}

void MainWindow::Numerique1Click() {
    if (m_viewMode != ViewMode::Graphic) return;
    setViewMode(ViewMode::Numeric);
    RefreshView();
}

void MainWindow::Graphique1Click() {
    if (m_viewMode != ViewMode::Numeric) return;
    setViewMode(ViewMode::Graphic);
    RefreshView();
}

void MainWindow::setViewMode(ViewMode mode) {
    m_viewMode = mode;
    m_buttons[7]->setText(QString::fromUtf8(ViewSwitchCaption(mode).c_str()));
    m_plisNumerique->setEnabled(mode == ViewMode::Graphic);
    m_plisGraphique->setEnabled(mode == ViewMode::Numeric);
}

// On arriving in the part or bend field the view follows the mode.
void MainWindow::applyViewMode() {
    setViewMode(m_viewMode);
    if (m_viewMode == ViewMode::Numeric) ShowBendNumeric();
    else ShowBendGraphic();
}

// ---- closing ------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (FormClose()) event->accept();
    else event->ignore();
}

// Saves the configuration and the part. When either cannot be written the
// user is told where, and may keep the window open to free the disk or fix
// the folder and close again, rather than lose the part worked on.
bool MainWindow::FormClose() {
    QStringList failures;
    if (!SaveWorkspace(m_state.workspace, m_state.iniPath)) failures << ConfigurationNotSavedText(m_state.iniPath);
    // With no job chosen ("?") there is no folder the part can go to: the
    // shop's system cannot make a folder of that name, and neither do we.
    if (m_state.workspace.hasJob() && m_state.writeCurrentPart() == 0)
        failures << PartNotSavedText(m_state.workspace.partFilePath());
    return failures.isEmpty() || ConfirmCloseUnsaved(m_messages, this, failures);
}

}  // namespace zelpor
