#include "ui/app/CloseKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace zelpor {

CloseKey::CloseKey(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool CloseKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* window = qobject_cast<QWidget*>(watched);
    // A key nobody used travels up to its window: only there is it ours.
    if (key->key() != Qt::Key_F4 || key->modifiers() != Qt::AltModifier || !window || !window->isWindow())
        return QObject::eventFilter(watched, event);
    // Closed once the key has been delivered, as from the title bar: a
    // dialog's close is its "Annuler".
    QTimer::singleShot(0, window, [window] { window->close(); });
    return true;
}

}  // namespace zelpor
