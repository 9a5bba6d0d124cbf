#include "core/collision/CollisionCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/calc/Formulas.h"
#include "core/view/Angles.h"

namespace zelpor {
namespace {

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
// Legs shorter than this are too small to be checked as a piece of sheet.
constexpr double kShortestLeg = 4 * kTouchTolerance;

Region OutlineRegion(std::span<const OutlineElement> outline, int count, float lift) {
    Region r;
    for (int i = 0; i < count; ++i) {
        const OutlineElement& e = outline[static_cast<std::size_t>(i)];
        if (e.type != kLine) continue;
        r.addEdge({e.x1, static_cast<double>(e.y1) + lift}, {e.x2, static_cast<double>(e.y2) + lift});
    }
    return r;
}

// One leg of the sheet as it lies when the part is flat on the die: its
// inner line relative to the bend vertex, which side it is on and whether the
// bend at its start is folded.
struct FlatLeg {
    Vec2 start, end;
    double direction = 0;
    int side = 0;
    int leg = 0;
    int part = 0;  // a flank is checked in parts, each twice as far from the bend as the one before
    bool foldedStart = false;
};

struct Contact {
    double angle = 180;
    Obstacle obstacle = Obstacle::None;
};

// Everything of one bend that does not depend on the other bends: the stop,
// the regions of the machine, the punch depth at each angle.
class BendSweep {
public:
    BendSweep(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted)
        : m_setup(setup), m_thickness(part.thickness) {
        const float stop = StopPosition(part, vertex, pivoted);
        m_stop = RectangleRegion(stop, 0, stop + kStopWidth, kStopHeight);
        m_stopPiece =
            MakePiece({stop, 0}, {stop + kStopWidth, 0}, {stop + kStopWidth, kStopHeight}, {stop, kStopHeight});
        m_beam = RectangleRegion(-setup.shoulderHalfWidth, 0, setup.shoulderHalfWidth, kFar);
        m_table = RectangleRegion(-kFar, -kFar, kFar, -setup.dieHeight);
        if (setup.machine.daylight)
            m_ceiling = RectangleRegion(-kFar, *setup.machine.daylight - setup.dieHeight, kFar, 2 * kFar);
        if (setup.machine.throatDepth) m_throat = RectangleRegion(*setup.machine.throatDepth, 0, 2 * kFar, kFar);
        m_inset = std::min(kTouchTolerance, static_cast<double>(m_thickness) / 4);
        const double finalAngle = std::fabs(static_cast<double>(part.profile[static_cast<std::size_t>(vertex)].angle));
        m_angles.push_back(180);
        if (finalAngle < 180) {
            const int steps = static_cast<int>(std::ceil((180 - finalAngle) / kLargestStep));
            for (int k = 1; k <= steps; ++k)
                m_angles.push_back(k == steps ? finalAngle : 180 - (180 - finalAngle) * k / steps);
        }
    }

    double depth(double angle) const {
        return ComputeYDepth(static_cast<float>(angle), m_thickness, m_setup.entryRadius, m_setup.vOpening,
                             m_setup.vAngle);
    }
    double lift(double depthNow) const { return m_thickness + m_setup.punchHeight - depthNow; }

    // First contact of the stop with the punch coming down.
    std::optional<Contact> stopAgainstPunch() const {
        auto contact = [&](double a) { return Overlaps(m_stopPiece, m_setup.punch, {0, lift(depth(a))}); };
        auto clear = [&](double a, double b) {
            const double sink = std::fabs(depth(b) - depth(a));
            return Clearance(m_stopPiece, m_setup.punch, {0, lift(depth(a))}, sink + 1) > sink;
        };
        return Sweep(contact, clear, Obstacle::Stop);
    }

