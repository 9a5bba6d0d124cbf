#pragma once

#include <functional>
#include <utility>

namespace zelpor {

class MainWindow;
class NewCustomDialog;
class NewPartDialog;
class AboutBox;
class SelectCustomDialog;
class SelectPartDialog;
class ParameterWindow;
class ProfileWindow;
class ToolLibraryWindow;
class SequenceWindow;

// A secondary window, built the first time it is asked for and then kept, so
// it remembers what it showed (values typed, button states) between openings
// while the program starts with the main window alone. A window set by hand
// (tests build their own) is used as it is; with neither, it reads nullptr.
template <typename Window>
class BuiltOnFirstUse {
public:
    BuiltOnFirstUse& operator=(Window* window) {
        m_window = window;
        return *this;
    }
    void setBuilder(std::function<Window*()> build) { m_build = std::move(build); }

    Window* get() {
        if (!m_window && m_build) m_window = m_build();
        return m_window;
    }
    Window* builtSoFar() const { return m_window; }
    operator Window*() { return get(); }
    Window* operator->() { return get(); }

private:
    Window* m_window = nullptr;
    std::function<Window*()> m_build;
};

// Every window of the program. Windows that open other windows reach them
// through this set.
struct WindowSet {
    MainWindow* main = nullptr;
    BuiltOnFirstUse<NewCustomDialog> newCustom;
    BuiltOnFirstUse<NewPartDialog> newPart;
    BuiltOnFirstUse<AboutBox> about;
    BuiltOnFirstUse<SelectCustomDialog> selectCustom;
    BuiltOnFirstUse<SelectPartDialog> selectPart;
    BuiltOnFirstUse<ParameterWindow> parameters;
    BuiltOnFirstUse<ProfileWindow> profile;
    BuiltOnFirstUse<ToolLibraryWindow> punchLibrary;
    BuiltOnFirstUse<ToolLibraryWindow> dieLibrary;
    BuiltOnFirstUse<SequenceWindow> sequence;
};

}  // namespace zelpor
