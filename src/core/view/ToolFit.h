#pragma once

#include <array>

#include "core/tools/ToolRecords.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// The drawing of one tool in a library window: the elements as they are
// painted (relabelled, recoloured, a die lowered so its top face is at y = 0),
// how many are in use, and their extent.
struct ToolOutlineView {
    std::array<OutlineElement, kOutlineSlots> elements{};
    int count = 0;
    Extent extent;
};

// The mapping of a library window before any tool is fitted: one pixel per
// millimetre, y up, the world origin at the centre of the drawing.
ViewTransform LibraryStartTransform(int width, int height);

// Prepares the outline of a tool for drawing. The record itself is left as it
// was loaded, so fitting the same tool twice never lowers a die twice.
ToolOutlineView PrepareToolOutline(const PunchRecord& punch);
ToolOutlineView PrepareToolOutline(const DieRecord& die);

// Fits a library window's mapping to a prepared outline on a drawing of
// `width` x `height` pixels: a punch hangs from the top edge, a die has its
// top face at mid-height; the scale is the largest that fits, kept between
// 1/32 and 32 pixels per millimetre. An outline with no element or no size
// leaves the mapping as it was.
void FitToolView(ViewTransform& transform, const ToolOutlineView& outline, ToolKind kind, int width, int height);

}  // namespace zelpor
