#include "view/ToolFit.h"

#include <algorithm>
#include <cmath>

#include "view/ToolElements.h"

namespace zelpor {
namespace {

template <typename Record>
ToolOutlineView Prepare(const Record& record, float yShift) {
    ToolOutlineView view;
    view.count = OutlineElementCount(record.lastElement);
    for (int i = 0; i < view.count; ++i) {
        // Every tool is drawn in red, whatever colour and label it was authored with.
        const OutlineElement e =
            PlacedToolElement(record.outline[static_cast<std::size_t>(i)], -yShift, Rgb(255, 0, 0), "Die");
        view.extent.add(e.x1, e.y1);
        view.elements[static_cast<std::size_t>(i)] = e;
    }
    return view;
}

float LargerMagnitude(float a, float b) { return std::max(std::fabs(a), std::fabs(b)); }

}  // namespace

ViewTransform LibraryStartTransform(int width, int height) {
    ViewTransform t = ViewTransform::Identity(width / 2, height / 2);
    t.truncateBeforeOrigin = true;
    return t;
}

ToolOutlineView PrepareToolOutline(const PunchRecord& punch) { return Prepare(punch, 0.0f); }
ToolOutlineView PrepareToolOutline(const DieRecord& die) { return Prepare(die, die.height); }

void FitToolView(ViewTransform& t, const ToolOutlineView& outline, ToolKind kind, int width, int height) {
    if (outline.count == 0) return;
    const Extent& e = outline.extent;
    if (e.width() == 0 && e.height() == 0) return;

    const float halfW = static_cast<float>(width / 2), halfH = static_cast<float>(height / 2);
    const float fx = e.width() == 0 ? 32.0f : halfW / LargerMagnitude(e.minX, e.maxX);
    const float fy = halfH / LargerMagnitude(e.minY, e.maxY);  // +inf when every y is 0
    const float f = std::min(fx, fy);
    // A drawing area of no size, or coordinates that are not numbers, give no
    // usable scale: keep the previous view rather than divide by it.
    if (!(f > 0) || std::isinf(f)) return;

    t.truncateBeforeOrigin = true;
    t.worldOriginX = 0;
    t.worldOriginY = 0;
    t.viewportOriginX = width / 2;
    t.viewportOriginY = kind == ToolKind::Punch ? 0 : height / 2;
    // The window keeps its extents as single-precision numbers: the outermost
    // point of a tool maps right onto the edge of the drawing, where that
    // rounding decides the pixel.
    if (f < 1) {
        const float shrink = 1.0f / f >= 32 ? 32000.0f : static_cast<float>(1000.0 / f);
        t.worldExtentX = t.worldExtentY = shrink;
        t.viewportExtentX = 1000;
        t.viewportExtentY = -1000;
    } else {
        const float grow = f >= 32 ? 32000.0f : static_cast<float>(1000.0 * f);
        t.worldExtentX = t.worldExtentY = 1000;
        t.viewportExtentX = grow;
        t.viewportExtentY = -grow;
    }
}

}  // namespace zelpor
