#pragma once

#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// Size of the bend view's drawing area, in pixels.
inline constexpr int kBendViewWidth = 559;
inline constexpr int kBendViewHeight = 408;

// The transform of a freshly shown bend view: one pixel per millimetre, y up,
// the world origin at the centre of the drawing area.
ViewTransform InitialBendView(int width = kBendViewWidth, int height = kBendViewHeight);

// Screen to world in whole millimetres (ViewTransform::wholeWorld).
inline WorldPoint ScreenToWorld(const ViewTransform& view, int screenX, int screenY) {
    return view.wholeWorld(screenX, screenY);
}

// Centres the world origin on the drawing area and scales the drawing to fill
// it, between 1/32 and 32 pixels per millimetre. Returns false and leaves the
// view alone when the extent has no size (or is empty or not finite).
bool FitBendView(const Extent& extent, int width, int height, ViewTransform& view);

// Zoom to the rectangle between two screen corners (the two clicks).
inline RectangleZoom ZoomToRectangle(ViewTransform& view, ScreenPoint corner1, ScreenPoint corner2,
                                     int width = kBendViewWidth, int height = kBendViewHeight) {
    return view.zoomToRectangle(corner1, corner2, width, height);
}

// "Zoom Tout": back to a scale derived from the drawing's maxima. Returns
// false and leaves the view alone when a maximum is zero or negative (the
// scale would be infinite or mirrored) or the extent is not finite.
bool ZoomAll(ViewTransform& view, const Extent& extent, int width = kBendViewWidth, int height = kBendViewHeight);

// Moves the world origin so that the grabbed world point lies under the mouse again.
inline void PanView(ViewTransform& view, float anchorX, float anchorY, WorldPoint mouse) {
    view.pan(anchorX, anchorY, mouse);
}

}  // namespace zelpor
