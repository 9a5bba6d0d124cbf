#include "ui/print/JobListPages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "ui/print/DocumentPages.h"

namespace zelpor {

namespace {

constexpr double kPadding = 2;
constexpr int kColumnCount = 8;

struct Column {
    const char* caption;
    double share;  // of the page width
    bool number;   // right-aligned
};

const std::array<Column, kColumnCount> kColumns{{
    {"Piece", 0.13, false},
    {"Commentaire", 0.27, false},
    {"Epaisseur\n(mm)", 0.08, true},
    {"Matiere", 0.08, false},
    {"Plis", 0.05, true},
    {"Poinçons", 0.13, false},
    {"Matrices", 0.13, false},
    {"Longueur\ndéveloppée (mm)", 0.13, true},
}};

using Cells = std::array<QString, kColumnCount>;

Cells CellsOf(const JobListRow& r) {
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    return {q(r.part),  q(r.comment), q(r.thickness), q(r.material),
            q(r.bends), q(r.punches), q(r.dies),      q(r.developedLength)};
}

Cells HeaderCells() {
    Cells cells;
    for (std::size_t c = 0; c < kColumnCount; ++c) cells[c] = QString::fromUtf8(kColumns[c].caption);
    return cells;
}

class Table {
public:
    explicit Table(double width) : m_cell(DocumentFont(9)), m_header(DocumentFont(8, true)) {
        double x = 0;
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            m_left[c] = x;
            m_width[c] = kColumns[c].share * width;
            x += m_width[c];
        }
    }

    double height(const Cells& cells, bool header) const {
        const QFontMetricsF metrics(header ? m_header : m_cell);
        double tallest = 0;
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            const QRectF box(0, 0, m_width[c] - 2 * kPadding, 1e6);
            tallest = std::max(tallest, metrics.boundingRect(box, Qt::TextWordWrap, cells[c]).height());
        }
        return tallest + 2 * kPadding;
    }

    void paint(QPainter& p, const Cells& cells, double top, double rowHeight, bool header) const {
        p.setFont(header ? m_header : m_cell);
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            const QRectF cell(m_left[c], top, m_width[c], rowHeight);
            if (header) p.fillRect(cell, QColor(224, 224, 224));
            p.setPen(QColor(128, 128, 128));
            p.drawRect(cell);
            p.setPen(Qt::black);
            const Qt::Alignment align = header               ? Qt::AlignHCenter | Qt::AlignTop
                                        : kColumns[c].number ? Qt::AlignRight | Qt::AlignTop
                                                             : Qt::AlignLeft | Qt::AlignTop;
            const int flags = static_cast<int>(align.toInt()) | Qt::TextWordWrap;
            p.drawText(cell.adjusted(kPadding, kPadding, -kPadding, -kPadding), flags, cells[c]);
        }
    }

private:
    QFont m_cell;
    QFont m_header;
    std::array<double, kColumnCount> m_left{};
    std::array<double, kColumnCount> m_width{};
};

constexpr double kTitleHeight = 46;

}  // namespace

QString JobListTitle(const JobList& list) {
    return QStringLiteral("Liste des pièces - Affaire %1").arg(QString::fromStdString(list.job));
}

int PaintJobList(const JobList& list, const QString& printed, QPagedPaintDevice& device, const QString& footer) {
    SetDocumentPageLayout(device);
    const DocumentPage page = DocumentPageSize();
    const Table table(page.width);
    const Cells header = HeaderCells();
    const double headerHeight = table.height(header, true);

    // First the rows' heights and where each page starts, so every page
    // can say how many there are.
    std::vector<Cells> rows;
    std::vector<double> heights;
    std::vector<std::size_t> pageStarts{0};
    double y = kTitleHeight + headerHeight;
    for (const JobListRow& r : list.rows) {
        rows.push_back(CellsOf(r));
        heights.push_back(std::min(table.height(rows.back(), false), page.height - headerHeight));
        if (y + heights.back() > page.height) {
            pageStarts.push_back(rows.size() - 1);
            y = headerHeight;
        }
        y += heights.back();
    }
    const int pages = static_cast<int>(pageStarts.size());

    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double scale = DocumentScale(device);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.scale(scale, scale);
        double top = 0;
        if (i == 0) {
            painter.setFont(DocumentFont(18, true));
            painter.drawText(QRectF(0, 0, page.width, 26), Qt::AlignLeft | Qt::AlignTop, JobListTitle(list));
            painter.setFont(DocumentFont(11));
            painter.drawText(QRectF(0, 26, page.width, 16), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("Imprimée le %1 - %2 pièce(s)").arg(printed).arg(list.rows.size()));
            top = kTitleHeight;
        }
        table.paint(painter, header, top, headerHeight, true);
        top += headerHeight;
        const std::size_t end = i + 1 < pages ? pageStarts[static_cast<std::size_t>(i) + 1] : rows.size();
        for (std::size_t r = pageStarts[static_cast<std::size_t>(i)]; r < end; ++r) {
            table.paint(painter, rows[r], top, heights[r], false);
            top += heights[r];
        }
        DrawPageFooter(painter, footer, i + 1, pages);
        painter.restore();
    }
    painter.end();
    return pages;
}

}  // namespace zelpor
