#include "ui/profile/ProfileWindow.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QAbstractButton>
#include <QStatusBar>

#include "ui/common/EntryKeys.h"
#include "ui/common/FunctionPanel.h"
#include "ui/common/MessageService.h"
#include "ui/common/ScenePainter.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/WindowSet.h"
#include "ui/profile/ProfileCursors.h"
#include "ui/sequence/SequenceWindow.h"
#include "core/tools/ToolRecords.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// The drawing area: shows the back buffer and reports the pointer.
class ProfileCanvas final : public QWidget {
public:
    explicit ProfileCanvas(ProfileWindow* window) : QWidget(window), m_window(window) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // The back buffer is 4 pixels smaller than the area: the strip it
        // leaves shows the window colour like the rest of the frame.
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.drawImage(0, 0, m_window->bitmap());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint client = mapTo(m_window, event->position().toPoint());
        m_window->FormMouseMove(client.x(), client.y());
    }

private:
    ProfileWindow* m_window;
};

namespace {

constexpr int kClientWidth = 795;
constexpr int kClientHeight = 571;
constexpr int kEntryBarTop = 469;
constexpr int kEntryBarHeight = 25;
constexpr int kBottomPanelHeight = 75;

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int width, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, 2, width, 21);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int x) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, 1, 121, 23);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

}  // namespace

ProfileWindow::ProfileWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages), m_drawing(state.part) {
    setObjectName(QStringLiteral("TFormDrawNew"));
    setWindowTitle(QStringLiteral("Zelpor2         Graphique"));
    setFixedSize(kClientWidth, kClientHeight);
    buildLayout();
}

ProfileWindow::~ProfileWindow() = default;

void ProfileWindow::buildLayout() {
    const DrawingArea& area = m_drawing.area();
    m_canvas = new ProfileCanvas(this);
    m_canvas->setObjectName(QStringLiteral("Bevel1"));
    m_canvas->setGeometry(area.left, area.top, area.width, area.height);

    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, kEntryBarTop, kClientWidth, kEntryBarHeight);
    m_staticText1 = MakeLabel(panel1, "StaticText1", 2, 105, Qt::AlignRight);
    m_edit1 = MakeEdit(panel1, "Edit1", 112);
    m_staticText2 = MakeLabel(panel1, "StaticText2", 234, 80, Qt::AlignLeft);
    m_staticText3 = MakeLabel(panel1, "StaticText3", 472, 105, Qt::AlignRight);
    m_edit2 = MakeEdit(panel1, "Edit2", 584);
    m_edit2->setReadOnly(true);
    m_edit2->setEnabled(false);
    m_staticText4 = MakeLabel(panel1, "StaticText4", 706, 80, Qt::AlignLeft);
    m_edit1->installEventFilter(this);

    auto* panel30 = new FunctionButtonPanel(this, FunctionButtonPanel::Style::Captions);
    panel30->setObjectName(QStringLiteral("Panel30"));
    panel30->setGeometry(0, kClientHeight - kBottomPanelHeight, kClientWidth, kBottomPanelHeight);
    for (int n = 1; n <= FunctionButtonPanel::kButtons; ++n) {
        // The entry field keeps the keyboard.
        panel30->button(n)->setFocusPolicy(Qt::NoFocus);
        panel30->button(n)->hide();
    }
    m_bouton1 = panel30->button(1);
    m_bouton8 = panel30->button(8);
    m_bouton1->setText(QStringLiteral("-90°"));
    m_bouton8->setText(QStringLiteral("Retour"));
    m_bouton8->setEnabled(true);
    m_bouton8->show();
    connect(m_bouton1, &QAbstractButton::clicked, this, &ProfileWindow::onMinus90);
    connect(m_bouton8, &QAbstractButton::clicked, this, &ProfileWindow::onFinish);

    m_statusBar = new QStatusBar(panel30);
    m_statusBar->setObjectName(QStringLiteral("StatusBar2"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, kBottomPanelHeight - 22, kClientWidth, 22);
}

void ProfileWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void ProfileWindow::setVisible(bool visible) {
    if (visible && !isVisible()) CentreOnDesktop(*this);
    QDialog::setVisible(visible);
    // Showing a dialog gives its first field the focus as a Tab would, which
    // selects the whole text; the proposal keeps the caret at its start instead.
    if (visible && m_edit1->isVisible()) {
        m_edit1->deselect();
        m_edit1->setCursorPosition(0);
    }
}

// Each opening starts a new drawing from the thickness.
void ProfileWindow::FormActivate() {
    m_finishing = false;
    m_drawing.activate();
    showEntryBar();
    FormPaint();
}

void ProfileWindow::FormPaint() {
    const DrawingArea& area = m_drawing.area();
    // Made on the first paint, when the window opens: a program that never
    // draws a profile keeps 1.4 MB and the fill out of its start-up.
    if (m_bitmap.isNull()) {
        m_bitmap = QImage(area.bitmapWidth(), area.bitmapHeight(), QImage::Format_RGB32);
        m_bitmap.fill(palette().color(QPalette::Window));
    }
    ScenePainter painter(m_bitmap, m_drawing.view());
    painter.fillRect(4, 4, area.width - 4, area.height - 4, QColor(128, 128, 128));
    painter.drawSketch(m_state.part);
    m_canvas->update();
}

void ProfileWindow::FormMouseMove(int x, int y) {
    if (!m_drawing.mouseMove(x, y)) return;
    showEntryBar();
    FormPaint();
}

