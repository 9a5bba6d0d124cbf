#include "ui/tools/ToolLibraryWindow.h"

#include <QFrame>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabBar>
#include <QToolButton>

#include <span>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/ScenePainter.h"
#include "ui/tools/ToolTabBar.h"
#include "core/text/Numbers.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

struct RowText {
    const char* designation;  // UTF-8
    const char* unit;
};

constexpr RowText kPunchRows[] = {
    {"Version", ""}, {"Indice de version", ""}, {"Hauteur", "mm"}, {"Angle du poin\xC3\xA7on", "\xC2\xB0"}};
constexpr RowText kDieRows[] = {{"Version", ""},
                                {"Indice de version", ""},
                                {"Hauteur", "mm"},
                                {"Angle du V\xC3\xA9", "\xC2\xB0"},
                                {"Ouverture du v\xC3\xA9", "mm"},
                                {"Rayon entr\xC3\xA9"
                                 "e matrice",
                                 "mm"}};

constexpr int kTabLeft = 16, kTabTop = 16, kTabWidth = 561, kTabHeight = 449;
constexpr int kColNumber = 16, kColDesignation = 100, kColValue = 330, kColUnit = 450;
constexpr int kFirstRowTop = 110, kRowPitch = 30;

QString Utf8(const char* s) { return QString::fromUtf8(s); }
QString Integer(std::int32_t v) { return QString::number(v); }
QString Length(float v) { return QString::fromStdString(FormatFixed(v, 2)); }

}  // namespace

ToolLibraryWindow::ToolLibraryWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_kind(kind),
      m_messages(messages),
      m_transform(LibraryStartTransform(kDrawingWidth, kDrawingHeight)) {
    const bool punch = kind == ToolKind::Punch;
    setObjectName(punch ? QStringLiteral("TFormListPoincon") : QStringLiteral("TFormListMatrice"));
    setWindowTitle(punch ? QStringLiteral("Zelpor_2       Liste Poincon")
                         : QStringLiteral("Zelpor_2       Liste Matice"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(795, 572);

    // The tab control carries the table; its bold font is inherited by the labels.
    auto* area = new QFrame(this);
    area->setObjectName(QStringLiteral("TabControl1"));
    area->setGeometry(kTabLeft, kTabTop, kTabWidth, kTabHeight);
    QFont bold = area->font();
    bold.setBold(true);
    area->setFont(bold);
    m_tabs = new ToolTabBar(area);
    m_tabs->setObjectName(QStringLiteral("Onglets"));
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    m_tabs->setFocusPolicy(Qt::StrongFocus);
    m_tabs->setGeometry(0, 0, kTabWidth, 28);
    auto* page = new QFrame(area);
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(0, 27, kTabWidth, kTabHeight - 27);
    page->lower();
    buildTable(area);
    m_tabs->installEventFilter(this);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) {
        ShowTool();
        updateNavigation();
    });

    m_buttons = new FunctionButtonPanel(this);
    m_buttons->setGeometry(0, 476, 795, 74);
    for (int n = 3; n <= 7; ++n) m_buttons->button(n)->hide();
    m_buttons->setButton(1, QStringLiteral("Outil precedante"), QStyle::SP_ArrowLeft, false);
    m_buttons->setButton(2, QStringLiteral("Outil suivante"), QStyle::SP_ArrowRight, false);
    m_buttons->setButton(8, QStringLiteral("Retour"), QStyle::SP_DialogCloseButton);
    connect(m_buttons->button(1), &QToolButton::clicked, this, &ToolLibraryWindow::onPreviousTool);
    connect(m_buttons->button(2), &QToolButton::clicked, this, &ToolLibraryWindow::onNextTool);
    connect(m_buttons->button(8), &QToolButton::clicked, this, &ToolLibraryWindow::onValidOrReturn);

    m_status = new StatusPanel(this);
    m_status->setGeometry(0, 553, 795, 19);
}

