#include "ui/profile/ProfileCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelpor {
namespace {

constexpr int kSize = 32;
constexpr int kHot = 10;  // the cross sits up-left so that the symbol stays readable

// A thin cross hair with a white halo, visible on the gray drawing area and on
// the red and green lines.
void DrawCross(QPainter& p) {
    for (auto [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(kHot, 1, kHot, kHot - 3);
        p.drawLine(kHot, kHot + 3, kHot, 2 * kHot - 1);
        p.drawLine(1, kHot, kHot - 3, kHot);
        p.drawLine(kHot + 3, kHot, 2 * kHot - 1, kHot);
    }
}

QCursor MakeCursor(void (*symbol)(QPainter&)) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    DrawCross(p);  // crisp, pixel-aligned
    p.setRenderHint(QPainter::Antialiasing);
    symbol(p);
    p.end();
    return QCursor(pixmap, kHot, kHot);
}

// A dimension line with arrows at both ends.
void LengthSymbol(QPainter& p) {
    for (auto [colour, width] : {std::pair{Qt::white, 3.0}, std::pair{Qt::black, 1.2}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 26), QPointF(30, 26));
        p.drawPolyline(QPolygonF{QPointF(18, 22.5), QPointF(14, 26), QPointF(18, 29.5)});
        p.drawPolyline(QPolygonF{QPointF(26, 22.5), QPointF(30, 26), QPointF(26, 29.5)});
        p.drawLine(QPointF(14, 20), QPointF(14, 31));
        p.drawLine(QPointF(30, 20), QPointF(30, 31));
    }
}

// Two rays and the arc between them.
void AngleSymbol(QPainter& p) {
    for (auto [colour, width] : {std::pair{Qt::white, 3.0}, std::pair{Qt::black, 1.2}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(15, 30), QPointF(31, 30));
        p.drawLine(QPointF(15, 30), QPointF(27, 17));
        QPainterPath arc;
        arc.arcMoveTo(QRectF(5, 20, 20, 20), 0);
        arc.arcTo(QRectF(5, 20, 20, 20), 0, 47);
        p.drawPath(arc);
    }
}

}  // namespace

const QCursor& LengthCursor() {
    static const QCursor cursor = MakeCursor(LengthSymbol);
    return cursor;
}

const QCursor& AngleCursor() {
    static const QCursor cursor = MakeCursor(AngleSymbol);
    return cursor;
}

}  // namespace zelpor
