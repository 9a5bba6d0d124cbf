// Drawing a profile: every pointer move over the drawing area proposes a new
// angle or length, repaints the back buffer and puts it on the screen. This
// is the one drawing that runs at mouse rate, so its frame must stay short.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "ui/common/WindowSet.h"
#include "ui/profile/ProfileWindow.h"
#include "ui/sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

void Enter(QLineEdit* edit, const char* value) {
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(value));
    QTest::keyClick(edit, Qt::Key_Return);
}

void SendMove(QWidget* canvas, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

// Four segments typed, the fifth angle asked: the pointer swings around the
// end of the last segment, and each move is handled and painted to the screen.
void BM_ProfilePointerMove(benchmark::State& state) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    AppState app;
    WindowSet windows;
    test::ScriptedMessages messages;
    SequenceWindow sequence(app, windows, messages);
    ProfileWindow window(app, windows, messages);
    windows.sequence = &sequence;
    windows.profile = &window;
    app.part.currentBend = -1;
    app.part.lastBend = -1;
    window.show();
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    for (const char* v : {"2", "0", "120", "90", "60", "-90", "80", "135", "40"}) Enter(edit, v);
    QWidget* canvas = window.findChild<QWidget*>(QStringLiteral("Bevel1"));
    QApplication::processEvents();

    const QPointF points[] = {{420, 120}, {520, 180}, {460, 90}, {380, 160}};
    std::size_t n = 0;
    for (auto _ : state) {
        SendMove(canvas, points[n++ % 4]);
        QApplication::processEvents();  // the repaint of the drawing area
    }
    benchmark::DoNotOptimize(window.bitmap().constBits());
    window.hide();
}
BENCHMARK(BM_ProfilePointerMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelpor
