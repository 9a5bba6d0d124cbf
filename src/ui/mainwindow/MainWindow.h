#pragma once

#include <QMainWindow>
#include <array>

#include "mainwindow/FunctionButtons.h"

class QAction;
class QCheckBox;
class QComboBox;
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

// TForm1: the operator's workplace. The left column holds the job, part and
// bend fields, the thickness, length, material and the two tool lists; to
// the right the eleven settings of the current bend (or its drawing), along
// the bottom eight function buttons whose meaning follows the focused field.
// Everything is driven from the keyboard: arrows, Enter, F1..F4 and F8.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Reads the configuration, makes the workspace folders and loads the last part.
    void FormCreate();
    // Runs when the window becomes active, at start and after each modal window.
    void FormActivate();

    // Operations the other windows may call.
    void RefreshView();  // numeric or graphic view of the current bend
    void ShowBendHeader();
    void ShowBendNumeric();
    void ShowBendGraphic();
    void UpdateBendForce();
    void ShowYDepth();
    void FormPaint();  // job, part and bend fields from the workspace, then the drawing

    ViewMode viewMode() const { return m_viewMode; }
    FocusLevel focusLevel() const { return m_level; }
    QString statusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout (MainWindowLayout.cpp).
    void buildLeftColumn(QWidget* area);
    void buildSettingPanels(QWidget* area);
    void buildButtons(QWidget* area);
    void buildMenus();
    void buildToolBar(QWidget* area);
    QLineEdit* makeEdit(QWidget* parent, const char* name, int x, int y, int w);
    QLabel* makeCaption(QWidget* parent, const QString& text, int x, int y, int w);
    QAction* makeAction(QMenu* menu, const QString& text, const char* name, bool enabled = true);

    // Focus tracking: the entry and exit handlers run when the focus moves
    // between fields; opening a menu, a drop-down list or a modal window
    // is not a move.
    void focusField(QWidget* w);
    void onFocusIn(QWidget* w);
    void enterField(QWidget* w);
    void exitField(QWidget* w);
    void paintFocused(QWidget* w, bool focused);
    void setFocusLevel(FocusLevel level);
    void applyButtons(const ButtonFaces& faces);
    void applyViewMode();
    void setViewMode(ViewMode mode);

    bool FormShortCut(QKeyEvent* e);
    bool keyDown(QWidget* w, QKeyEvent* e);
    bool numberKeyPress(QLineEdit* edit, QKeyEvent* e);
    bool jobFieldLeaves();

    // Left column (LeftColumn.cpp).
    void Edit1Enter();
    bool Edit1KeyDown(QKeyEvent* e);
    void Edit2Enter();
    bool Edit2KeyDown(QKeyEvent* e);
    void Edit2Exit();
    void Edit3Enter();
    void Edit3Change();
    bool Edit3KeyDown(QKeyEvent* e);
    void Edit4Enter();
    void Edit4Change();
    bool Edit4KeyDown(QKeyEvent* e);
    void Edit5Enter();
    void Edit5Change();
    bool Edit5KeyDown(QKeyEvent* e);
    void CBmatiereEnter();
    void CBmatiereClick();
    bool CBmatiereKeyDown(QKeyEvent* e);
    void CBmatiereExit();
    void showBendPosition();

    // Bend settings (BendSettings.cpp).
    void settingEnter(int index);
    bool settingKeyDown(int index, QKeyEvent* e);
    void settingChange(int index);
    void settingExit(int index);
    void EangleChange();
    void writeSetting(int index, const QString& text, bool changeHandling);
    void showForce();
    int settingIndexOf(QObject* w) const;

    // Tool lists (ToolLists.cpp).
    void CBpoinconEnter();
    void CBpoinconClick();
    bool CBpoinconKeyDown(QKeyEvent* e);
    void CBpoinconExit();
    void CBmaticeEnter();
    void CBmaticeClick();
    bool CBmaticeKeyDown(QKeyEvent* e);
    bool toolListKeyDown(QComboBox* list, QKeyEvent* e, QWidget* up, QWidget* down);
    void CBmaticeExit();
    void fillToolList(QComboBox* list, bool punch);

    // Buttons, dialogs and menus (MainWindow.cpp).
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button8Click();
    void selectJob();
    void newJob();
    void selectPart();
    void newPart(bool graphicOnly);
    void deletePart();
    void bendMove(bool (*step)(PartRecord&), bool fromButton);
    void runModal(QDialog* dialog);
    void Parametres1Click();
    void ListePoincons1Click();
    void ListeMatrices1Click();
    void APropos1Click();
    void VisualiseGraphique1Click();
    void NouvelleNumerique1Click();
    void NouvelleGraphique1Click();
    void Numerique1Click();
    void Graphique1Click();
    bool FormClose();

    bool isGraphicPart() const;
    void setStatus(const QString& text);

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;

    FocusLevel m_level = FocusLevel::Job;
    ViewMode m_viewMode = ViewMode::Numeric;
    QWidget* m_current = nullptr;  // the field whose entry handler ran last
    bool m_activated = false;

    QLineEdit* m_edit1 = nullptr;  // "Affaire :"
    QLineEdit* m_edit2 = nullptr;  // "Piece :"
    QLineEdit* m_edit3 = nullptr;  // "Pli :"
    QLineEdit* m_edit4 = nullptr;  // "Epaiss. :"
    QLineEdit* m_edit5 = nullptr;  // "Longueur :"
    QLineEdit* m_edit6 = nullptr;  // read-only thickness of a graphic-profile part
    QComboBox* m_material = nullptr;
    QComboBox* m_punch = nullptr;
    QComboBox* m_die = nullptr;
    // The slot of a field or button index (the tables count in int).
    static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
    std::array<QLineEdit*, 11> m_settings{};
    std::array<QLabel*, 11> m_settingCaptions{};
    std::array<QFrame*, 4> m_panels{};
    std::array<QCheckBox*, 2> m_computedChecks{};
    std::array<QPushButton*, 8> m_buttons{};
    BendViewWidget* m_bendView = nullptr;
    StatusPanel* m_statusPanel = nullptr;

    QMenu* m_zoomMenu = nullptr;
    QAction* m_plisNumerique = nullptr;
    QAction* m_plisGraphique = nullptr;
    QAction* m_zoomTout = nullptr;
};

}  // namespace zelpor
