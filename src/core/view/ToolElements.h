#pragma once

#include <cstdint>
#include <span>

#include "core/tools/ToolRecords.h"
#include "core/view/Scene.h"

namespace zelpor {

// A tool's outline element as every drawing shows it: the stored colour and
// label describe how the tool was authored, so the element is repainted and
// relabelled, and moved up by `lift` (down for a negative one).
inline OutlineElement PlacedToolElement(OutlineElement e, float lift, std::int32_t colour, const char* name) {
    e.colour = colour;
    e.name = {};
    e.name.assign(name);
    e.y1 += lift;
    e.y2 += lift;
    return e;
}

// Appends the first `count` elements of an outline, placed; each start point
// grows the scene's extent.
inline void AppendToolOutline(Scene& scene, std::span<const OutlineElement> outline, int count, float lift,
                              std::int32_t colour, const char* name) {
    for (int i = 0; i < count; ++i) {
        const OutlineElement e = PlacedToolElement(outline[static_cast<std::size_t>(i)], lift, colour, name);
        scene.elements.push_back(e);
        scene.extent.add(e.x1, e.y1);
    }
}

}  // namespace zelpor
