#pragma once

#include <QDialog>
#include <QImage>

#include "core/profile/ProfileDrawing.h"

class QLabel;
class QLineEdit;
class QAbstractButton;
class QStatusBar;
class QKeyEvent;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;
class ProfileCanvas;

// The profile drawing window ("Zelpor2         Graphique"): the user types the
// sheet thickness, the orientation of the first segment, then a length and a
// bend angle per segment. The drawing rules live in ProfileDrawing; this class
// forwards keys and pointer moves and shows what the drawing decides.
//
// exec() returns Accepted when the user finished with F8 or "Retour" (after
// the sequence window was shown), Rejected when the window was closed.
class ProfileWindow final : public QDialog {
    Q_OBJECT
public:
    ProfileWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);
    ~ProfileWindow() override;

    const ProfileDrawing& drawing() const { return m_drawing; }
    // The back buffer as last painted (what the drawing area shows).
    const QImage& bitmap() const { return m_bitmap; }

    // Event handlers, named after the component and the event.
    void FormActivate();
    void FormPaint();
    void FormMouseMove(int x, int y);
    void onMinus90();
    void onFinish();
    bool FormShortCut(int key);
    bool onEntryKeyPress(QKeyEvent* event);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void showEntryBar();
    void acceptEntry();
    void finishProfile();

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    ProfileDrawing m_drawing;
    QImage m_bitmap;
    int m_shownEntryRevision = -1;
    int m_shownPointerRevision = -1;
    bool m_finishing = false;

    ProfileCanvas* m_canvas = nullptr;
    QLabel* m_staticText1 = nullptr;
    QLineEdit* m_edit1 = nullptr;
    QLabel* m_staticText2 = nullptr;
    QLabel* m_staticText3 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    QLabel* m_staticText4 = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QAbstractButton* m_bouton1 = nullptr;
    QAbstractButton* m_bouton8 = nullptr;
};

}  // namespace zelpor
