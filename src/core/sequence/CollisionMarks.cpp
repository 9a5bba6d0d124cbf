#include "core/sequence/CollisionMarks.h"

namespace zelpor {
namespace {

const char* ObstacleLabel(Obstacle obstacle) {
    switch (obstacle) {
    case Obstacle::Punch: return "Pun";
    case Obstacle::Die: return "Die";
    case Obstacle::Stop: return "butee";
    default: return nullptr;
    }
}

bool Labelled(const OutlineElement& e, const char* label) { return e.name.str() == label; }

}  // namespace

void MarkCollision(SequenceScene& scene, const PartRecord& part, int step, const BendCheck& check) {
    if (!check.collides()) return;
    const int n = part.safeProfileBendCount();
    if (step < 0 || step >= n) return;
    if (const char* label = ObstacleLabel(check.obstacle)) {
        for (OutlineElement& e : scene.scene.elements)
            if (Labelled(e, label)) e.colour = kSequenceCollisionColour;
    }
    if (check.side < 0) return;
    // The part's own lines come side A first, then side B, one a leg.
    const std::size_t legsA = FoldPart(part, step, 180, FoldedBefore(part, step)).sideA.legs.size();
    const std::size_t wanted = (check.side == 0 ? 0 : legsA) + static_cast<std::size_t>(check.leg);
    std::size_t index = 0;
    for (OutlineElement& e : scene.scene.elements) {
        if (e.type != kLine || e.colour != kSequencePartColour || !Labelled(e, "Piece")) continue;
        if (index++ == wanted) {
            e.colour = kSequenceCollisionColour;
            return;
        }
    }
}

}  // namespace zelpor
