#include "collision/CollisionCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "calc/Formulas.h"

namespace zelpor {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
// Largest step between two checked poses, degrees.
constexpr double kLargestStep = 2.0;
// Contacts are located to within this angle, degrees.
constexpr double kAngleResolution = 0.05;
// The sheet is checked this far inside its surfaces, so that resting on the
// die or against the punch tip, where the drawing makes them meet exactly, is
// no collision.
constexpr double kTouchTolerance = 0.05;
// Reach of the regions that stand for the table and the frame.
constexpr double kFar = 1e5;
constexpr float kStopWidth = 10, kStopHeight = 20;

Region OutlineRegion(std::span<const OutlineElement> outline, int count, float lift) {
    Region r;
    for (int i = 0; i < count; ++i) {
        const OutlineElement& e = outline[static_cast<std::size_t>(i)];
        if (e.type != kLine) continue;
        r.addEdge({e.x1, static_cast<double>(e.y1) + lift}, {e.x2, static_cast<double>(e.y2) + lift});
    }
    return r;
}

struct SheetPiece {
    Piece piece;
    int side = 0;
    int leg = 0;
    bool foldedStart = false;  // the bend at the start of this leg is folded
    double reach = 0;          // farthest corner from the bend vertex
};

struct Pose {
    double depth = 0;
    double base = 0;
    std::vector<SheetPiece> pieces;
};

// The sheet at one included angle as pieces of thickness T, each kept a
// little inside its surfaces; side A's material lies left of the drawn line
// (walking out from the bend), side B's right of it.
Pose PoseAt(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted, FoldedBends folded,
            double angle) {
    Pose pose;
    pose.depth = ComputeYDepth(static_cast<float>(angle), part.thickness, setup.entryRadius, setup.vOpening,
                               setup.vAngle);
    pose.base = SheetBase(part.thickness, pose.depth);
    const FoldedPart fp = FoldPart(part, vertex, angle, folded, pivoted);
    const double t = part.thickness;
    const double inset = std::min(kTouchTolerance, t / 4);
    for (int side = 0; side < 2; ++side) {
        const FoldedSide& s = side == 0 ? fp.sideA : fp.sideB;
        const double normalTurn = side == 0 ? 90 : -90;
        Vec2 p{0, pose.base};
        for (std::size_t i = 0; i < s.legs.size(); ++i) {
            const FoldLeg& leg = s.legs[i];
            const double d = leg.direction * kDegToRad, n = (leg.direction + normalTurn) * kDegToRad;
            const Vec2 u{std::cos(d), std::sin(d)}, v{std::cos(n), std::sin(n)};
            const Vec2 q{p.x + leg.length * u.x, p.y + leg.length * u.y};
            if (leg.length > 2 * inset) {
                auto at = [&](Vec2 o, double along, double across) {
                    return Vec2{o.x + along * u.x + across * v.x, o.y + along * u.y + across * v.y};
                };
                SheetPiece sp;
                sp.piece = MakePiece(at(p, inset, inset), at(q, -inset, inset), at(q, -inset, t - inset),
                                     at(p, inset, t - inset));
                sp.side = side;
                sp.leg = static_cast<int>(i);
                sp.foldedStart = leg.bend >= 0 && IsFolded(folded, leg.bend);
                for (const Vec2& c : sp.piece.corner)
                    sp.reach = std::max(sp.reach, std::hypot(c.x, c.y - pose.base));
                pose.pieces.push_back(sp);
            }
            p = q;
        }
    }
    return pose;
}

struct Hit {
    Obstacle obstacle = Obstacle::None;
    int side = -1;
    int leg = -1;
};

// The obstacles of one pose; `movesWithPunch` regions are given at a lift of 0.
struct ObstacleSet {
    struct Entry {
        Obstacle kind;
        const Region* region;
        bool movesWithPunch;
    };
    std::vector<Entry> entries;
};

class BendSweep {
public:
    BendSweep(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted, FoldedBends folded)
        : m_setup(setup), m_part(part), m_vertex(vertex), m_pivoted(pivoted), m_folded(folded) {
        const float stop = StopPosition(part, vertex, pivoted);
        m_stop = RectangleRegion(stop, 0, stop + kStopWidth, kStopHeight);
        m_stopPiece = MakePiece({stop, 0}, {stop + kStopWidth, 0}, {stop + kStopWidth, kStopHeight},
                                {stop, kStopHeight});
        m_beam = RectangleRegion(-setup.shoulderHalfWidth, 0, setup.shoulderHalfWidth, kFar);
        m_table = RectangleRegion(-kFar, -kFar, kFar, -setup.dieHeight);
        if (setup.machine.daylight)
            m_ceiling = RectangleRegion(-kFar, *setup.machine.daylight - setup.dieHeight, kFar, 2 * kFar);
        if (setup.machine.throatDepth) m_throat = RectangleRegion(*setup.machine.throatDepth, 0, 2 * kFar, kFar);
    }

