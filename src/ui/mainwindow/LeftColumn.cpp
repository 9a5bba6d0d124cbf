// The left column: job, part, bend, thickness, length and material.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "calc/MaterialTable.h"
#include "common/Latin1.h"
#include "common/WindowSet.h"
#include "dialogs/NewCustomDialog.h"
#include "mainwindow/BendChain.h"
#include "mainwindow/BendCursor.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SettingFields.h"
#include "text/Numbers.h"
#include "workspace/AppState.h"

namespace zelpor {

namespace {

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

}  // namespace

// Digits, Backspace and "." only, whatever the locale; a character typed at
// the very start replaces the whole value.
bool MainWindow::numberKeyPress(QLineEdit* edit, QKeyEvent* e) {
    if (edit->isReadOnly()) return false;
    const bool backspace = e->key() == Qt::Key_Backspace;
    const QString t = e->text();
    // Pasting would bring in what the filter keeps out: it is refused like a letter.
    const bool paste = e->matches(QKeySequence::Paste);
    if (!backspace && !paste && t.isEmpty()) return false;  // caret keys, Delete
    if (paste || (!backspace && !IsNumberEntryChar(t.at(0).unicode()))) {
        QApplication::beep();
        return true;
    }
    if (edit->cursorPosition() == 0 && !edit->hasSelectedText()) {
        const QSignalBlocker block(edit);
        edit->clear();
    }
    return false;
}

void MainWindow::showBendPosition() {
    m_edit3->setText(FromLatin1(BendPositionText(m_state.part)));  // Edit3Change follows
}

// ---- job --------------------------------------------------------------------

void MainWindow::Edit1Enter() {
    setFocusLevel(FocusLevel::Job);
    paintFocused(m_edit1, true);
}

// Leaving the job field needs a job: without one the new-job dialog comes
// first, and the operator stays unless it was closed with OK.
bool MainWindow::jobFieldLeaves() {
    if (m_state.workspace.hasJob()) return true;
    const int result = m_windows.newCustom->exec();
    FormActivate();
    m_edit1->setText(FromLocal(m_state.workspace.customer));
    if (result != QDialog::Accepted) focusField(m_edit1);
    return result == QDialog::Accepted;
}

bool MainWindow::Edit1KeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Down) {
        if (jobFieldLeaves()) focusField(m_edit2);
    } else if (e->key() == Qt::Key_Right && m_viewMode == ViewMode::Numeric) {
        if (jobFieldLeaves()) focusField(m_settings[SettingFieldIndex("Eangle")]);
    }
    return true;  // the job changes only through the dialogs
}

// ---- part -------------------------------------------------------------------

void MainWindow::Edit2Enter() {
    setFocusLevel(FocusLevel::Part);
    paintFocused(m_edit2, true);
    QString comment = FromLatin1(m_state.part.comment.str());
    for (QChar& c : comment)
        if (!c.isPrint()) c = QLatin1Char(' ');
    setStatus(QStringLiteral("Commentaire : ") + comment);
    applyViewMode();
}

void MainWindow::Edit2Exit() { setStatus(QString()); }

bool MainWindow::Edit2KeyDown(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
        focusField(m_edit1);
        break;
    case Qt::Key_Down:
        focusField(m_edit3);
        break;
    case Qt::Key_Right:
        if (m_viewMode == ViewMode::Numeric) focusField(m_settings[SettingFieldIndex("Eaxey")]);
        break;
    default:
        break;
    }
    return true;
}

// ---- bend -------------------------------------------------------------------

void MainWindow::Edit3Enter() {
    setFocusLevel(FocusLevel::Bend);
    paintFocused(m_edit3, true);
    applyViewMode();
}

void MainWindow::Edit3Change() {
    if (m_level != FocusLevel::Bend) return;
    ButtonFaces faces = FunctionButtons(FocusLevel::Bend, m_state.part, m_viewMode, false);
    ApplyBendEnabling(faces, m_state.part);
    for (int i = 0; i < 3; ++i) m_buttons[i]->setEnabled(faces[i].enabled);
}

