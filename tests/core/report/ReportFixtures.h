#pragma once

#include <tuple>

#include "core/part/PartRecord.h"

namespace zelpor::test {

// A drawn part of three segments (100, 50, 80) and two bends, both placed:
// the second bend is done first. The bend list holds the two bends with
// settings whose shown texts differ from their stored values.
inline PartRecord SheetPart() {
    PartRecord p;
    p.comment.assign("Support moteur; c\xF4t\xE9 \"A\"");
    p.thickness = 2;
    p.material.assign("Acier");
    p.graphicProfile = 1;
    p.profileBendCount = 2;
    p.profile[0] = {.length = 100, .angle = 90, .index = 0, .pivot = 0, .order = 1, .correction = -4.0177f};
    p.profile[1] = {.length = 50, .angle = -90, .index = 1, .pivot = 1, .order = 0, .correction = -4.0177f};
    p.profile[2] = {.length = 80, .index = -1};
    p.sketchLast = 3;
    p.currentBend = 0;
    p.lastBend = 1;
    const float angles[] = {90, 135.5f}, ys[] = {4.1175f, 2.3456f}, forces[] = {16.0912f, 8.0049f};
    for (std::size_t i = 0; i < 2; ++i) {
        BendRecord& b = p.bends[i];
        std::tie(b.angle, b.y, b.force) = std::tuple(angles[i], ys[i], forces[i]);
        std::tie(b.length, b.opening, b.x, b.speed) = std::tuple(1000.0f, 10.0f, 48.25f, 10.0f);
        b.punch.assign("P88-67");
        b.die.assign("V16");
    }
    return p;
}

}  // namespace zelpor::test
