#include "core/tools/ToolEditing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/text/Numbers.h"

namespace zelpor {
namespace {

constexpr std::int32_t kRed = Rgb(255, 0, 0);

bool Positive(float v) { return std::isfinite(v) && v > 0; }
bool AngleOk(float v) { return Positive(v) && v < 180; }
bool Near(double a, double b) { return std::fabs(a - b) <= kOutlineTolerance + 1e-4; }
std::string Mm(double v) { return FormatFixed(v, 2); }

bool HasPointNear(const std::vector<OutlinePoint>& points, double x, double y) {
    return std::any_of(points.begin(), points.end(),
                       [&](const OutlinePoint& p) { return Near(p.x, x) && Near(p.y, y); });
}

// The checks every tool shares: figures given, outline closed and small enough.
ToolCheck CheckOutline(const std::vector<OutlinePoint>& points) {
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y))
            return {ToolProblem::PointNotNumber, static_cast<int>(i) + 1};
    if (n > static_cast<std::size_t>(kMaxOutlinePoints)) return {ToolProblem::TooManyPoints, 0};
    if (n < 3) return {ToolProblem::TooFewPoints, 0};
    for (std::size_t i = 0; i < n; ++i)
        if (points[i] == points[(i + 1) % n]) return {ToolProblem::RepeatedPoint, static_cast<int>((i + 1) % n) + 1};
    return {};
}

ToolCheck CheckPunchShape(const ToolDraft& d) {
    for (std::size_t i = 0; i < d.points.size(); ++i)
        if (d.points[i].y < -d.height - kOutlineTolerance) return {ToolProblem::PunchBelowTip, static_cast<int>(i) + 1};
    if (!HasPointNear(d.points, 0, -d.height)) return {ToolProblem::PunchTip, 0};
    return {};
}

ToolCheck CheckDieShape(const ToolDraft& d) {
    float top = -std::numeric_limits<float>::infinity();
    for (const OutlinePoint& p : d.points) top = std::max(top, p.y);
    if (!Near(top, d.height)) return {ToolProblem::DieTopFace, 0};
    const double half = d.vOpening / 2.0;
    if (!HasPointNear(d.points, half, d.height) || !HasPointNear(d.points, -half, d.height))
        return {ToolProblem::DieVOpening, 0};
    if (!HasPointNear(d.points, 0, d.height - GrooveDepth(d.vOpening, d.angle))) return {ToolProblem::DieVGroove, 0};
    return {};
}

}  // namespace

double GrooveDepth(float vOpening, float vAngle) {
    return (vOpening / 2.0) / std::tan(vAngle / 2.0 * std::numbers::pi / 180.0);
}

ToolDraft DraftFromPunch(const PunchRecord& record, const std::string& name) {
    ToolDraft d;
    d.kind = ToolKind::Punch;
    d.name = name;
    d.version = record.version;
    d.versionIndex = record.versionIndex;
    d.height = record.height;
    d.angle = record.angle;
    d.points = PointsFromOutline(std::span(record.outline.data(), static_cast<std::size_t>(record.elementCount())));
    d.punchBase = record;
    return d;
}

ToolDraft DraftFromDie(const DieRecord& record, const std::string& name) {
    ToolDraft d;
    d.kind = ToolKind::Die;
    d.name = name;
    d.version = record.version;
    d.versionIndex = record.versionIndex;
    d.height = record.height;
    d.angle = record.vAngle;
    d.vOpening = record.vOpening;
    d.entryRadius = record.entryRadius;
    d.points = PointsFromOutline(std::span(record.outline.data(), static_cast<std::size_t>(record.elementCount())));
    d.dieBase = record;
    return d;
}

ToolDraft EmptyDraft(ToolKind kind) {
    ToolDraft d;
    d.kind = kind;
    constexpr float kNone = std::numeric_limits<float>::quiet_NaN();
    d.height = d.angle = d.vOpening = d.entryRadius = kNone;
    return d;
}

std::vector<OutlinePoint> PointsFromOutline(std::span<const OutlineElement> elements) {
    std::vector<OutlinePoint> points;
    for (const OutlineElement& e : elements)
        if (e.type == kLine) points.push_back({e.x1, e.y1});
    return points;
}

std::vector<OutlineElement> OutlineFromPoints(const std::vector<OutlinePoint>& points) {
    std::vector<OutlineElement> lines;
    for (std::size_t i = 0; i < points.size(); ++i) {
        OutlineElement e;
        e.type = kLine;
        e.colour = kRed;
        const OutlinePoint& to = points[(i + 1) % points.size()];
        e.x1 = points[i].x;
        e.y1 = points[i].y;
        e.x2 = to.x;
        e.y2 = to.y;
        lines.push_back(e);
    }
    return lines;
}

