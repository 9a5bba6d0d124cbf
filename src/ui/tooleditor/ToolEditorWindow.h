#pragma once

#include <QDialog>
#include <QImage>

#include <vector>

#include "core/tools/ToolEditing.h"
#include "core/tools/ToolFiles.h"
#include "core/view/ToolFit.h"
#include "core/view/ViewTransform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace zelpor {

struct AppState;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;
class PointGrid;

// The punch or die editor ("Outils" > "Programmation Poinçons" / "Matrices"):
// the tool files of the tools folder in the library order, the figures and
// the outline points of the selected tool, and its drawing exactly as the
// library window draws it. F1 new, F2 copy, F3 rename, F4 delete, F5 generate
// the outline of a catalogue shape, F6/F7 insert/delete a point, F8 save and
// close; Escape closes without saving.
class ToolEditorWindow final : public QDialog {
    Q_OBJECT
public:
    ToolEditorWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent = nullptr);

    void FormActivate();
    void newTool();       // F1
    void copyTool();      // F2
    void renameTool();    // F3
    void deleteTool();    // F4
    void generate();      // F5
    void insertPoint();   // F6
    void deletePoint();   // F7
    bool saveAndClose();  // F8

    const ToolDraft& draft() const { return m_draft; }
    bool modified() const { return m_modified; }
    QImage renderDrawing();
    static constexpr int kDrawingWidth = 201, kDrawingHeight = 449;
    static constexpr int kDrawingLeft = 584, kDrawingTop = 16;

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the name field is for.
    enum class NameMode { Shown, NewTool, Rename };
    struct Figure {
        QLineEdit* field;
        const char* hint;
    };

    // Layout (ToolEditorWindow.cpp).
    void buildFigures();
    QLineEdit* makeField(const QString& caption, const char* name, int row, const QString& unit);
    void showDraft();
    void readFields();
    void redraw();
    void refreshList(const std::string& select);
    void setNameMode(NameMode mode);
    std::vector<QWidget*> fieldOrder() const;

    // Actions (ToolEditorActions.cpp).
    bool functionKey(int key);
    bool fieldKey(QWidget* field, QKeyEvent* key);
    void nameEntered();
    void listChosen(int row);
    bool leaveCurrent();
    bool save();
    std::string toolsFolder() const;
    QString toolTitle() const;

    AppState& m_state;
    ToolKind m_kind;
    MessageService& m_messages;

    ToolDraft m_draft;
    std::string m_loadedName;  // the file the draft came from; empty for a new tool
    bool m_modified = false;
    NameMode m_nameMode = NameMode::Shown;
    bool m_showing = false;  // fields being filled: their edits are not the user's

    ToolOutlineView m_outline;
    ViewTransform m_transform;
    QImage m_bitmap;

    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_version = nullptr;
    QLineEdit* m_versionIndex = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_angle = nullptr;
    QLineEdit* m_vOpening = nullptr;
    QLineEdit* m_entryRadius = nullptr;
    QComboBox* m_shape = nullptr;
    QLineEdit* m_width = nullptr;
    PointGrid* m_grid = nullptr;
    FunctionButtonPanel* m_buttons = nullptr;
    StatusPanel* m_status = nullptr;
};

// Opens the editor of a kind modally; afterwards the tools in use are read
// again from the files the current bend names, so an edited tool shows at once.
void OpenToolEditor(AppState& state, MessageService& messages, ToolKind kind, QWidget* parent);

}  // namespace zelpor
