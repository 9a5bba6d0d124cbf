#pragma once

#include <QScrollArea>

#include <array>
#include <vector>

#include "core/tools/ToolEditing.h"

class QLabel;
class QLineEdit;

namespace zelpor {

// The points of a tool outline, one row per point (X, Y), 25 rows. The
// outline is the rows down to the last one holding any text; an empty or
// unreadable coordinate before it is a point that is no number, which the
// check refuses. Enter goes X -> Y -> next row, Up and Down move in a column,
// Ctrl+Up and Ctrl+Down move the row itself.
class PointGrid final : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kRows = kMaxOutlinePoints;
    explicit PointGrid(QWidget* parent = nullptr);

    void setPoints(const std::vector<OutlinePoint>& points);
    std::vector<OutlinePoint> points() const;
    QLineEdit* cell(int row, int column) const;  // row 0..24, column 0 (X) or 1 (Y)
    int currentRow() const;                      // -1 when no cell has the focus
    void focusCell(int row, int column);

    // Row operations; false when nothing could move (a full or empty table).
    bool insertRow(int row);
    bool deleteRow(int row);
    bool moveRow(int row, int step);

Q_SIGNALS:
    void edited();
    void leftTop();  // Up from the first row

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool cellKey(int row, int column, QKeyEvent* key);
    QString rowText(int row, int column) const;
    void setRowText(int row, const QString& x, const QString& y);

    std::array<std::array<QLineEdit*, 2>, kRows> m_cells{};
};

// Number fields of the editors take digits, ".", "-" and Backspace; any other
// character is refused with a beep. True when the key was refused.
bool RefuseNonNumberKey(QKeyEvent* key);

// Shows a field in the program's colours: teal in hand, else the inactive caption colour.
void PaintField(QWidget* field, bool focused);

}  // namespace zelpor
