#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SampleLibrary.h"
#include "calc/Formulas.h"
#include "params/ParameterTable.h"
#include "support/TempDir.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Every element is a line starting where the previous one ended, the last one
// closing on the first point; returns the lowest and highest start y.
template <std::size_t N>
std::pair<float, float> ExpectClosedPolyline(const std::array<OutlineElement, N>& outline, int count) {
    float low = 0, high = 0;
    for (int i = 0; i < count; ++i) {
        const OutlineElement& e = outline[static_cast<std::size_t>(i)];
        const OutlineElement& next = outline[static_cast<std::size_t>((i + 1) % count)];
        EXPECT_EQ(e.type, kLine) << i;
        EXPECT_EQ((std::pair{e.x2, e.y2}), (std::pair{next.x1, next.y1})) << i;
        low = std::min(low, e.y1), high = std::max(high, e.y1);
    }
    for (std::size_t i = static_cast<std::size_t>(count); i < N; ++i) EXPECT_EQ(outline[i].type, 0);
    return {low, high};
}

TEST(SampleLibrary, InstallsIntoAnEmptyFolderAndNeverOverwrites) {
    test::TempDir dir;
    EXPECT_EQ(InstallSampleLibrary(dir.folder()), 12);  // the first start checks the punches and tables
    EXPECT_EQ(Sorted(ListToolNames(dir.folder(), ToolKind::Die)), (Names{"V12", "V16", "V16-30", "V24", "V35", "V8"}));
    EXPECT_EQ(InstallSampleLibrary(dir.folder()), 0);  // installing again writes nothing

    test::TempDir mine;
    const auto own = test::RandomBytes(2032, 4);
    test::WriteAll(mine.file("V16.DIE"), own);
    EXPECT_EQ(InstallSampleLibrary(mine.folder()), 11);
    EXPECT_EQ(test::ReadAll(mine.file("V16.DIE")), own);
    EXPECT_FALSE(fs::exists(mine.path() / "V16.die"));
}

TEST(SampleLibrary, MaterialsGiveTheChartForces) {
    test::TempDir dir;
    InstallSampleLibrary(dir.folder());
    const std::pair<const char*, double> rows[] = {{"Acier", 16.09}, {"Alu", 8.94}, {"Inox", 25.03}};
    for (const auto& [name, tonnes] : rows) {
        float m = 0;
        ASSERT_TRUE(LoadMaterialCoefficient(dir.folder(), name, m)) << name;
        EXPECT_NEAR(ComputeBendForce(1000, m, 2, 16), tonnes, 0.005) << name;  // 1000 mm, 2 mm sheet, V16
    }
}

}  // namespace
}  // namespace zelpor
