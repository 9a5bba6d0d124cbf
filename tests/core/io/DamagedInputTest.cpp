// Files from a shared disk may be hand-edited or written by other programs. A
// part gets hostile values in every index field: the program must keep
// running, keep every index inside its table and show finite views. (Random,
// truncated and oversized files of every kind are the fuzz targets' seeds,
// replayed with the tests; under the sanitizer build both also prove no read
// or write outside a table.)
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/bendview/BendScene.h"
#include "core/bendview/BendViewZoom.h"
#include "core/part/PartRecord.h"
#include "core/sequence/SequenceProgram.h"
#include "support/SampleTools.h"
#include "support/TempDir.h"
#include "core/tools/ToolRecords.h"

using namespace zelpor;
using namespace zelpor::test;

namespace {

constexpr std::int32_t kHostileIndexes[] = {-5, 25, 1000, std::numeric_limits<std::int32_t>::max(),
                                            std::numeric_limits<std::int32_t>::min()};

bool FiniteView(const ViewTransform& v) {
    for (double d :
         {v.worldOriginX, v.worldOriginY, v.worldExtentX, v.worldExtentY, v.viewportExtentX, v.viewportExtentY})
        if (!std::isfinite(d)) return false;
    return v.worldExtentX != 0 && v.worldExtentY != 0 && v.viewportExtentX != 0 && v.viewportExtentY != 0;
}

// Shows every bend, steps through the sequence and fits the tool views, the
// way a user looking at the part would, with lettered sample tools; checks
// what reached the screen.
void ShowEverything(const PartRecord& part) {
    TPoincon punch;
    punch.record = SamplePunchP88_67();
    AddLettering(punch.record);
    TMatrice die;
    die.record = SampleDieV16();
    AddLettering(die.record);
    for (int bend = -1; bend <= part.lastBend; ++bend) {
        PartRecord shown = part;
        shown.currentBend = bend;
        const BendSceneResult result = BuildBendScene(shown, punch, die);
        ViewTransform view = InitialBendView();
        if (result.fitView) FitBendView(result.scene.extent, kBendViewWidth, kBendViewHeight, view);
        ZoomAll(view, result.scene.extent);
        EXPECT_TRUE(FiniteView(view)) << "bend " << bend;
        for (const auto& e : result.scene.elements) {
            const ScreenPoint p = view.map(e.x1, e.y1);
            EXPECT_LE(std::abs(p.x), (1 << 30) + kBendViewWidth);
            EXPECT_LE(std::abs(p.y), (1 << 30) + kBendViewHeight);
            EXPECT_LE(result.scene.textOf(e).size(), 128u);
        }
    }
    PartRecord sequencePart = part;
    SequenceProgram program(sequencePart, punch, die);
    program.activate([] {}, [] {});
    for (int i = 0; i < 30; ++i) {  // past the end of any profile
        program.validate();
        program.pivot();
        program.next();
        EXPECT_TRUE(FiniteView(program.scene().view));
        EXPECT_TRUE(0 <= program.step() && program.step() < kProfileEntries) << program.step();
    }
}

// Writes the part to a file and reads it back as the main window would.
PartRecord ThroughAFile(const PartRecord& part) {
    TempDir dir;
    EXPECT_EQ(WritePart(part, dir.folder(), "JOB", "P.pie"), 1);
    PartRecord read;
    EXPECT_TRUE(ReadPart(read, dir.folder(), "JOB", "P.pie"));
    return read;
}

// Either no bend at all or a cursor inside the bends; counts used inside their tables.
void ExpectBounded(const PartRecord& p) {
    EXPECT_TRUE((p.currentBend == -1 && p.lastBend == -1) ||
                (0 <= p.currentBend && p.currentBend <= p.lastBend && p.lastBend < kMaxBends));
    if (p.hasCurrentBend()) {
        EXPECT_EQ(p.currentBendRecord(), &p.bends[static_cast<std::size_t>(p.currentBend)]);
    }
    EXPECT_TRUE(0 <= p.safeProfileBendCount() && p.safeProfileBendCount() < kProfileEntries);
    EXPECT_TRUE(-1 <= p.safeSketchLast() && p.safeSketchLast() < kSketchEntities);
}

// Sets one field in every entry of a table.
template <class Table, class Field>
void SetAll(Table& table, Field field, std::int32_t value) {
    for (auto& entry : table) entry.*field = value;
}

using PartEdit = void (*)(PartRecord&, std::int32_t);

}  // namespace

TEST(DamagedPart, HostileValueInEveryIndexField) {
    const std::pair<const char*, PartEdit> fields[] = {
        {"currentBend", [](PartRecord& p, std::int32_t v) { p.currentBend = v; }},
        {"lastBend", [](PartRecord& p, std::int32_t v) { p.lastBend = v; }},
        {"profileBendCount", [](PartRecord& p, std::int32_t v) { p.profileBendCount = v; }},
        {"sketchLast", [](PartRecord& p, std::int32_t v) { p.sketchLast = v; }},
        {"profile.index", [](PartRecord& p, std::int32_t v) { SetAll(p.profile, &ProfileSegment::index, v); }},
        {"profile.order", [](PartRecord& p, std::int32_t v) { SetAll(p.profile, &ProfileSegment::order, v); }},
        {"sketch.textIndex", [](PartRecord& p, std::int32_t v) { SetAll(p.sketch, &SketchEntity::textIndex, v); }},
        {"sketch.type", [](PartRecord& p, std::int32_t v) { SetAll(p.sketch, &SketchEntity::type, v); }},
    };
    for (const auto& [name, edit] : fields) {
        for (std::int32_t value : kHostileIndexes) {
            SCOPED_TRACE(std::string(name) + " = " + std::to_string(value));
            PartRecord hostile = SampleBracketPart();
            edit(hostile, value);
            const PartRecord read = ThroughAFile(hostile);
            ExpectBounded(read);
            ShowEverything(read);
        }
    }
}
