#include "ui/common/ScenePainter.h"

#include <QFontDatabase>
#include <QPainter>

#include <cmath>
#include <vector>

#include "ui/common/Latin1.h"
#include "core/view/Angles.h"

namespace zelpor {
namespace {

// Screen angle (degrees, counter-clockwise as seen on screen) of a point around a centre.
double ScreenAngle(int cx, int cy, int px, int py) {
    return std::atan2(-(static_cast<double>(py) - cy), static_cast<double>(px) - cx) / kDegToRad;
}

}  // namespace

QString LetteringFontFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& f : {QStringLiteral("osifont"), QStringLiteral("ISOPROP")})
            if (families.contains(f, Qt::CaseInsensitive)) return f;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

void ScenePainter::fillBackground(QColor colour) { m_image.fill(colour); }

void ScenePainter::fillRect(int left, int top, int right, int bottom, QColor colour) {
    QPainter p(&m_image);
    p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), colour);
}

void ScenePainter::line(float x1, float y1, float x2, float y2, QColor colour, int width, bool dotted) {
    QPainter p(&m_image);
    QPen pen(colour, width, dotted ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.drawLine(QPoint(m_t.mapX(x1), m_t.mapY(y1)), QPoint(m_t.mapX(x2), m_t.mapY(y2)));
}

void ScenePainter::circle(float x, float y, float r, QColor colour) {
    QPainter p(&m_image);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(
        QRect(QPoint(m_t.mapX(x - r), m_t.mapY(y + r)), QPoint(m_t.mapX(x + r), m_t.mapY(y - r))).normalized());
}

void ScenePainter::arc(float x, float y, float r, float a1, float a2, QColor colour) {
    const QRect box =
        QRect(QPoint(m_t.mapX(x - r), m_t.mapY(y + r)), QPoint(m_t.mapX(x + r), m_t.mapY(y - r))).normalized();
    const QPoint c = box.center();
    const int sx = m_t.mapX(x + r * std::cos(a1 * kDegToRad)), sy = m_t.mapY(y + r * std::sin(a1 * kDegToRad));
    const int ex = m_t.mapX(x + r * std::cos(a2 * kDegToRad)), ey = m_t.mapY(y + r * std::sin(a2 * kDegToRad));
    const double start = ScreenAngle(c.x(), c.y(), sx, sy);
    double span = ScreenAngle(c.x(), c.y(), ex, ey) - start;
    while (span <= 0) span += 360;  // equal points draw the whole circle, as the platform's arc does
    QPainter p(&m_image);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void ScenePainter::text(float x, float y, float h, float angle, const QString& text, QColor colour) {
    if (text.isEmpty()) return;
    const int pixelHeight = std::abs(ViewTransform::ToScreen(h * m_t.viewportExtentY / m_t.worldExtentY));
    if (pixelHeight <= 0 || pixelHeight > 4000) return;
    QFont font(LetteringFontFamily());
    font.setPixelSize(pixelHeight);
    QPainter p(&m_image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(colour);
    p.translate(m_t.mapX(x) - pixelHeight, m_t.mapY(y));
    p.rotate(-ViewTransform::ToScreen(angle * 10) / 10.0);
    p.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
}

void ScenePainter::floodFill(float x, float y, QColor fill, QColor border) {
    const int sx = m_t.mapX(x), sy = m_t.mapY(y);
    const int w = m_image.width(), h = m_image.height();
    if (sx < 0 || sy < 0 || sx >= w || sy >= h) return;
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    const QRgb borderRgb = border.rgb() | 0xFF000000u, fillRgb = fill.rgb() | 0xFF000000u;
    auto px = [&](int px_, int py_) -> QRgb& { return reinterpret_cast<QRgb*>(m_image.scanLine(py_))[px_]; };
    auto open = [&](int px_, int py_) {
        const QRgb c = px(px_, py_) | 0xFF000000u;
        return c != borderRgb && c != fillRgb;
    };
    if (!open(sx, sy)) return;
    std::vector<QPoint> stack{{sx, sy}};
    while (!stack.empty()) {
        QPoint p = stack.back();
        stack.pop_back();
        int left = p.x(), right = p.x();
        if (!open(left, p.y())) continue;
        while (left > 0 && open(left - 1, p.y())) --left;
        while (right < w - 1 && open(right + 1, p.y())) ++right;
        for (int i = left; i <= right; ++i) px(i, p.y()) = fillRgb;
        for (int dy : {-1, 1}) {
            const int ny = p.y() + dy;
            if (ny < 0 || ny >= h) continue;
            for (int i = left; i <= right; ++i)
                if (open(i, ny) && (i == left || !open(i - 1, ny))) stack.push_back({i, ny});
        }
    }
}

void ScenePainter::draw(const Shape& s) {
    switch (s.type) {
    case kLine: line(s.x1, s.y1, s.x2, s.y2, s.colour, s.lineWidth, s.dotted); break;
    case kCircle: circle(s.x1, s.y1, s.r, s.colour); break;
    case kArc: arc(s.x1, s.y1, s.r, s.a1, s.a2, s.colour); break;
    case kText: text(s.x1, s.y1, s.h, s.a1, s.text, s.colour); break;
    case kFill: floodFill(s.x1, s.y1, s.colour, s.colour); break;
    default: break;
    }
}

void ScenePainter::drawElements(std::span<const OutlineElement> elements, const Scene* textSource, Circles circles) {
    for (const OutlineElement& e : elements) {
        if (e.type == kCircle && circles == Circles::Skipped) continue;
        Shape s{e.type, ColourFromRef(e.colour), e.x1, e.y1, e.x2, e.y2, e.r, e.a1, e.a2, e.h};
        if (e.type == kLine && e.name.str() == "Piece") s.lineWidth = 2;
        if (e.type == kText && textSource) s.text = FromLatin1(textSource->textOf(e));
        draw(s);
    }
}

void ScenePainter::drawSketch(const PartRecord& part) {
    const int last = part.safeSketchLast();
    for (int i = 0; i <= last; ++i) {
        const SketchEntity& e = part.sketch[static_cast<std::size_t>(i)];
        if (e.type == kFill) continue;  // a sketch holds no fills
        Shape s{e.type,      ColourFromRef(e.colour), e.x1, e.y1, e.x2, e.y2, e.radius, e.startAngle, e.endAngle,
                e.textHeight};
        s.dotted = e.type == kLine && e.style.str() == "DOT";
        if (e.type == kText && e.textIndex >= 0 && e.textIndex < kSketchEntities)
            s.text = FromLatin1(part.sketchTexts[static_cast<std::size_t>(e.textIndex)].str());
        draw(s);
    }
}

}  // namespace zelpor
