// The punch and die lists: choosing the tools of the current bend.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "bendview/BendViewWidget.h"
#include "common/Latin1.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SettingFields.h"
#include "text/Numbers.h"
#include "workspace/AppState.h"

namespace zelpor {

namespace {

bool PopupOpen(const QComboBox* list) { return list->view() && list->view()->isVisible(); }

// Keys that would change the selection of a closed list without choosing it.
bool SilentSelectionKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_PageUp || e->key() == Qt::Key_Home || e->key() == Qt::Key_End;
}

QString General(float v) { return QString::fromStdString(FormatGeneral(v)); }

QStringList ListTexts(const QComboBox* list) {
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
}

}  // namespace

// Refills a list from the tools folder and selects the bend's tool. The names
// come from a system whose file names ignore case, so the search does too.
// The list is filled in one batch, and only when the folder lists other tools
// than the list holds.
void MainWindow::fillToolList(QComboBox* list, bool punch) {
    const QSignalBlocker block(list);
    QStringList names;
    for (const std::string& name : ListToolNames(m_state.workspace.pathTools, punch ? ToolKind::Punch : ToolKind::Die))
        names << FromLatin1(name);
    if (names != ListTexts(list)) {
        list->clear();
        list->addItems(names);
    }
    const BendRecord* bend = m_state.part.currentBendRecord();
    if (!bend) {
        list->setCurrentIndex(list->count() > 0 ? 0 : -1);
        return;
    }
    const QString wanted = FromLatin1(punch ? bend->punch.str() : bend->die.str());
    list->setCurrentIndex(list->findText(wanted, Qt::MatchFixedString));  // -1: nothing selected
    paintFocused(list, true);
}

void MainWindow::CBpoinconEnter() {
    m_level = FocusLevel::Punch;
    fillToolList(m_punch, true);
    if (m_state.part.hasCurrentBend())
        setStatus(QStringLiteral("\tAngle poinçon : ") + General(m_state.punch.record.angle));
    applyButtons(FunctionButtons(m_level, m_state.part, m_viewMode, false));
}

void MainWindow::CBmaticeEnter() {
    m_level = FocusLevel::Die;
    fillToolList(m_die, false);
    if (m_state.part.hasCurrentBend()) {
        const DieRecord& d = m_state.die.record;
        setStatus(QStringLiteral("Ouverture : ") + General(d.vOpening) + QStringLiteral("\tAngle matrice : ") +
                  General(d.vAngle));
    }
    applyButtons(FunctionButtons(m_level, m_state.part, m_viewMode, false));
}

void MainWindow::CBpoinconClick() {
    if (m_state.part.hasCurrentBend() && m_punch->currentIndex() >= 0)
        SetBendPunch(m_state.part, ToLatin1(m_punch->currentText()), m_state.part.currentBend);
    focusField(m_die);
}

void MainWindow::CBmaticeClick() {
    if (m_state.part.hasCurrentBend() && m_die->currentIndex() >= 0)
        SetBendDie(m_state.part, ToLatin1(m_die->currentText()), m_state.part.currentBend);
    focusField(m_edit1);
}

bool MainWindow::CBpoinconKeyDown(QKeyEvent* e) { return toolListKeyDown(m_punch, e, m_material, m_die); }

bool MainWindow::CBmaticeKeyDown(QKeyEvent* e) {
    return toolListKeyDown(m_die, e, isGraphicPart() ? static_cast<QWidget*>(m_edit1) : m_punch, m_edit1);
}

// The twin lists differ only in their neighbours and in what choosing stores.
bool MainWindow::toolListKeyDown(QComboBox* list, QKeyEvent* e, QWidget* up, QWidget* down) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (PopupOpen(list)) return false;
        focusField(e->key() == Qt::Key_Up ? up : down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (list == m_punch) CBpoinconClick();
        else CBmaticeClick();
        return true;
    case Qt::Key_PageDown:
        list->showPopup();
        return true;
    case Qt::Key_Right:
        if (m_viewMode == ViewMode::Numeric) focusField(m_settings[SettingFieldIndex("Etemps_next")]);
        return true;
    default:
        return SilentSelectionKey(e);
    }
}

// Leaving a list loads the bend's tool file, so the formulas and the drawing
// use the tool just chosen.
void MainWindow::CBpoinconExit() {
    m_punch->hidePopup();
    paintFocused(m_punch, false);
    setStatus(QString());
    if (const BendRecord* bend = m_state.part.currentBendRecord())
        LoadPunchFile(m_state.punch, m_state.punchFilePath(bend->punch.str()));
    if (m_viewMode == ViewMode::Graphic) m_bendView->rebuild();
}

void MainWindow::CBmaticeExit() {
    m_die->hidePopup();
    paintFocused(m_die, false);
    setStatus(QString());
    if (const BendRecord* bend = m_state.part.currentBendRecord()) {
        LoadDieFile(m_state.die, m_state.dieFilePath(bend->die.str()));
        UpdateBendForce();  // the force depends on the die opening
    }
    if (m_viewMode == ViewMode::Graphic) m_bendView->rebuild();
}

}  // namespace zelpor
