#pragma once

#include <memory>
#include <string>

#include "ui/common/MessageService.h"
#include "ui/common/WindowSet.h"
#include "core/params/ParameterTable.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// The program: its state and its windows, the main window first and the
// others when first opened. Tests build one in a temporary folder with their
// own message service.
class Application {
public:
    Application(const std::string& executablePath, const std::string& userConfigFolder,
                MessageService* messages = nullptr);
    ~Application();

    // The constructor creates the main window, which reads the configuration,
    // makes the folders and loads the last part, and reads the machine
    // parameters; the other windows are built on first use.
    void start();  // shows the main window

    // "." as the decimal separator for the whole process, whatever the locale.
    static void UsePointDecimalSeparator();

    AppState& state() { return m_state; }
    WindowSet& windows() { return m_windows; }

private:
    void prepareSecondaryWindows();

    AppState m_state;
    ParameterTable m_startParameters;
    WindowSet m_windows;
    std::unique_ptr<MessageService> m_ownMessages;
    MessageService* m_messages;
};

}  // namespace zelpor
