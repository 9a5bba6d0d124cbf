#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/tools/ToolRecords.h"

namespace zelpor {

// One corner of a tool outline, in millimetres: x to the right from the
// tool's axis, y upwards (a punch hangs below y = 0, a die stands on it).
struct OutlinePoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

// A closed outline of n points is stored as n lines, so 25 slots hold 25 points.
inline constexpr int kMaxOutlinePoints = kOutlineSlots;

// A tool as the editor holds it: its figures (NaN where the typed text is no
// number) and its outline as a closed chain of points. The record it was read
// from is kept so that the bytes nobody edits are written back as they were.
struct ToolDraft {
    ToolKind kind = ToolKind::Punch;
    std::string name;  // the file name without its extension
    std::int32_t version = 1;
    std::int32_t versionIndex = 1;
    float height = 0;
    float angle = 0;  // the punch angle, or the die's V angle
    float vOpening = 0;
    float entryRadius = 0;
    std::vector<OutlinePoint> points;
    PunchRecord punchBase;
    DieRecord dieBase;
};

ToolDraft DraftFromPunch(const PunchRecord& record, const std::string& name);
ToolDraft DraftFromDie(const DieRecord& record, const std::string& name);
// A new tool: version 1.1, no figures (NaN), no outline.
ToolDraft EmptyDraft(ToolKind kind);

// The start points of the outline's lines in order; elements of other types
// have no place in a point table and are left out.
std::vector<OutlinePoint> PointsFromOutline(std::span<const OutlineElement> elements);
// n points give n lines, the last one closing the outline; red, unlabelled.
std::vector<OutlineElement> OutlineFromPoints(const std::vector<OutlinePoint>& points);

// The records written for a draft: figures and outline lines from the draft,
// the outline's arcs, circles, texts and fills and every other byte from the
// record the draft was read from; the text slots zero.
PunchRecord PunchFromDraft(const ToolDraft& draft);
DieRecord DieFromDraft(const ToolDraft& draft);
std::vector<std::uint8_t> EncodeDraft(const ToolDraft& draft);

// Why a tool cannot be saved.
enum class ToolProblem {
    None,
    Height,
    Angle,
    VOpening,
    EntryRadius,
    PointNotNumber,
    TooFewPoints,
    TooManyPoints,
    RepeatedPoint,
    PunchTip,
    PunchBelowTip,
    DieTopFace,
    DieVOpening,
    DieVGroove,
};

struct ToolCheck {
    ToolProblem problem = ToolProblem::None;
    int point = 0;  // 1-based row of the point concerned, 0 when none
    bool ok() const { return problem == ToolProblem::None; }
};

// How far a drawn point may lie from where the figures put it, in mm.
inline constexpr float kOutlineTolerance = 0.05f;

// Figures positive and finite (angles below 180); the outline closed, of 3 to
// 25 distinct consecutive points; a punch's tip on the axis at y = -height
// with nothing below it; a die's top face at its height, the V's edges at
// x = +-opening / 2 on it and the groove's bottom where the V angle puts it.
ToolCheck CheckTool(const ToolDraft& draft);
// The French message for a refused tool (UTF-8); empty when it is fine.
std::string ToolProblemText(const ToolDraft& draft, const ToolCheck& check);

// Depth of the V groove below the die's top face: (V / 2) / tan(angle / 2).
double GrooveDepth(float vOpening, float vAngle);

}  // namespace zelpor
