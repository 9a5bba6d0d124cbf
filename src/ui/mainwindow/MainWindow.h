#pragma once

#include <QMainWindow>

class QLineEdit;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// TForm1: the operator's workplace.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Reads the configuration, makes the workspace folders and loads the last part.
    void FormCreate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    QLineEdit* m_edit1 = nullptr;  // "Affaire :"
    QLineEdit* m_edit2 = nullptr;  // "Piece :"
};

}  // namespace zelpor
