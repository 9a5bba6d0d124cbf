#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/Formulas.h"
#include "core/calc/MaterialTable.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::pair<const char*, float>>;

MaterialRecord Material(const char* name, float m) {
    MaterialRecord r;
    r.name.assign(name);
    r.coefficient = m;
    return r;
}

Bytes MakeTable(const Rows& rows) {
    std::array<MaterialRecord, kMaterialRecords> t{};
    for (std::size_t i = 0; i < rows.size(); ++i) t[i].name.assign(rows[i].first), t[i].coefficient = rows[i].second;
    return EncodeMaterialTable(t);
}

TEST(MaterialTable, ListEndsAtTheFirstEmptyNameAndIsWrittenAs900BytesWithNothingAfterIt) {
    const MaterialList list = DecodeMaterialList(MakeTable({{"Acier", 225}, {"Alu", 125}, {"", 0}, {"Hors liste", 1}}));
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
                 {"A\tB", -1, MaterialProblem::NotLatin1},
                 {std::string(32, 'a'), -1, MaterialProblem::NameTooLong},
                 {std::string(31, 'a'), -1, MaterialProblem::None},
                 {"Alu", -1, MaterialProblem::Duplicate},
                 {"Alu", 1, MaterialProblem::None}};  // renaming a material to itself
    for (const auto& c : cases) EXPECT_EQ(CheckMaterialName(list, c.name, c.except), c.problem) << c.name;
    list.records.resize(25, Material("X", 1));
    EXPECT_EQ(CheckMaterialName(list, "Inox", -1), MaterialProblem::TableFull);
    EXPECT_EQ(MaterialProblemText(MaterialProblem::TableFull), "La table a déjà 25 matières");
    for (float bad : {0.0f, -1.0f, NAN, INFINITY}) EXPECT_EQ(CheckCoefficient(bad), MaterialProblem::Coefficient);
    list.records[3].coefficient = 0;
    EXPECT_EQ(FirstBadCoefficient(list), 3);
}

TEST(MaterialTable, TensileStrengthGivesTheCoefficientOfTheForceCharts) {
    EXPECT_NEAR(CoefficientFromRm(450), 227.7, 1e-3);  // mild steel
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
    struct Row {
        Rows table;
        const char* name;
        float coefficient;
    };
    const Rows twice = {{"Acier", 200}, {"Alu", 125}, {"Acier", 225}};
    const Row rows[] = {
        {twice, "Acier", 225},                                                // the last record of a name wins
        {{{"Acier", 225}, {"Alu", 125}, {"", 1}, {"Inox", 350}}, "Inox", 7},  // an empty name ends the table
        {{{"Acier", 225}}, "acier", 7},
        {{{"Acier", 225}}, "", 7},  // exact names
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
