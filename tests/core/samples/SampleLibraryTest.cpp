#include <gtest/gtest.h>

#include "SampleLibrary.h"
#include "core/calc/Formulas.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

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
