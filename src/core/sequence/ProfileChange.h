#pragma once

#include <optional>

#include "core/part/PartRecord.h"
#include "core/profile/ProfileTable.h"

namespace zelpor {

// Writes a profile typed as a table into the part.
//
// With `keepProgram` (the same segments, only their values changed) the
// bending program stays: every bend keeps its position in the order, its
// pivot and its correction, and the bend list keeps its records and indexes.
// A bend whose angle changed gets its correction again from the die in use
// (`dieVOpening`, none when no die is loaded) and its bend record the new
// angle; a changed thickness recomputes every correction.
//
// Without it (segments inserted or deleted, or a new profile) the part is left
// as a fresh drawing leaves it: no bend placed, the bend list empty.
void ApplyProfileTable(PartRecord& part, const ProfileTable& table, bool keepProgram, std::optional<float> dieVOpening);

// The developed length the part will have once the table is applied: the
// lengths, plus the corrections kept, or computed with the die in use for
// bends that have none yet (0 without a die).
double TableDevelopedLength(const PartRecord& part, const ProfileTable& table, bool keepProgram,
                            std::optional<float> dieVOpening);

}  // namespace zelpor
