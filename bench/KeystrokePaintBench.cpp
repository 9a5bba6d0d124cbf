// One keystroke in "Angle" as the user sees it: the key goes through the
// field's filter, the angle is stored, Y recomputed and written, and the
// repaint that follows reaches the screen. The counters tell how much of the
// window each keystroke repaints: only the two fields should be drawn again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>

#include <filesystem>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

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

void BM_AngleKeystrokePainted(benchmark::State& st) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        st.SkipWithError("needs the widgets application of BenchMain");
        return;
    }
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
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

    test::ScriptedMessages messages;
    Application app(dir.file("zelpor"), "", &messages);
    app.start();
    MainWindow* main = app.windows().main;
    main->activateWindow();
    (void)QTest::qWaitForWindowActive(main);
    auto* angle = main->findChild<QLineEdit*>(QStringLiteral("Eangle"));
    angle->setFocus();
    QApplication::processEvents();

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    const char digits[] = {'9', '4', '7', '1'};
    std::size_t n = 0;
    for (auto _ : st) {
        angle->setCursorPosition(0);  // typed at the start: the digit replaces the value
        QTest::keyClick(angle, digits[n++ % 4]);
        QApplication::processEvents();  // the repaint of what changed
    }
    qApp->removeEventFilter(&counter);
    const double keys = static_cast<double>(st.iterations());
    st.counters["widgets_painted"] = static_cast<double>(counter.widgets) / keys;
    st.counters["pixels_painted"] = static_cast<double>(counter.pixels) / keys;
    benchmark::DoNotOptimize(app.state().part.bends[0].y);
    main->close();
}
BENCHMARK(BM_AngleKeystrokePainted)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelpor
