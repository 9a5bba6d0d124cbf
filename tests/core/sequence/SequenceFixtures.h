#pragma once

#include <initializer_list>

#include "core/part/PartRecord.h"
#include "support/SampleTools.h"

namespace zelpor::test {

// A finished profile as the drawing window leaves it: segments with their
// lengths, the bends between them, nothing placed yet, no bend in the list.
inline void SetProfile(PartRecord& part, float thickness, std::initializer_list<float> lengths,
                       std::initializer_list<float> angles) {
    part.thickness = thickness;
    part.profile = {};
    part.profileBendCount = static_cast<std::int32_t>(angles.size());
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        const bool bend = k < angles.size();
        part.profile[k] = {.length = lengths.begin()[k],
                           .angle = bend ? angles.begin()[k] : 0,
                           .index = bend ? static_cast<std::int32_t>(k) : -1,
                           .order = -1};
    }
    part.sketchLast = static_cast<std::int32_t>(lengths.size());  // the drawing window left a sketch
    part.currentBend = part.lastBend = -1;
}

}  // namespace zelpor::test
