#include "core/collision/Shapes.h"

#include <algorithm>
#include <cmath>

namespace zelpor {
namespace {

double Cross(Vec2 o, Vec2 a, Vec2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

bool OnSegment(Vec2 p, Vec2 a, Vec2 b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

bool SegmentsMeet(Vec2 p1, Vec2 p2, Vec2 q1, Vec2 q2) {
    const int d1 = Sign(Cross(q1, q2, p1)), d2 = Sign(Cross(q1, q2, p2));
    const int d3 = Sign(Cross(p1, p2, q1)), d4 = Sign(Cross(p1, p2, q2));
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    return (d1 == 0 && OnSegment(p1, q1, q2)) || (d2 == 0 && OnSegment(p2, q1, q2)) ||
           (d3 == 0 && OnSegment(q1, p1, p2)) || (d4 == 0 && OnSegment(q2, p1, p2));
}

double PointSegmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return Length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double SegmentDistance(Vec2 p1, Vec2 p2, Vec2 q1, Vec2 q2) {
    if (SegmentsMeet(p1, p2, q1, q2)) return 0;
    return std::min({PointSegmentDistance(p1, q1, q2), PointSegmentDistance(p2, q1, q2),
                     PointSegmentDistance(q1, p1, p2), PointSegmentDistance(q2, p1, p2)});
}

Vec2 Plus(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }

bool PieceContains(const Piece& piece, Vec2 p) {
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const int s = Sign(Cross(piece.corner[i], piece.corner[(i + 1) % 4], p));
        if (s == 0) continue;
        if (sign == 0) sign = s;
        else if (s != sign) return false;
    }
    return true;
}

Box2 Shifted(const Box2& b, Vec2 d) { return {b.minX + d.x, b.minY + d.y, b.maxX + d.x, b.maxY + d.y}; }

}  // namespace

void Box2::add(Vec2 p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
}

double Box2::gap(const Box2& o) const {
    const double dx = std::max({0.0, o.minX - maxX, minX - o.maxX});
    const double dy = std::max({0.0, o.minY - maxY, minY - o.maxY});
    if (dx == 0) return dy;
    if (dy == 0) return dx;
    return Length(dx, dy);
}

void Region::addEdge(Vec2 a, Vec2 b) {
    edges.push_back({a, b});
    box.add(a);
    box.add(b);
}

bool Region::contains(Vec2 p) const {
    bool inside = false;
    for (const Edge& e : edges) {
        if ((e.a.y > p.y) != (e.b.y > p.y)) {
            const double x = e.a.x + (p.y - e.a.y) * (e.b.x - e.a.x) / (e.b.y - e.a.y);
            if (p.x < x) inside = !inside;
        }
    }
    return inside;
}

Region RectangleRegion(double minX, double minY, double maxX, double maxY) {
    Region r;
    r.addEdge({minX, minY}, {maxX, minY});
    r.addEdge({maxX, minY}, {maxX, maxY});
    r.addEdge({maxX, maxY}, {minX, maxY});
    r.addEdge({minX, maxY}, {minX, minY});
    return r;
}

Piece MakePiece(Vec2 a, Vec2 b, Vec2 c, Vec2 d) {
    Piece p{{a, b, c, d}, {}};
    for (const Vec2& v : p.corner) p.box.add(v);
    return p;
}

bool Overlaps(const Piece& piece, const Region& region, Vec2 shift) {
    if (piece.box.gap(Shifted(region.box, shift)) > 0) return false;
    for (const Edge& e : region.edges) {
        const Vec2 a = Plus(e.a, shift), b = Plus(e.b, shift);
        for (int i = 0; i < 4; ++i)
            if (SegmentsMeet(piece.corner[i], piece.corner[(i + 1) % 4], a, b)) return true;
    }
    // No boundaries cross: either one lies inside the other or they are apart.
    if (region.contains({piece.corner[0].x - shift.x, piece.corner[0].y - shift.y})) return true;
    return !region.edges.empty() && PieceContains(piece, Plus(region.edges.front().a, shift));
}

double Clearance(const Piece& piece, const Region& region, Vec2 shift, double limit) {
    if (piece.box.gap(Shifted(region.box, shift)) >= limit) return limit;
    if (Overlaps(piece, region, shift)) return 0;
    double best = limit;
    for (const Edge& e : region.edges) {
        const Vec2 a = Plus(e.a, shift), b = Plus(e.b, shift);
        Box2 eb;
        eb.add(a);
        eb.add(b);
        if (piece.box.gap(eb) >= best) continue;
        for (int i = 0; i < 4; ++i)
            best = std::min(best, SegmentDistance(piece.corner[i], piece.corner[(i + 1) % 4], a, b));
    }
    return best;
}

}  // namespace zelpor