namespace {

// The elements of the file the draft came from that are no lines (arcs,
// circles, texts, fill seeds): the point table does not show them, and they
// are kept after the lines.
template <typename Record>
std::vector<OutlineElement> KeptElements(const Record& r) {
    std::vector<OutlineElement> kept;
    for (int i = 0; i < r.elementCount(); ++i)
        if (r.outline[static_cast<std::size_t>(i)].type != kLine)
            kept.push_back(r.outline[static_cast<std::size_t>(i)]);
    return kept;
}

// Fills the outline slots of a record: the lines of the points, then the kept
// elements, the slots after them cleared so an old longer outline leaves
// nothing behind.
template <typename Record>
void StoreOutline(Record& r, const std::vector<OutlinePoint>& points) {
    std::vector<OutlineElement> lines = OutlineFromPoints(points);
    const std::vector<OutlineElement> kept = KeptElements(r);
    lines.insert(lines.end(), kept.begin(), kept.end());
    const std::size_t n = std::min(lines.size(), r.outline.size());
    for (std::size_t i = 0; i < r.outline.size(); ++i) {
        const OutlineElement& was = r.outline[i];
        // A line drawn where it was keeps its stored colour and label, so an
        // outline nobody changed is written back byte for byte.
        const bool same = i < n && was.type == kLine && lines[i].type == kLine && was.x1 == lines[i].x1 &&
                          was.y1 == lines[i].y1 && was.x2 == lines[i].x2 && was.y2 == lines[i].y2;
        if (!same) r.outline[i] = i < n ? lines[i] : OutlineElement{};
    }
    // A single element cannot be expressed: the stored index counts from 1.
    r.lastElement = n >= 2 ? static_cast<std::int32_t>(n - 1) : 0;
    r.textSlots = {};
}

}  // namespace

PunchRecord PunchFromDraft(const ToolDraft& d) {
    PunchRecord r = d.punchBase;
    r.version = d.version;
    r.versionIndex = d.versionIndex;
    r.height = d.height;
    r.angle = d.angle;
    StoreOutline(r, d.points);
    return r;
}

DieRecord DieFromDraft(const ToolDraft& d) {
    DieRecord r = d.dieBase;
    r.version = d.version;
    r.versionIndex = d.versionIndex;
    r.height = d.height;
    r.vAngle = d.angle;
    r.vOpening = d.vOpening;
    r.entryRadius = d.entryRadius;
    StoreOutline(r, d.points);
    return r;
}

std::vector<std::uint8_t> EncodeDraft(const ToolDraft& d) {
    return d.kind == ToolKind::Punch ? EncodePunch(PunchFromDraft(d)) : EncodeDie(DieFromDraft(d));
}

ToolCheck CheckTool(const ToolDraft& d) {
    if (!Positive(d.height)) return {ToolProblem::Height, 0};
    if (!AngleOk(d.angle)) return {ToolProblem::Angle, 0};
    if (d.kind == ToolKind::Die) {
        if (!Positive(d.vOpening)) return {ToolProblem::VOpening, 0};
        if (!Positive(d.entryRadius)) return {ToolProblem::EntryRadius, 0};
    }
    if (const ToolCheck c = CheckOutline(d.points); !c.ok()) return c;
    const std::size_t kept =
        d.kind == ToolKind::Punch ? KeptElements(d.punchBase).size() : KeptElements(d.dieBase).size();
    if (d.points.size() + kept > static_cast<std::size_t>(kOutlineSlots)) return {ToolProblem::TooManyPoints, 0};
    return d.kind == ToolKind::Punch ? CheckPunchShape(d) : CheckDieShape(d);
}

std::string ToolProblemText(const ToolDraft& d, const ToolCheck& c) {
    const bool punch = d.kind == ToolKind::Punch;
    const std::string row = std::to_string(c.point);
    switch (c.problem) {
    case ToolProblem::None: return {};
    case ToolProblem::Height: return "La hauteur doit \xC3\xAAtre un nombre positif";
    case ToolProblem::Angle:
        return std::string(punch ? "L'angle du poin\xC3\xA7on" : "L'angle du v\xC3\xA9") +
               " doit \xC3\xAAtre un nombre entre 0 et 180";
    case ToolProblem::VOpening: return "L'ouverture du v\xC3\xA9 doit \xC3\xAAtre un nombre positif";
    case ToolProblem::EntryRadius:
        return "Le rayon d'entr\xC3\xA9"
               "e doit \xC3\xAAtre un nombre positif";
    case ToolProblem::PointNotNumber:
        return "Point " + row +
               " : coordonn\xC3\xA9"
               "e non num\xC3\xA9rique";
    case ToolProblem::TooFewPoints: return "Le contour doit \xC3\xAAtre ferm\xC3\xA9 : 3 points au moins";
    case ToolProblem::TooManyPoints: return "Le contour a plus de 25 \xC3\xA9l\xC3\xA9ments";
    case ToolProblem::RepeatedPoint:
        return "Point " + row +
               " : confondu avec le point pr\xC3\xA9"
               "c\xC3\xA9"
               "dent";
    case ToolProblem::PunchTip:
        return "La pointe du poin\xC3\xA7on doit \xC3\xAAtre sur l'axe en x = 0, y = " + Mm(-d.height);
    case ToolProblem::PunchBelowTip:
        return "Point " + row + " : sous la pointe du poin\xC3\xA7on (y = " + Mm(-d.height) + ")";
    case ToolProblem::DieTopFace:
        return "Le dessus de la matrice doit \xC3\xAAtre \xC3\xA0 sa hauteur, y = " + Mm(d.height);
    case ToolProblem::DieVOpening:
        return "L'ouverture du v\xC3\xA9 ne correspond pas au contour : ar\xC3\xAAtes attendues en x = \xC2\xB1" +
               Mm(d.vOpening / 2.0) + ", y = " + Mm(d.height);
    case ToolProblem::DieVGroove:
        return "L'angle du v\xC3\xA9 ne correspond pas au contour : fond du v\xC3\xA9 attendu en x = 0, y = " +
               Mm(d.height - GrooveDepth(d.vOpening, d.angle));
    }
    return {};
}

}  // namespace zelpor
