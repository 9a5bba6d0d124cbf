#include "ui/tooleditor/ToolEditorWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>

#include <cmath>
#include <limits>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/ScenePainter.h"
#include "ui/common/WindowPlacement.h"
#include "core/text/Numbers.h"
#include "ui/tooleditor/PointGrid.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/tools/ToolShapes.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

constexpr int kListLeft = 16, kListTop = 16, kListWidth = 150, kListHeight = 449;
constexpr int kCaptionLeft = 180, kFieldLeft = 330, kUnitLeft = 436, kFirstRowTop = 16, kRowPitch = 28;

QString Number(float v) { return std::isfinite(v) ? QString::fromStdString(FormatGeneral(v)) : QString(); }

float FieldValue(const QLineEdit* field) {
    const auto v = ParseFloat(ToLatin1(field->text()));
    return v ? *v : std::numeric_limits<float>::quiet_NaN();
}

std::int32_t FieldInteger(const QLineEdit* field, std::int32_t fallback) {
    const auto v = ParseNumber(ToLatin1(field->text()));
    if (!v || !(std::fabs(*v) < 2.0e9)) return fallback;
    return static_cast<std::int32_t>(*v);
}

}  // namespace

ToolEditorWindow::ToolEditorWindow(AppState& state, ToolKind kind, MessageService& messages, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_kind(kind),
      m_messages(messages),
      m_draft(EmptyDraft(kind)),
      m_transform(LibraryStartTransform(kDrawingWidth, kDrawingHeight)) {
    const bool punch = kind == ToolKind::Punch;
    setObjectName(punch ? QStringLiteral("TFormProgPoincon") : QStringLiteral("TFormProgMatrice"));
    setWindowTitle(punch ? QStringLiteral("Zelpor_2       Programmation Poin\u00E7ons")
                         : QStringLiteral("Zelpor_2       Programmation Matrices"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(795, 572);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListeOutils"));
    m_list->setGeometry(kListLeft, kListTop, kListWidth, kListHeight);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem*) { m_name->setFocus(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &ToolEditorWindow::listChosen);
    buildFigures();

    m_buttons = new FunctionButtonPanel(this);
    m_buttons->setGeometry(0, 476, 795, 74);
    const struct {
        const char* caption;
        QStyle::StandardPixmap glyph;
    } faces[] = {{"Nouveau", QStyle::SP_FileIcon},
                 {"Copier", QStyle::SP_FileDialogNewFolder},
                 {"Renommer", QStyle::SP_FileDialogDetailedView},
                 {"Supprimer", QStyle::SP_TrashIcon},
                 {"G\xC3\xA9n\xC3\xA9rer", QStyle::SP_BrowserReload},
                 {"Ins\xC3\xA9rer ligne", QStyle::SP_ArrowDown},
                 {"Supprimer ligne", QStyle::SP_DialogDiscardButton},
                 {"Enregistrer", QStyle::SP_DialogSaveButton}};
    for (int n = 1; n <= 8; ++n) {
        m_buttons->setButton(n, QString::fromUtf8(faces[n - 1].caption), faces[n - 1].glyph);
        connect(m_buttons->button(n), &QToolButton::clicked, this, [this, n] { functionKey(Qt::Key_F1 + n - 1); });
    }
    m_status = new StatusPanel(this);
    m_status->setGeometry(0, 553, 795, 19);
}

QLineEdit* ToolEditorWindow::makeField(const QString& caption, const char* name, int row, const QString& unit) {
    const int y = kFirstRowTop + row * kRowPitch;
    auto* label = new QLabel(caption, this);
    label->setGeometry(kCaptionLeft, y, 146, 24);
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(kFieldLeft, y, 100, 24);
    field->setAutoFillBackground(true);
    PaintField(field, false);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this] {
        if (!m_showing && m_nameMode != NameMode::Rename) {
            m_modified = true;
            readFields();
            redraw();
        }
    });
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setGeometry(kUnitLeft, y, 40, 24);
    return field;
}

void ToolEditorWindow::buildFigures() {
    const bool punch = m_kind == ToolKind::Punch;
    int row = 0;
    m_name = makeField(QStringLiteral("Nom"), "EditNom", row++, {});
    m_name->setMaxLength(24);
    m_version = makeField(QStringLiteral("Version"), "EditVersion", row++, {});
    m_versionIndex = makeField(QStringLiteral("Indice de version"), "EditIndice", row++, {});
    m_height = makeField(QStringLiteral("Hauteur"), "EditHauteur", row++, QStringLiteral("mm"));
    m_angle = makeField(punch ? QStringLiteral("Angle du poin\u00E7on") : QStringLiteral("Angle du V\u00E9"),
                        "EditAngle", row++, QStringLiteral("\u00B0"));
    if (!punch) {
        m_vOpening = makeField(QStringLiteral("Ouverture du v\u00E9"), "EditOuverture", row++, QStringLiteral("mm"));
        m_entryRadius =
            makeField(QStringLiteral("Rayon entr\u00E9e matrice"), "EditRayon", row++, QStringLiteral("mm"));
    }
    auto* shapeLabel = new QLabel(QStringLiteral("Forme"), this);
    shapeLabel->setGeometry(kCaptionLeft, kFirstRowTop + row * kRowPitch, 146, 24);
    m_shape = new QComboBox(this);
    m_shape->setObjectName(QStringLiteral("CBforme"));
    m_shape->setGeometry(kFieldLeft, kFirstRowTop + row * kRowPitch, 140, 24);
    for (ToolShape s : ShapesFor(m_kind))
        m_shape->addItem(QString::fromUtf8(ShapeName(s).c_str()), static_cast<int>(s));
    m_shape->installEventFilter(this);
    ++row;
    m_width = makeField(QStringLiteral("Largeur"), "EditLargeur", row++, QStringLiteral("mm"));
    m_width->disconnect(this);  // the width only serves the generation: it is not part of the tool

    m_grid = new PointGrid(this);
    const int gridTop = kFirstRowTop + row * kRowPitch + 4;
    m_grid->setGeometry(kCaptionLeft, gridTop, 390, 465 - gridTop);
    for (int r = 0; r < PointGrid::kRows; ++r)
        for (int c = 0; c < 2; ++c) m_grid->cell(r, c)->installEventFilter(this);
    connect(m_grid, &PointGrid::edited, this, [this] {
        if (m_showing) return;
        m_modified = true;
        readFields();
        redraw();
    });
    connect(m_grid, &PointGrid::leftTop, this, [this] { m_width->setFocus(); });
}

std::vector<QWidget*> ToolEditorWindow::fieldOrder() const {
    std::vector<QWidget*> order{m_name, m_version, m_versionIndex, m_height, m_angle};
    if (m_vOpening) order.insert(order.end(), {m_vOpening, m_entryRadius});
    order.insert(order.end(), {m_shape, m_width});
    return order;
}

void ToolEditorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void ToolEditorWindow::FormActivate() {
    m_modified = false;
    refreshList({});
    if (m_list->count() == 0) newTool();  // an empty library starts with a new tool
    else m_list->setFocus();
}

void ToolEditorWindow::refreshList(const std::string& select) {
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const std::string& name : ListToolNames(toolsFolder(), m_kind)) m_list->addItem(FromLocal(name));
    }
    int row = m_list->count() > 0 ? 0 : -1;
    for (int i = 0; i < m_list->count(); ++i)
        if (ToLocal(m_list->item(i)->text()) == select) row = i;
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(row);
    }
    if (row >= 0) {
        m_modified = false;
        listChosen(row);
    }
}

