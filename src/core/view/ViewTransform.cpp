#include "core/view/ViewTransform.h"

#include <algorithm>
#include <cstdlib>

namespace zelpor {
namespace {

std::int64_t Whole(double v) { return static_cast<std::int64_t>(ViewTransform::ToScreen(v)); }

int InverseAxis(int screen, double viewportOrigin, double viewportExtent, double worldExtent, double worldOrigin) {
    const std::int64_t ve = Whole(viewportExtent);
    if (ve == 0) return static_cast<int>(Whole(worldOrigin));
    const std::int64_t w = (screen - Whole(viewportOrigin)) * Whole(worldExtent) / ve + Whole(worldOrigin);
    return static_cast<int>(std::clamp<std::int64_t>(w, -(1 << 30), 1 << 30));
}

}  // namespace

void ViewTransform::setScale(double pixelsPerMm, ScaleRounding rounding) {
    constexpr double kMaxExtent = kUnitExtent * kMaxScale;
    if (rounding == ScaleRounding::SingleExtents) pixelsPerMm = static_cast<float>(pixelsPerMm);
    const bool shrinking = pixelsPerMm < 1;
    // Millimetres per pixel when shrinking, pixels per millimetre otherwise.
    double factor = shrinking ? 1 / pixelsPerMm : pixelsPerMm;
    double extent = 0;
    switch (rounding) {
    case ScaleRounding::Exact: extent = factor < kMaxScale ? kUnitExtent * factor : kMaxExtent; break;
    case ScaleRounding::SingleShrink:
        if (shrinking) factor = static_cast<float>(factor);
        [[fallthrough]];
    case ScaleRounding::WholeExtents:
        extent = factor >= kMaxScale ? kMaxExtent : std::trunc(kUnitExtent * factor);
        break;
    case ScaleRounding::SingleExtents:
        if (shrinking) factor = 1.0f / static_cast<float>(pixelsPerMm);
        extent = factor >= kMaxScale ? kMaxExtent
                                     : static_cast<float>(shrinking ? kUnitExtent / pixelsPerMm : kUnitExtent * factor);
        break;
    }
    worldExtentX = worldExtentY = shrinking ? extent : kUnitExtent;
    viewportExtentX = shrinking ? kUnitExtent : extent;
    viewportExtentY = -viewportExtentX;
}

std::optional<double> ViewTransform::FitScale(const Extent& e, double halfWidth, double halfHeight) {
    const double reachX = std::max(std::fabs(e.minX), std::fabs(e.maxX));
    const double reachY = std::max(std::fabs(e.minY), std::fabs(e.maxY));
    // A drawing that lies on an axis has nothing to fit along the other one.
    const double sx = e.width() == 0 || reachX == 0 ? kMaxScale : halfWidth / reachX;
    const double sy = reachY == 0 ? kMaxScale : halfHeight / reachY;
    if (!std::isfinite(sx) || !std::isfinite(sy) || !(sx > 0) || !(sy > 0)) return std::nullopt;
    return std::min(sx, sy);
}

WorldPoint ViewTransform::wholeWorld(int screenX, int screenY) const {
    return {InverseAxis(screenX, viewportOriginX, viewportExtentX, worldExtentX, worldOriginX),
            InverseAxis(screenY, viewportOriginY, viewportExtentY, worldExtentY, worldOriginY)};
}

RectangleZoom ViewTransform::zoomToRectangle(ScreenPoint corner1, ScreenPoint corner2, int width, int height) {
    const WorldPoint a = wholeWorld(corner1.x, corner1.y);
    const WorldPoint b = wholeWorld(corner2.x, corner2.y);
    if (a.x == b.x) return RectangleZoom::None;
    worldOriginX = std::trunc((static_cast<double>(a.x) + b.x) / 2.0);
    if (a.y == b.y) return RectangleZoom::OriginXOnly;
    worldOriginY = std::trunc((static_cast<double>(a.y) + b.y) / 2.0);
    const double sx = static_cast<double>(width) / std::abs(static_cast<double>(a.x) - b.x);
    const double sy = static_cast<double>(height) / std::abs(static_cast<double>(a.y) - b.y);
    setScale(std::min(sx, sy), ScaleRounding::WholeExtents);
    return RectangleZoom::Zoomed;
}

void ViewTransform::pan(float anchorX, float anchorY, WorldPoint mouse) {
    worldOriginX = static_cast<double>(ToScreen(worldOriginX + anchorX - mouse.x));
    worldOriginY = static_cast<double>(ToScreen(worldOriginY + anchorY - mouse.y));
}

}  // namespace zelpor
