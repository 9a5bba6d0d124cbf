#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "SampleLibrary.h"
#include "ui/bendview/BendViewWidget.h"
#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "core/io/Files.h"
#include "core/bendentry/BendCursor.h"
#include "core/jobs/PartFiles.h"
#include "core/workspace/AppState.h"

namespace zelpor {

namespace {
// Resting colour of every field: the system colour of an inactive caption.
const QColor kRestColour(191, 205, 219);
const QColor kFocusColour(0, 128, 128);

std::optional<NavKey> NavKeyOf(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return NavKey::Enter;
    case Qt::Key_Up: return NavKey::Up;
    case Qt::Key_Down: return NavKey::Down;
    case Qt::Key_Right: return NavKey::Right;
    case Qt::Key_Left: return NavKey::Left;
    default: return std::nullopt;
    }
}
}  // namespace

MainWindow::MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zelpor_2"));
    m_state.part.graphicProfile = 0;
    auto* area = new QWidget(this);
    area->setFixedSize(795, 552);
    setCentralWidget(area);
    buildToolBar(area);
    buildLeftColumn(area);
    buildSettingPanels(area);
    buildButtons(area);
    buildMenus();
    buildRoutes();
    m_settingCaptions[static_cast<std::size_t>(IndexOf(Setting::Opening))]->setText(QStringLiteral("Ouverture ="));
    installEventFilter(this);
}

// The one table the focus and key events go through.
void MainWindow::buildRoutes() {
    route(Field::Job) = {m_jobField, [this] { onJobEntered(); }, {}, {}, true};
    route(Field::Part) = {m_partField, [this] { onPartEntered(); }, [this] { onPartLeft(); }, {}, true};
    route(Field::Bend) = {m_bendField, [this] { onBendEntered(); }, {}, {}, true};
    route(Field::Thickness) = {
        m_thicknessField, [this] { onThicknessEntered(); }, [this] { onTypedFieldLeft(m_thicknessField); }, {}, false};
    route(Field::Length) = {
        m_lengthField, [this] { onLengthEntered(); }, [this] { onTypedFieldLeft(m_lengthField); }, {}, false};
    route(Field::Material) = {m_materialList, [this] { onMaterialEntered(); }, [this] { onMaterialLeft(); },
                              [this](QKeyEvent* e) { return onMaterialKey(e); }, false};
    route(Field::Punch) = {m_punchList, [this] { onPunchEntered(); }, [this] { onPunchLeft(); },
                           [this](QKeyEvent* e) { return onToolListKey(m_punchList, &MainWindow::onPunchChosen, e); },
                           false};
    route(Field::Die) = {m_dieList, [this] { onDieEntered(); }, [this] { onDieLeft(); },
                         [this](QKeyEvent* e) { return onToolListKey(m_dieList, &MainWindow::onDieChosen, e); }, false};
    for (const SettingField& f : kSettingFields) {
        const Setting s = f.setting;
        route(FieldOf(s)) = {
            settingField(s), [this, s] { onSettingEntered(s); }, [this, s] { onSettingLeft(s); }, {}, false};
    }
}

void MainWindow::loadWorkspace() {
    WorkspaceLoadReport made;
    m_state.workspace = LoadWorkspace(m_state.iniPath, CurrentWorkingDirectory(), &made);
    if (made.createdToolsFolder) InstallSampleLibrary(m_state.workspace.pathTools);
    m_jobField->setText(FromLocal(m_state.workspace.customer));
    m_partField->setText(FromLocal(m_state.workspace.part));
    if (m_state.readCurrentPart()) showBendHeader();
    // A window closed before its first activation still records "no job".
    if (!m_state.workspace.hasJob()) m_state.workspace.customer = kNoJob;
    for (QPushButton* b : m_functionButtons) b->setEnabled(true);
    m_viewMode = ViewMode::Numeric;
}

void MainWindow::activate() {
    m_bendView->resetView();
    refreshView();
    if (!m_state.workspace.hasJob()) {
        m_state.workspace.customer = kNoJob;
        focusField(Field::Job);
    } else {
        focusField(Field::Part);
    }
}

bool MainWindow::event(QEvent* e) {
    // The first activation shows the window's starting state; later ones come
    // from closing a modal window, whose caller runs the handler itself. On a
    // display without a window manager nothing activates the window, so its
    // first showing counts as well.
    const bool first = e->type() == QEvent::WindowActivate || e->type() == QEvent::Show;
    if (first && !m_activated) {
        m_activated = true;
        const bool handled = QMainWindow::event(e);
        activate();
        return handled;
    }
    return QMainWindow::event(e);
}

void MainWindow::refreshView() {
    if (m_viewMode == ViewMode::Numeric) showBendNumeric();
    else showBendGraphic();
    repaintFields();
}

void MainWindow::repaintFields() {
    auto write = [](QLineEdit* e, const QString& t) {
        const QSignalBlocker block(e);
        e->setText(t);
    };
    write(m_jobField, FromLocal(m_state.workspace.customer));
    write(m_partField, FromLocal(m_state.workspace.part));
    write(m_bendField, FromLatin1(BendPositionText(m_state.part)));
    if (m_viewMode == ViewMode::Graphic) m_bendView->update();
}

QString MainWindow::statusText() const { return m_statusPanel->text(); }
void MainWindow::setStatus(const QString& text) { m_statusPanel->setText(text); }
bool MainWindow::isGraphicPart() const { return m_state.part.graphicProfile != 0; }

