#pragma once

#include <QDialog>

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// About box.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    AboutBox(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
};

}  // namespace zelpor
