// Work that grows with a real shop's folders: the library with hundreds of
// tools, the left column with a job of thousands of parts, the tool lists and
// the two selection dialogs; and the durable write a safe part save must be
// compared with.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/app/Application.h"
#include "ui/common/WindowSet.h"
#include "ui/dialogs/SelectCustomDialog.h"
#include "ui/dialogs/SelectPartDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "support/SampleTools.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

bool HasWidgets(benchmark::State& st) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    st.SkipWithError("needs the widgets application of BenchMain");
    return false;
}

// `count` punch files P0000.pun ... in `folder` (the sample punch each time).
void WritePunches(const std::string& folder, int count) {
    const auto bytes = EncodePunch(test::SamplePunchP88_67());
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "P%04d.pun", i);
        test::WriteAll(folder + name, bytes);
    }
}

// A safe save must at least do this: a temporary file beside the target,
// written and flushed to the disk, renamed over the target, and the folder
// flushed so the rename itself survives a power cut.
void BM_DurableWrite10741(benchmark::State& st) {
    test::TempDir dir;
    const std::vector<char> bytes(10741, 'x');
    const std::string target = dir.file("part.pie"), temporary = dir.file(".part.pie.tmp");
    for (auto _ : st) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            ::fsync(fd) != 0) {
            st.SkipWithError("write failed");
            break;
        }
        ::close(fd);
        std::rename(temporary.c_str(), target.c_str());
        const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(folder);
        ::close(folder);
    }
}
BENCHMARK(BM_DurableWrite10741)->Unit(benchmark::kMicrosecond);

// Opening the punch library: a window made and shown with its tabs, the first
// tool read and drawn. Reopening the same window on an unchanged folder is the
// second figure.
void BM_LibraryOpen(benchmark::State& st) {
    if (!HasWidgets(st)) return;
    test::TempDir dir;
    WritePunches(dir.folder(), static_cast<int>(st.range(0)));
    AppState state;
    state.workspace.pathTools = dir.folder();
    test::ScriptedMessages messages;
    for (auto _ : st) {
        ToolLibraryWindow window(state, ToolKind::Punch, messages);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.toolCount());
        window.hide();
    }
}
BENCHMARK(BM_LibraryOpen)->Arg(4)->Arg(249)->Arg(499)->Arg(999)->Unit(benchmark::kMillisecond);

void BM_LibraryReopen(benchmark::State& st) {
    if (!HasWidgets(st)) return;
    test::TempDir dir;
    WritePunches(dir.folder(), static_cast<int>(st.range(0)));
    AppState state;
    state.workspace.pathTools = dir.folder();
    test::ScriptedMessages messages;
    ToolLibraryWindow window(state, ToolKind::Punch, messages);
    for (auto _ : st) {
        window.show();
        QApplication::processEvents();
        window.hide();
    }
}
BENCHMARK(BM_LibraryReopen)->Arg(999)->Unit(benchmark::kMillisecond);

// The main window on job "JOB" with `parts` part files and `tools` punches.
struct Workshop {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    test::ScriptedMessages messages;
    std::unique_ptr<Application> app;

    Workshop(int parts, int tools) {
        Workspace ws{dir.folder() + "Customers/", "JOB", "P00000", dir.folder() + "Tools/"};
        fs::create_directories(dir.path() / "Customers" / "JOB");
        fs::create_directories(dir.path() / "Tools");
        PartRecord part;
        part.thickness = 2;
        part.currentBend = part.lastBend = 0;
        part.bends[0].punch.assign("P0001");
        const auto bytes = EncodePart(part);
        for (int i = 0; i < std::max(parts, 1); ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "P%05d.pie", i);
            test::WriteAll(ws.pathCustomers + "JOB/" + name, bytes);
        }
        WritePunches(ws.pathTools, tools);
        SaveWorkspace(ws, dir.file("zelpor.INI"));
        app = std::make_unique<Application>(dir.file("zelpor"), "", &messages);
        app->start();
        main()->activateWindow();
        (void)QTest::qWaitForWindowActive(main());
    }
    ~Workshop() { main()->close(); }
    MainWindow* main() { return app->windows().main; }
    void focus(const char* name) {
        main()->findChild<QWidget*>(QLatin1String(name))->setFocus();
        QApplication::processEvents();
    }
    void key(Qt::Key k) { QTest::keyClick(main()->focusWidget(), k); }
};

// Down from the part field to the bend field and Up again: two fields
// entered, each asking whether the job holds parts. Per key.
void BM_UpDownInTheLeftColumn(benchmark::State& st) {
    if (!HasWidgets(st)) return;
    Workshop shop(static_cast<int>(st.range(0)), 2);
    shop.focus("Edit2");
    for (auto _ : st) {
        shop.key(Qt::Key_Down);
        shop.key(Qt::Key_Up);
    }
    st.SetItemsProcessed(2 * st.iterations());
    st.counters["per_key_us"] = benchmark::Counter(2.0 * static_cast<double>(st.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UpDownInTheLeftColumn)->Arg(1)->Arg(5000)->Unit(benchmark::kMillisecond);

// Entering the punch field: its list filled from the tools folder and the
// bend's punch selected. Per entry (Down from the material, Up back to it).
void BM_PunchFieldList(benchmark::State& st) {
    if (!HasWidgets(st)) return;
    Workshop shop(1, static_cast<int>(st.range(0)));
    shop.focus("CBmatiere");
    for (auto _ : st) {
        shop.key(Qt::Key_Down);
        shop.key(Qt::Key_Up);
    }
}
BENCHMARK(BM_PunchFieldList)->Arg(2000)->Unit(benchmark::kMillisecond);

// "Selection Piece" on a job of `n` parts and "Selection Affaire" on `n`
// jobs: the dialog shown with its list filled and the current entry chosen
// (the current part is saved first, as the dialog does).
template <class Dialog>
void SelectionOpen(benchmark::State& st, bool jobs) {
    if (!HasWidgets(st)) return;
    test::TempDir dir;
    AppState state;
    state.workspace = {dir.folder(), "JOB", "P00000", dir.folder()};
    fs::create_directories(dir.path() / "JOB");
    for (int i = 0; i < st.range(0); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, jobs ? "J%05d" : "P%05d.pie", i);
        if (jobs) fs::create_directory(dir.path() / name);
        else test::WriteAll((dir.path() / "JOB" / name).string(), {0});
    }
    WindowSet windows;
    test::ScriptedMessages messages;
    Dialog dialog(state, windows, messages);
    for (auto _ : st) {
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
    }
}
void BM_SelectionPiece(benchmark::State& st) { SelectionOpen<SelectPartDialog>(st, false); }
void BM_SelectionAffaire(benchmark::State& st) { SelectionOpen<SelectCustomDialog>(st, true); }
BENCHMARK(BM_SelectionPiece)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionAffaire)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelpor
