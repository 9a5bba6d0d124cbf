#pragma once

#include <functional>

class QPainter;
class QStyleOption;
class QWidget;

namespace zelpor {

// A text field's panel (its base colour and rounded frame) drawn once per
// look and kept as a picture: the style strokes the rounded frame with
// antialiasing on every paint, which was most of the work of repainting a
// field after a keystroke. A look is the field's size, state, frame and every
// colour of its palette, so the picture is the very one the style draws.
//
// Draws the panel for `option` on `painter`, through the cache when the field
// is a plain text field with a plain base colour, else by calling `draw`
// (the style's own drawing) directly. `draw` paints the panel for the option
// it is given on the painter it is given.
void DrawLineEditPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget,
                       const std::function<void(const QStyleOption*, QPainter*)>& draw);

}  // namespace zelpor