// ---- focus --------------------------------------------------------------

std::optional<Field> MainWindow::fieldOf(const QObject* widget) const {
    for (int i = 0; i < kFieldCount; ++i)
        if (m_routes[static_cast<std::size_t>(i)].widget == widget) return static_cast<Field>(i);
    return std::nullopt;
}

void MainWindow::focusField(Field field) {
    // Asked before the focus moves: in an active window the focus-in event
    // already enters the field, which must not run twice (it reads tool files).
    const bool arrivingAgain = m_current == field;
    widgetOf(field)->setFocus(Qt::OtherFocusReason);
    if (arrivingAgain) enterField(field);  // the field's buttons and view come back
    else onFocusIn(field);                 // entered here when no focus event came
}

void MainWindow::onFocusIn(Field field) {
    if (m_current == field) return;
    const std::optional<Field> old = m_current;
    m_current = field;
    if (old) leaveField(*old);
    enterField(field);
}

void MainWindow::enterField(Field field) { route(field).entered(); }

void MainWindow::leaveField(Field field) {
    if (const auto& left = route(field).left) left();
    else paintFocused(widgetOf(field), false);
}

void MainWindow::paintFocused(QWidget* w, bool focused) {
    QPalette pal = w->palette();
    const QColor c = focused ? kFocusColour : kRestColour;
    // The field itself takes the colour (a list paints its field from Base
    // too); a list's arrow stays a plain button.
    pal.setColor(QPalette::Base, c);
    // Bold black on teal is hard to read from the press; white is not.
    const QColor ink = focused ? QColor(Qt::white) : QColor(Qt::black);
    pal.setColor(QPalette::Text, ink);
    w->setPalette(pal);
}

void MainWindow::setFocusLevel(FocusLevel level) {
    m_level = level;
    applyButtons(FunctionButtons(level, m_state.part, m_viewMode, JobFolderHasFiles(m_state.workspace)));
}

void MainWindow::applyButtons(const ButtonFaces& faces) {
    for (std::size_t i = 0; i < faces.size(); ++i) {
        m_functionButtons[i]->setText(QString::fromUtf8(faces[i].caption.c_str()));
        m_functionButtons[i]->setEnabled(faces[i].enabled);
        m_functionButtons[i]->setVisible(faces[i].visible);
    }
}

// ---- keys ---------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w == this) {
        if (e->type() == QEvent::KeyPress) return onFunctionKey(static_cast<QKeyEvent*>(e));
        return QMainWindow::eventFilter(watched, e);
    }
    const std::optional<Field> field = fieldOf(w);
    switch (e->type()) {
    case QEvent::FocusIn:
        if (field) onFocusIn(*field);
        break;
    case QEvent::ShortcutOverride:
        // F-keys and arrows are ours, never a menu shortcut's.
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (onFunctionKey(k)) return true;
        // Alt+F4 that the function keys left alone goes on to the window, which closes.
        if (k->key() == Qt::Key_F4 && k->modifiers() == Qt::AltModifier) break;
        if (field && onFieldKey(*field, k)) return true;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return onNumberKey(edit, k);
        // The lists hold names to choose, not to type.
        if (!k->text().isEmpty() && k->text().at(0).isPrint()) return true;
        break;
    }
    default: break;
    }
    return QMainWindow::eventFilter(watched, e);
}

// F1..F4 in the job, part and bend fields; F8 switches the view from the bend down.
bool MainWindow::onFunctionKey(QKeyEvent* e) {
    if (e->modifiers() & Qt::AltModifier) return false;  // Alt+F4 closes, it never inserts a bend
    const std::optional<Field> f = m_current;
    switch (e->key()) {
    case Qt::Key_F1:
        if (f == Field::Job) selectJob();
        else if (f == Field::Part) selectPart();
        else if (f == Field::Bend) bendMove(&FirstBend, false);
        else return false;
        return true;
    case Qt::Key_F2:
        if (f == Field::Job) newJob();
        else if (f == Field::Part) newPart(false);
        else if (f == Field::Bend) bendMove(&PreviousBend, false);
        else return false;
        return true;
    case Qt::Key_F3:
    case Qt::Key_F4:
        if (f != Field::Bend) return false;
        bendMove(e->key() == Qt::Key_F3 ? &NextBend : &InsertBend, false);
        return true;
    case Qt::Key_F8:
        if (m_level < FocusLevel::Bend) return false;
        switchView();
        return true;
    default: return false;
    }
}

bool MainWindow::onFieldKey(Field field, QKeyEvent* e) {
    const FieldRoute& r = route(field);
    if (r.keys) {
        const KeyUse use = r.keys(e);
        if (use != KeyUse::Navigation) return use == KeyUse::Used;
    }
    if (const std::optional<NavKey> key = NavKeyOf(e); key && moveFrom(field, *key)) return true;
    return r.swallowsOtherKeys;
}

NavContext MainWindow::navContext(Field from) {
    NavContext context;
    context.graphicPart = isGraphicPart();
    context.numericView = m_viewMode == ViewMode::Numeric;
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(from))) context.fieldEmpty = edit->text().isEmpty();
    return context;
}

// Moves the keyboard as the navigation rules say; returns whether the key was theirs.
bool MainWindow::moveFrom(Field field, NavKey key) {
    const NavMove move = Navigate(field, key, navContext(field));
    if (move.to && (field != Field::Job || jobFieldLeaves())) focusField(*move.to);
    return move.handled;
}

}  // namespace zelpor
