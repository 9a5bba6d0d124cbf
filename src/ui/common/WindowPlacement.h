#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zelpor {

// Places a window in the middle of the screen it is on, frame included. The
// profile drawing and sequence windows open there rather than over their
// owner, also on a display without a window manager.
inline void CentreOnDesktop(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(desktop.x() + (desktop.width() - outer.width()) / 2,
                desktop.y() + (desktop.height() - outer.height()) / 2);
}

}  // namespace zelpor
