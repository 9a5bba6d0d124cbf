#pragma once

#include <QDialog>

#include "tools/ToolRecords.h"

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// Punch or die library: one tab per tool file, the header values and the outline.
class ToolLibraryWindow final : public QDialog {
    Q_OBJECT
public:
    ToolLibraryWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent = nullptr);

private:
    AppState& m_state;
    ToolKind m_kind;
    MessageService& m_messages;
};

}  // namespace zelpor
