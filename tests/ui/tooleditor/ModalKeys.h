#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace zelpor::test {

// Runs `act` once on every modal window that opens while `start` runs. A
// window still open a second after it was acted on is a failure and closed.
inline void WhileModal(const std::function<void()>& start, const std::function<void(QWidget*)>& act) {
    QTimer poll;
    std::vector<QWidget*> done;
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (std::find(done.begin(), done.end(), modal) == done.end()) {
            done.push_back(modal);
            waited = 0;
            QApplication::setActiveWindow(modal);
            act(modal);
        } else if (++waited > 200) {
            ADD_FAILURE() << modal->objectName().toStdString() << " stayed open";
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
        }
    });
    poll.start(5);
    start();
    poll.stop();
}

// Keys go to the field in hand of a window, as on a screen where it is active.
inline QWidget* Target(QWidget* window) { return window->focusWidget() ? window->focusWidget() : window; }
inline void Keys(QWidget* window, const char* text) { QTest::keyClicks(Target(window), QString::fromUtf8(text)); }
inline void Key(QWidget* window, Qt::Key k, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(Target(window), k);
}
// Each value typed and Enter pressed after it; an empty value is Enter alone.
inline void Fields(QWidget* window, std::initializer_list<const char*> values) {
    for (const char* value : values) Keys(window, value), Key(window, Qt::Key_Return);
}

}  // namespace zelpor::test
