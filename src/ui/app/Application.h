#pragma once

#include <memory>
#include <string>

#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "workspace/AppState.h"

namespace zelpor {

// The program: its state and every window, created once in a fixed order.
// Tests build one in a temporary folder with their own message service.
class Application {
public:
    Application(const std::string& executablePath, const std::string& userConfigFolder,
                MessageService* messages = nullptr);
    ~Application();

    // The constructor creates every window and runs the main window's creation
    // handler (configuration, folders, last part) right after the main window,
    // as the other windows may read the workspace when they are built.
    void start();  // shows the main window

    // "." as the decimal separator for the whole process, whatever the locale.
    static void UsePointDecimalSeparator();

    AppState& state() { return m_state; }
    WindowSet& windows() { return m_windows; }

private:
    AppState m_state;
    WindowSet m_windows;
    std::unique_ptr<MessageService> m_ownMessages;
    MessageService* m_messages;
};

}  // namespace zelpor
