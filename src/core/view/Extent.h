#pragma once

namespace zelpor {

// Bounding box that grows by strict comparisons, starting "inside out".
struct Extent {
    float minX = 1e7f, minY = 1e7f, maxX = -1e7f, maxY = -1e7f;
    void reset() { *this = Extent{}; }
    void add(float x, float y) {
        if (x < minX) minX = x;
        if (y < minY) minY = y;
        if (x > maxX) maxX = x;
        if (y > maxY) maxY = y;
    }
    float width() const { return maxX - minX; }
    float height() const { return maxY - minY; }
};

}  // namespace zelpor