    // First contact of one leg with anything it may touch.
    std::optional<Contact> legContact(const FlatLeg& leg) const {
        Obstacle hit = Obstacle::None;
        auto contact = [&](double a) {
            hit = Obstacle::None;
            const Piece piece = pieceAt(leg, a);
            forEachRegion(leg, lift(depth(a)), [&](Obstacle kind, const Region& r, Vec2 shift) {
                if (hit == Obstacle::None && Overlaps(piece, r, shift)) hit = kind;
            });
            return hit != Obstacle::None;
        };
        auto clear = [&](double a, double b) {
            const double d = depth(a);
            const Piece piece = pieceAt(leg, a);
            double reach = 0;
            for (const Vec2& c : piece.corner) reach = std::max(reach, Length(c.x, c.y - SheetBase(m_thickness, d)));
            const double move = reach * std::fabs(a - b) * 0.5 * kDegToRad + std::fabs(depth(b) - d);
            bool isClear = true;
            forEachRegion(leg, lift(d), [&](Obstacle, const Region& r, Vec2 shift) {
                if (isClear && Clearance(piece, r, shift, move + 1) <= move) isClear = false;
            });
            return isClear;
        };
        Obstacle found = Obstacle::None;
        auto contactKeeping = [&](double a) {
            const bool c = contact(a);
            if (c) found = hit;
            return c;
        };
        auto result = Sweep(contactKeeping, clear, Obstacle::None);
        if (result) result->obstacle = found;
        return result;
    }

private:
    // Pairs that are checked: the flanks rest on the die and the flange B
    // against the stop by design; the stop gauges a folded flange after it.
    template <typename Visit>
    void forEachRegion(const FlatLeg& leg, double liftNow, Visit visit) const {
        const Vec2 up{0, liftNow};
        const bool restsOnStop = leg.side == 1 && (leg.leg == 0 || (leg.leg == 1 && leg.foldedStart));
        visit(Obstacle::Punch, m_setup.punch, up);
        if (leg.leg != 0) visit(Obstacle::Die, m_setup.die, Vec2{});
        if (!restsOnStop) visit(Obstacle::Stop, m_stop, Vec2{});
        visit(Obstacle::Frame, m_beam, up);
        visit(Obstacle::Frame, m_table, Vec2{});
        if (!m_ceiling.edges.empty()) visit(Obstacle::Frame, m_ceiling, Vec2{});
        if (!m_throat.edges.empty()) visit(Obstacle::Frame, m_throat, up);
    }

    // The leg at an included angle: its side's flank turns about the vertex
    // by half the change from flat, and the vertex sinks with the punch. The
    // piece is kept a little inside the sheet's surfaces; side A's material
    // lies left of the inner line walking out from the bend, side B's right.
    Piece pieceAt(const FlatLeg& leg, double angle) const {
        const double turn = (leg.side == 0 ? angle / 2 - 90 : 90 - angle / 2) * kDegToRad;
        const double c = std::cos(turn), s = std::sin(turn);
        const double base = SheetBase(m_thickness, depth(angle));
        auto place = [&](Vec2 p) { return Vec2{p.x * c - p.y * s, p.x * s + p.y * c + base}; };
        const Vec2 a = place(leg.start), b = place(leg.end);
        const double d = leg.direction * kDegToRad + turn;
        const double n = d + (leg.side == 0 ? 1 : -1) * 90 * kDegToRad;
        const Vec2 u{std::cos(d), std::sin(d)}, v{std::cos(n), std::sin(n)};
        const double t = m_thickness, in = m_inset;
        auto at = [&](Vec2 o, double along, double across) {
            return Vec2{o.x + along * u.x + across * v.x, o.y + along * u.y + across * v.y};
        };
        return MakePiece(at(a, in, in), at(b, -in, in), at(b, -in, t - in), at(a, in, t - in));
    }

