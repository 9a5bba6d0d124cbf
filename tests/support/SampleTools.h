#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"

namespace zelpor::test {

using Point = std::pair<float, float>;

// A closed polyline as outline lines; returns the stored last element index.
template <std::size_t N>
int OutlinePolyline(std::array<OutlineElement, N>& outline, std::initializer_list<Point> points) {
    const std::vector<Point> p(points);
    for (std::size_t i = 0; i < p.size(); ++i) {
        OutlineElement& e = outline[i];
        e.type = kLine;
        e.colour = Rgb(0, 0, 0);
        e.name.assign("outline");
        e.x1 = p[i].first, e.y1 = p[i].second;
        e.x2 = p[(i + 1) % p.size()].first, e.y2 = p[(i + 1) % p.size()].second;
    }
    return static_cast<int>(p.size()) - 1;
}

// The straight 88 degree punch P88-67 of the sample library.
inline PunchRecord SamplePunchP88_67() {
    PunchRecord p;
    p.version = 1, p.versionIndex = 1, p.height = 67, p.angle = 88;
    p.lastElement = OutlinePolyline(p.outline, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}});
    return p;
}

// The 16 mm V die V16 of the sample library.
inline DieRecord SampleDieV16() {
    DieRecord d;
    d.version = 1, d.versionIndex = 1, d.height = 60;
    d.vAngle = 88, d.vOpening = 16, d.entryRadius = 2;
    d.lastElement = OutlinePolyline(
        d.outline, {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}});
    return d;
}

struct SegmentEntry {
    float length;
    float angle;
    int order;
    int pivot = 0;
};

// A drawn profile: each entry is a segment and the bend after it; the last
// entry is the closing segment (its angle and order are ignored).
inline void SetProfile(PartRecord& part, std::initializer_list<SegmentEntry> entries) {
    int k = 0;
    for (const SegmentEntry& s : entries) {
        ProfileSegment& seg = part.profile[static_cast<std::size_t>(k)];
        seg.length = s.length, seg.angle = s.angle, seg.index = k, seg.order = s.order;
        seg.pivot = static_cast<std::uint8_t>(s.pivot);
        ++k;
    }
    part.profileBendCount = k - 1;
    ProfileSegment& last = part.profile[static_cast<std::size_t>(k - 1)];
    last.angle = 0, last.index = -1, last.order = -1, last.pivot = 0;
}

// A three-bend bracket as the shop would have it: tools on every bend, its
// drawn profile (bent last to first), a sketch line and a sketch text.
inline PartRecord SampleBracketPart() {
    PartRecord p;
    p.comment.assign("Equerre 100 x 50");
    p.material.assign("Acier");
    p.thickness = 2, p.currentBend = 0, p.lastBend = 2, p.graphicProfile = 1;
    for (int i = 0; i < 3; ++i) {
        BendRecord& b = p.bends[static_cast<std::size_t>(i)];
        b.length = 1000, b.angle = 90, b.opening = 10;
        b.punch.assign("P88-67");
        b.die.assign("V16");
    }
    SetProfile(p, {{100, 90, 2}, {50, 90, 1}, {80, 90, 0}, {40, 0, 0}});
    p.sketchLast = 1;
    p.sketch[0] = {kLine, Rgb(255, 0, 0)};
    p.sketch[0].x2 = 100;
    p.sketch[1].type = kText, p.sketch[1].textIndex = 1, p.sketch[1].textHeight = 5;
    return p;
}

// Puts a lettering element after a tool's outline, so its text index is read too.
template <typename ToolRecord>
void AddLettering(ToolRecord& tool) {
    OutlineElement& e = tool.outline[static_cast<std::size_t>(tool.lastElement + 1)];
    e.type = kText, e.textIndex = 0, e.h = 4;
    ++tool.lastElement;
}

}  // namespace zelpor::test
