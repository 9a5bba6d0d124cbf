// The punch and die lists: choosing the tools of the current bend.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/bendview/BendViewWidget.h"
#include "ui/common/Latin1.h"
#include "ui/mainwindow/MainWindow.h"
#include "core/text/Numbers.h"
#include "core/workspace/AppState.h"

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

void MainWindow::onPunchEntered() {
    m_level = FocusLevel::Punch;
    fillToolList(m_punchList, true);
    if (m_state.part.hasCurrentBend())
        setStatus(QStringLiteral("\tAngle poinçon : ") + General(m_state.punch.record.angle));
    applyButtons(FunctionButtons(m_level, m_state.part, m_viewMode, false));
}

void MainWindow::onDieEntered() {
    m_level = FocusLevel::Die;
    fillToolList(m_dieList, false);
    if (m_state.part.hasCurrentBend()) {
        const DieRecord& d = m_state.die.record;
        setStatus(QStringLiteral("Ouverture : ") + General(d.vOpening) + QStringLiteral("\tAngle matrice : ") +
                  General(d.vAngle));
    }
    applyButtons(FunctionButtons(m_level, m_state.part, m_viewMode, false));
}

void MainWindow::onPunchChosen() {
    if (m_state.part.hasCurrentBend() && m_punchList->currentIndex() >= 0)
        SetBendPunch(m_state.part, ToLatin1(m_punchList->currentText()), m_state.part.currentBend);
    moveFrom(Field::Punch, NavKey::Enter);
}

void MainWindow::onDieChosen() {
    if (m_state.part.hasCurrentBend() && m_dieList->currentIndex() >= 0)
        SetBendDie(m_state.part, ToLatin1(m_dieList->currentText()), m_state.part.currentBend);
    moveFrom(Field::Die, NavKey::Enter);
}

// The twin lists differ only in what choosing stores; their neighbours are
// the navigation's.
MainWindow::KeyUse MainWindow::onToolListKey(QComboBox* list, void (MainWindow::*choose)(), QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: return PopupOpen(list) ? KeyUse::PassedOn : KeyUse::Navigation;
    case Qt::Key_Return:
    case Qt::Key_Enter: (this->*choose)(); return KeyUse::Used;
    case Qt::Key_PageDown: list->showPopup(); return KeyUse::Used;
    default: return SilentSelectionKey(e) ? KeyUse::Used : KeyUse::Navigation;
    }
}

// Leaving a list loads the bend's tool file, so the formulas and the drawing
// use the tool just chosen.
void MainWindow::onPunchLeft() {
    m_punchList->hidePopup();
    paintFocused(m_punchList, false);
    setStatus(QString());
    if (const BendRecord* bend = m_state.part.currentBendRecord()) m_state.loadPunch(bend->punch.str());
    if (m_viewMode == ViewMode::Graphic) m_bendView->rebuild();
}

void MainWindow::onDieLeft() {
    m_dieList->hidePopup();
    paintFocused(m_dieList, false);
    setStatus(QString());
    if (const BendRecord* bend = m_state.part.currentBendRecord()) {
        m_state.loadDie(bend->die.str());
        updateBendForce();  // the force depends on the die opening
    }
    if (m_viewMode == ViewMode::Graphic) m_bendView->rebuild();
}

}  // namespace zelpor
