#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/view/Extent.h"

namespace zelpor {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// A world point in whole millimetres, as the mouse handling sees it.
struct WorldPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

// How a scale rounds the extents it writes. Each drawing keeps the rounding
// it has always had: a point on the edge of the drawing lands on one pixel or
// the next by it.
enum class ScaleRounding {
    Exact,          // the profile sketch and the sequence
    WholeExtents,   // the bend view: extents cut to whole numbers
    SingleShrink,   // "Zoom Tout": the shrink factor in single precision, extents cut to whole numbers
    SingleExtents,  // the library windows: the scale and the extents in single precision
};

enum class RectangleZoom {
    None,         // no width: the view is unchanged
    OriginXOnly,  // a width but no height: only the world origin x moved
    Zoomed,       // centred on the rectangle and scaled to it
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

    // The scale never goes beyond 32 pixels per millimetre nor below 1/32.
    static constexpr double kMaxScale = 32;
    static constexpr double kUnitExtent = 1000;

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

    // Sets the scale to `pixelsPerMm`, kept between 1/32 and 32: from one
    // pixel per millimetre up the viewport extents grow against a world extent
    // of 1000, below it the world extents grow against a viewport of 1000.
    void setScale(double pixelsPerMm, ScaleRounding rounding = ScaleRounding::Exact);

    // The largest scale at which every point of the extent, measured from the
    // world origin, stays within `halfWidth` x `halfHeight` pixels of the
    // viewport origin; 32 along an axis the drawing does not leave. Nothing
    // when the extent or the room gives no finite, positive scale.
    static std::optional<double> FitScale(const Extent& extent, double halfWidth, double halfHeight);

    // Screen to world with integer arithmetic (integer division toward zero),
    // so that a mouse point lands on whole millimetres.
    WorldPoint wholeWorld(int screenX, int screenY) const;

    // Zoom window: centres the view on the rectangle between two screen
    // corners and scales it to fill a drawing of `width` x `height` pixels.
    RectangleZoom zoomToRectangle(ScreenPoint corner1, ScreenPoint corner2, int width, int height);

    // Moves the world origin so that the world point `anchor`, grabbed when
    // the button went down, lies under the mouse point `mouse` again.
    void pan(float anchorX, float anchorY, WorldPoint mouse);

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
