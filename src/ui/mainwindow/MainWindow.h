#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

#include "core/bendentry/FieldNavigation.h"
#include "core/bendentry/FunctionButtons.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;
class BendViewWidget;
class StatusPanel;

// The operator's workplace. The left column holds the job, part and bend
// fields, the thickness, length, material and the two tool lists; to the
// right the eleven settings of the current bend (or its drawing), along the
// bottom eight function buttons whose meaning follows the focused field.
// Everything is driven from the keyboard: arrows, Enter, F1..F4 and F8.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Reads the configuration, makes the workspace folders and loads the last part.
    void loadWorkspace();
    // Runs when the window becomes active, at start and after each modal window.
    void activate();

    // Operations the other windows may call.
    void refreshView();  // numeric or graphic view of the current bend
    void showBendHeader();
    void showBendNumeric();
    void showBendGraphic();
    void updateBendForce();
    void showYDepth();
    void repaintFields();  // job, part and bend fields from the workspace, then the drawing

    ViewMode viewMode() const { return m_viewMode; }
    FocusLevel focusLevel() const { return m_level; }
    QString statusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What runs when the keyboard arrives in a field, leaves it, and the
    // field's own keys (before the arrows and Enter move between fields).
    enum class KeyUse {
        Used,        // the field's own key: done
        PassedOn,    // the widget handles it (an open list's arrows)
        Navigation,  // the arrows and Enter move between the fields
    };
    struct FieldRoute {
        QWidget* widget = nullptr;
        std::function<void()> entered;
        std::function<void()> left;
        std::function<KeyUse(QKeyEvent*)> keys;  // none: navigation only
        bool swallowsOtherKeys = false;          // shown only: typing does nothing
    };

    // Layout (MainWindowLayout.cpp).
    void buildLeftColumn(QWidget* area);
    void buildSettingPanels(QWidget* area);
    void buildButtons(QWidget* area);
    void buildMenus();
    void buildToolBar(QWidget* area);
    QLineEdit* makeEdit(QWidget* parent, const char* name, int x, int y, int w);
    QLabel* makeCaption(QWidget* parent, const QString& text, int x, int y, int w);
    QAction* makeAction(QMenu* menu, const QString& text, const char* name, bool enabled = true);
    void buildRoutes();

    // Focus tracking (MainWindow.cpp): the entry and exit handlers run when
    // the focus moves between fields; opening a menu, a drop-down list or a
    // modal window is not a move.
    FieldRoute& route(Field field) { return m_routes[static_cast<std::size_t>(IndexOf(field))]; }
    QWidget* widgetOf(Field field) { return route(field).widget; }
    std::optional<Field> fieldOf(const QObject* widget) const;
    void focusField(Field field);
    void onFocusIn(Field field);
    void enterField(Field field);
    void leaveField(Field field);
    void paintFocused(QWidget* w, bool focused);
    void setFocusLevel(FocusLevel level);
    void applyButtons(const ButtonFaces& faces);
    void applyViewMode();
    void setViewMode(ViewMode mode);

    bool onFunctionKey(QKeyEvent* e);
    bool onFieldKey(Field field, QKeyEvent* e);
    bool moveFrom(Field field, NavKey key);
    bool onNumberKey(QLineEdit* edit, QKeyEvent* e);
    bool jobFieldLeaves();
    NavContext navContext(Field from);

    // Left column (LeftColumn.cpp).
    void onJobEntered();
    void onPartEntered();
    void onPartLeft();
    void onBendEntered();
    void onBendTextChanged();
    void onThicknessEntered();
    void onThicknessChanged();
    void onLengthEntered();
    void onLengthChanged();
    void onTypedFieldLeft(QLineEdit* field);
    void onMaterialEntered();
    void onMaterialChosen();
    KeyUse onMaterialKey(QKeyEvent* e);
    void onMaterialLeft();
    void showBendPosition();

    // Bend settings (BendSettings.cpp).
    QLineEdit* settingField(Setting s) const { return m_settingFields[static_cast<std::size_t>(IndexOf(s))]; }
    void onSettingEntered(Setting s);
    void onSettingChanged(Setting s);
    void onSettingLeft(Setting s);
    void onAngleChanged();
    void writeSetting(Setting s, const QString& text, bool changeHandling);
    void showForce();

    // Tool lists (ToolLists.cpp).
    void onPunchEntered();
    void onPunchChosen();
    void onPunchLeft();
    void onDieEntered();
    void onDieChosen();
    void onDieLeft();
    KeyUse onToolListKey(QComboBox* list, void (MainWindow::*choose)(), QKeyEvent* e);
    void fillToolList(QComboBox* list, bool punch);

    // Function buttons, dialogs and menus (MainWindowActions.cpp).
    void onFunctionButton(int position);
    void switchView();
    void selectJob();
    void newJob();
    void selectPart();
    void newPart(bool graphicOnly);
    void deletePart();
    void bendMove(bool (*step)(PartRecord&), bool fromButton);
    void runModal(QDialog* dialog);
    void openParameters();
    void openPunchLibrary();
    void openDieLibrary();
    void openAbout();
    void openSequence();
    void startNumericPart();
    void drawNewProfile();
    void showNumericView();
    void showGraphicView();
    bool saveOnClose();

    bool isGraphicPart() const;
    void setStatus(const QString& text);

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;

    FocusLevel m_level = FocusLevel::Job;
    ViewMode m_viewMode = ViewMode::Numeric;
    std::optional<Field> m_current;  // the field whose entry handler ran last
    bool m_activated = false;
    std::array<FieldRoute, kFieldCount> m_routes{};

    QLineEdit* m_jobField = nullptr;             // "Affaire :"
    QLineEdit* m_partField = nullptr;            // "Piece :"
    QLineEdit* m_bendField = nullptr;            // "Pli :"
    QLineEdit* m_thicknessField = nullptr;       // "Epaiss. :"
    QLineEdit* m_lengthField = nullptr;          // "Longueur :"
    QLineEdit* m_drawnThicknessField = nullptr;  // read-only thickness of a graphic-profile part
    QComboBox* m_materialList = nullptr;
    QComboBox* m_punchList = nullptr;
    QComboBox* m_dieList = nullptr;
    std::array<QLineEdit*, kSettingFieldCount> m_settingFields{};
    std::array<QLabel*, kSettingFieldCount> m_settingCaptions{};
    std::array<QFrame*, 4> m_settingPanels{};
    std::array<QCheckBox*, 2> m_computedChecks{};
    std::array<QPushButton*, 8> m_functionButtons{};
    BendViewWidget* m_bendView = nullptr;
    StatusPanel* m_statusPanel = nullptr;

    QMenu* m_zoomMenu = nullptr;
    QAction* m_numericViewAction = nullptr;
    QAction* m_graphicViewAction = nullptr;
    QAction* m_zoomAllAction = nullptr;
};

}  // namespace zelpor
