#pragma once

#include <QStyle>

class QToolButton;

namespace zelpor {

// Gives a button of the main window's tool strip the style's picture for
// `standard`. `themeName` is the icon theme's name for that picture,
// `builtInName` the style's own image ("standardbutton-open").
//
// The style would build the picture from its images at 16, 32 and 128 pixels,
// decoding all three, after asking the icon theme for it. Where no desktop
// icon theme is set (only the "hicolor" fallback, or none), the button gets
// the 16 and 32 pixel images at once (all a 25 x 24 button shows, also on a
// double-density screen) and the theme is asked only once the button has
// been painted: should it have the picture after all, the button takes the
// style's. The same pixels, without the theme search and the large image
// before the window first appears.
void SetToolStripIcon(QToolButton* button, QStyle::StandardPixmap standard, const char* themeName,
                      const char* builtInName);

}  // namespace zelpor