    // Poses at least every 2 degrees; a run of them is passed over at once
    // when the distance to every obstacle exceeds the largest movement over
    // the whole run, else it is halved. Between two neighbouring poses the
    // interval is split until either a contact is found or none can happen.
    template <typename ContactAt, typename ClearBetween>
    std::optional<Contact> Sweep(ContactAt& contact, ClearBetween& clear, Obstacle kind) const {
        if (contact(180.0)) return Contact{180, kind};
        if (m_angles.size() < 2) return std::nullopt;
        return Run(contact, clear, 0, m_angles.size() - 1, kind);
    }

    // First contact after pose `from` (known clear) up to pose `to`.
    template <typename ContactAt, typename ClearBetween>
    std::optional<Contact> Run(ContactAt& contact, ClearBetween& clear, std::size_t from, std::size_t to,
                               Obstacle kind) const {
        if (to - from == 1) return Between(contact, clear, m_angles[from], m_angles[to], kind);
        if (clear(m_angles[from], m_angles[to])) return std::nullopt;
        const std::size_t mid = (from + to) / 2;
        if (auto c = Run(contact, clear, from, mid, kind)) return c;
        return Run(contact, clear, mid, to, kind);
    }

    template <typename ContactAt, typename ClearBetween>
    std::optional<Contact> Between(ContactAt& contact, ClearBetween& clear, double from, double to,
                                   Obstacle kind) const {
        if (contact(to)) {
            double clearAngle = from, hitAngle = to;
            while (clearAngle - hitAngle > kAngleResolution) {
                const double mid = (clearAngle + hitAngle) / 2;
                if (contact(mid)) hitAngle = mid;
                else clearAngle = mid;
            }
            contact(hitAngle);  // leaves the obstacle of the angle reported
            return Contact{hitAngle, kind};
        }
        if (from - to <= kAngleResolution || clear(from, to)) return std::nullopt;
        const double mid = (from + to) / 2;
        if (auto c = Between(contact, clear, from, mid, kind)) return c;
        return Between(contact, clear, mid, to, kind);
    }

    const CollisionSetup& m_setup;
    float m_thickness;
    double m_inset = 0;
    std::vector<double> m_angles;
    Region m_stop, m_beam, m_table, m_ceiling, m_throat;
    Piece m_stopPiece;
};

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

namespace {

std::vector<FlatLeg> FlatLegs(const PartRecord& part, int vertex, bool pivoted, FoldedBends folded) {
    const FoldedPart fp = FoldPart(part, vertex, 180, folded, pivoted);
    // The sheet is formed about the punch tip within the bend zone; beyond
    // it, a flank's parts double in length, so that the part nearest the tip,
    // which passes closest to the punch, moves least.
    const double bendZone = std::max(2.0 * part.thickness, 1.0);
    std::vector<FlatLeg> legs;
    for (int side = 0; side < 2; ++side) {
        const FoldedSide& s = side == 0 ? fp.sideA : fp.sideB;
        Vec2 p{0, 0};
        for (std::size_t i = 0; i < s.legs.size(); ++i) {
            const FoldLeg& l = s.legs[i];
            const Vec2 u{std::cos(l.direction * kDegToRad), std::sin(l.direction * kDegToRad)};
            const Vec2 q{p.x + l.length * u.x, p.y + l.length * u.y};
            const bool folds = l.bend >= 0 && IsFolded(folded, l.bend);
            const int leg = static_cast<int>(i);
            if (i == 0) {
                int k = 0;
                for (double from = bendZone; from < l.length - kShortestLeg; from *= 2, ++k) {
                    const double to = std::min(2 * from, static_cast<double>(l.length));
                    legs.push_back({{p.x + from * u.x, p.y + from * u.y},
                                    {p.x + to * u.x, p.y + to * u.y},
                                    l.direction,
                                    side,
                                    leg,
                                    k,
                                    folds});
                }
            } else if (l.length > kShortestLeg) {
                legs.push_back({p, q, l.direction, side, leg, 0, folds});
            }
            p = q;
        }
    }
    return legs;
}

// A leg's contact depends only on the bends between it and the bend being
// made, so it is worked out once for every state of those bends.
std::uint64_t LegKey(int vertex, bool pivoted, const FlatLeg& leg, bool towardsStart, FoldedBends folded) {
    const std::uint32_t mask = leg.leg == 0 ? 0u : ((1u << leg.leg) - 1u);
    const int low = towardsStart ? vertex - leg.leg : vertex + 1;
    const std::uint64_t bits = low >= 0 ? (folded >> low) & mask : 0;
    return bits | static_cast<std::uint64_t>(leg.leg) << 32 | static_cast<std::uint64_t>(leg.side) << 38 |
           static_cast<std::uint64_t>(pivoted) << 39 | static_cast<std::uint64_t>(vertex) << 40 |
           static_cast<std::uint64_t>(leg.part) << 48;
}

}  // namespace

struct BendChecker::Impl {
    const CollisionSetup& setup;
    const PartRecord& part;
    std::array<std::array<std::unique_ptr<BendSweep>, 2>, kProfileEntries> sweeps{};
    std::array<std::array<std::optional<std::optional<Contact>>, 2>, kProfileEntries> stopContacts{};
    std::unordered_map<std::uint64_t, std::optional<Contact>> legContacts;

