#pragma once

#include <string>

#include "core/part/PartRecord.h"

namespace zelpor {

// The bend field's text: "3/5" for the third of five bends, "pas de pli "
// (with its trailing blank, as the operators know it) for a part without bends.
std::string BendPositionText(const PartRecord& part);

// Bend cursor moves of F1..F4. Each returns whether the cursor moved; at
// either end, and at 25 bends for an insert, nothing changes.
// A part without bends has no first bend to go to: F1 leaves it at
// "pas de pli " rather than pointing past the last bend.
bool FirstBend(PartRecord& part);
bool PreviousBend(PartRecord& part);
bool NextBend(PartRecord& part);
// One bend more: the current and the last index both move on by one (from
// 2/5 the cursor shows 3/6). The slot that becomes the last one keeps
// whatever bend data it held.
bool InsertBend(PartRecord& part);

}  // namespace zelpor
