#include "core/view/ToolFit.h"

#include <cmath>
#include <limits>

#include "core/view/ToolElements.h"

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

    // A drawing area of no size, or coordinates that are not numbers, give no
    // usable scale: keep the previous view rather than divide by it.
    const int halfWidth = width / 2, halfHeight = height / 2;  // whole pixels
    const std::optional<double> scale = ViewTransform::FitScale(e, halfWidth, halfHeight);
    if (!scale || *scale > std::numeric_limits<float>::max()) return;

    t.truncateBeforeOrigin = true;
    t.worldOriginX = 0;
    t.worldOriginY = 0;
    t.viewportOriginX = width / 2;
    t.viewportOriginY = kind == ToolKind::Punch ? 0 : height / 2;
    // The window keeps its extents as single-precision numbers: the outermost
    // point of a tool maps right onto the edge of the drawing, where that
    // rounding decides the pixel.
    t.setScale(*scale, ScaleRounding::SingleExtents);
}

}  // namespace zelpor
