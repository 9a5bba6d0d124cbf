#pragma once

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "core/part/PartRecord.h"
#include "core/view/Scene.h"
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

// The lines of `scene` that `pick` takes, to 0.01 mm in list order: "x1,y1>x2,y2 ...".
template <class Pick>
std::string LinesOf(const Scene& scene, Pick pick) {
    std::string out;
    char b[80];
    for (const OutlineElement& e : scene.elements) {
        if (e.type != kLine || !pick(e)) continue;
        std::snprintf(b, sizeof b, "%.2f,%.2f>%.2f,%.2f ", e.x1 + 0.0, e.y1 + 0.0, e.x2 + 0.0, e.y2 + 0.0);
        out += b;
    }
    return out;
}

// The height of the punch's tip: the lowest point of its lines.
inline float PunchTip(const Scene& s) {
    float tip = 1e9f;
    for (const auto& e : s.elements)
        if (e.name.str() == "Pun") tip = std::min(tip, e.y1);
    return tip;
}

}  // namespace zelpor::test
