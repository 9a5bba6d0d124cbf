#include "workspace/AppState.h"

#include "calc/Formulas.h"

namespace zelpor {

bool AppState::loadMaterialCoefficient() {
    return LoadMaterialCoefficient(workspace.pathTools, part.material.str(), part.materialCoefficient);
}

}  // namespace zelpor
