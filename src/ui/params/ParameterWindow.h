#pragma once

#include <QDialog>

#include <array>

#include "params/ParameterTable.h"

class QLabel;
class QLineEdit;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;

// The machine parameter editor. It owns the parameter table,
// shows its first twelve entries and lets the user change the first seven,
// checking every keystroke against the entry's limits. The table is written
// back to "Param.dat" every time the window closes, whatever way.
class ParameterWindow final : public QDialog {
    Q_OBJECT
public:
    ParameterWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Reads "Param.dat" from the tools folder. Called once at start-up, after
    // the main window has settled the folders.
    bool loadTable();
    ParameterTable& table() { return m_table; }

    void FormActivate();
    void Bouton8Click();

    static constexpr int kRows = 12;

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* number;
        QLabel* designation;
        QLineEdit* value;
        QLabel* unit;
    };
    int rowOf(QObject* watched) const;  // 1..12, 0 when not a value field
    MachineParameter& entry(int row) { return m_table.entries[static_cast<std::size_t>(row - 1)]; }
    void fieldFocusIn(int row);
    void fieldFocusOut(int row);
    bool fieldKeyDown(int row, QKeyEvent* key);
    bool fieldKeyPress(int row, QKeyEvent* key);
    void fieldChanged(int row);
    void rewrite(int row, const std::string& text);
    void setFieldColour(QLineEdit* field, bool focused);
    void saveTable();

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    ParameterTable m_table;

    std::array<Row, kRows> m_rows{};
    FunctionButtonPanel* m_buttons = nullptr;
    StatusPanel* m_status = nullptr;
};

}  // namespace zelpor
