// One keystroke in "Angle" through the real window: key filter, store, Y
// recomputed and written into the "Y" field; and the same keystroke with the
// repaint that follows it reaching the screen. The counters of the second tell
// how much of the window each keystroke repaints: only the two fields should
// be drawn again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>

#include <filesystem>
#include <memory>

#include "ui/app/Application.h"
#include "ui/mainwindow/MainWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// The main window on a part with one 90° bend in 2 mm on V16, the keyboard
// in "Angle".
struct AngleFieldSession {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    test::ScriptedMessages messages;
    std::unique_ptr<Application> app;
    QLineEdit* angle = nullptr;

    AngleFieldSession() {
        Workspace ws{dir.folder() + "Customers/", "JOB", "P1", dir.folder() + "Tools/"};
        std::filesystem::create_directories(dir.path() / "Customers" / "JOB");
        std::filesystem::create_directories(dir.path() / "Tools");
        DieRecord die;
        die.vOpening = 16;
        die.vAngle = 88;
        die.entryRadius = 2;
        test::WriteAll(ws.pathTools + "V16.DIE", EncodeDie(die));
        PartRecord part;
        part.thickness = 2;
        part.currentBend = part.lastBend = 0;
        part.bends[0].angle = 90;
        part.bends[0].die.assign("V16");
        WritePart(part, ws.pathCustomers, ws.customer, "P1.pie");
        SaveWorkspace(ws, dir.file("zelpor.INI"));

        app = std::make_unique<Application>(dir.file("zelpor"), "", &messages);
        app->start();
        MainWindow* main = app->windows().main;
        main->activateWindow();
        (void)QTest::qWaitForWindowActive(main);
        angle = main->findChild<QLineEdit*>(QStringLiteral("Eangle"));
        angle->setFocus();
        QApplication::processEvents();
    }
    ~AngleFieldSession() {
        benchmark::DoNotOptimize(app->state().part.bends[0].y);
        app->windows().main->close();
    }
    // A digit typed at the start of the field replaces the value.
    void typeDigit(std::size_t n) {
        static constexpr char kDigits[] = {'9', '4', '7', '1'};
        angle->setCursorPosition(0);
        QTest::keyClick(angle, kDigits[n % 4]);
    }
};

bool HasWidgetsApplication(benchmark::State& st) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    st.SkipWithError("needs the widgets application of BenchMain");
    return false;
}

// Counts the widgets painted and the pixels they covered.
class PaintCounter : public QObject {
public:
    long widgets = 0;
    long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++widgets;
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            pixels += static_cast<long>(r.width()) * r.height();
        }
        return false;
    }
};

void BM_AngleKeystroke(benchmark::State& st) {
    if (!HasWidgetsApplication(st)) return;
    AngleFieldSession session;
    std::size_t n = 0;
    for (auto _ : st) session.typeDigit(n++);
}
BENCHMARK(BM_AngleKeystroke)->Unit(benchmark::kMicrosecond);

void BM_AngleKeystrokePainted(benchmark::State& st) {
    if (!HasWidgetsApplication(st)) return;
    AngleFieldSession session;
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    std::size_t n = 0;
    for (auto _ : st) {
        session.typeDigit(n++);
        QApplication::processEvents();  // the repaint of what changed
    }
    qApp->removeEventFilter(&counter);
    const double keys = static_cast<double>(st.iterations());
    st.counters["widgets_painted"] = static_cast<double>(counter.widgets) / keys;
    st.counters["pixels_painted"] = static_cast<double>(counter.pixels) / keys;
}
BENCHMARK(BM_AngleKeystrokePainted)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelpor
