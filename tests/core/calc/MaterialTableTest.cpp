#include <gtest/gtest.h>

#include <cmath>

#include "calc/MaterialTable.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

MaterialRecord Material(const char* name, float m) {
    MaterialRecord r;
    r.name.assign(name);
    r.coefficient = m;
    return r;
}

TEST(MaterialTable, ListEndsAtTheFirstEmptyNameAndIsWrittenAs900BytesWithNothingAfterIt) {
    std::array<MaterialRecord, kMaterialRecords> table{};
    table[0] = Material("Acier", 225);
    table[1] = Material("Alu", 125);
    table[3] = Material("Hors liste", 1);
    const MaterialList list = DecodeMaterialList(EncodeMaterialTable(table));
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Acier", "Alu"}));
    EXPECT_EQ(list.find("Alu"), 1);
    EXPECT_EQ(list.find("alu"), -1);  // names compare exactly

    const auto bytes = EncodeMaterialList(list);
    ASSERT_EQ(bytes.size(), 900u);
    const auto back = DecodeMaterialTable(bytes);
    EXPECT_EQ(back[1].coefficient, 125.0f);
    EXPECT_TRUE(back[3].name.empty());  // the record past the end is cleared
}

TEST(MaterialTable, NamesAndCoefficientsAreChecked) {
    MaterialList list;
    list.records = {Material("Acier", 225), Material("Alu", 125)};
    const struct {
        std::string name;
        int except;
        MaterialProblem problem;
    } cases[] = {{"Inox", -1, MaterialProblem::None},
                 {"  ", -1, MaterialProblem::EmptyName},
                 {std::string(32, 'a'), -1, MaterialProblem::NameTooLong},
                 {std::string(31, 'a'), -1, MaterialProblem::None},
                 {"A\tB", -1, MaterialProblem::NotLatin1},
                 {"Alu", -1, MaterialProblem::Duplicate},
                 {"Alu", 1, MaterialProblem::None},  // renaming a material to itself
                 {"Alu", 0, MaterialProblem::Duplicate}};
    for (const auto& c : cases) EXPECT_EQ(CheckMaterialName(list, c.name, c.except), c.problem) << c.name;
    list.records.resize(25, Material("X", 1));
    EXPECT_EQ(CheckMaterialName(list, "Inox", -1), MaterialProblem::TableFull);
    EXPECT_EQ(MaterialProblemText(MaterialProblem::TableFull), "La table a déjà 25 matières");
    for (float bad : {0.0f, -1.0f, NAN, INFINITY}) EXPECT_EQ(CheckCoefficient(bad), MaterialProblem::Coefficient);
    list.records[3].coefficient = 0;
    EXPECT_EQ(FirstBadCoefficient(list), 3);
}

TEST(MaterialTable, TensileStrengthGivesTheCoefficientOfTheForceCharts) {
    // Mild steel, 1 m of 2 mm on a V16 is about 16 t.
    const float m = CoefficientFromRm(450);
    EXPECT_NEAR(m, 227.7, 1e-3);
    EXPECT_NEAR(ComputeBendForce(1000, m, 2, 16), 16.28, 0.01);
    EXPECT_NEAR(RmFromCoefficient(CoefficientFromRm(700)), 700, 1e-3);
}

TEST(MaterialTable, MainWindowOffersTheTableOrTheThreeUsualNames) {
    test::TempDir dir;
    EXPECT_EQ(MaterialChoices(dir.folder()), (std::vector<std::string>{"Acier", "Alu", "Inox"}));
    MaterialList list;
    list.records = {Material("S355", 260)};
    ASSERT_TRUE(SaveMaterialList(dir.folder(), list));
    EXPECT_EQ(MaterialChoices(dir.folder()), (std::vector<std::string>{"S355"}));
}

}  // namespace
}  // namespace zelpor
