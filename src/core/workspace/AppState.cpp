#include "core/workspace/AppState.h"

#include "core/calc/Formulas.h"

namespace zelpor {

bool AppState::loadMaterialCoefficient() {
    return LoadMaterialCoefficient(workspace.pathTools, part.material.str(), part.materialCoefficient);
}

}  // namespace zelpor
