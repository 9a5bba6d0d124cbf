#pragma once

#include <QDialog>
#include <QImage>

#include <optional>
#include <vector>

#include "core/profile/ProfileTableForm.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;
class ProfileTableCanvas;

// The profile typed as a table: the thickness, the orientation of the first
// segment and one row per segment (its length, then the angle of the bend
// after it), up to 25 segments. The drawing beside it shows the profile as
// the drawing window would store it, with the bend numbers; the status line
// shows the developed length. F8 writes the profile into the current part and
// opens the sequence window, as the drawing window does; Escape leaves the
// part as it was.
//
// Keys: Enter takes a value and goes on through the row and to the next row
// (a new row after the last angle), Up / Down move between rows, F1 gives
// -90° in an angle, F4 inserts a row before the current one, F5 deletes it.
class ProfileTableWindow final : public QDialog {
    Q_OBJECT
public:
    enum class Start { NewProfile, CurrentProfile };

    ProfileTableWindow(AppState& state, WindowSet& windows, MessageService& messages, Start start,
                       QWidget* parent = nullptr);
    ~ProfileTableWindow() override;

    const ProfileTableForm& form() const { return m_form; }
    const QImage& bitmap() const { return m_bitmap; }
    QLineEdit* field(const TableCell& cell) const;
    QString statusText() const;

    // Actions of the function buttons and their keys.
    void minus90();        // F1
    void insertSegment();  // F4
    void deleteSegment();  // F5
    void finishProfile();  // F8

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowFields {
        QLabel* number = nullptr;
        QLineEdit* length = nullptr;
        QLineEdit* angle = nullptr;
    };

    void buildLayout();
    QLineEdit* makeField(QWidget* parent, const QString& name, int x, int y, int width);
    std::optional<TableCell> cellOf(const QObject* watched) const;
    bool functionKey(int key);
    bool fieldKeyPress(const TableCell& cell, QLineEdit* edit, QKeyEvent* event);
    void enterField(const TableCell& cell);
    void focusCell(const TableCell& cell);
    void paintFocused(QLineEdit* edit, bool focused);
    bool confirmStructureChange();
    void showRows();
    void refresh();
    std::optional<float> dieVOpening() const;

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    ProfileTableForm m_form;
    TableCell m_cell;
    bool m_finishing = false;
    QImage m_bitmap;

    QLineEdit* m_thickness = nullptr;
    QLineEdit* m_orientation = nullptr;
    std::vector<RowFields> m_rows;
    QScrollArea* m_scroll = nullptr;
    ProfileTableCanvas* m_canvas = nullptr;
    StatusPanel* m_status = nullptr;
    FunctionButtonPanel* m_buttons = nullptr;
};

// A new profile after the new-part dialog, or the current part's profile to
// change; returns the window's result (Accepted once the profile is written).
int RunProfileTable(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent,
                    ProfileTableWindow::Start start);

// The "&Piéces" menu entry: the profile of the current graphic part in the
// table; the part file is saved once it is changed.
void ChangeProfileInTable(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent);

}  // namespace zelpor
