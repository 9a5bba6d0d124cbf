#include "core/bendview/BendViewZoom.h"

#include <algorithm>
#include <cmath>

namespace zelpor {
namespace {

bool Finite(const Extent& e) {
    return std::isfinite(e.minX) && std::isfinite(e.minY) && std::isfinite(e.maxX) && std::isfinite(e.maxY);
}

}  // namespace

ViewTransform InitialBendView(int width, int height) { return ViewTransform::Identity(width / 2, height / 2); }

bool FitBendView(const Extent& extent, int width, int height, ViewTransform& view) {
    if (!Finite(extent) || extent.width() < 0 || extent.height() < 0) return false;
    if (extent.width() == 0 && extent.height() == 0) return false;
    // A margin of 5 pixels inside each edge.
    const int roomX = width / 2 - 5, roomY = height / 2 - 5;
    const std::optional<double> scale = ViewTransform::FitScale(extent, roomX, roomY);
    if (!scale) return false;
    view.worldOriginX = 0;
    view.worldOriginY = 0;
    view.viewportOriginX = width / 2;
    view.viewportOriginY = height / 2;
    view.setScale(*scale, ScaleRounding::WholeExtents);
    return true;
}

bool ZoomAll(ViewTransform& view, const Extent& extent, int width, int height) {
    if (!Finite(extent) || !(extent.maxX > 0) || !(extent.maxY > 0)) return false;
    const double sx = (width - 5) / static_cast<double>(extent.maxX);
    const double sy = (height - 5) / static_cast<double>(extent.maxY);
    view.setScale(std::min(sx, sy), ScaleRounding::SingleShrink);
    view.worldOriginX = std::trunc(-(static_cast<double>(extent.maxX) - extent.minX) * 0.5);
    view.worldOriginY = std::trunc((static_cast<double>(extent.maxY) - extent.minY) * 0.5);
    return true;
}

}  // namespace zelpor
