#pragma once

#include <QImage>

#include "core/report/SetupSheet.h"

namespace zelpor {

// The drawings of a setup sheet, painted through the program's ScenePainter
// on white paper. Sizes are in pixels; the documents show them at half size
// so that they print sharp.

// A tool's outline fitted as in the library windows.
QImage ToolPicture(const SheetTool& tool, int width, int height);

// The drawn profile with its lengths and angles.
QImage ProfilePicture(const PartRecord& part, int width, int height);

// One step of the bending order with the tools of that step.
QImage StepPicture(const PartRecord& part, const SheetStep& step, const PunchRecord& punch, const DieRecord& die,
                   int width, int height);

}  // namespace zelpor
