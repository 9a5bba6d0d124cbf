// The bend view rebuilds its scene whenever the bend, punch or die changes,
// and paints one frame per repaint (every mouse move while panning).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/bendview/BendScene.h"
#include "core/bendview/BendViewZoom.h"
#include "ui/common/ScenePainter.h"
#include "support/SampleTools.h"

namespace zelpor {
namespace {

// Painting text and fonts needs a GUI application; offscreen needs no display.
void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "zelpor_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

struct BendInput {
    PartRecord part;
    TPoincon punch;
    TMatrice die;
};

// A part of `bends` right-angle and 135 degree bends, none placed yet, with
// the last one at the punch: the sheet chain runs over every segment.
BendInput MakeInput(int bends) {
    BendInput in;
    in.punch.record = test::SamplePunchP88_67();
    in.die.record = test::SampleDieV16();
    in.part.thickness = 2;
    in.part.currentBend = -1;
    in.part.lastBend = bends;
    for (int k = 0; k <= bends; ++k) {
        ProfileSegment& s = in.part.profile[static_cast<std::size_t>(k)];
        s.length = 40.0f + 10.0f * static_cast<float>(k % 3);
        s.angle = k == bends ? 0.0f : (k % 2 ? 135.0f : 90.0f);
        s.index = k == bends ? -1 : k;
        s.order = -1;
    }
    in.part.profileBendCount = bends;
    return in;
}

void BM_BuildBendScene(benchmark::State& state) {
    const BendInput in = MakeInput(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        BendSceneResult r = BuildBendScene(in.part, in.punch, in.die);
        benchmark::DoNotOptimize(r.scene.elements.data());
    }
}
BENCHMARK(BM_BuildBendScene)->Arg(2)->Arg(24);

void BM_PaintBendFrame(benchmark::State& state) {
    EnsureGuiApplication();
    const BendInput in = MakeInput(static_cast<int>(state.range(0)));
    const BendSceneResult r = BuildBendScene(in.part, in.punch, in.die);
    ViewTransform view = InitialBendView();
    FitBendView(r.scene.extent, kBendViewWidth, kBendViewHeight, view);
    QImage image(kBendViewWidth, kBendViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        ScenePainter painter(image, view);
        painter.fillBackground(QColor(128, 128, 128));
        painter.drawElements(r.scene.elements, &r.scene);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintBendFrame)->Arg(2)->Arg(24)->Unit(benchmark::kMicrosecond);

// What a bend change costs end to end: scene, fit and one painted frame.
void BM_ShowBendGraphic(benchmark::State& state) {
    EnsureGuiApplication();
    const BendInput in = MakeInput(static_cast<int>(state.range(0)));
    QImage image(kBendViewWidth, kBendViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        const BendSceneResult r = BuildBendScene(in.part, in.punch, in.die);
        ViewTransform view = InitialBendView();
        FitBendView(r.scene.extent, kBendViewWidth, kBendViewHeight, view);
        ScenePainter painter(image, view);
        painter.fillBackground(QColor(128, 128, 128));
        painter.drawElements(r.scene.elements, &r.scene);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ShowBendGraphic)->Arg(2)->Arg(24)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelpor
