#pragma once

#include <QDialog>

class QPushButton;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// The program's icon, also meant for the main window's title bar.
inline constexpr const char* kProgramIconPath = ":/icons/zelpor.png";
// Makes the icon resource available (the widget layer is a static library,
// whose resources are not registered on their own).
void InitDialogResources();

// About box: name, version and purpose of the program; it changes nothing.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    AboutBox(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    QPushButton* m_ok = nullptr;
};

}  // namespace zelpor
