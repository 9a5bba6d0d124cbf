#include <gtest/gtest.h>

#include "calc/Formulas.h"

namespace zelpor {
namespace {

TEST(YDepth, WorkedValues) {
    EXPECT_NEAR(ComputeYDepth(90, 2, 2, 16, 88), 4.118, 5e-4);
    EXPECT_NEAR(ComputeYDepth(90, 3, 3, 24, 88), 6.176, 5e-4);
    EXPECT_NEAR(ComputeYDepth(135, 2, 2, 16, 88), 1.122, 5e-4);
    EXPECT_NEAR(ComputeYDepth(45, 2, 2, 16, 30), 10.381, 5e-4);
    EXPECT_NEAR(ComputeYDepth(179.9f, 2, 2, 16, 88), -1.923, 5e-4);
}

TEST(YDepth, OnlyWholeDegreesCountAndFlatIsZero) {
    EXPECT_DOUBLE_EQ(ComputeYDepth(90.9f, 2, 2, 16, 88), ComputeYDepth(90, 2, 2, 16, 88));
    EXPECT_DOUBLE_EQ(ComputeYDepth(-45, 2, 2, 16, 30), ComputeYDepth(45, 2, 2, 16, 30));
    EXPECT_EQ(ComputeYDepth(180, 2, 2, 16, 88), 0);
    EXPECT_EQ(ComputeYDepth(0.5f, 2, 2, 16, 88), 0);
    EXPECT_EQ(ComputeYDepth(200, 2, 2, 16, 88), 0);
}

TEST(BendDeduction, WorkedValues) {
    EXPECT_NEAR(ComputeBendDeduction(2, 16, 90), 4.019, 5e-4);
    EXPECT_NEAR(ComputeBendDeduction(2, 16, 120), 1.859, 5e-4);
    EXPECT_NEAR(ComputeBendDeduction(2, 16, 60), 2.296, 5e-4);
    EXPECT_NEAR(ComputeBendDeduction(3, 24, 135), 1.832, 5e-4);
    EXPECT_NEAR(ComputeBendDeduction(2, 16, 89.99f), 4.019, 5e-4);
}

TEST(BendForce, WorkedValueAndProportions) {
    EXPECT_NEAR(ComputeBendForce(1000, 45, 2, 16), 3.2175, 5e-5);
    EXPECT_NEAR(ComputeBendForce(1000, 45, 4, 16), 4 * ComputeBendForce(1000, 45, 2, 16), 1e-9);
    EXPECT_NEAR(ComputeBendForce(1000, 45, 2, 32), ComputeBendForce(1000, 45, 2, 16) / 2, 1e-9);
}

}  // namespace
}  // namespace zelpor
