#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "core/bendview/BendScene.h"
#include "core/bendview/BendViewZoom.h"
#include "core/part/PartRecord.h"
#include "core/profile/ProfileDrawing.h"
#include "core/sequence/SequenceProgram.h"
#include "core/tools/ToolRecords.h"

using namespace zelpor;

namespace {

// Every mapped point of a scene must be computable: NaN or huge floats from a
// damaged file may make the drawing meaningless but never undefined.
void MapScene(const Scene& scene, const ViewTransform& view) {
    for (const auto& e : scene.elements) {
        (void)view.map(e.x1, e.y1);
        (void)view.map(e.x2, e.y2);
        (void)scene.textOf(e);
    }
}

// The part, punch and die of a damaged installation followed by a few bytes
// of user actions: every bend is shown, the sequence is stepped through and a
// profile is typed, with the views fitted at each step.
void Exercise(std::span<const std::uint8_t> data) {
    PartRecord part;
    DecodePart(part, data.subspan(0, std::min(data.size(), PartRecord::kFileSize)));
    std::size_t used = std::min(data.size(), PartRecord::kFileSize);
    TPoincon punch;
    TMatrice die;
    DecodePunch(punch.record, data.subspan(used, std::min(data.size() - used, PunchRecord::kFileSize)));
    used += std::min(data.size() - used, PunchRecord::kFileSize);
    DecodeDie(die.record, data.subspan(used, std::min(data.size() - used, DieRecord::kFileSize)));
    used += std::min(data.size() - used, DieRecord::kFileSize);
    const auto actions = data.subspan(used);

    for (int bend = -1; bend <= part.lastBend; ++bend) {
        PartRecord shown = part;
        shown.currentBend = bend;
        const BendSceneResult result = BuildBendScene(shown, punch, die);
        ViewTransform view = InitialBendView();
        if (result.fitView) FitBendView(result.scene.extent, kBendViewWidth, kBendViewHeight, view);
        MapScene(result.scene, view);
        ZoomAll(view, result.scene.extent);
        (void)ZoomToRectangle(view, {10, 10}, {200, 150});
        (void)ScreenToWorld(view, 100, 100);
    }

    PartRecord sequencePart = part;
    SequenceProgram program(sequencePart, punch, die);
    program.activate([] {}, [] {});
    for (std::uint8_t a : actions.first(std::min<std::size_t>(actions.size(), 32))) {
        switch (a % 4) {
        case 0: program.validate(); break;
        case 1: program.pivot(); break;
        case 2: program.next(); break;
        default: program.previous(); break;
        }
        MapScene(program.scene().scene, program.scene().view);
        FUZZ_CHECK(sequencePart.lastBend >= -1 && sequencePart.lastBend < kMaxBends);
        FUZZ_CHECK(program.step() >= 0 && program.step() < kProfileEntries);
    }

    PartRecord drawn = part;
    ProfileDrawing drawing(drawn);
    drawing.activate();
    for (std::size_t i = 0; i < actions.size() && i < 24; ++i) {
        const std::uint8_t a = actions[i];
        if (a % 5 == 0) drawing.mouseMove(a * 3, a * 2);
        else if (a % 7 == 0) drawing.acceptMinus90();
        else drawing.submit(std::to_string(static_cast<int>(a) - 100));
    }
    drawing.finish();
    FUZZ_CHECK(drawn.profileBendCount >= 0 && drawn.profileBendCount < kProfileEntries);
    FUZZ_CHECK(drawn.sketchLast >= -1 && drawn.sketchLast < kSketchEntities);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Exercise(std::span<const std::uint8_t>(data, size));
    return 0;
}