    // Punch lift above the die top for a punch depth.
    double lift(double depth) const { return m_part.thickness + m_setup.punchHeight - depth; }

    Pose pose(double angle) const { return PoseAt(m_setup, m_part, m_vertex, m_pivoted, m_folded, angle); }

    // Pairs that are checked: the flanks rest on the die and the flange B
    // against the stop by design; the stop gauges a folded flange after it.
    bool checked(const SheetPiece& sp, Obstacle kind) const {
        if (kind == Obstacle::Die) return sp.leg != 0;
        if (kind == Obstacle::Stop) return !(sp.side == 1 && (sp.leg == 0 || (sp.leg == 1 && sp.foldedStart)));
        return true;
    }

    template <typename Visit>
    void forEachRegion(double liftNow, Visit visit) const {
        const Vec2 up{0, liftNow};
        visit(Obstacle::Punch, m_setup.punch, up);
        visit(Obstacle::Die, m_setup.die, Vec2{});
        visit(Obstacle::Stop, m_stop, Vec2{});
        visit(Obstacle::Frame, m_beam, up);
        visit(Obstacle::Frame, m_table, Vec2{});
        if (!m_ceiling.edges.empty()) visit(Obstacle::Frame, m_ceiling, Vec2{});
        if (!m_throat.edges.empty()) visit(Obstacle::Frame, m_throat, up);
    }

    Hit contact(const Pose& p) const {
        Hit hit;
        const double l = lift(p.depth);
        if (Overlaps(m_stopPiece, m_setup.punch, {0, l})) return {Obstacle::Stop, -1, -1};
        for (const SheetPiece& sp : p.pieces) {
            forEachRegion(l, [&](Obstacle kind, const Region& r, Vec2 shift) {
                if (hit.obstacle == Obstacle::None && checked(sp, kind) && Overlaps(sp.piece, r, shift))
                    hit = {kind, sp.side, sp.leg};
            });
            if (hit.obstacle != Obstacle::None) return hit;
        }
        return hit;
    }

    // True when nothing can be touched while the bend goes from the pose at
    // `from` to `to`: every piece is farther from every obstacle than it can
    // move (turning about the vertex by half the change, with the vertex
    // and the punch moving by the change of depth).
    bool clearBetween(const Pose& from, double fromAngle, double toAngle, double toDepth) const {
        const double turn = std::fabs(fromAngle - toAngle) * 0.5 * kDegToRad;
        const double sink = std::fabs(toDepth - from.depth);
        const double l = lift(from.depth);
        if (Clearance(m_stopPiece, m_setup.punch, {0, l}, sink + kTouchTolerance) <= sink) return false;
        for (const SheetPiece& sp : from.pieces) {
            const double reach = sp.reach * turn + sink;
            bool clear = true;
            forEachRegion(l, [&](Obstacle kind, const Region& r, Vec2 shift) {
                if (clear && checked(sp, kind) && Clearance(sp.piece, r, shift, reach + 1) <= reach) clear = false;
            });
            if (!clear) return false;
        }
        return true;
    }

private:
    const CollisionSetup& m_setup;
    const PartRecord& m_part;
    int m_vertex;
    bool m_pivoted;
    FoldedBends m_folded;
    Region m_stop, m_beam, m_table, m_ceiling, m_throat;
    Piece m_stopPiece;
};

// First contact in (from, to], or none. `fromPose` has no contact.
std::optional<std::pair<double, Hit>> FirstContact(const BendSweep& sweep, double from, const Pose& fromPose,
                                                   double to) {
    const Pose toPose = sweep.pose(to);
    if (const Hit h = sweep.contact(toPose); h.obstacle != Obstacle::None) {
        // Narrow down to the first angle of contact.
        double clearAngle = from, hitAngle = to;
        Hit first = h;
        while (clearAngle - hitAngle > kAngleResolution) {
            const double mid = (clearAngle + hitAngle) / 2;
            const Hit m = sweep.contact(sweep.pose(mid));
            if (m.obstacle != Obstacle::None) {
                hitAngle = mid;
                first = m;
            } else {
                clearAngle = mid;
            }
        }
        return std::make_pair(hitAngle, first);
    }
    if (from - to <= kAngleResolution || sweep.clearBetween(fromPose, from, to, toPose.depth)) return std::nullopt;
    const double mid = (from + to) / 2;
    const Pose midPose = sweep.pose(mid);
    if (const Hit m = sweep.contact(midPose); m.obstacle != Obstacle::None) return FirstContact(sweep, from, fromPose, mid);
    if (auto early = FirstContact(sweep, from, fromPose, mid)) return early;
    return FirstContact(sweep, mid, midPose, to);
}

}  // namespace

