#pragma once

#include <string>
#include <vector>

#include "core/tools/ToolRecords.h"
#include "core/view/Extent.h"

namespace zelpor {

// What a drawing area shows: elements in drawing order, the texts that text
// elements index, and the extent the fits use.
struct Scene {
    std::vector<OutlineElement> elements;
    std::vector<std::string> texts;  // Latin-1 bytes
    Extent extent;

    void clear() {
        elements.clear();
        texts.clear();
        extent.reset();
    }
    // Text of a text element, empty when its index is outside the table.
    std::string textOf(const OutlineElement& e) const {
        if (e.textIndex < 0 || static_cast<std::size_t>(e.textIndex) >= texts.size()) return {};
        return texts[static_cast<std::size_t>(e.textIndex)];
    }
};

}  // namespace zelpor
