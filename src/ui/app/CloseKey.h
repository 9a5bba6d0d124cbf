#pragma once

#include <QObject>

namespace zelpor {

// Alt+F4 closes the active window, as on the shop's desktop where the system
// does it for every window. A window manager usually takes the key itself; on
// a bare X display (a terminal at the press) the key reaches the program, and
// it is honoured once no field or window handler has used it: a window's own
// keys come first.
class CloseKey final : public QObject {
public:
    explicit CloseKey(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zelpor
