#include <gtest/gtest.h>

#include "core/calc/Formulas.h"

namespace zelpor {
namespace {

TEST(Formulas, WorkedValues) {
    struct Y {
        float angle, thickness, radius, opening, vAngle;
        double depth;
    };
    // Whole degrees only, sign ignored; flat (180°), under one degree and past flat give no depth.
    for (const Y& r :
         {Y{90, 2, 2, 16, 88, 4.118}, Y{90, 3, 3, 24, 88, 6.176}, Y{135, 2, 2, 16, 88, 1.122},
          Y{45, 2, 2, 16, 30, 10.381}, Y{179.9f, 2, 2, 16, 88, -1.923}, Y{90.9f, 2, 2, 16, 88, 4.118},
          Y{-45, 2, 2, 16, 30, 10.381}, Y{180, 2, 2, 16, 88, 0}, Y{0.5f, 2, 2, 16, 88, 0}, Y{200, 2, 2, 16, 88, 0}}) {
        EXPECT_NEAR(ComputeYDepth(r.angle, r.thickness, r.radius, r.opening, r.vAngle), r.depth, 5e-4) << r.angle;
    }
    struct D {
        float thickness, opening, angle;
        double deduction;
    };
    for (const D& r : {D{2, 16, 90, 4.019}, D{2, 16, 120, 1.859}, D{2, 16, 60, 2.296}, D{3, 24, 135, 1.832},
                       D{2, 16, 89.99f, 4.019}}) {
        EXPECT_NEAR(ComputeBendDeduction(r.thickness, r.opening, r.angle), r.deduction, 5e-4) << r.angle;
    }
    const double force = ComputeBendForce(1000, 45, 2, 16);
    EXPECT_NEAR(force, 3.2175, 5e-5);
    EXPECT_NEAR(ComputeBendForce(1000, 45, 4, 16), 4 * force, 1e-9);  // twice the sheet: four times the force
    EXPECT_NEAR(ComputeBendForce(1000, 45, 2, 32), force / 2, 1e-9);  // twice the V: half the force
}

}  // namespace
}  // namespace zelpor
