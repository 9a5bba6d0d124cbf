#include "ui/sequence/SequenceWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>

#include "ui/common/FunctionPanel.h"
#include "ui/common/MessageService.h"
#include "ui/common/ScenePainter.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/WindowSet.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

constexpr int kClientWidth = 795;
constexpr int kClientHeight = 571;
constexpr int kBottomPanelHeight = 75;

}  // namespace

void PaintSequenceScene(QImage& image, const SequenceScene& scene) {
    ScenePainter painter(image, scene.view);
    painter.fillBackground(QColor(128, 128, 128));
    painter.drawElements(scene.scene.elements, &scene.scene);
}

SequenceWindow::SequenceWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_windows(windows),
      m_messages(messages),
      m_program(state.part, state.punch, state.die, kSequenceAreaWidth, kSequenceAreaHeight) {
    setObjectName(QStringLiteral("TFormSequence"));
    setWindowTitle(QStringLiteral("Zelpor2     Sequence"));
    setFixedSize(kClientWidth, kClientHeight);

    // The drawing area itself is never shown: it only gives the bitmap its
    // size and place.
    m_panel2 = new QWidget(this);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setGeometry(-8, 0, kSequenceAreaWidth, kSequenceAreaHeight);
    m_panel2->hide();

    auto* panel30 = new FunctionButtonPanel(this, FunctionButtonPanel::Style::Captions);
    panel30->setObjectName(QStringLiteral("Panel30"));
    // Captions such as "Angle précedant" must fit the 89-pixel buttons.
    QFont buttonFont = panel30->font();
    buttonFont.setPointSizeF(buttonFont.pointSizeF() * 0.85);
    panel30->setGeometry(0, kClientHeight - kBottomPanelHeight, kClientWidth, kBottomPanelHeight);
    for (int i = 0; i < FunctionButtonPanel::kButtons; ++i) {
        m_buttons[i] = panel30->button(i + 1);
        m_buttons[i]->setFont(buttonFont);
    }
    m_buttons[0]->setText(QStringLiteral("Validation pli"));
    m_buttons[1]->setText(QStringLiteral("Annule validation"));
    m_buttons[2]->setText(QStringLiteral("Séquence auto"));
    m_buttons[3]->setText(QStringLiteral("Pivote Piece"));
    m_buttons[5]->setText(QStringLiteral("Angle précedant"));
    m_buttons[6]->setText(QStringLiteral("Angle suivant"));
    m_buttons[7]->setText(QStringLiteral("Retour"));
    connect(m_buttons[0], &QPushButton::clicked, this, &SequenceWindow::onValidateBend);
    connect(m_buttons[1], &QPushButton::clicked, this, &SequenceWindow::onUndoValidation);
    connect(m_buttons[2], &QPushButton::clicked, this, &SequenceWindow::onAutoSequence);
    connect(m_buttons[3], &QPushButton::clicked, this, &SequenceWindow::onPivotPart);
    connect(m_buttons[5], &QPushButton::clicked, this, &SequenceWindow::onPreviousBend);
    connect(m_buttons[6], &QPushButton::clicked, this, &SequenceWindow::onNextBend);
    connect(m_buttons[7], &QPushButton::clicked, this, &SequenceWindow::onReturn);

    m_statusBar = new QStatusBar(panel30);
    m_statusBar->setObjectName(QStringLiteral("StatusBar2"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, kBottomPanelHeight - 21, kClientWidth, 21);

    FormCreate();
}

// Buttons and status only: the picture is painted when the window opens, so
// a window that is never opened costs neither the paint nor its back buffer.
void SequenceWindow::FormCreate() { showButtons(); }

int SequenceWindow::exec() {
    FormActivate();
    CentreOnDesktop(*this);
    return QDialog::exec();
}

void SequenceWindow::FormActivate() {
    setWindowTitle(QString::fromStdString(SequenceCaption(m_state.workspace.part)));
    m_program.activate([this] { chooseDie(); }, [this] { choosePunch(); });
    prepareCollisionCheck();
    showState();
}

// The program has set the selection request; the library lets the user pick
// a tool and leaves its name in the holder.
void SequenceWindow::chooseDie() {
    if (m_windows.dieLibrary) m_windows.dieLibrary->exec();
    LoadDieFile(m_state.die, m_state.dieFilePath(m_state.die.name));
}

void SequenceWindow::choosePunch() {
    if (m_windows.punchLibrary) m_windows.punchLibrary->exec();
    LoadPunchFile(m_state.punch, m_state.punchFilePath(m_state.punch.name));
}

void SequenceWindow::onValidateBend() {
    if (!confirmValidation()) return;
    m_program.validate();
    showState();
}

void SequenceWindow::onUndoValidation() {
    m_program.undoValidation();
    showState();
}

void SequenceWindow::onPivotPart() {
    m_program.pivot();
    showState();
}

void SequenceWindow::onPreviousBend() {
    m_program.previous();
    showState();
}

void SequenceWindow::onNextBend() {
    m_program.next();
    showState();
}

void SequenceWindow::onReturn() { done(QDialog::Accepted); }

// Buttons, status bar and picture from the program's state.
void SequenceWindow::showState() {
    checkStep();
    showButtons();
    FormPaint();
}

void SequenceWindow::showButtons() {
    const SequenceButtons& b = m_program.buttons();
    const std::pair<int, ButtonState> states[] = {{0, b.validate}, {1, b.undo}, {2, autoButtonState()},
                                                  {3, b.pivot},    {4, {}},     {5, b.previous},
                                                  {6, b.next},     {7, b.back}};
    for (const auto& [index, state] : states) {
        m_buttons[index]->setVisible(state.visible);
        m_buttons[index]->setEnabled(state.enabled);
    }
    m_statusBar->showMessage(QString::fromStdString(m_program.statusText()));
}

// The operator works from the keyboard: each function key presses the button
// of its number (F1 "Validation pli", F2 "Annule validation", F3 "Séquence auto",
// F4 "Pivote Piece", F6 / F7 previous and next bend, F8 "Retour"), and Enter
// presses the button that has the focus.
// A hidden or disabled button does nothing, as with the mouse.
void SequenceWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    QAbstractButton* target = nullptr;
    if (plain && event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F8) {
        target = m_buttons[event->key() - Qt::Key_F1];
    } else if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        for (QAbstractButton* b : m_buttons)
            if (b->hasFocus()) target = b;
        if (!target) return;
    }
    // The window has no cancel button: Escape leaves it open, only "Retour" closes it.
    if (event->key() == Qt::Key_Escape) return;
    if (!target) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (target->isVisible() && target->isEnabled()) target->click();
}

void SequenceWindow::FormPaint() {
    if (m_bitmap.isNull()) m_bitmap = QImage(m_panel2->size(), QImage::Format_RGB32);
    PaintSequenceScene(m_bitmap, shownScene());
    update();
}

void SequenceWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(m_panel2->pos(), m_bitmap);
}

}  // namespace zelpor
