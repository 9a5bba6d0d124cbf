#include "core/bendentry/BendCursor.h"

namespace zelpor {

std::string BendPositionText(const PartRecord& part) {
    if (part.currentBend < 0) return "pas de pli ";
    return std::to_string(part.currentBend + 1) + "/" + std::to_string(part.lastBend + 1);
}

bool FirstBend(PartRecord& part) {
    if (part.currentBend <= 0) return false;
    part.currentBend = 0;
    return true;
}

bool PreviousBend(PartRecord& part) {
    if (part.currentBend <= 0) return false;
    --part.currentBend;
    return true;
}

bool NextBend(PartRecord& part) {
    if (part.currentBend >= part.lastBend) return false;
    ++part.currentBend;
    return true;
}

bool InsertBend(PartRecord& part) {
    // A part without bends has both indexes at -1, so it gets bend 1/1.
    if (part.lastBend + 1 >= kMaxBends) return false;
    ++part.currentBend;
    ++part.lastBend;
    return true;
}

}  // namespace zelpor
