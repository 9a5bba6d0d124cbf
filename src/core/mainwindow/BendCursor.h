#pragma once

#include <string>

#include "part/PartRecord.h"

namespace zelpor {

// The bend field's text: "3/5" for the third of five bends, "pas de pli "
// (with its trailing blank, as the operators know it) for a part without bends.
std::string BendPositionText(const PartRecord& part);

// Bend cursor moves of F1..F4. Each returns whether the cursor moved; at
// either end, and at 25 bends for an insert, nothing changes.
bool FirstBend(PartRecord& part);
bool PreviousBend(PartRecord& part);
bool NextBend(PartRecord& part);
// Appends a bend after the last one and makes it current. The slot that
// becomes the last one keeps whatever bend data it held.
bool InsertBend(PartRecord& part);

}  // namespace zelpor
