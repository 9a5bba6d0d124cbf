#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "core/collision/CollisionCheck.h"
#include "core/part/PartRecord.h"
#include "core/sequence/SequenceProgram.h"

namespace zelpor {

// One step of a bending program: the bend made, whether the part is pivoted
// for it, and what its check found.
struct ProgramStep {
    int bend = 0;
    bool pivot = false;
    BendCheck check;
    friend bool operator==(const ProgramStep&, const ProgramStep&) = default;
};

// How good a program is, compared field by field in this order: fewer
// colliding bends, fewer pivoted bends, fewer bends with the part resting on
// its shorter flange against the stop, stops nearer the middle of the
// backgauge travel (sum of the distances, hundredths of a millimetre).
struct ProgramCost {
    int collisions = 0;
    int pivots = 0;
    int shorterFlanges = 0;
    std::int64_t stopDeviation = 0;
    friend auto operator<=>(const ProgramCost&, const ProgramCost&) = default;
    ProgramCost& operator+=(const ProgramCost& o);
};

struct AutoSequence {
    std::vector<ProgramStep> steps;  // in the order the bends are made
    ProgramCost cost;
    bool exact = true;  // false when the time ran out before every order was weighed
    bool collisionFree() const { return cost.collisions == 0 && !steps.empty(); }
};

struct SearchLimits {
    int exactUpTo = 12;                      // bends searched to the end whatever the time
    std::chrono::milliseconds budget{1000};  // beyond that, the best found in this time
};

// The best program for all bends of the part's profile by the rules of
// ProgramCost. Orders that share their first bends share the work: each
// state of folded bends is expanded once with its cheapest way there, and
// no branch is followed that cannot beat the best program found.
AutoSequence FindAutoSequence(const CollisionSetup& setup, const PartRecord& part, SearchLimits limits = {});

// The check of each step of the program already stored in the part, in
// program order; bends not placed are left out.
std::vector<ProgramStep> CheckStoredProgram(const CollisionSetup& setup, const PartRecord& part);

// The check of the bend shown in the sequence window, in the state the window
// shows the part.
BendCheck CheckShownBend(const CollisionSetup& setup, const PartRecord& part, int step);

// Stores a program through the sequence window's own operations, as the
// operator would by hand: bends validated from the last of the program to the
// first, each pivoted before its validation when needed. A program already
// stored is cleared first. `program` must work on `part`.
void ApplyProgram(SequenceProgram& program, PartRecord& part, const std::vector<ProgramStep>& steps);

// "1  pli 3  90.00°  pivot non  butée 98.00  ok" lines of a report.
std::string ProgramStepLine(int position, const PartRecord& part, const ProgramStep& step);

}  // namespace zelpor
