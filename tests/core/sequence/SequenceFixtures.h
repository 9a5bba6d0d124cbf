#pragma once

#include <initializer_list>
#include <vector>

#include "part/PartRecord.h"
#include "support/SampleTools.h"

namespace zelpor::test {

// A finished profile as the drawing window leaves it: segments with their
// lengths, the bends between them, nothing placed yet, no bend in the list.
inline void SetProfile(PartRecord& part, float thickness, std::initializer_list<float> lengths,
                       std::initializer_list<float> angles) {
    part.thickness = thickness;
    const std::vector<float> l(lengths), a(angles);
    part.profileBendCount = static_cast<std::int32_t>(a.size());
    for (std::size_t k = 0; k < l.size(); ++k) {
        ProfileSegment& e = part.profile[k];
        e = {};
        e.length = l[k];
        e.angle = k < a.size() ? a[k] : 0;
        e.index = k < a.size() ? static_cast<std::int32_t>(k) : -1;
        e.order = -1;
    }
    part.sketchLast = static_cast<std::int32_t>(l.size());  // the drawing window left a sketch
    part.currentBend = -1;
    part.lastBend = -1;
}

}  // namespace zelpor::test
