#pragma once

#include "ui/dialogs/SelectionDialog.h"

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// Part selection: every file of the current job's folder, shown without its
// extension. Choosing one makes it the current part and reads its file.
class SelectPartDialog final : public SelectionDialog {
    Q_OBJECT
public:
    SelectPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

protected:
    std::string whereText() const override;
    std::vector<std::string> entries() const override;
    const std::string& currentEntry() const override;
    void choose(const std::string& entry) override;

private:
    WindowSet& m_windows;
};

}  // namespace zelpor
