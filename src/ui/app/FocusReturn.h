#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace zelpor {

// When a modal window closes, the keyboard goes back to the window that
// opened it. A window manager does this on a desktop; on a bare X display
// (a kiosk terminal at the press) nothing does, and the menu accelerators
// would stop answering.
class FocusReturn final : public QObject {
public:
    explicit FocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_main;
};

}  // namespace zelpor
