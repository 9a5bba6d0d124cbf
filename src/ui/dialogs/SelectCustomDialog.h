#pragma once

#include "ui/dialogs/SelectionDialog.h"

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// Job selection: the job folders under the jobs root. Choosing one makes it
// the current job and reads the part of the same name in it (the part header
// defaults when that job has no such part).
class SelectCustomDialog final : public SelectionDialog {
    Q_OBJECT
public:
    SelectCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

protected:
    std::string whereText() const override;
    std::vector<std::string> entries() const override;
    const std::string& currentEntry() const override;
    void choose(const std::string& entry) override;

private:
    WindowSet& m_windows;
};

}  // namespace zelpor
