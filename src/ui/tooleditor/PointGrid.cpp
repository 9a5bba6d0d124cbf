#include "ui/tooleditor/PointGrid.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

#include <cmath>
#include <limits>

#include "ui/common/Latin1.h"
#include "core/text/Numbers.h"

namespace zelpor {
namespace {

constexpr int kRowPitch = 26;
constexpr float kNoNumber = std::numeric_limits<float>::quiet_NaN();

float CellValue(const QString& text) {
    const auto v = ParseFloat(ToLatin1(text));
    return v ? *v : kNoNumber;
}

QString PointText(float v) { return QString::fromStdString(FormatGeneral(v)); }

}  // namespace

bool RefuseNonNumberKey(QKeyEvent* key) {
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const QChar c = text[0];
    if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-')) return false;
    QApplication::beep();
    return true;
}

void PaintField(QWidget* field, bool focused) {
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, focused ? QColor(0, 128, 128) : QColor(191, 205, 219));
    pal.setColor(QPalette::Text, focused ? Qt::white : Qt::black);
    field->setPalette(pal);
}

PointGrid::PointGrid(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("TablePoints"));
    auto* inner = new QWidget(this);
    inner->setFixedSize(300, kRows * kRowPitch + 8);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(10);
    for (int r = 0; r < kRows; ++r) {
        auto* number = new QLabel(QString::number(r + 1), inner);
        number->setGeometry(4, 4 + r * kRowPitch, 30, 22);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (int c = 0; c < 2; ++c) {
            auto* e = new QLineEdit(inner);
            e->setObjectName(QStringLiteral("Edit%1%2").arg(c == 0 ? QLatin1Char('X') : QLatin1Char('Y')).arg(r + 1));
            e->setGeometry(44 + c * 120, 4 + r * kRowPitch, 110, 22);
            e->setFont(mono);
            e->setAutoFillBackground(true);
            PaintField(e, false);
            e->installEventFilter(this);
            connect(e, &QLineEdit::textEdited, this, &PointGrid::edited);
            // The mouse reaches the row operations through the cell's menu.
            e->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(e, &QLineEdit::customContextMenuRequested, this, [this, e, r](const QPoint& at) {
                QMenu menu(this);
                menu.addAction(QStringLiteral("Monter la ligne"), this, [this, r] { moveRow(r, -1); });
                menu.addAction(QStringLiteral("Descendre la ligne"), this, [this, r] { moveRow(r, 1); });
                menu.addAction(QStringLiteral("Ins\u00E9rer une ligne"), this, [this, r] { insertRow(r); });
                menu.addAction(QStringLiteral("Supprimer la ligne"), this, [this, r] { deleteRow(r); });
                menu.exec(e->mapToGlobal(at));
            });
            m_cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = e;
        }
    }
    setWidget(inner);
}

QLineEdit* PointGrid::cell(int row, int column) const {
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

QString PointGrid::rowText(int row, int column) const { return cell(row, column)->text(); }

void PointGrid::setRowText(int row, const QString& x, const QString& y) {
    cell(row, 0)->setText(x);
    cell(row, 1)->setText(y);
}

void PointGrid::setPoints(const std::vector<OutlinePoint>& points) {
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (i < points.size()) setRowText(r, PointText(points[i].x), PointText(points[i].y));
        else setRowText(r, {}, {});
    }
    verticalScrollBar()->setValue(0);
}

std::vector<OutlinePoint> PointGrid::points() const {
    int last = -1;
    for (int r = 0; r < kRows; ++r)
        if (!rowText(r, 0).trimmed().isEmpty() || !rowText(r, 1).trimmed().isEmpty()) last = r;
    std::vector<OutlinePoint> out;
    for (int r = 0; r <= last; ++r) out.push_back({CellValue(rowText(r, 0)), CellValue(rowText(r, 1))});
    return out;
}

int PointGrid::currentRow() const {
    for (int r = 0; r < kRows; ++r)
        if (cell(r, 0)->hasFocus() || cell(r, 1)->hasFocus()) return r;
    return -1;
}

void PointGrid::focusCell(int row, int column) {
    QLineEdit* e = cell(row, column);
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    ensureWidgetVisible(e);
}

bool PointGrid::insertRow(int row) {
    if (row < 0 || !rowText(kRows - 1, 0).isEmpty() || !rowText(kRows - 1, 1).isEmpty()) return false;
    for (int r = kRows - 1; r > row; --r) setRowText(r, rowText(r - 1, 0), rowText(r - 1, 1));
    setRowText(row, {}, {});
    Q_EMIT edited();
    return true;
}

bool PointGrid::deleteRow(int row) {
    if (row < 0) return false;
    for (int r = row; r < kRows - 1; ++r) setRowText(r, rowText(r + 1, 0), rowText(r + 1, 1));
    setRowText(kRows - 1, {}, {});
    Q_EMIT edited();
    return true;
}

bool PointGrid::moveRow(int row, int step) {
    const int other = row + step;
    if (row < 0 || other < 0 || other >= kRows) return false;
    const QString x = rowText(row, 0), y = rowText(row, 1);
    setRowText(row, rowText(other, 0), rowText(other, 1));
    setRowText(other, x, y);
    Q_EMIT edited();
    return true;
}

bool PointGrid::eventFilter(QObject* watched, QEvent* event) {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < 2; ++c) {
            if (watched != cell(r, c)) continue;
            if (event->type() == QEvent::FocusIn) {
                PaintField(cell(r, c), true);
                ensureWidgetVisible(cell(r, c));
            } else if (event->type() == QEvent::FocusOut) {
                PaintField(cell(r, c), false);
            } else if (event->type() == QEvent::KeyPress && cellKey(r, c, static_cast<QKeyEvent*>(event))) {
                return true;
            }
            return QScrollArea::eventFilter(watched, event);
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

bool PointGrid::cellKey(int row, int column, QKeyEvent* key) {
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (column == 0) focusCell(row, 1);
        else if (row + 1 < kRows) focusCell(row + 1, 0);
        return true;
    case Qt::Key_Down:
        if (ctrl && !moveRow(row, 1)) return true;
        if (row + 1 < kRows) focusCell(row + 1, column);
        return true;
    case Qt::Key_Up:
        if (ctrl && !moveRow(row, -1)) return true;
        if (row > 0) focusCell(row - 1, column);
        else if (!ctrl) Q_EMIT leftTop();
        return true;
    default: return RefuseNonNumberKey(key);
    }
}

}  // namespace zelpor
