#pragma once

#include <initializer_list>

#include "core/collision/CollisionCheck.h"
#include "core/sequence/SequenceFixtures.h"
#include "core/sequence/SequenceProgram.h"

namespace zelpor::test {

// A gooseneck punch 95 mm high: its neck swings to the stop side and leaves
// room behind the tip for a flange folded before, its belly stays above a
// flange rising at 45 degrees on the stop side.
inline PunchRecord GooseneckPunch() {
    PunchRecord p;
    p.version = p.versionIndex = 1;
    p.height = 95;
    p.angle = 88;
    const std::initializer_list<Point> outline = {{-13, 0}, {13, 0},  {13, -10}, {60, -20}, {60, -30}, {30, -60},
                                                  {8, -84}, {0, -95}, {-8, -84}, {20, -60}, {25, -35}, {-13, -10}};
    p.lastElement = OutlinePolyline(p.outline, outline);
    return p;
}

// The sample machine: 650 mm of backgauge travel, a 410 mm throat, 450 mm of daylight.
inline MachineLimits SampleMachine() { return {650.0, 410.0, 450.0}; }

inline CollisionSetup SampleSetup(const PunchRecord& punch = SamplePunchP88_67()) {
    return PrepareCollisionSetup(punch, SampleDieV16(), SampleMachine());
}

// A drawn profile typed as numbers: segment lengths and the bends between
// them, nothing placed yet, corrections from the die as the window computes them.
inline PartRecord TypedProfile(float thickness, std::initializer_list<float> lengths,
                               std::initializer_list<float> angles) {
    PartRecord part;
    SetProfile(part, thickness, lengths, angles);
    ComputeSequenceCorrections(part, 16);
    return part;
}

// The tools the sequence window works with: `punch` named P88-67, the V16 die.
struct WindowTools {
    explicit WindowTools(const PunchRecord& punchRecord = SamplePunchP88_67()) {
        punch.name = "P88-67", punch.record = punchRecord;
        die.name = "V16", die.record = SampleDieV16();
    }
    TPoincon punch;
    TMatrice die;
};

// `part` after the operator pressed `keys` in the sequence window.
using SequenceKey = void (SequenceProgram::*)();
inline PartRecord ByHand(PartRecord part, std::initializer_list<SequenceKey> keys,
                         const PunchRecord& punch = SamplePunchP88_67()) {
    WindowTools tools(punch);
    SequenceProgram window(part, tools.punch, tools.die);
    window.activate({}, {});
    for (SequenceKey key : keys) (window.*key)();
    return part;
}

// The hat 30 / 70 / 100 / 70 / 30 (brims -90, walls 90) and its program
// validated by hand: bends 4 and 1 (pivoted) first, then 3 and 2, validated
// from the last of the program.
inline PartRecord Hat() { return TypedProfile(2, {30, 70, 100, 70, 30}, {-90, 90, 90, -90}); }

inline PartRecord HatValidatedByHand() {
    using S = SequenceProgram;
    return ByHand(Hat(), {&S::next, &S::validate, &S::next, &S::validate, &S::previous, &S::previous, &S::pivot,
                          &S::validate, &S::next, &S::next, &S::next, &S::validate});
}

}  // namespace zelpor::test