void ProfileWindow::onMinus90() {
    if (!m_drawing.acceptMinus90()) return;
    showEntryBar();
    FormPaint();
}

void ProfileWindow::onFinish() { finishProfile(); }

// F1 in an angle step is "-90°", F8 finishes from anywhere.
bool ProfileWindow::FormShortCut(int key) {
    if (key == Qt::Key_F1) {
        onMinus90();
        return true;
    }
    if (key == Qt::Key_F8) {
        finishProfile();
        return true;
    }
    return false;
}

void ProfileWindow::keyPressEvent(QKeyEvent* event) {
    if (FormShortCut(event->key())) return;
    // Escape would leave a half-written profile behind: only F8 and "Retour" end the input.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

bool ProfileWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormShortCut(key->key())) return true;
        return onEntryKeyPress(key);
    }
    return QDialog::eventFilter(watched, event);
}

// Returns true when the key is swallowed.
bool ProfileWindow::onEntryKeyPress(QKeyEvent* event) {
    if (m_drawing.mode() == ProfileDrawing::Mode::Idle) return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        acceptEntry();
        return true;
    }
    const std::optional<char> typed = EntryCharOf(event);
    if (!typed) return false;
    const char key = *typed;
    const EntryKey decision = m_drawing.filterKey(key, m_edit1->text().toStdString(), m_edit1->cursorPosition());
    // A refused key is swallowed without a beep: the drawing window stays
    // quiet, unlike the main window and the parameter editor.
    if (!decision.accept) return true;
    if (decision.clearFirst) m_edit1->clear();
    if (decision.key == key) return false;                      // the field inserts or erases as usual
    m_edit1->insert(QString(QChar::fromLatin1(decision.key)));  // a comma typed as a point
    return true;
}

void ProfileWindow::acceptEntry() {
    const ProfileDrawing::Result result = m_drawing.submit(m_edit1->text().toStdString());
    switch (result) {
    case ProfileDrawing::Result::Ignored: return;
    case ProfileDrawing::Result::Rejected:
        m_messages.show(this, QMessageBox::Critical, QStringLiteral("Erreur"), Text(m_drawing.message()),
                        QMessageBox::Ok);
        return;
    case ProfileDrawing::Result::Accepted:
        showEntryBar();
        FormPaint();
        return;
    case ProfileDrawing::Result::SegmentLimit: {
        // The status line keeps its hint until the warning has been read.
        const QString before = m_statusBar->currentMessage();
        const QString status = Text(m_drawing.bar().status);
        showEntryBar();
        m_statusBar->showMessage(before);
        FormPaint();
        m_messages.show(this, QMessageBox::Warning, QString::fromUtf8(ProfileDrawing::kLimitCaption),
                        QString::fromUtf8(ProfileDrawing::kLimitText), QMessageBox::Ok);
        m_statusBar->showMessage(status);
        return;
    }
    }
}

void ProfileWindow::finishProfile() {
    if (m_finishing) return;
    m_finishing = true;
    m_drawing.finish();
    showEntryBar();
    FormPaint();
    if (m_windows.sequence) m_windows.sequence->exec();
    accept();
}

// Copies what the drawing decided into the entry bar, the status bar, the
// pointer shape and the pointer position.
void ProfileWindow::showEntryBar() {
    const EntryBar& bar = m_drawing.bar();
    m_staticText1->setText(Text(bar.prompt));
    m_staticText1->setVisible(bar.promptVisible);
    m_staticText2->setText(Text(bar.unit));
    m_staticText2->setVisible(bar.unitVisible);
    m_staticText3->setText(Text(bar.valueLabel));
    m_staticText3->setVisible(bar.valueLabelVisible);
    m_edit2->setText(Text(bar.value));
    m_edit2->setVisible(bar.valueVisible);
    m_staticText4->setText(Text(bar.valueUnit));
    m_staticText4->setVisible(bar.valueUnitVisible);
    m_edit1->setVisible(bar.entryVisible);
    if (m_drawing.entryRevision() != m_shownEntryRevision) {
        m_shownEntryRevision = m_drawing.entryRevision();
        m_edit1->setText(Text(m_drawing.entryText()));
        // The first key typed over a proposal replaces it.
        m_edit1->setCursorPosition(0);
        if (bar.entryVisible) m_edit1->setFocus();
    }
    m_statusBar->showMessage(Text(bar.status));
    m_bouton1->setVisible(bar.button1Visible);
    m_bouton1->setEnabled(bar.button1Enabled);

    switch (bar.pointer) {
    case PointerShape::Default: m_canvas->unsetCursor(); break;
    case PointerShape::Length: m_canvas->setCursor(LengthCursor()); break;
    case PointerShape::Angle: m_canvas->setCursor(AngleCursor()); break;
    }
    if (m_drawing.pointerRevision() != m_shownPointerRevision) {
        m_shownPointerRevision = m_drawing.pointerRevision();
        // PlacePointer: the pointer goes to the end of the rubber line, so the
        // preview starts from the proposed value.
        const DrawingArea& area = m_drawing.area();
        const ScreenPoint target = m_drawing.pointerTarget();
        if (isVisible() && isActiveWindow())
            QCursor::setPos(m_canvas->mapToGlobal(QPoint(target.x - area.left, target.y - area.top)));
    }
}

}  // namespace zelpor
