// The left column: job, part, bend, thickness, length and material.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/calc/MaterialTable.h"
#include "ui/common/Latin1.h"
#include "ui/common/WindowSet.h"
#include "ui/dialogs/NewCustomDialog.h"
#include "core/bendentry/BendChain.h"
#include "core/bendentry/BendCursor.h"
#include "ui/mainwindow/MainWindow.h"
#include "core/text/Numbers.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// Digits, Backspace and "." only, whatever the locale; a character typed at
// the very start replaces the whole value.
bool MainWindow::onNumberKey(QLineEdit* edit, QKeyEvent* e) {
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
    m_bendField->setText(FromLatin1(BendPositionText(m_state.part)));  // onBendTextChanged follows
}

// ---- job --------------------------------------------------------------------

void MainWindow::onJobEntered() {
    setFocusLevel(FocusLevel::Job);
    paintFocused(m_jobField, true);
}

// Leaving the job field needs a job: without one the new-job dialog comes
// first, and the operator stays unless it was closed with OK.
bool MainWindow::jobFieldLeaves() {
    if (m_state.workspace.hasJob()) return true;
    const int result = m_windows.newCustom->exec();
    activate();
    m_jobField->setText(FromLocal(m_state.workspace.customer));
    if (result != QDialog::Accepted) focusField(Field::Job);
    return result == QDialog::Accepted;
}

// ---- part -------------------------------------------------------------------

void MainWindow::onPartEntered() {
    setFocusLevel(FocusLevel::Part);
    paintFocused(m_partField, true);
    QString comment = FromLatin1(m_state.part.comment.str());
    for (QChar& c : comment)
        if (!c.isPrint()) c = QLatin1Char(' ');
    setStatus(QStringLiteral("Commentaire : ") + comment);
    applyViewMode();
}

void MainWindow::onPartLeft() {
    setStatus(QString());
    paintFocused(m_partField, false);
}

// ---- bend -------------------------------------------------------------------

void MainWindow::onBendEntered() {
    setFocusLevel(FocusLevel::Bend);
    paintFocused(m_bendField, true);
    applyViewMode();
}

void MainWindow::onBendTextChanged() {
    if (m_level != FocusLevel::Bend) return;
    ButtonFaces faces = FunctionButtons(FocusLevel::Bend, m_state.part, m_viewMode, false);
    ApplyBendEnabling(faces, m_state.part);
    for (std::size_t i = 0; i < 3; ++i) m_functionButtons[i]->setEnabled(faces[i].enabled);
}

// ---- thickness and length -----------------------------------------------------

void MainWindow::onThicknessEntered() {
    setFocusLevel(FocusLevel::Thickness);
    paintFocused(m_thicknessField, true);
    m_thicknessField->setReadOnly(false);
    m_thicknessField->setCursorPosition(0);  // the first character typed replaces the value
}

void MainWindow::onThicknessChanged() {
    const std::string text = ToLatin1(m_thicknessField->text());
    if (text.empty()) return;
    const ThicknessOutcome out = ThicknessChanged(m_state, text);
    if (out.force && m_viewMode == ViewMode::Numeric) showForce();
    if (out.yChanged) showYDepth();
    // X takes the deduction as shown: it is stored back from its two-decimal text.
    if (out.deduction) writeSetting(Setting::X, QString::fromStdString(FormatFixed(*out.deduction, 2)), true);
}

void MainWindow::onLengthEntered() {
    setFocusLevel(FocusLevel::Length);
    paintFocused(m_lengthField, true);
    m_lengthField->setReadOnly(false);
    m_lengthField->setCursorPosition(0);  // the first character typed replaces the value
}

void MainWindow::onLengthChanged() {
    if (LengthChanged(m_state, ToLatin1(m_lengthField->text())) && m_viewMode == ViewMode::Numeric) showForce();
}

void MainWindow::onTypedFieldLeft(QLineEdit* field) {
    field->setReadOnly(true);
    paintFocused(field, false);
}

// ---- material -------------------------------------------------------------------

void MainWindow::onMaterialEntered() {
    setFocusLevel(FocusLevel::Material);
    const QSignalBlocker block(m_materialList);
    m_materialList->clear();
    for (const std::string& name : MaterialChoices(m_state.workspace.pathTools))
        m_materialList->addItem(FromLatin1(name));
    // Showing the part's material is not choosing it: the part stays as it is.
    const int found =
        m_materialList->findText(FromLatin1(m_state.part.material.str()), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_materialList->setCurrentIndex(found >= 0 ? found : 0);
    paintFocused(m_materialList, true);
}

void MainWindow::onMaterialChosen() {
    if (m_materialList->currentIndex() >= 0) SetMaterial(m_state.part, ToLatin1(m_materialList->currentText()));
    moveFrom(Field::Material, NavKey::Enter);
}

MainWindow::KeyUse MainWindow::onMaterialKey(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: onMaterialChosen(); return KeyUse::Used;
    case Qt::Key_PageDown: m_materialList->showPopup(); return KeyUse::Used;
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_End: return KeyUse::Used;  // would change the shown material without choosing it
    default: return KeyUse::Navigation;
    }
}

void MainWindow::onMaterialLeft() {
    m_materialList->hidePopup();
    paintFocused(m_materialList, false);
    updateBendForce();  // the force depends on the material
}

}  // namespace zelpor
