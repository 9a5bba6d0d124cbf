#include "core/sequence/ProfileChange.h"

#include "core/sequence/SequenceProgram.h"

namespace zelpor {

void ApplyProfileTable(PartRecord& part, const ProfileTable& table, bool keepProgram,
                       std::optional<float> dieVOpening) {
    const PartRecord before = part;
    WriteProfileTable(part, table);
    const int n = part.safeProfileBendCount();
    if (!keepProgram || before.safeProfileBendCount() != n) return;

    const bool thicknessChanged = before.thickness != part.thickness;
    for (int k = 0; k < n; ++k) {
        ProfileSegment& entry = part.profile[static_cast<std::size_t>(k)];
        const ProfileSegment& old = before.profile[static_cast<std::size_t>(k)];
        entry.order = old.order;
        entry.pivot = old.pivot;
        entry.correction = old.correction;
        const bool angleChanged = entry.angle != old.angle;
        if (dieVOpening && (angleChanged || thicknessChanged))
            entry.correction = static_cast<float>(ComputeSequenceCorrection(entry.angle, *dieVOpening, part.thickness));
        // The program keeps bending this bend, now at its new angle.
        if (angleChanged && old.order >= 0 && old.order < kMaxBends)
            part.bends[static_cast<std::size_t>(old.order)].angle = entry.angle;
    }
    part.currentBend = before.currentBend;
    part.lastBend = before.lastBend;
}

double TableDevelopedLength(const PartRecord& part, const ProfileTable& table, bool keepProgram,
                            std::optional<float> dieVOpening) {
    PartRecord after = part;
    ApplyProfileTable(after, table, keepProgram, dieVOpening);
    if (!keepProgram || part.safeProfileBendCount() != after.safeProfileBendCount()) {
        const int n = after.safeProfileBendCount();
        for (int k = 0; k < n; ++k) after.profile[static_cast<std::size_t>(k)].correction = 0;
        if (dieVOpening) ComputeSequenceCorrections(after, *dieVOpening);
    }
    return DevelopedLength(after);
}

}  // namespace zelpor
