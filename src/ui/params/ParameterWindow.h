#pragma once

#include <QDialog>

#include <array>

#include "core/params/ParameterPages.h"
#include "core/params/ParameterTable.h"

class QLabel;
class QLineEdit;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;

// The machine parameter editor. It owns the parameter table and shows its
// entries twelve at a time: on the first page the user changes the first
// seven, on the later pages every entry in use, checking every keystroke
// against the entry's limits. The table is written
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
    void onNextPage();      // "Page suivante"
    void onPreviousPage();  // "Page precedante"
    void onReturn();
    int page() const { return m_page; }  // 0 for entries 1-12, up to 3 for 37-48

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
    MachineParameter& entry(int row) { return m_table.entries[static_cast<std::size_t>(ParameterIndex(m_page, row))]; }
    void showPage(int page);
    bool pageKey(int key);
    int neighbourRow(int row, int step) const;
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
    int m_page = 0;

    std::array<Row, kRows> m_rows{};
    FunctionButtonPanel* m_buttons = nullptr;
    StatusPanel* m_status = nullptr;
};

}  // namespace zelpor
