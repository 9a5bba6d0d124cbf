#include "ui/profiletable/ProfileTableWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>

#include "ui/common/EntryKeys.h"
#include "ui/common/FunctionPanel.h"
#include "ui/common/MessageService.h"
#include "ui/common/ScenePainter.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/WindowSet.h"
#include "core/profile/ProfileTable.h"
#include "core/sequence/ProfileChange.h"
#include "core/sequence/SequenceProgram.h"
#include "ui/sequence/SequenceWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// The drawing beside the table: shows the back buffer.
class ProfileTableCanvas final : public QWidget {
public:
    explicit ProfileTableCanvas(ProfileTableWindow* window) : QWidget(window), m_window(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, m_window->bitmap());
    }

private:
    ProfileTableWindow* m_window;
};

namespace {

using Field = TableCell::Field;

constexpr int kClientWidth = 795;
constexpr int kClientHeight = 572;
constexpr int kRowHeight = 26;
// The drawing area, in its own pixels: the sketch is fitted into it.
constexpr DrawingArea kArea{0, 0, 495, 468};

const QColor kFocusColour(0, 128, 128);
const QColor kRestColour(191, 205, 219);

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 21);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

// What the status line asks for in each field.
std::string Hint(const TableCell& cell) {
    const std::string n = std::to_string(cell.row + 1);
    switch (cell.field) {
    case Field::Thickness: return "Epaisseur de la piece à plier";
    case Field::Orientation: return "Orientation du segment de depart";
    case Field::Length: return "Longueur du segment " + n;
    case Field::Angle: return "Angle du pli " + n + " (après le segment " + n + ")";
    }
    return {};
}

}  // namespace

ProfileTableWindow::ProfileTableWindow(AppState& state, WindowSet& windows, MessageService& messages, Start start,
                                       QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_windows(windows),
      m_messages(messages),
      m_form(start == Start::NewProfile ? ProfileTableForm::ForNewProfile(state.part.thickness)
                                        : ProfileTableForm::ForPart(state.part)) {
    setObjectName(QStringLiteral("FormProfileTable"));
    setWindowTitle(QStringLiteral("Zelpor2         Tableau"));
    setFixedSize(kClientWidth, kClientHeight);
    buildLayout();
}

ProfileTableWindow::~ProfileTableWindow() = default;

QLineEdit* ProfileTableWindow::makeField(QWidget* parent, const QString& name, int x, int y, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, width, 23);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setMaxLength(20);
    paintFocused(edit, false);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
        if (const std::optional<TableCell> cell = cellOf(edit)) {
            m_form.setText(*cell, text.toStdString());
            refresh();
        }
    });
    return edit;
}

void ProfileTableWindow::buildLayout() {
    MakeLabel(this, QStringLiteral("Epaisseur :"), 8, 8, 88, Qt::AlignRight);
    m_thickness = makeField(this, QStringLiteral("Epaisseur"), 100, 7, 100);
    MakeLabel(this, QStringLiteral("mm"), 204, 8, 40);
    MakeLabel(this, QStringLiteral("Orientation :"), 8, 36, 88, Qt::AlignRight);
    m_orientation = makeField(this, QStringLiteral("Orientation"), 100, 35, 100);
    MakeLabel(this, QStringLiteral("degré"), 204, 36, 60);

    MakeLabel(this, QStringLiteral("Segment"), 8, 64, 58, Qt::AlignRight);
    MakeLabel(this, QStringLiteral("Longueur mm"), 70, 64, 100, Qt::AlignRight);
    MakeLabel(this, QStringLiteral("Angle degré"), 176, 64, 90, Qt::AlignRight);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("Segments"));
    m_scroll->setGeometry(4, 88, 288, 384);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rows = new QWidget;
    for (int r = 0; r < ProfileTable::kMaxRows; ++r) {
        const int y = 2 + r * kRowHeight;
        const QString n = QString::number(r + 1);
        RowFields row;
        row.number = MakeLabel(rows, n, 4, y, 50, Qt::AlignRight);
        row.length = makeField(rows, QStringLiteral("Longueur") + n, 66, y, 100);
        row.angle = makeField(rows, QStringLiteral("Angle") + n, 172, y, 90);
        m_rows.push_back(row);
    }
    m_scroll->setWidget(rows);

    m_canvas = new ProfileTableCanvas(this);
    m_canvas->setObjectName(QStringLiteral("Bevel1"));
    m_canvas->setGeometry(296, 4, kArea.width, kArea.height);

    m_status = new StatusPanel(this);
    m_status->setGeometry(0, 477, kClientWidth, 19);
    m_buttons = new FunctionButtonPanel(this);
    m_buttons->setGeometry(0, 498, kClientWidth, 74);
    m_buttons->setButton(1, QStringLiteral("-90°"), QStyle::SP_ArrowDown);
    m_buttons->setButton(4, QStringLiteral("Insère segment"), QStyle::SP_FileDialogNewFolder);
    m_buttons->setButton(5, QStringLiteral("Efface segment"), QStyle::SP_TrashIcon);
    m_buttons->setButton(8, QStringLiteral("Retour"), QStyle::SP_DialogApplyButton);
    for (int n : {2, 3, 6, 7}) m_buttons->button(n)->hide();
    connect(m_buttons->button(1), &QToolButton::clicked, this, &ProfileTableWindow::minus90);
    connect(m_buttons->button(4), &QToolButton::clicked, this, &ProfileTableWindow::insertSegment);
    connect(m_buttons->button(5), &QToolButton::clicked, this, &ProfileTableWindow::deleteSegment);
    connect(m_buttons->button(8), &QToolButton::clicked, this, &ProfileTableWindow::finishProfile);
}

void ProfileTableWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    CentreOnDesktop(*this);
    showRows();
    refresh();
    focusCell(m_cell);
}

QLineEdit* ProfileTableWindow::field(const TableCell& cell) const {
    switch (cell.field) {
    case Field::Thickness: return m_thickness;
    case Field::Orientation: return m_orientation;
    case Field::Length:
    case Field::Angle:
        if (cell.row < 0 || cell.row >= static_cast<int>(m_rows.size())) return nullptr;
        const RowFields& row = m_rows[static_cast<std::size_t>(cell.row)];
        return cell.field == Field::Length ? row.length : row.angle;
    }
    return nullptr;
}

std::optional<TableCell> ProfileTableWindow::cellOf(const QObject* watched) const {
    if (watched == m_thickness) return TableCell{Field::Thickness, 0};
    if (watched == m_orientation) return TableCell{Field::Orientation, 0};
    for (int r = 0; r < m_form.rowCount(); ++r) {
        const RowFields& row = m_rows[static_cast<std::size_t>(r)];
        if (watched == row.length) return TableCell{Field::Length, r};
        if (watched == row.angle) return TableCell{Field::Angle, r};
    }
    return std::nullopt;
}

QString ProfileTableWindow::statusText() const { return m_status->text(); }

// The fields show the form's texts; rows past the table are hidden.
void ProfileTableWindow::showRows() {
    m_thickness->setText(Text(m_form.text({Field::Thickness, 0})));
    m_orientation->setText(Text(m_form.text({Field::Orientation, 0})));
    for (int r = 0; r < ProfileTable::kMaxRows; ++r) {
        const RowFields& row = m_rows[static_cast<std::size_t>(r)];
        const bool used = r < m_form.rowCount();
        row.length->setText(used ? Text(m_form.text({Field::Length, r})) : QString());
        row.angle->setText(used ? Text(m_form.text({Field::Angle, r})) : QString());
        for (QWidget* w :
             {static_cast<QWidget*>(row.number), static_cast<QWidget*>(row.length), static_cast<QWidget*>(row.angle)})
            w->setVisible(used);
    }
    // The scroll bar appears only when the rows no longer fit.
    m_scroll->widget()->resize(268, m_form.rowCount() * kRowHeight + 4);
}

std::optional<float> ProfileTableWindow::dieVOpening() const {
    if (m_state.die.record.elementCount() == 0) return std::nullopt;
    return m_state.die.record.vOpening;
}

// The drawing and the developed length follow every key typed.
void ProfileTableWindow::refresh() {
    const ProfileTable table = m_form.preview();
    PartRecord sketch = m_state.part;
    const ViewTransform view = WriteProfileTable(sketch, table, kArea);
    const Scene scene = SketchScene(sketch, view);
    if (m_bitmap.isNull()) m_bitmap = QImage(kArea.width, kArea.height, QImage::Format_RGB32);
    ScenePainter painter(m_bitmap, view);
    painter.fillBackground(QColor(128, 128, 128));
    painter.drawElements(scene.elements, &scene);
    m_canvas->update();

    const double developed = TableDevelopedLength(m_state.part, table, m_form.keepsProgram(), dieVOpening());
    m_status->setText(Text(Hint(m_cell) + "\t\t" + DevelopedLengthText(developed)));
}

void ProfileTableWindow::paintFocused(QLineEdit* edit, bool focused) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, focused ? kFocusColour : kRestColour);
    pal.setColor(QPalette::Text, focused ? QColor(Qt::white) : QColor(Qt::black));
    edit->setPalette(pal);
}

void ProfileTableWindow::focusCell(const TableCell& cell) {
    QLineEdit* edit = field(cell);
    if (!edit) return;
    m_cell = cell;
    edit->setFocus(Qt::OtherFocusReason);
    enterField(cell);
}

// Entering a field selects its value with the caret at the start: the first
// key typed begins a new value, as in the other windows.
void ProfileTableWindow::enterField(const TableCell& cell) {
    QLineEdit* edit = field(cell);
    if (!edit) return;
    m_cell = cell;
    paintFocused(edit, true);
    const int length = static_cast<int>(edit->text().size());
    edit->setSelection(length, -length);
    if (cell.field == Field::Length || cell.field == Field::Angle) m_scroll->ensureWidgetVisible(edit);
    m_buttons->button(1)->setEnabled(cell.field == Field::Angle);
    refresh();
}

