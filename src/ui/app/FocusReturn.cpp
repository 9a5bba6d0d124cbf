#include "ui/app/FocusReturn.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zelpor {

FocusReturn::FocusReturn(QWidget* mainWindow) : QObject(mainWindow), m_main(mainWindow) {
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched)) {
        QTimer::singleShot(0, this, [this] {
            QWidget* next = QApplication::activeModalWidget();
            if (!next) next = m_main;
            if (next && next->isVisible() && QApplication::activeWindow() != next) next->activateWindow();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zelpor