void ToolLibraryWindow::buildTable(QWidget* area) {
    auto label = [area](const QString& text, int x, int y, int w, const QString& name = {}) {
        auto* l = new QLabel(text, area);
        if (!name.isEmpty()) l->setObjectName(name);
        l->setGeometry(x, y, w, 21);
        return l;
    };
    label(QStringLiteral("N\u00B0de"), kColNumber, 52, 80);
    label(QStringLiteral("parametre"), kColNumber, 70, 80);
    label(QStringLiteral("Designation"), kColDesignation, 70, 200);
    label(QStringLiteral("Valeur"), kColValue, 70, 100);
    label(Utf8("Unit\xC3\xA9"), kColUnit, 70, 80);

    const std::span<const RowText> rows =
        m_kind == ToolKind::Punch ? std::span<const RowText>(kPunchRows) : std::span<const RowText>(kDieRows);
    // The platform's fixed-pitch face: asking for a face that is not installed
    // costs a font search at every start.
    QFont courier = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    courier.setPointSize(10);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = kFirstRowTop + static_cast<int>(i) * kRowPitch;
        const QString n = QString::number(i + 1);
        Row row{};
        row.number = label(QString(), kColNumber, y, 60, QStringLiteral("Numero") + n);
        row.designation = label(QString(), kColDesignation, y, 220, QStringLiteral("Designation") + n);
        row.value = new QLineEdit(area);
        row.value->setObjectName(QStringLiteral("Edit") + n);
        row.value->setReadOnly(true);
        row.value->setFocusPolicy(Qt::NoFocus);
        QFont f = courier;
        f.setBold(m_kind == ToolKind::Punch && i == 3);
        row.value->setFont(f);
        row.value->setGeometry(kColValue, y - 2, 100, 24);
        row.unit = label(QString(), kColUnit, y, 60, QStringLiteral("Unite") + n);
        m_rows.push_back(row);
    }
}

std::string ToolLibraryWindow::toolsFolder() const { return m_state.workspace.pathTools; }

bool& ToolLibraryWindow::selectionRequest() const {
    return m_kind == ToolKind::Punch ? m_state.punch.selectionRequest : m_state.die.selectionRequest;
}

std::string& ToolLibraryWindow::holderName() const {
    return m_kind == ToolKind::Punch ? m_state.punch.name : m_state.die.name;
}

void ToolLibraryWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void ToolLibraryWindow::FormActivate() {
    fillTabs(ListToolNames(toolsFolder(), m_kind));
    loadSelected();
    updateNavigation();
    m_buttons->setButton(8, selectionRequest() ? QStringLiteral("Valide") : QStringLiteral("Retour"),
                         selectionRequest() ? QStyle::SP_DialogOkButton : QStyle::SP_DialogCloseButton);
    m_transform = LibraryStartTransform(kDrawingWidth, kDrawingHeight);
    fillTable();
    FitToolView(m_transform, m_outline, m_kind, kDrawingWidth, kDrawingHeight);
    update();
    m_tabs->setFocus();
}

// The tabs are rebuilt only when the folder lists other tools than last time,
// and then in one batch: a tab bar lays itself out again after every tab added
// while it is shown, which made opening a library of a thousand tools take
// seconds. Rebuilding must not load every tool on the way either.
void ToolLibraryWindow::fillTabs(std::vector<std::string> names) {
    const QSignalBlocker block(m_tabs);
    if (names != m_tabNames) {
        const bool shown = m_tabs->isVisible();
        m_tabs->setVisible(false);
        for (int i = m_tabs->count() - 1; i >= 0; --i) m_tabs->removeTab(i);
        for (const std::string& name : names) m_tabs->addTab(FromLocal(name));
        m_tabs->setVisible(shown);
        m_tabNames = std::move(names);
    }
    m_toolCount = static_cast<int>(m_tabNames.size());
    if (m_toolCount > 0) m_tabs->setCurrentIndex(0);
}

bool ToolLibraryWindow::loadSelected() {
    const int index = m_tabs->currentIndex();
    if (index < 0) return false;
    const std::string path =
        toolsFolder() + ToLocal(m_tabs->tabText(index)) + (m_kind == ToolKind::Punch ? ".pun" : ".die");
    const bool loaded = m_kind == ToolKind::Punch ? LoadPunchRecord(m_punch, path) : LoadDieRecord(m_die, path);
    if (loaded) {
        m_haveTool = true;
        m_outline = m_kind == ToolKind::Punch ? PrepareToolOutline(m_punch) : PrepareToolOutline(m_die);
    }
    return loaded;
}

