#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zelpor {

// Start-up measurement and the package check both need a program that shows
// its window, says when the window has been painted, and closes it the way a
// user would (so the close handler still writes the configuration). With the
// variable ZELPOR_FIRST_PAINT set, the probe prints
//     first-paint-ns <CLOCK_MONOTONIC nanoseconds>
// once the first paint of a window is done, then closes that window. Without
// the variable nothing is installed and the program runs as usual.
// (A diagnostic switch for measurement only, not a setting.)
//
// Header only, so the bare Qt window used as the yardstick for start-up can
// use the very same probe without linking the program's libraries.
class FirstPaintProbe : public QObject {
public:
    static constexpr const char* kVariable = "ZELPOR_FIRST_PAINT";

    // Installs a probe on the application when the variable is set; the
    // application owns it. Returns it, or nullptr when not asked for.
    static FirstPaintProbe* InstallIfRequested() {
        const char* value = std::getenv(kVariable);
        if (!value || !*value) return nullptr;
        auto* probe = new FirstPaintProbe(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }

    static long long MonotonicNanoseconds() {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_done = true;
            m_window = static_cast<QWidget*>(watched)->window();
            // Queued: runs after this paint pass has reached the screen.
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    using QObject::QObject;

    void Report() {
        std::printf("first-paint-ns %lld\n", MonotonicNanoseconds());
        std::fflush(stdout);
        // Closing the last window ends the program as a user's close does.
        if (m_window) m_window->close();
    }

    bool m_done = false;
    QPointer<QWidget> m_window;
};

}  // namespace zelpor
