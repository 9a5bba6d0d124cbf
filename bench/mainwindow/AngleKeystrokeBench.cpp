// One keystroke in "Angle" through the real window: key filter, store,
// Y recomputed and written into the "Y" field.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace {

using namespace zelpor;

void BM_AngleKeystroke(benchmark::State& st) {
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

    const char digits[] = {'9', '4', '7', '1'};
    std::size_t n = 0;
    for (auto _ : st) {
        angle->setCursorPosition(0);  // typed at the start: the digit replaces the value
        QTest::keyClick(angle, digits[n++ % 4]);
    }
    benchmark::DoNotOptimize(app.state().part.bends[0].y);
    main->close();
}
BENCHMARK(BM_AngleKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
