#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "core/bendview/BendViewZoom.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

struct AppState;

// The main window's graphic view of the current bend: a 559 x 408 drawing
// area with the die, the punch at its working depth and the folded sheet,
// with zoom to a rectangle, zoom to all and pan.
class BendViewWidget final : public QWidget {
    Q_OBJECT
public:
    explicit BendViewWidget(AppState& state, QWidget* parent = nullptr);

    // Builds the scene of the current bend from the part and the tools in use,
    // fits the view and repaints. Call it whenever the bend, the punch or the
    // die changes while the graphic view is shown, and when it is shown.
    void rebuild();
    // One pixel per millimetre with the world origin at the centre, as every
    // activation of the main window starts.
    void resetView();

    // The "Zoom" menu commands.
    void onZoomWindow();
    void onZoomAll();
    void onPan();

    // What is shown, for the main window and for tests.
    const Scene& scene() const { return m_scene; }
    const ViewTransform& view() const { return m_view; }
    bool zoomAllEnabled() const { return m_zoomAllEnabled; }
    bool panActive() const { return m_pan; }
    bool zoomRectangleArmed() const { return m_zoomArmed; }
    bool zoomRectangleDragging() const { return m_dragging; }
    // The back buffer as the next repaint shows it (without the zoom rectangle).
    QImage frame();

    // Cursor of "Zoom Fenetre": a magnifier whose hot spot is the lens centre.
    static QCursor ZoomCursor();

Q_SIGNALS:
    void zoomAllEnabledChanged(bool enabled);  // "Zoom Tout" is enabled only after a window zoom
    void statusMessage(const QString& text);   // first panel of the main window's status bar

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintBox1MouseDown(Qt::MouseButtons held, QPoint at);
    void PaintBox1MouseMove(Qt::MouseButtons held, QPoint at);
    void PaintBox1MouseUp();
    void setZoomAllEnabled(bool enabled);
    void invalidate();
    void renderBuffer();

    AppState& m_state;
    Scene m_scene;
    ViewTransform m_view;
    QImage m_buffer;
    bool m_bufferValid = false;
    bool m_zoomAllEnabled = false;

    // Mouse handling: the zoom rectangle (armed by the menu, then dragged
    // between two clicks) and the pan, with the world point grabbed.
    bool m_zoomArmed = false;
    bool m_dragging = false;
    bool m_pan = false;
    bool m_grabbed = false;  // a point was grabbed with the right button since "Pan"
    QPoint m_corner1, m_corner2;
    float m_anchorX = 0.0f, m_anchorY = 0.0f;
};

}  // namespace zelpor