bool MainWindow::Edit3KeyDown(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
        focusField(m_edit2);
        break;
    case Qt::Key_Down:
        focusField(isGraphicPart() ? m_edit5 : m_edit4);
        break;
    case Qt::Key_Right:
        if (m_viewMode == ViewMode::Numeric) focusField(m_settings[SettingFieldIndex("Epmh")]);
        break;
    default:
        break;
    }
    return true;
}

// ---- thickness and length -----------------------------------------------------

void MainWindow::Edit4Enter() {
    setFocusLevel(FocusLevel::Thickness);
    paintFocused(m_edit4, true);
    m_edit4->setReadOnly(false);
    m_edit4->setCursorPosition(0);  // the first character typed replaces the value
}

void MainWindow::Edit4Change() {
    const std::string text = ToLatin1(m_edit4->text());
    if (text.empty()) return;
    const ThicknessOutcome out = ThicknessChanged(m_state, text);
    if (out.force && m_viewMode == ViewMode::Numeric) showForce();
    if (out.yChanged) ShowYDepth();
    // X takes the deduction as shown: it is stored back from its two-decimal text.
    if (out.deduction)
        writeSetting(SettingFieldIndex("Eaxe1"), QString::fromStdString(FormatFixed(*out.deduction, 2)), true);
}

bool MainWindow::Edit4KeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) {
        focusField(m_edit3);
    } else if (e->key() == Qt::Key_Down || IsEnter(e)) {
        if (!m_edit4->text().isEmpty()) focusField(m_edit5);
    } else if (e->key() == Qt::Key_Right && m_viewMode == ViewMode::Numeric) {
        focusField(m_settings[SettingFieldIndex("Eaxe1")]);
    } else {
        // In the drawing there are no settings to the right: Right moves the caret.
        return false;
    }
    return true;
}

void MainWindow::Edit5Enter() {
    setFocusLevel(FocusLevel::Length);
    paintFocused(m_edit5, true);
    m_edit5->setReadOnly(false);
    m_edit5->setCursorPosition(0);  // the first character typed replaces the value
}

void MainWindow::Edit5Change() {
    if (LengthChanged(m_state, ToLatin1(m_edit5->text())) && m_viewMode == ViewMode::Numeric)
        showForce();
}

bool MainWindow::Edit5KeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) {
        focusField(isGraphicPart() ? m_edit3 : m_edit4);
    } else if (e->key() == Qt::Key_Down || IsEnter(e)) {
        focusField(m_material);
    } else if (e->key() == Qt::Key_Right && m_viewMode == ViewMode::Numeric) {
        focusField(m_settings[SettingFieldIndex("Eretract")]);
    } else {
        return false;
    }
    return true;
}

// ---- material -------------------------------------------------------------------

void MainWindow::CBmatiereEnter() {
    setFocusLevel(FocusLevel::Material);
    const QSignalBlocker block(m_material);
    m_material->clear();
    for (const std::string& name : MaterialChoices(m_state.workspace.pathTools)) m_material->addItem(FromLatin1(name));
    // Showing the part's material is not choosing it: the part stays as it is.
    const int found = m_material->findText(FromLatin1(m_state.part.material.str()), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_material->setCurrentIndex(found >= 0 ? found : 0);
    paintFocused(m_material, true);
}

void MainWindow::CBmatiereClick() {
    if (m_material->currentIndex() >= 0) SetMaterial(m_state.part, ToLatin1(m_material->currentText()));
    focusField(isGraphicPart() ? static_cast<QWidget*>(m_edit1) : m_punch);
}

bool MainWindow::CBmatiereKeyDown(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
        focusField(m_edit5);
        return true;
    case Qt::Key_Down:
        focusField(isGraphicPart() ? static_cast<QWidget*>(m_edit1) : m_punch);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CBmatiereClick();
        return true;
    case Qt::Key_PageDown:
        m_material->showPopup();
        return true;
    case Qt::Key_Right:
        if (m_viewMode == ViewMode::Numeric) focusField(m_settings[SettingFieldIndex("Etemps_next")]);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;  // would change the shown material without choosing it
    default:
        return false;
    }
}

void MainWindow::CBmatiereExit() {
    m_material->hidePopup();
    paintFocused(m_material, false);
    UpdateBendForce();  // the force depends on the material
}

}  // namespace zelpor
