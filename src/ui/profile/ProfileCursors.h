#pragma once

#include <QCursor>

namespace zelpor {

// The pointer shapes of the profile drawing: "LONGUEUR" while a length is
// entered, "ANGLE" while an angle is entered. Drawn once at first use, so no
// image files have to travel with the program.
const QCursor& LengthCursor();
const QCursor& AngleCursor();

}  // namespace zelpor
