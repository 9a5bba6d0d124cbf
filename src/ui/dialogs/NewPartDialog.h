#pragma once

#include <QDialog>

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// New-part dialog.
class NewPartDialog final : public QDialog {
    Q_OBJECT
public:
    // Result codes of exec(): the program type chosen, or cancelled.
    enum Code { Cancelled = 2, GraphicProfile = 80, TableProfile = 81, NumericSequence = 82 };

    // The caller sets the three radio buttons before showing the dialog.
    struct ProgramTypes {
        bool graphicEnabled = true;
        bool graphicChecked = true;
        bool tableEnabled = false;
        bool numericEnabled = true;
    };
    void setProgramTypes(const ProgramTypes& types) { m_types = types; }

    NewPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    ProgramTypes m_types;
};

}  // namespace zelpor
