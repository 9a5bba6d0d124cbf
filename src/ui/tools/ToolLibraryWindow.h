#pragma once

#include <QDialog>
#include <QImage>

#include <string>
#include <vector>

#include "core/tools/ToolRecords.h"
#include "core/view/ToolFit.h"
#include "core/view/ViewTransform.h"

class QLabel;
class QLineEdit;
class QTabBar;

namespace zelpor {

struct AppState;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;

// Punch or die library: one tab per tool file of the tools folder, the
// selected tool's header values and its outline. Opened with the holder's
// selection request set, its closing button becomes "Valide" and hands the
// selected tool's name to the holder; the caller then loads the file itself.
// Draws a tool's outline on the gray drawing area of a library or an editor
// window, into `bitmap` (sized on first use).
QImage RenderToolDrawing(QImage& bitmap, const ViewTransform& transform, const ToolOutlineView& outline);

class ToolLibraryWindow final : public QDialog {
    Q_OBJECT
public:
    ToolLibraryWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent = nullptr);

    ToolKind kind() const { return m_kind; }

    // Handlers, named after the components they serve.
    void FormActivate();
    void ShowTool();
    void onPreviousTool();
    void onNextTool();
    void onValidOrReturn();

    // What the drawing area shows, rendered on demand (tests and paint).
    QImage renderDrawing();
    const ViewTransform& transform() const { return m_transform; }
    int toolCount() const { return m_toolCount; }

    static constexpr int kDrawingWidth = 201, kDrawingHeight = 449;
    static constexpr int kDrawingLeft = 584, kDrawingTop = 16;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* number;
        QLabel* designation;
        QLineEdit* value;
        QLabel* unit;
    };
    void buildTable(QWidget* area);
    void fillTable();
    void updateNavigation();
    bool loadSelected();
    void fillTabs(std::vector<std::string> names);
    bool functionKey(int key);
    std::string toolsFolder() const;
    bool& selectionRequest() const;
    std::string& holderName() const;

    AppState& m_state;
    ToolKind m_kind;
    MessageService& m_messages;

    // A private copy of the displayed tool: browsing never changes the tool in use.
    PunchRecord m_punch;
    DieRecord m_die;
    bool m_haveTool = false;
    int m_toolCount = 0;
    std::vector<std::string> m_tabNames;  // the tools the tabs show, in their order
    ToolOutlineView m_outline;
    ViewTransform m_transform;
    QImage m_bitmap;

    QTabBar* m_tabs = nullptr;
    std::vector<Row> m_rows;
    FunctionButtonPanel* m_buttons = nullptr;
    StatusPanel* m_status = nullptr;
};

}  // namespace zelpor
