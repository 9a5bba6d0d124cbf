#pragma once

#include <QDialog>
#include <QImage>

#include "core/collision/CollisionCheck.h"
#include "core/sequence/SequenceProgram.h"

class QAbstractButton;
class QLabel;
class QStatusBar;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// Paints one step of the sequence into the window's back buffer: gray
// background, then the scene in list order (tools, stop, part, bend numbers).
void PaintSequenceScene(QImage& image, const SequenceScene& scene);

// Bend sequence window: steps through the bends of the drawn profile with the
// tools, the backgauge stop and the part, and builds the bending program as
// the user validates bends. Opened modally with exec(); every opening starts
// at the first bend. It writes into the current part only; saving the part is
// the main window's business.
class SequenceWindow final : public QDialog {
    Q_OBJECT
public:
    SequenceWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Activates the window (caption, first bend, tools chosen when missing,
    // scene, developed length), then runs the modal loop.
    int exec() override;

    void FormActivate();
    void onValidateBend();    // "Validation pli"
    void onUndoValidation();  // "Annule validation"
    void onAutoSequence();    // "Séquence auto"
    void onPivotPart();       // "Pivote Piece"
    void onPreviousBend();    // "Angle précedant"
    void onNextBend();        // "Angle suivant"
    void onReturn();          // "Retour"

    const SequenceProgram& program() const { return m_program; }
    const QImage& bitmap() const { return m_bitmap; }
    // What the check found for the bend on screen.
    const BendCheck& stepCheck() const { return m_stepCheck; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormPaint();
    void showState();
    void showButtons();
    void chooseDie();
    void choosePunch();

    // Collision check of the bend on screen and the automatic sequence
    // (SequenceAuto.cpp).
    void prepareCollisionCheck();
    void checkStep();
    bool confirmValidation();
    ButtonState autoButtonState() const;
    SequenceScene shownScene() const;

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    SequenceProgram m_program;
    QWidget* m_panel2 = nullptr;  // geometry of the drawing area
    QAbstractButton* m_buttons[8] = {};
    QStatusBar* m_statusBar = nullptr;
    QImage m_bitmap;
    CollisionSetup m_collisionSetup;
    BendCheck m_stepCheck;
    QLabel* m_collisionLabel = nullptr;  // beside the status text: the collision of the bend on screen
};

}  // namespace zelpor