bool ProfileTableWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::optional<TableCell> cell = cellOf(watched);
    if (!cell) return QDialog::eventFilter(watched, event);
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn: enterField(*cell); break;
    case QEvent::FocusOut: paintFocused(edit, false); break;
    case QEvent::KeyPress:
        if (fieldKeyPress(*cell, edit, static_cast<QKeyEvent*>(event))) return true;
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

bool ProfileTableWindow::functionKey(int key) {
    switch (key) {
    case Qt::Key_F1: minus90(); return true;
    case Qt::Key_F4: insertSegment(); return true;
    case Qt::Key_F5: deleteSegment(); return true;
    case Qt::Key_F8: finishProfile(); return true;
    default: return false;
    }
}

void ProfileTableWindow::keyPressEvent(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::AltModifier) && functionKey(event->key())) return;
    QDialog::keyPressEvent(event);  // Escape leaves the part as it was
}

// Returns true when the key is handled here.
bool ProfileTableWindow::fieldKeyPress(const TableCell& cell, QLineEdit* edit, QKeyEvent* event) {
    // Alt+F4 closes the window as Escape does; only the plain keys act here.
    if (!(event->modifiers() & Qt::AltModifier) && functionKey(event->key())) return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        TableCell next = cell;
        switch (m_form.enter(next)) {
        case ProfileTableForm::EnterResult::Ignored: break;
        case ProfileTableForm::EnterResult::Rejected:
            m_messages.show(this, QMessageBox::Critical, QStringLiteral("Erreur"), Text(m_form.message()),
                            QMessageBox::Ok);
            break;
        case ProfileTableForm::EnterResult::Moved:
            edit->setText(Text(m_form.text(cell)));  // a length typed with a minus loses it
            focusCell(next);
            break;
        case ProfileTableForm::EnterResult::AtEnd:
            if (m_form.rowCount() >= ProfileTable::kMaxRows) {
                m_status->setText(Text(ProfileDrawing::kLimitText));
            } else if (confirmStructureChange() && m_form.insertRow(m_form.rowCount())) {
                showRows();
                focusCell({Field::Length, m_form.rowCount() - 1});
            }
            break;
        }
        return true;
    }
    case Qt::Key_Up: focusCell(m_form.above(cell)); return true;
    case Qt::Key_Down: focusCell(m_form.below(cell)); return true;
    case Qt::Key_Escape: return false;
    default: break;
    }
    const std::optional<char> typed = EntryCharOf(event);
    if (!typed) return false;
    const char key = *typed;
    const bool signedEntry = cell.field != Field::Length;
    const EntryKey decision = FilterNumberKey(key, edit->text().toStdString(), edit->cursorPosition(), signedEntry);
    if (!decision.accept) return true;
    if (decision.clearFirst && !edit->hasSelectedText()) edit->clear();
    if (decision.key == key) return false;                   // the field inserts or erases as usual
    edit->insert(QString(QChar::fromLatin1(decision.key)));  // a comma typed as a point
    m_form.setText(cell, edit->text().toStdString());
    refresh();
    return true;
}

void ProfileTableWindow::minus90() {
    if (m_cell.field != Field::Angle) return;
    QLineEdit* edit = field(m_cell);
    edit->setText(QStringLiteral("-90"));
    m_form.setText(m_cell, "-90");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    fieldKeyPress(m_cell, edit, &enter);
}

// Rows inserted or deleted in a profile that has a bending program: the
// order no longer fits the segments and is cleared, once the user agrees.
bool ProfileTableWindow::confirmStructureChange() {
    if (!m_form.hadProgram() || m_form.structureChanged()) return true;
    return m_messages.ask(this, QStringLiteral("Insérer ou supprimer un segment efface l'ordre de pliage. Continuer ?"),
                          QStringLiteral("Zelpor_2"));
}

void ProfileTableWindow::insertSegment() {
    const bool inRows = m_cell.field == Field::Length || m_cell.field == Field::Angle;
    const int at = inRows ? m_cell.row : 0;
    if (m_form.rowCount() >= ProfileTable::kMaxRows) {
        m_status->setText(Text(ProfileDrawing::kLimitText));
        return;
    }
    if (!confirmStructureChange() || !m_form.insertRow(at)) return;
    showRows();
    focusCell({Field::Length, at});
}

void ProfileTableWindow::deleteSegment() {
    if (m_cell.field != Field::Length && m_cell.field != Field::Angle) return;
    if (m_form.rowCount() <= 1 || !confirmStructureChange() || !m_form.deleteRow(m_cell.row)) return;
    showRows();
    focusCell({m_cell.field, std::min(m_cell.row, m_form.rowCount() - 1)});
}

void ProfileTableWindow::finishProfile() {
    if (m_finishing) return;
    TableCell bad;
    const std::optional<ProfileTable> table = m_form.finished(&bad);
    if (!table) {
        m_messages.show(this, QMessageBox::Critical, QStringLiteral("Erreur"), Text(m_form.message()), QMessageBox::Ok);
        focusCell(bad);
        return;
    }
    m_finishing = true;
    ApplyProfileTable(m_state.part, *table, m_form.keepsProgram(), dieVOpening());
    if (m_windows.sequence) m_windows.sequence->exec();
    accept();
}

}  // namespace zelpor
