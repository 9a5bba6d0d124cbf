#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "part/PartRecord.h"
#include "tools/ToolRecords.h"

namespace zelpor::test {

// Closed polyline as an outline of lines; last element index = count - 1.
template <typename Record>
void SetPolyline(Record& r, std::initializer_list<std::pair<float, float>> points) {
    const std::vector<std::pair<float, float>> p(points);
    for (std::size_t i = 0; i < p.size(); ++i) {
        OutlineElement& e = r.outline[i];
        e = {};
        e.type = kLine;
        e.colour = Rgb(255, 0, 0);
        e.x1 = p[i].first;
        e.y1 = p[i].second;
        e.x2 = p[(i + 1) % p.size()].first;
        e.y2 = p[(i + 1) % p.size()].second;
    }
    r.lastElement = static_cast<std::int32_t>(p.size()) - 1;
}

// Straight 88 degree punch, 67 high: hangs from y = 0, tip at y = -67.
inline PunchRecord PunchP88_67() {
    PunchRecord p;
    p.version = 1;
    p.versionIndex = 1;
    p.height = 67;
    p.angle = 88;
    SetPolyline(p, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}});
    return p;
}

// Die V16, 88 degrees, 60 high, entry radius 2: stands on y = 0.
inline DieRecord DieV16() {
    DieRecord d;
    d.version = 1;
    d.versionIndex = 1;
    d.height = 60;
    d.vAngle = 88;
    d.vOpening = 16;
    d.entryRadius = 2;
    SetPolyline(d, {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}});
    return d;
}

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
