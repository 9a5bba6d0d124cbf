#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zelpor {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The world-to-screen mapping shared by every drawing: a world point maps to
// trunc((w - worldOrigin) * viewportExtent / worldExtent + viewportOrigin) on
// each axis. The y viewport extent is negative so that y points up.
struct ViewTransform {
    double worldOriginX = 0, worldOriginY = 0;
    int viewportOriginX = 0, viewportOriginY = 0;
    double worldExtentX = 1000, worldExtentY = 1000;
    double viewportExtentX = 1000, viewportExtentY = -1000;
    // The library windows truncate the scaled offset before adding the
    // screen origin; the other drawings truncate the sum. The two differ by a
    // pixel left of or above the origin.
    bool truncateBeforeOrigin = false;

    // One pixel per millimetre, y up, world origin at the given screen point.
    static ViewTransform Identity(int originX, int originY) {
        ViewTransform t;
        t.viewportOriginX = originX;
        t.viewportOriginY = originY;
        return t;
    }

    double scaleX() const { return viewportExtentX / worldExtentX; }
    double scaleY() const { return viewportExtentY / worldExtentY; }

    ScreenPoint map(double x, double y) const { return {mapX(x), mapY(y)}; }
    int mapX(double x) const { return MapAxis((x - worldOriginX) * viewportExtentX / worldExtentX, viewportOriginX); }
    int mapY(double y) const { return MapAxis((y - worldOriginY) * viewportExtentY / worldExtentY, viewportOriginY); }

    // Inverse in floating point (profile drawing, sequence).
    double unmapX(int X) const { return (X - viewportOriginX) * worldExtentX / viewportExtentX + worldOriginX; }
    double unmapY(int Y) const { return (Y - viewportOriginY) * worldExtentY / viewportExtentY + worldOriginY; }

    // A length in world units for a number of pixels along x.
    double pixelsToWorld(double pixels) const { return pixels * worldExtentX / viewportExtentX; }

    int MapAxis(double scaledOffset, int origin) const {
        if (truncateBeforeOrigin) return ToScreen(scaledOffset) + origin;
        return ToScreen(scaledOffset + origin);
    }

    // Truncation toward zero; NaN and values beyond the int range never reach
    // an integer conversion (that would be undefined behaviour).
    static int ToScreen(double v) {
        if (std::isnan(v)) return 0;
        constexpr double kLimit = 1 << 30;
        if (v > kLimit) return static_cast<int>(kLimit);
        if (v < -kLimit) return -static_cast<int>(kLimit);
        return static_cast<int>(std::trunc(v));
    }
};

}  // namespace zelpor