void ToolLibraryWindow::ShowTool() {
    loadSelected();
    fillTable();
    FitToolView(m_transform, m_outline, m_kind, kDrawingWidth, kDrawingHeight);
    update();
}

void ToolLibraryWindow::fillTable() {
    // Before any tool was read the table stays blank rather than showing zeros.
    if (!m_haveTool) return;
    std::vector<QString> values;
    if (m_kind == ToolKind::Punch) {
        values = {Integer(m_punch.version), Integer(m_punch.versionIndex), Length(m_punch.height),
                  Length(m_punch.angle)};
    } else {
        values = {Integer(m_die.version), Integer(m_die.versionIndex), Length(m_die.height),
                  Length(m_die.vAngle),   Length(m_die.vOpening),      Length(m_die.entryRadius)};
    }
    const std::span<const RowText> rows =
        m_kind == ToolKind::Punch ? std::span<const RowText>(kPunchRows) : std::span<const RowText>(kDieRows);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].number->setText(QString::number(i + 1));
        m_rows[i].designation->setText(Utf8(rows[i].designation));
        m_rows[i].value->setText(values[i]);
        m_rows[i].value->setCursorPosition(0);
        m_rows[i].unit->setText(Utf8(rows[i].unit));
    }
}

void ToolLibraryWindow::updateNavigation() {
    const int index = m_tabs->currentIndex();
    m_buttons->button(1)->setEnabled(index > 0);
    m_buttons->button(2)->setEnabled(index >= 0 && index < m_tabs->count() - 1);
}

void ToolLibraryWindow::onPreviousTool() {
    if (m_tabs->currentIndex() > 0) m_tabs->setCurrentIndex(m_tabs->currentIndex() - 1);
}

void ToolLibraryWindow::onNextTool() {
    if (m_tabs->currentIndex() < m_tabs->count() - 1) m_tabs->setCurrentIndex(m_tabs->currentIndex() + 1);
}

void ToolLibraryWindow::onValidOrReturn() {
    if (selectionRequest()) {
        const int index = m_tabs->currentIndex();
        if (index < 0) {
            m_messages.show(this, QMessageBox::Information, QStringLiteral("Zelpor_2"),
                            m_kind == ToolKind::Punch ? Utf8("Votre biblioteque de poin\xC3\xA7on est vide")
                                                      : QStringLiteral("Votre biblioteque de matrice est vide"),
                            QMessageBox::Ok);
        } else {
            holderName() = ToLocal(m_tabs->tabText(index));
        }
    }
    done(QDialog::Rejected);
}

// The function buttons take no focus, so the keyboard reaches them through
// their keys, numbered like the buttons as in the main window: F1 and F2 step
// through the tools, F8 or Enter is "Valide" / "Retour". The arrow keys on the
// tabs step as well.
bool ToolLibraryWindow::functionKey(int key) {
    switch (key) {
    case Qt::Key_F1: onPreviousTool(); return true;
    case Qt::Key_F2: onNextTool(); return true;
    case Qt::Key_F8:
    case Qt::Key_Return:
    case Qt::Key_Enter: onValidOrReturn(); return true;
    default: return false;
    }
}

void ToolLibraryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (functionKey(event->key())) return;
    }
    QDialog::keyPressEvent(event);
}

bool ToolLibraryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tabs && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) && functionKey(key->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

QImage RenderToolDrawing(QImage& bitmap, const ViewTransform& transform, const ToolOutlineView& outline) {
    const QSize size(ToolLibraryWindow::kDrawingWidth, ToolLibraryWindow::kDrawingHeight);
    if (bitmap.size() != size) bitmap = QImage(size, QImage::Format_RGB32);
    ScenePainter painter(bitmap, transform);
    painter.fillBackground(QColor(128, 128, 128));
    painter.drawElements(
        std::span<const OutlineElement>(outline.elements.data(), static_cast<std::size_t>(outline.count)));
    return bitmap;
}

QImage ToolLibraryWindow::renderDrawing() { return RenderToolDrawing(m_bitmap, m_transform, m_outline); }

void ToolLibraryWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawImage(kDrawingLeft, kDrawingTop, renderDrawing());
}

}  // namespace zelpor
