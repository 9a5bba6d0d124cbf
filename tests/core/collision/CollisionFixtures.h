#pragma once

#include <initializer_list>

#include "collision/CollisionCheck.h"
#include "sequence/SequenceProgram.h"
#include "support/SampleTools.h"

namespace zelpor::test {

// A gooseneck punch 95 mm high: its neck swings to the stop side and leaves
// room behind the tip for a flange folded before, its belly stays above a
// flange rising at 45 degrees on the stop side.
inline PunchRecord GooseneckPunch() {
    PunchRecord p;
    p.version = 1;
    p.versionIndex = 1;
    p.height = 95;
    p.angle = 88;
    p.lastElement = OutlinePolyline(p.outline, {{-13, 0}, {13, 0}, {13, -10}, {60, -20}, {60, -30}, {30, -60},
                                                {8, -84}, {0, -95}, {-8, -84}, {20, -60}, {25, -35}, {-13, -10}});
    return p;
}

// The sample machine: 650 mm of backgauge travel, a 410 mm throat, 450 mm of daylight.
inline MachineLimits SampleMachine() { return {650.0, 410.0, 450.0}; }

// A drawn profile typed as numbers: segment lengths and the bends between
// them, nothing placed yet, corrections from the die as the window computes them.
inline PartRecord TypedProfile(float thickness, std::initializer_list<float> lengths,
                               std::initializer_list<float> angles, float vOpening = 16) {
    PartRecord part;
    part.thickness = thickness;
    part.profileBendCount = static_cast<std::int32_t>(angles.size());
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        const bool bend = k < angles.size();
        part.profile[k] = {.length = lengths.begin()[k], .angle = bend ? angles.begin()[k] : 0,
                           .index = bend ? static_cast<std::int32_t>(k) : -1, .order = -1};
    }
    part.sketchLast = static_cast<std::int32_t>(lengths.size());
    part.currentBend = part.lastBend = -1;
    ComputeSequenceCorrections(part, vOpening);
    return part;
}

// The hat 30 / 70 / 100 / 70 / 30 (brims -90, walls 90) and its program
// validated by hand in the window with the sample P88-67 and V16: bends 4
// and 1 (pivoted) first, then 3 and 2, validated from the last of the program.
inline PartRecord Hat() { return TypedProfile(2, {30, 70, 100, 70, 30}, {-90, 90, 90, -90}); }

inline PartRecord HatValidatedByHand() {
    PartRecord part = Hat();
    TPoincon punch;
    punch.name = "P88-67";
    punch.record = SamplePunchP88_67();
    TMatrice die;
    die.name = "V16";
    die.record = SampleDieV16();
    SequenceProgram window(part, punch, die);
    window.activate({}, {});
    for (auto key : {&SequenceProgram::next, &SequenceProgram::validate, &SequenceProgram::next,
                     &SequenceProgram::validate, &SequenceProgram::previous, &SequenceProgram::previous,
                     &SequenceProgram::pivot, &SequenceProgram::validate, &SequenceProgram::next,
                     &SequenceProgram::next, &SequenceProgram::next, &SequenceProgram::validate})
        (window.*key)();
    return part;
}

}  // namespace zelpor::test
