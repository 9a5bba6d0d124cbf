#pragma once

#include <array>
#include <string>

#include "core/part/PartRecord.h"

namespace zelpor {

// Which left-column field has the focus; the function buttons follow it.
enum class FocusLevel { Job = 0, Part, Bend, Thickness, Length, Material, Punch, Die };

enum class ViewMode { Numeric = 0, Graphic = 1 };

struct ButtonFace {
    bool visible = false;
    bool enabled = true;
    std::string caption;
};
using ButtonFaces = std::array<ButtonFace, 8>;  // the eight function buttons, left to right

// Caption of the eighth button and of the view switch: the view it leads to.
std::string ViewSwitchCaption(ViewMode mode);

// The eight function buttons at a focus level. `jobHasFiles`: the job folder
// holds at least one file, so there is something "Supprime Piece" could delete.
ButtonFaces FunctionButtons(FocusLevel level, const PartRecord& part, ViewMode mode, bool jobHasFiles);

// Enabling of the first three buttons at the bend level: there must be somewhere to go.
void ApplyBendEnabling(ButtonFaces& faces, const PartRecord& part);

}  // namespace zelpor
