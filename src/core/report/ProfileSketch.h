#pragma once

#include "core/part/PartRecord.h"
#include "core/report/SetupSheet.h"
#include "core/sequence/SequenceScene.h"
#include "core/tools/ToolRecords.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

inline constexpr std::int32_t kSketchLineColour = Rgb(0, 0, 255);
inline constexpr std::int32_t kSketchTextColour = Rgb(0, 0, 0);

struct FittedScene {
    Scene scene;
    ViewTransform view;
};

// A view that shows `extent` whole and centred in `width` x `height` pixels,
// leaving `margin` pixels free on every side. A degenerate extent gets one
// pixel per millimetre around its centre.
ViewTransform FitExtent(const Extent& extent, int width, int height, int margin);

// The drawn profile of a part for a sheet: its segments one after the other
// from the start orientation, each length written at the middle of its
// segment and each bend angle at its vertex, fitted to `width` x `height`.
// Labels are `labelPixels` high whatever the scale.
FittedScene ProfileSketchScene(const PartRecord& part, int width, int height, int labelPixels);

// The picture of one step of the bending order: the bends done before it are
// bent, the current one is being pressed (punch at its depth, the flat part
// in its shadow), the later ones are still flat; the stop at its place.
SequenceScene StepPictureScene(const PartRecord& part, const SheetStep& step, const PunchRecord& punch,
                               const DieRecord& die, int width, int height);

}  // namespace zelpor
