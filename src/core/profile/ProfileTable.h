#pragma once

#include <vector>

#include "core/part/PartRecord.h"
#include "core/profile/ProfileDrawing.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// One row of a profile typed as a table: a segment and the bend after it.
struct ProfileRow {
    double length = 0;
    double angle = 180;  // included angle of the bend after the segment; not used on the last row

    friend bool operator==(const ProfileRow&, const ProfileRow&) = default;
};

// A whole profile as numbers: the sheet thickness, the direction of the first
// segment and one row per segment (at most 25 segments, 24 bends).
struct ProfileTable {
    static constexpr int kMaxRows = kProfileEntries;

    double thickness = 0;
    double orientation = 0;
    std::vector<ProfileRow> rows;

    int bendCount() const { return rows.empty() ? 0 : static_cast<int>(rows.size()) - 1; }
    friend bool operator==(const ProfileTable&, const ProfileTable&) = default;
};

// The profile of a part as a table: segments 0 .. bend count with their angles.
ProfileTable TableFromPart(const PartRecord& part);

// Writes the table into the part through the drawing's own steps (thickness,
// orientation, then per segment its length and the angle of the bend after
// it, then finishing), so that the profile entries, the bend count, the sketch
// and its extent are what the drawing window stores for the same values. The
// bend list is emptied as after a drawing. Rows past the 25th are ignored.
// Returns the view that fits the sketch into `area`.
ViewTransform WriteProfileTable(PartRecord& part, const ProfileTable& table, const DrawingArea& area = {});

// The part's sketch as drawing elements, with the number of every bend
// (1, 2, ...) in yellow at its vertex, sized for the view.
Scene SketchScene(const PartRecord& part, const ViewTransform& view);

}  // namespace zelpor
