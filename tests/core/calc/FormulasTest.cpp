#include <gtest/gtest.h>

#include "calc/Formulas.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::pair<const char*, float>>;

TEST(Formulas, WorkedValues) {
    struct Y { float angle, thickness, radius, opening, vAngle; double depth; };
    // Whole degrees only, sign ignored; flat (180°), under one degree and past flat give no depth.
    for (const Y& r : {Y{90, 2, 2, 16, 88, 4.118}, Y{90, 3, 3, 24, 88, 6.176}, Y{135, 2, 2, 16, 88, 1.122},
                       Y{45, 2, 2, 16, 30, 10.381}, Y{179.9f, 2, 2, 16, 88, -1.923}, Y{90.9f, 2, 2, 16, 88, 4.118},
                       Y{-45, 2, 2, 16, 30, 10.381}, Y{180, 2, 2, 16, 88, 0}, Y{0.5f, 2, 2, 16, 88, 0},
                       Y{200, 2, 2, 16, 88, 0}}) {
        EXPECT_NEAR(ComputeYDepth(r.angle, r.thickness, r.radius, r.opening, r.vAngle), r.depth, 5e-4) << r.angle;
    }
    struct D { float thickness, opening, angle; double deduction; };
    for (const D& r : {D{2, 16, 90, 4.019}, D{2, 16, 120, 1.859}, D{2, 16, 60, 2.296}, D{3, 24, 135, 1.832},
                       D{2, 16, 89.99f, 4.019}}) {
        EXPECT_NEAR(ComputeBendDeduction(r.thickness, r.opening, r.angle), r.deduction, 5e-4) << r.angle;
    }
    const double force = ComputeBendForce(1000, 45, 2, 16);
    EXPECT_NEAR(force, 3.2175, 5e-5);
    EXPECT_NEAR(ComputeBendForce(1000, 45, 4, 16), 4 * force, 1e-9);  // twice the sheet: four times the force
    EXPECT_NEAR(ComputeBendForce(1000, 45, 2, 32), force / 2, 1e-9);  // twice the V: half the force
}

Bytes MakeTable(const Rows& rows) {
    std::array<MaterialRecord, kMaterialRecords> t{};
    for (std::size_t i = 0; i < rows.size(); ++i) t[i].name.assign(rows[i].first), t[i].coefficient = rows[i].second;
    return EncodeMaterialTable(t);
}

TEST(MaterialTable, RecordLayoutAndRandomRoundTrip) {
    const Bytes image = MakeTable({{"Acier", 225}});
    EXPECT_EQ(std::string(image.begin(), image.begin() + 6), std::string("Acier\0", 6));
    EXPECT_EQ(image[32] | image[33] << 8 | image[34] << 16 | image[35] << 24, 0x43610000);  // 225.0f
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Bytes random = test::RandomBytes(900, seed);
        EXPECT_EQ(EncodeMaterialTable(DecodeMaterialTable(random)), random) << seed;
    }
}

// The coefficient starts at 7 in every row: a lookup that finds nothing leaves it.
TEST(MaterialTable, LookupRules) {
    struct Row { Rows table; const char* name; float coefficient; };
    const Rows twice = {{"Acier", 200}, {"Alu", 125}, {"Acier", 225}};
    const Row rows[] = {
        {twice, "Acier", 225}, {twice, "Alu", 125},  // the last record of a name wins
        {{{"Acier", 225}, {"Alu", 125}, {"", 1}, {"Inox", 350}}, "Inox", 7},  // an empty name ends the table
        {{{"Acier", 225}}, "acier", 7}, {{{"Acier", 225}}, "Acier ", 7}, {{{"Acier", 225}}, "", 7},  // exact names
    };
    for (const Row& r : rows) {
        test::TempDir dir;
        test::WriteAll(dir.file("material.dat"), MakeTable(r.table));
        float coefficient = 7;
        EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), r.name, coefficient)) << r.name;
        EXPECT_EQ(coefficient, r.coefficient) << r.name;
    }
    test::TempDir empty;
    float coefficient = 45;
    EXPECT_FALSE(LoadMaterialCoefficient(empty.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 45);
}

}  // namespace
}  // namespace zelpor