const char* ObstacleName(Obstacle obstacle) {
    switch (obstacle) {
        case Obstacle::Punch: return "poinçon";
        case Obstacle::Die: return "matrice";
        case Obstacle::Stop: return "butée";
        case Obstacle::Frame: return "bâti";
        case Obstacle::None: break;
    }
    return "";
}

MachineLimits MachineLimitsFrom(const ParameterTable& table) {
    MachineLimits limits;
    for (const MachineParameter& p : table.entries) {
        if (!std::isfinite(p.value)) continue;
        if (p.number == 11) limits.stopTravel = p.value;
        if (p.number == 15 && p.value > 0) limits.throatDepth = p.value;
        if (p.number == 16 && p.value > 0) limits.daylight = p.value;
    }
    return limits;
}

CollisionSetup PrepareCollisionSetup(const PunchRecord& punch, const DieRecord& die, const MachineLimits& machine) {
    CollisionSetup s;
    s.punch = OutlineRegion(punch.outline, punch.elementCount(), 0);
    s.die = OutlineRegion(die.outline, die.elementCount(), -die.height);
    s.punchHeight = punch.height;
    for (const Edge& e : s.punch.edges)
        for (const Vec2& p : {e.a, e.b})
            if (std::fabs(p.y) < 1e-3) s.shoulderHalfWidth = std::max(s.shoulderHalfWidth, std::fabs(p.x));
    s.dieHeight = die.height;
    s.vOpening = die.vOpening;
    s.vAngle = die.vAngle;
    s.entryRadius = die.entryRadius;
    s.machine = machine;
    return s;
}

BendCheck CheckBend(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted,
                    FoldedBends folded) {
    BendCheck result;
    result.stopPosition = StopPosition(part, vertex, pivoted);
    const double stop = result.stopPosition;
    // The flange against the stop must reach past the V onto the die, and the
    // stop must stand within its travel.
    const bool travelOk = !setup.machine.stopTravel || stop <= *setup.machine.stopTravel;
    if (!std::isfinite(stop) || stop < 0 || stop <= setup.vOpening / 2.0 || !travelOk) {
        result.obstacle = Obstacle::Stop;
        return result;
    }
    const BendSweep sweep(setup, part, vertex, pivoted, folded);
    Pose flat = sweep.pose(180);
    if (const Hit h = sweep.contact(flat); h.obstacle != Obstacle::None) {
        result.obstacle = h.obstacle;
        result.side = h.side;
        result.leg = h.leg;
        return result;
    }
    const double finalAngle = std::fabs(static_cast<double>(part.profile[static_cast<std::size_t>(vertex)].angle));
    if (!(finalAngle < 180)) return result;
    const int steps = static_cast<int>(std::ceil((180 - finalAngle) / kLargestStep));
    double from = 180;
    for (int k = 1; k <= steps; ++k) {
        const double to = k == steps ? finalAngle : 180 - (180 - finalAngle) * k / steps;
        if (auto contact = FirstContact(sweep, from, flat, to)) {
            result.obstacle = contact->second.obstacle;
            result.angle = contact->first;
            result.side = contact->second.side;
            result.leg = contact->second.leg;
            return result;
        }
        from = to;
        flat = sweep.pose(to);
    }
    return result;
}

std::string CollisionText(const BendCheck& check) {
    if (!check.collides()) return {};
    return std::string("Collision ") + ObstacleName(check.obstacle) + " à " +
           std::to_string(static_cast<long>(std::lround(check.angle))) + "°";
}

}  // namespace zelpor
