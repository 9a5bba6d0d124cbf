#include "ui/bendview/BendViewWidget.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "core/bendview/BendScene.h"
#include "ui/common/ScenePainter.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

const QColor kBackground(128, 128, 128);
const QColor kZoomRectangle(0, 128, 0);

}  // namespace

BendViewWidget::BendViewWidget(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_view(InitialBendView()) {
    setObjectName(QStringLiteral("PaintBox1"));
    setFixedSize(kBendViewWidth, kBendViewHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The zoom rectangle follows the pointer between its two clicks, with no
    // button held.
    setMouseTracking(true);
}

void BendViewWidget::rebuild() {
    BendSceneResult built = BuildBendScene(m_state.part, m_state.punch, m_state.die);
    m_scene = std::move(built.scene);
    if (built.fitView) {
        FitBendView(m_scene.extent, kBendViewWidth, kBendViewHeight, m_view);
        setZoomAllEnabled(false);
    }
    invalidate();
}

void BendViewWidget::resetView() { m_view = InitialBendView(); }

void BendViewWidget::onZoomWindow() {
    m_zoomArmed = true;
    setCursor(ZoomCursor());
}

// "Zoom Tout" goes back to the whole drawing: the same fit as when the bend
// was drawn. (Scaling from the signed maxima alone showed only one corner of
// the part, so the fit is used instead.)
void BendViewWidget::onZoomAll() {
    FitBendView(m_scene.extent, kBendViewWidth, kBendViewHeight, m_view);
    invalidate();
    setZoomAllEnabled(false);
}

void BendViewWidget::onPan() {
    // The pointing hand, from the command until the button is released.
    setCursor(Qt::PointingHandCursor);
    m_pan = true;
    Q_EMIT statusMessage(QStringLiteral("Clic droit enfoncé et deplacement de la sourie"));
}

QImage BendViewWidget::frame() {
    if (!m_bufferValid) renderBuffer();
    return m_buffer;
}

QCursor BendViewWidget::ZoomCursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // White under black so the magnifier shows on the grey drawing and on the
    // black sheet lines alike.
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 2.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.setPen(QPen(colour, width + 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(9, 12), QPointF(15, 12));
    p.drawLine(QPointF(12, 9), QPointF(12, 15));
    p.end();
    return QCursor(pixmap, 12, 12);
}

void BendViewWidget::paintEvent(QPaintEvent*) {
    if (!m_bufferValid) renderBuffer();
    QImage shown = m_buffer;
    if (m_dragging) {
        // An inverting pen: the rectangle shows over any colour of the drawing.
        QPainter overlay(&shown);
        overlay.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        overlay.setPen(QPen(kZoomRectangle, 1, Qt::DotLine));
        overlay.setBrush(Qt::NoBrush);
        overlay.drawRect(QRect(m_corner1, m_corner2).normalized());
    }
    QPainter p(this);
    p.drawImage(0, 0, shown);
}

void BendViewWidget::mousePressEvent(QMouseEvent* event) {
    PaintBox1MouseDown(event->buttons() | event->button(), event->position().toPoint());
}

void BendViewWidget::mouseMoveEvent(QMouseEvent* event) {
    PaintBox1MouseMove(event->buttons(), event->position().toPoint());
}

void BendViewWidget::mouseReleaseEvent(QMouseEvent*) { PaintBox1MouseUp(); }

void BendViewWidget::PaintBox1MouseDown(Qt::MouseButtons held, QPoint at) {
    if (m_zoomArmed && !m_dragging && !m_pan) {
        m_corner1 = m_corner2 = at;
        m_zoomArmed = false;
        m_dragging = true;
        update();
    } else if (m_dragging && !m_pan) {
        m_dragging = false;
        unsetCursor();
        const RectangleZoom zoom =
            ZoomToRectangle(m_view, {m_corner1.x(), m_corner1.y()}, {at.x(), at.y()}, kBendViewWidth, kBendViewHeight);
        if (zoom != RectangleZoom::None) invalidate();
        update();  // also takes the rectangle away
        if (zoom == RectangleZoom::Zoomed) setZoomAllEnabled(true);
    } else if (m_pan && (held & Qt::RightButton) && !m_zoomArmed) {
        const WorldPoint anchor = ScreenToWorld(m_view, at.x(), at.y());
        m_anchorX = static_cast<float>(anchor.x);
        m_anchorY = static_cast<float>(anchor.y);
        m_grabbed = true;
    }
}

void BendViewWidget::PaintBox1MouseMove(Qt::MouseButtons held, QPoint at) {
    if (m_dragging) {
        m_corner2 = at;
        update();
    } else if (m_pan && m_grabbed && (held & Qt::RightButton)) {
        PanView(m_view, m_anchorX, m_anchorY, ScreenToWorld(m_view, at.x(), at.y()));
        invalidate();
    }
}

void BendViewWidget::PaintBox1MouseUp() {
    if (!m_pan) return;
    unsetCursor();
    m_pan = false;
    m_grabbed = false;
    invalidate();
}

void BendViewWidget::setZoomAllEnabled(bool enabled) {
    m_zoomAllEnabled = enabled;
    Q_EMIT zoomAllEnabledChanged(enabled);
}

void BendViewWidget::invalidate() {
    m_bufferValid = false;
    update();
}

void BendViewWidget::renderBuffer() {
    // The back buffer is made when the graphic view is first drawn: most
    // sessions never leave the numeric view.
    if (m_buffer.isNull()) m_buffer = QImage(kBendViewWidth, kBendViewHeight, QImage::Format_RGB32);
    ScenePainter painter(m_buffer, m_view);
    painter.fillBackground(kBackground);
    // The bend view draws lines, arcs, texts and fills only: a circle of a
    // tool outline is not part of the bend picture.
    painter.drawElements(m_scene.elements, &m_scene, ScenePainter::Circles::Skipped);
    m_bufferValid = true;
}

}  // namespace zelpor
