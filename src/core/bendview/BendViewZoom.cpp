#include "bendview/BendViewZoom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zelpor {
namespace {

constexpr double kUnitExtent = 1000.0;
constexpr double kMaxScale = 32.0;
constexpr int kMaxExtent = 32000;

bool Finite(const Extent& e) {
    return std::isfinite(e.minX) && std::isfinite(e.minY) && std::isfinite(e.maxX) && std::isfinite(e.maxY);
}

// Sets the extents for the scale factors of the two axes: the smaller one
// wins so that the whole picture fits, and the scale stays within 1/32 .. 32
// pixels per millimetre. Both factors are positive and finite here.
void ApplyScale(ViewTransform& view, double sx, double sy) {
    const double s = std::min(sx, sy);
    if (sx < 1.0 || sy < 1.0) {
        const double k = 1.0 / s;
        const double extent = k >= kMaxScale ? kMaxExtent : std::trunc(kUnitExtent * k);
        view.worldExtentX = view.worldExtentY = extent;
        view.viewportExtentX = kUnitExtent;
        view.viewportExtentY = -kUnitExtent;
    } else {
        view.worldExtentX = view.worldExtentY = kUnitExtent;
        view.viewportExtentX = s >= kMaxScale ? kMaxExtent : std::trunc(kUnitExtent * s);
        view.viewportExtentY = s >= kMaxScale ? -kMaxExtent : std::trunc(-kUnitExtent * s);
    }
}

std::int64_t Whole(double v) { return static_cast<std::int64_t>(ViewTransform::ToScreen(v)); }

int InverseAxis(int screen, double viewportOrigin, double viewportExtent, double worldExtent, double worldOrigin) {
    const std::int64_t ve = Whole(viewportExtent);
    if (ve == 0) return static_cast<int>(Whole(worldOrigin));
    const std::int64_t w = (screen - Whole(viewportOrigin)) * Whole(worldExtent) / ve + Whole(worldOrigin);
    return static_cast<int>(std::clamp<std::int64_t>(w, -(1 << 30), 1 << 30));
}

}  // namespace

ViewTransform InitialBendView(int width, int height) { return ViewTransform::Identity(width / 2, height / 2); }

WorldPoint ScreenToWorld(const ViewTransform& view, int screenX, int screenY) {
    return {InverseAxis(screenX, view.viewportOriginX, view.viewportExtentX, view.worldExtentX, view.worldOriginX),
            InverseAxis(screenY, view.viewportOriginY, view.viewportExtentY, view.worldExtentY, view.worldOriginY)};
}

bool FitBendView(const Extent& extent, int width, int height, ViewTransform& view) {
    if (!Finite(extent) || extent.width() < 0 || extent.height() < 0) return false;
    if (extent.width() == 0 && extent.height() == 0) return false;
    const double spanX = std::max(std::fabs(extent.minX), std::fabs(extent.maxX));
    const double spanY = std::max(std::fabs(extent.minY), std::fabs(extent.maxY));
    // A drawing that lies on an axis has nothing to fit along the other one.
    const double sx = extent.width() == 0 || spanX == 0 ? kMaxScale : (width / 2 - 5) / spanX;
    const double sy = spanY == 0 ? kMaxScale : (height / 2 - 5) / spanY;
    view.worldOriginX = 0;
    view.worldOriginY = 0;
    view.viewportOriginX = width / 2;
    view.viewportOriginY = height / 2;
    ApplyScale(view, sx, sy);
    return true;
}

RectangleZoom ZoomToRectangle(ViewTransform& view, ScreenPoint corner1, ScreenPoint corner2, int width, int height) {
    const WorldPoint a = ScreenToWorld(view, corner1.x, corner1.y);
    const WorldPoint b = ScreenToWorld(view, corner2.x, corner2.y);
    if (a.x == b.x) return RectangleZoom::None;
    view.worldOriginX = std::trunc((static_cast<double>(a.x) + b.x) / 2.0);
    if (a.y == b.y) return RectangleZoom::OriginXOnly;
    view.worldOriginY = std::trunc((static_cast<double>(a.y) + b.y) / 2.0);
    const double sx = static_cast<double>(width) / std::abs(static_cast<double>(a.x) - b.x);
    const double sy = static_cast<double>(height) / std::abs(static_cast<double>(a.y) - b.y);
    ApplyScale(view, sx, sy);
    return RectangleZoom::Zoomed;
}

bool ZoomAll(ViewTransform& view, const Extent& extent, int width, int height) {
    if (!Finite(extent) || !(extent.maxX > 0) || !(extent.maxY > 0)) return false;
    const double sx = (width - 5) / static_cast<double>(extent.maxX);
    const double sy = (height - 5) / static_cast<double>(extent.maxY);
    if (sx >= 1.0 && sy >= 1.0) {
        const double s = std::min(sx, sy);
        view.worldExtentX = view.worldExtentY = kUnitExtent;
        view.viewportExtentX = s >= kMaxScale ? kMaxExtent : std::trunc(kUnitExtent * s);
        view.viewportExtentY = s >= kMaxScale ? -kMaxExtent : std::trunc(-kUnitExtent * s);
    } else {
        const float k = static_cast<float>(1.0 / std::min(sx, sy));
        const double extentK = k >= kMaxScale ? kMaxExtent : std::trunc(kUnitExtent * k);
        view.worldExtentX = view.worldExtentY = extentK;
        view.viewportExtentX = kUnitExtent;
        view.viewportExtentY = -kUnitExtent;
    }
    view.worldOriginX = std::trunc(-(static_cast<double>(extent.maxX) - extent.minX) * 0.5);
    view.worldOriginY = std::trunc((static_cast<double>(extent.maxY) - extent.minY) * 0.5);
    return true;
}

void PanView(ViewTransform& view, float anchorX, float anchorY, WorldPoint mouse) {
    view.worldOriginX = static_cast<double>(ViewTransform::ToScreen(view.worldOriginX + anchorX - mouse.x));
    view.worldOriginY = static_cast<double>(ViewTransform::ToScreen(view.worldOriginY + anchorY - mouse.y));
}

}  // namespace zelpor
