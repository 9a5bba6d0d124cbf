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
    NewPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
};

}  // namespace zelpor
