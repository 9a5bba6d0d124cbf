#pragma once

#include <QDialog>

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// Part selection.
class SelectPartDialog final : public QDialog {
    Q_OBJECT
public:
    SelectPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
};

}  // namespace zelpor
