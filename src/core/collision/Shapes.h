#pragma once

#include <cmath>
#include <span>
#include <vector>

namespace zelpor {

// Plain length of a vector (coordinates here are millimetres, far from
// where std::hypot's care for overflow would matter, and it is much slower).
inline double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

struct Vec2 {
    double x = 0, y = 0;
};

struct Box2 {
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    void add(Vec2 p);
    // Gap between two boxes (0 when they overlap).
    double gap(const Box2& other) const;
};

struct Edge {
    Vec2 a, b;
};

// A closed region given by its boundary edges (any number of loops, in any
// order): a tool outline, the backgauge finger, a part of the machine.
struct Region {
    std::vector<Edge> edges;
    Box2 box;
    void addEdge(Vec2 a, Vec2 b);
    bool contains(Vec2 p) const;  // even-odd rule
};

// A rectangle's region.
Region RectangleRegion(double minX, double minY, double maxX, double maxY);

// One straight piece of sheet as a convex quadrilateral (corners in order).
struct Piece {
    Vec2 corner[4];
    Box2 box;
};

Piece MakePiece(Vec2 a, Vec2 b, Vec2 c, Vec2 d);

// True when the piece and the region share any point (touching counts).
bool Overlaps(const Piece& piece, const Region& region, Vec2 regionShift = {});

// Smallest distance between the piece and the region's boundary, or 0 when
// they overlap; `limit` lets far pairs stop early (the result is then >= limit).
double Clearance(const Piece& piece, const Region& region, Vec2 regionShift, double limit);

}  // namespace zelpor
