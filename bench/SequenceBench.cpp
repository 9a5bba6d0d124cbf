// One step of the sequence window: building the scene of a bend and painting
// it into the 803 x 457 back buffer, as every click on the window does.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "core/sequence/SequenceScene.h"
#include "ui/sequence/SequenceWindow.h"

namespace {

using namespace zelpor;

void Polyline(OutlineElement* out, std::int32_t& last, std::initializer_list<std::pair<float, float>> points) {
    const std::vector<std::pair<float, float>> p(points);
    for (std::size_t i = 0; i < p.size(); ++i) {
        out[i].type = kLine;
        out[i].x1 = p[i].first;
        out[i].y1 = p[i].second;
        out[i].x2 = p[(i + 1) % p.size()].first;
        out[i].y2 = p[(i + 1) % p.size()].second;
    }
    last = static_cast<std::int32_t>(p.size()) - 1;
}

struct Setup {
    PartRecord part;
    PunchRecord punch;
    DieRecord die;
    Setup() {
        punch.height = 67;
        Polyline(punch.outline.data(), punch.lastElement, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}});
        die.height = 60;
        die.vAngle = 88;
        die.vOpening = 16;
        die.entryRadius = 2;
        Polyline(die.outline.data(), die.lastElement,
                 {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}});
        // A five-segment hat profile, the middle bend validated.
        part.thickness = 2;
        part.profileBendCount = 4;
        const float lengths[] = {20, 40, 100, 40, 20};
        const float angles[] = {90, -90, -90, 90, 0};
        for (std::size_t k = 0; k < 5; ++k) {
            part.profile[k].length = lengths[k];
            part.profile[k].angle = angles[k];
            part.profile[k].order = -1;
        }
        part.profile[2].order = 0;
        part.lastBend = 0;
        part.sketchLast = 5;
    }
};

// Text needs a GUI application; another benchmark of the run may have made it.
void EnsureApp() {
    static int argc = 1;
    static char name[] = "zelpor_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

void BM_SequenceSceneBuild(benchmark::State& state) {
    Setup s;
    const ViewTransform start = SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight);
    for (auto _ : state) {
        SequenceScene r =
            BuildSequenceScene(s.part, s.punch, s.die, 1, kSequenceAreaWidth, kSequenceAreaHeight, 0, start);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SequenceSceneBuild);

void BM_SequenceStepBuildAndPaint(benchmark::State& state) {
    EnsureApp();
    Setup s;
    QImage image(kSequenceAreaWidth, kSequenceAreaHeight, QImage::Format_RGB32);
    const ViewTransform start = SequenceStartView(kSequenceAreaWidth, kSequenceAreaHeight);
    for (auto _ : state) {
        SequenceScene r =
            BuildSequenceScene(s.part, s.punch, s.die, 3, kSequenceAreaWidth, kSequenceAreaHeight, 0, start);
        PaintSequenceScene(image, r);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SequenceStepBuildAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
