#pragma once

#include <cstdint>
#include <vector>

#include "core/part/PartRecord.h"

namespace zelpor {

// Bends of a drawn profile that are already folded: bit j stands for bend j.
using FoldedBends = std::uint32_t;

constexpr bool IsFolded(FoldedBends folded, int bend) { return ((folded >> bend) & 1u) != 0; }

// One straight piece of the sheet: its length and direction (degrees, as
// drawn, y up), and the bend at its start (-1 for the flank that leaves the
// bend being made).
struct FoldLeg {
    double length = 0;
    double direction = 0;
    int bend = -1;
};

// The sheet on one side of the bend under the punch, from the bend outwards:
// the flank first, then the segments beyond it with the bends between them.
struct FoldedSide {
    std::vector<FoldLeg> legs;
    // True when this side runs through the segments before the bend (lower
    // segment indexes), false when it runs through those after it.
    bool towardsStart = true;
};

// Cross-section of the part while bend `vertex` is made: the flanges on both
// sides of it at an included angle, and the bends in `folded` folded at their
// own angles while the others stay flat. Side A lies left of the bend line,
// side B right of it, against the backgauge stop; a pivoted bend swaps them.
struct FoldedPart {
    int vertex = 0;
    bool turned = false;   // the bend's angle is negative: the part lies the other way up
    bool pivoted = false;  // the other flange rests against the stop
    FoldedSide sideA;
    FoldedSide sideB;
};

// The folded part with the bend at `vertex` opened to `includedAngle` degrees
// (180 = flat, down to the magnitude of the bend's own angle). The directions
// of the two flanks are 90 +/- includedAngle / 2: they open upwards,
// symmetrically about the punch axis.
FoldedPart FoldPart(const PartRecord& part, int vertex, double includedAngle, FoldedBends folded);
// The same with the pivot given instead of the part's own flag.
FoldedPart FoldPart(const PartRecord& part, int vertex, double includedAngle, FoldedBends folded, bool pivoted);

// Flange lengths on the two sides of a bend: A left of the bend line, B
// against the stop (pivoting swaps them).
float FlangeA(const PartRecord& part, int vertex, bool pivoted);
float FlangeB(const PartRecord& part, int vertex, bool pivoted);

// Backgauge stop for a bend: the flange against it plus half the bend's
// correction (which is negative for a real bend).
float StopPosition(const PartRecord& part, int vertex, bool pivoted);

// Bends drawn folded while bend `vertex` is shown: those that come earlier in
// the program, and those not yet placed (they will come earlier still).
FoldedBends FoldedBefore(const PartRecord& part, int vertex);

// Distance from the die top to the sheet's inner line at the bend (the punch
// tip): the thickness less the punch depth.
inline double SheetBase(float thickness, double depth) { return thickness - depth; }

// Height of the punch's clamping shoulder above the die top. A bend not yet
// placed has the punch at its working depth; a placed one shows the punch open
// at the "Ouverture" of the bend before it in the program (the first bend of
// the program has none before it and takes its own). Positions from a damaged
// file outside the bend list give no opening.
float PunchLift(const PartRecord& part, const ProfileSegment& bend, float punchHeight, double depth);

}  // namespace zelpor