    const BendSweep& sweep(int vertex, bool pivoted) {
        auto& slot = sweeps[static_cast<std::size_t>(vertex)][pivoted ? 1 : 0];
        if (!slot) slot = std::make_unique<BendSweep>(setup, part, vertex, pivoted);
        return *slot;
    }
};

BendChecker::BendChecker(const CollisionSetup& setup, const PartRecord& part)
    : m_impl(std::make_unique<Impl>(Impl{setup, part, {}, {}, {}})) {}

BendChecker::~BendChecker() = default;

BendCheck BendChecker::check(int vertex, bool pivoted, FoldedBends folded) {
    Impl& m = *m_impl;
    BendCheck result;
    result.stopPosition = StopPosition(m.part, vertex, pivoted);
    const double stop = result.stopPosition;
    // The flange against the stop must reach past the V onto the die, and the
    // stop must stand within its travel.
    const bool travelOk = !m.setup.machine.stopTravel || stop <= *m.setup.machine.stopTravel;
    if (!std::isfinite(stop) || stop < 0 || stop <= m.setup.vOpening / 2.0 || !travelOk) {
        result.obstacle = Obstacle::Stop;
        return result;
    }
    const BendSweep& sweep = m.sweep(vertex, pivoted);
    auto& stopSlot = m.stopContacts[static_cast<std::size_t>(vertex)][pivoted ? 1 : 0];
    if (!stopSlot) stopSlot = sweep.stopAgainstPunch();
    std::optional<Contact> first = *stopSlot;
    const bool towardsStartA = !pivoted;
    for (const FlatLeg& leg : FlatLegs(m.part, vertex, pivoted, folded)) {
        const bool towardsStart = leg.side == 0 ? towardsStartA : !towardsStartA;
        const std::uint64_t key = LegKey(vertex, pivoted, leg, towardsStart, folded);
        auto it = m.legContacts.find(key);
        if (it == m.legContacts.end()) it = m.legContacts.emplace(key, sweep.legContact(leg)).first;
        // The first contact is the one at the widest angle; on a tie the
        // earlier piece in the list names it.
        if (it->second && (!first || it->second->angle > first->angle)) {
            first = it->second;
            result.side = leg.side;
            result.leg = leg.leg;
        }
    }
    if (first) {
        result.obstacle = first->obstacle;
        result.angle = first->angle;
    }
    return result;
}

BendCheck CheckBend(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted, FoldedBends folded) {
    BendChecker checker(setup, part);
    return checker.check(vertex, pivoted, folded);
}

std::string CollisionText(const BendCheck& check) {
    if (!check.collides()) return {};
    return std::string("Collision ") + ObstacleName(check.obstacle) + " à " +
           std::to_string(static_cast<long>(std::lround(check.angle))) + "°";
}

}  // namespace zelpor
