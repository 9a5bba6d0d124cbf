// The collision-checked sequence: the automatic search of a 7-bend and a
// 12-bend profile, and the check of the bend on screen with the sequence
// window's repaint, as every step of the window does.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "core/collision/CollisionFixtures.h"
#include "core/sequence/AutoSequence.h"
#include "core/sequence/CollisionMarks.h"
#include "ui/sequence/SequenceWindow.h"

namespace {

using namespace zelpor;

CollisionSetup StraightPunchSetup() {
    return PrepareCollisionSetup(test::SamplePunchP88_67(), test::SampleDieV16(), test::SampleMachine());
}

// A seven-bend curved cover: 40 mm facets bent 150 degrees between two
// 60 mm flanges. Every order is weighed until the best is proved.
PartRecord SevenBends() {
    return test::TypedProfile(2, {60, 40, 40, 40, 40, 40, 40, 60}, {150, 150, 150, 150, 150, 150, 150});
}

// Twelve 165-degree facets of a rounded channel.
PartRecord TwelveBends() {
    return test::TypedProfile(2, {50, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 50},
                              {165, 165, 165, 165, 165, 165, 165, 165, 165, 165, 165, 165});
}

// Seven bends alternating up and down: no order avoids every collision, so
// the search must weigh them all to give the least bad.
PartRecord SevenBendsWithoutSolution() {
    return test::TypedProfile(2, {40, 50, 60, 70, 60, 50, 40, 30}, {90, -90, 90, -90, 90, -90, 90});
}

// The same with twelve bends: every set of folded bends is weighed.
PartRecord TwelveBendsWithoutSolution() {
    return test::TypedProfile(2, {40, 50, 60, 70, 60, 50, 40, 50, 60, 70, 60, 50, 40},
                              {90, -90, 90, -90, 90, -90, 90, -90, 90, -90, 90, -90});
}

void Search(benchmark::State& state, const PartRecord& part) {
    const CollisionSetup setup = StraightPunchSetup();
    for (auto _ : state) {
        AutoSequence found = FindAutoSequence(setup, part);
        benchmark::DoNotOptimize(found);
    }
}

void BM_AutoSequence7(benchmark::State& state) { Search(state, SevenBends()); }
void BM_AutoSequence12(benchmark::State& state) { Search(state, TwelveBends()); }
void BM_AutoSequence7NoSolution(benchmark::State& state) { Search(state, SevenBendsWithoutSolution()); }
BENCHMARK(BM_AutoSequence7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSequence12)->Unit(benchmark::kMillisecond);
void BM_AutoSequence12NoSolution(benchmark::State& state) { Search(state, TwelveBendsWithoutSolution()); }
BENCHMARK(BM_AutoSequence7NoSolution)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSequence12NoSolution)->Unit(benchmark::kMillisecond);

// Text needs a GUI application; another benchmark of the run may have made it.
void EnsureApp() {
    static int argc = 1;
    static char name[] = "zelpor_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

// One step of the window: the bend on screen checked from flat to its angle,
// the scene built, the collision marked and the frame painted.
void BM_StepCheckAndRepaint(benchmark::State& state) {
    EnsureApp();
    const CollisionSetup setup = StraightPunchSetup();
    const PartRecord part = test::TypedProfile(2, {30, 40, 30}, {90, 90});
    const PunchRecord punch = test::SamplePunchP88_67();
    const DieRecord die = test::SampleDieV16();
    QImage image(kSequenceAreaWidth, kSequenceAreaHeight, QImage::Format_RGB32);
    const ViewTransform start = SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight);
    for (auto _ : state) {
        const BendCheck check = CheckShownBend(setup, part, 0);
        SequenceScene scene =
            BuildSequenceScene(part, punch, die, 0, kSequenceAreaWidth, kSequenceAreaHeight, 0, start);
        MarkCollision(scene, part, 0, check);
        PaintSequenceScene(image, scene);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_StepCheckAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
