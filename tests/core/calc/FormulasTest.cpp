#include <gtest/gtest.h>

#include "calc/Formulas.h"

namespace zelpor {
namespace {

TEST(Formulas, YDepthWorkedValues) {
    struct Row { float angle, thickness, radius, opening, vAngle; double depth; };
    const Row rows[] = {
        {90, 2, 2, 16, 88, 4.118},    {90, 3, 3, 24, 88, 6.176},   {135, 2, 2, 16, 88, 1.122},
        {45, 2, 2, 16, 30, 10.381},   {179.9f, 2, 2, 16, 88, -1.923},
        // Only whole degrees count; the sign of the angle does not.
        {90.9f, 2, 2, 16, 88, 4.118}, {-45, 2, 2, 16, 30, 10.381},
        // Flat (180°), under one degree and past flat: no depth.
        {180, 2, 2, 16, 88, 0},       {0.5f, 2, 2, 16, 88, 0},     {200, 2, 2, 16, 88, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.angle);
        EXPECT_NEAR(ComputeYDepth(r.angle, r.thickness, r.radius, r.opening, r.vAngle), r.depth, 5e-4);
    }
    EXPECT_EQ(ComputeYDepth(180, 2, 2, 16, 88), 0);
}

TEST(Formulas, BendDeductionWorkedValues) {
    struct Row { float thickness, opening, angle; double deduction; };
    for (const Row& r : {Row{2, 16, 90, 4.019}, Row{2, 16, 120, 1.859}, Row{2, 16, 60, 2.296},
                         Row{3, 24, 135, 1.832}, Row{2, 16, 89.99f, 4.019}}) {
        SCOPED_TRACE(r.angle);
        EXPECT_NEAR(ComputeBendDeduction(r.thickness, r.opening, r.angle), r.deduction, 5e-4);
    }
}

TEST(Formulas, BendForceWorkedValueAndProportions) {
    const double base = ComputeBendForce(1000, 45, 2, 16);
    EXPECT_NEAR(base, 3.2175, 5e-5);
    EXPECT_NEAR(ComputeBendForce(1000, 45, 4, 16), 4 * base, 1e-9);  // twice the sheet: four times the force
    EXPECT_NEAR(ComputeBendForce(1000, 45, 2, 32), base / 2, 1e-9);  // twice the V: half the force
}

}  // namespace
}  // namespace zelpor
