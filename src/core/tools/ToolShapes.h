#pragma once

#include <string>
#include <vector>

#include "core/tools/ToolEditing.h"

namespace zelpor {

// The usual catalogue shapes an outline can be generated for.
enum class ToolShape { StraightPunch, GooseneckPunch, AcutePunch, SingleVDie };

// The shapes offered for a kind of tool, in the order the editor lists them.
std::vector<ToolShape> ShapesFor(ToolKind kind);
// French name of a shape (UTF-8).
std::string ShapeName(ToolShape shape);
// A body width that suits the figures: 26 mm for a punch (the usual clamp),
// the V opening plus 34 mm (at least 30) for a die.
float DefaultWidth(ToolKind kind, float vOpening);

struct GeneratedOutline {
    std::vector<OutlinePoint> points;  // empty when the figures do not allow the shape
    std::string error;                 // French, UTF-8
};

// Outline of the shape for the draft's figures and an overall body `width`.
// A punch hangs from y = 0 with its tip on the axis at y = -height, a die
// stands on y = 0 with its V edges at +-V/2 on the top face and the groove's
// bottom at the depth the V angle gives. The points pass CheckTool.
GeneratedOutline GenerateOutline(ToolShape shape, const ToolDraft& figures, float width);

}  // namespace zelpor
