#pragma once

#include <string>

#include "core/collision/CollisionCheck.h"
#include "core/sequence/SequenceScene.h"

namespace zelpor {

// Warning colour of the piece of sheet and the tool that collide.
inline constexpr std::int32_t kSequenceCollisionColour = Rgb(255, 128, 0);

// Repaints, in the step's picture, the piece of sheet that runs into an
// obstacle and the obstacle itself (the punch, the die or the stop; the
// machine is not drawn). A step without collision keeps its picture as is.
void MarkCollision(SequenceScene& scene, const PartRecord& part, int step, const BendCheck& check);

}  // namespace zelpor
