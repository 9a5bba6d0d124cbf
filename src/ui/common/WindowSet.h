#pragma once

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

// Every window of the program, created once at start-up in this order. Windows
// that open other windows reach them through this set.
struct WindowSet {
    MainWindow* main = nullptr;
    NewCustomDialog* newCustom = nullptr;
    NewPartDialog* newPart = nullptr;
    AboutBox* about = nullptr;
    SelectCustomDialog* selectCustom = nullptr;
    SelectPartDialog* selectPart = nullptr;
    ParameterWindow* parameters = nullptr;
    ProfileWindow* profile = nullptr;
    ToolLibraryWindow* punchLibrary = nullptr;
    ToolLibraryWindow* dieLibrary = nullptr;
    SequenceWindow* sequence = nullptr;
};

}  // namespace zelpor