void ToolEditorWindow::showDraft() {
    m_showing = true;
    m_name->setText(FromLocal(m_draft.name));
    m_version->setText(QString::number(m_draft.version));
    m_versionIndex->setText(QString::number(m_draft.versionIndex));
    m_height->setText(Number(m_draft.height));
    m_angle->setText(Number(m_draft.angle));
    if (m_vOpening) {
        m_vOpening->setText(Number(m_draft.vOpening));
        m_entryRadius->setText(Number(m_draft.entryRadius));
    }
    m_width->setText(Number(DefaultWidth(m_kind, m_draft.vOpening)));
    m_grid->setPoints(m_draft.points);
    m_showing = false;
    redraw();
}

void ToolEditorWindow::readFields() {
    m_draft.version = FieldInteger(m_version, m_draft.version);
    m_draft.versionIndex = FieldInteger(m_versionIndex, m_draft.versionIndex);
    m_draft.height = FieldValue(m_height);
    m_draft.angle = FieldValue(m_angle);
    if (m_vOpening) {
        m_draft.vOpening = FieldValue(m_vOpening);
        m_draft.entryRadius = FieldValue(m_entryRadius);
    }
    m_draft.points = m_grid->points();
}

// The drawing is the library window's: the same preparation, the same fit from
// the same start, the same painter.
void ToolEditorWindow::redraw() {
    ToolDraft shown = m_draft;
    shown.points.erase(std::remove_if(shown.points.begin(), shown.points.end(),
                                      [](const OutlinePoint& p) { return !std::isfinite(p.x) || !std::isfinite(p.y); }),
                       shown.points.end());
    if (!std::isfinite(shown.height)) shown.height = 0;
    if (shown.points.size() > static_cast<std::size_t>(kMaxOutlinePoints)) shown.points.resize(kMaxOutlinePoints);
    m_outline =
        m_kind == ToolKind::Punch ? PrepareToolOutline(PunchFromDraft(shown)) : PrepareToolOutline(DieFromDraft(shown));
    m_transform = LibraryStartTransform(kDrawingWidth, kDrawingHeight);
    FitToolView(m_transform, m_outline, m_kind, kDrawingWidth, kDrawingHeight);
    update();
}

QImage ToolEditorWindow::renderDrawing() { return RenderToolDrawing(m_bitmap, m_transform, m_outline); }

void ToolEditorWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawImage(kDrawingLeft, kDrawingTop, renderDrawing());
}

void ToolEditorWindow::setNameMode(NameMode mode) {
    m_nameMode = mode;
    m_name->setReadOnly(mode == NameMode::Shown);
    m_list->setEnabled(mode == NameMode::Shown);
}

std::string ToolEditorWindow::toolsFolder() const { return m_state.workspace.pathTools; }

QString ToolEditorWindow::toolTitle() const {
    return m_kind == ToolKind::Punch ? QStringLiteral("Poin\u00E7on") : QStringLiteral("Matrice");
}

void OpenToolEditor(AppState& state, MessageService& messages, ToolKind kind, QWidget* parent) {
    ToolEditorWindow editor(state, kind, messages, parent);
    CentreOnDesktop(editor);
    editor.exec();
    if (const BendRecord* bend = state.part.currentBendRecord()) {
        LoadPunchFile(state.punch, state.punchFilePath(bend->punch.str()));
        LoadDieFile(state.die, state.dieFilePath(bend->die.str()));
    }
}

}  // namespace zelpor
