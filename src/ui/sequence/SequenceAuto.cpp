// The sequence window's collision check of the bend on screen and its
// automatic sequence ("Séquence auto", F3).
#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "ui/common/MessageService.h"
#include "core/params/ParameterTable.h"
#include "core/sequence/AutoSequence.h"
#include "core/sequence/CollisionMarks.h"
#include "ui/sequence/SequenceWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// The tools as they are once the window is open, and the machine's figures
// as the parameter window last saved them.
void SequenceWindow::prepareCollisionCheck() {
    ParameterTable table;
    LoadParameterTable(table, m_state.workspace.pathTools);
    m_collisionSetup = PrepareCollisionSetup(m_state.punch.record, m_state.die.record, MachineLimitsFrom(table));
    if (!m_collisionLabel) {
        m_collisionLabel = new QLabel(m_statusBar);
        m_collisionLabel->setObjectName(QStringLiteral("CollisionLabel"));
        m_collisionLabel->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0); font-weight: bold"));
        m_statusBar->addPermanentWidget(m_collisionLabel);
    }
}

void SequenceWindow::checkStep() {
    m_stepCheck = {};
    if (m_collisionLabel) m_collisionLabel->clear();
    if (m_collisionSetup.punch.edges.empty() && m_collisionSetup.die.edges.empty()) return;
    m_stepCheck = CheckShownBend(m_collisionSetup, m_state.part, m_program.step());
    if (m_collisionLabel) m_collisionLabel->setText(QString::fromStdString(CollisionText(m_stepCheck)));
}

SequenceScene SequenceWindow::shownScene() const {
    SequenceScene scene = m_program.scene();
    MarkCollision(scene, m_state.part, m_program.step(), m_stepCheck);
    return scene;
}

// Offered once the window is open with tools to check against and a profile
// with bends.
ButtonState SequenceWindow::autoButtonState() const {
    const bool ready = !m_collisionSetup.punch.edges.empty() && m_program.bendCount() > 0;
    return {ready, ready};
}

// A bend that collides is validated only when the operator says so.
bool SequenceWindow::confirmValidation() {
    const ButtonState& b = m_program.buttons().validate;
    if (!m_stepCheck.collides() || !b.visible || !b.enabled) return true;
    const QString text =
        QString::fromStdString(CollisionText(m_stepCheck)) + QStringLiteral(".\nValider ce pli malgré la collision ?");
    return m_messages.ask(this, text, QStringLiteral("Validation pli"));
}

void SequenceWindow::onAutoSequence() {
    PartRecord& part = m_state.part;
    // Beyond twelve bends the search may take its full second.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AutoSequence found = FindAutoSequence(m_collisionSetup, part);
    QApplication::restoreOverrideCursor();
    if (found.steps.empty()) return;
    if (found.collisionFree()) {
        ApplyProgram(m_program, part, found.steps);
        showState();
        m_statusBar->showMessage(QStringLiteral("Séquence auto: %1 plis sans collision%2")
                                     .arg(found.steps.size())
                                     .arg(found.exact ? QString() : QStringLiteral(" (meilleure trouvée en 1 s)")));
        return;
    }
    // Nothing is stored: the operator sees the least bad order and what
    // goes wrong in it.
    QString text = QStringLiteral("Aucune séquence sans collision\n");
    for (std::size_t i = 0; i < found.steps.size(); ++i)
        text += QLatin1Char('\n') + QString::fromStdString(ProgramStepLine(static_cast<int>(i), part, found.steps[i]));
    m_statusBar->showMessage(QStringLiteral("Aucune séquence sans collision"));
    m_messages.warn(this, text, QStringLiteral("Séquence auto"));
}

}  // namespace zelpor
