#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// Drawing area of the sequence window, in pixels.
inline constexpr int kSequenceAreaWidth = 803;
inline constexpr int kSequenceAreaHeight = 457;

inline constexpr std::int32_t kSequenceToolColour = Rgb(255, 0, 0);
inline constexpr std::int32_t kSequenceStopColour = Rgb(128, 0, 0);
inline constexpr std::int32_t kSequencePartColour = Rgb(0, 0, 255);
inline constexpr std::int32_t kSequenceFlatColour = Rgb(0, 128, 0);
inline constexpr std::int32_t kSequenceNumberColour = Rgb(255, 255, 0);

// The backgauge stop is drawn as a filled 10 x 20 mm block.
inline constexpr float kStopWidth = 10;
inline constexpr float kStopHeight = 20;
inline constexpr float kBendNumberHeight = 10;

// One step of the bending sequence as the window shows it.
struct SequenceScene {
    Scene scene;
    // Depth of the punch for the bend on screen while it is not validated; it
    // is carried over from step to step while validated bends are shown.
    float punchDepth = 0;
    // Status bar text when the step says something about the part's position
    // ("Piece pivoté" ...); empty optional when the part is not drawn and the
    // status bar keeps what it showed.
    std::optional<std::string> status;
    ViewTransform view;
};

// View of a freshly opened window: one pixel per millimetre, the bend line
// and the die top at the centre of the drawing area.
ViewTransform SequenceStartView(int areaWidth, int areaHeight);

// Builds the die, the punch at its position for bend `step`, the backgauge
// stop and the part as it stands at that moment of the program, and fits the
// view around the bend. `previousDepth` and `previousView` are what the
// window held before: a validated bend keeps the depth, a degenerate extent
// keeps the view.
SequenceScene BuildSequenceScene(const PartRecord& part, const PunchRecord& punch, const DieRecord& die, int step,
                                 int areaWidth, int areaHeight, float previousDepth, const ViewTransform& previousView);

// "2/3": position in the program (1-based) over the number of bends in the list.
std::string BendNumberText(std::int64_t order, std::int64_t lastBend);

}  // namespace zelpor
