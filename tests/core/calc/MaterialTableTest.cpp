#include <gtest/gtest.h>

#include "calc/Formulas.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Table = std::array<MaterialRecord, kMaterialRecords>;

Table MakeTable(std::initializer_list<std::pair<const char*, float>> rows) {
    Table t{};
    std::size_t i = 0;
    for (const auto& [name, coefficient] : rows) {
        t[i].name.assign(name);
        t[i].coefficient = coefficient;
        ++i;
    }
    return t;
}

TEST(MaterialTable, RecordLayoutAndRoundTrip) {
    Table t = MakeTable({{"Acier", 225}});
    const Bytes image = EncodeMaterialTable(t);
    ASSERT_EQ(image.size(), 900u);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 5), "Acier");
    EXPECT_EQ(image[5], 0);
    EXPECT_EQ(image[32] | image[33] << 8 | image[34] << 16 | image[35] << 24, 0x43610000);  // 225.0f
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Bytes random = test::RandomBytes(900, seed);
        EXPECT_EQ(EncodeMaterialTable(DecodeMaterialTable(random)), random);
    }
}

TEST(MaterialTable, LastRecordOfTheSameNameWins) {
    test::TempDir dir;
    test::WriteAll(dir.file("material.dat"), EncodeMaterialTable(MakeTable({{"Acier", 200}, {"Alu", 125}, {"Acier", 225}})));
    float coefficient = 0;
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 225);
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Alu", coefficient));
    EXPECT_EQ(coefficient, 125);
}

TEST(MaterialTable, AnEmptyNameEndsTheTable) {
    test::TempDir dir;
    test::WriteAll(dir.file("material.dat"),
                   EncodeMaterialTable(MakeTable({{"Acier", 225}, {"Alu", 125}, {"", 1}, {"Inox", 350}})));
    float coefficient = 7;
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Inox", coefficient));
    EXPECT_EQ(coefficient, 7);
}

TEST(MaterialTable, NamesCompareExactly) {
    test::TempDir dir;
    test::WriteAll(dir.file("material.dat"), EncodeMaterialTable(MakeTable({{"Acier", 225}})));
    float coefficient = 3;
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "acier", coefficient));
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Acier ", coefficient));
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "", coefficient));
    EXPECT_EQ(coefficient, 3);
}

TEST(MaterialTable, MissingFileKeepsTheCoefficient) {
    test::TempDir dir;
    float coefficient = 45;
    EXPECT_FALSE(LoadMaterialCoefficient(dir.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 45);
}

TEST(MaterialTable, NameFillingItsWholeFieldIsComparedWithinTheField) {
    Table t = MakeTable({{"Acier", 225}});
    t[0].name.bytes.fill('X');  // 32 characters, no terminator
    float coefficient = 1;
    EXPECT_TRUE(LookupMaterialCoefficient(EncodeMaterialTable(t), std::string(32, 'X'), coefficient));
    EXPECT_EQ(coefficient, 225);
}

TEST(MaterialTable, ShortFileReadsWhatItHolds) {
    test::TempDir dir;
    Bytes image = EncodeMaterialTable(MakeTable({{"Acier", 225}, {"Alu", 125}}));
    image.resize(36 + 20);  // the second record is cut in its name
    test::WriteAll(dir.file("material.dat"), image);
    float coefficient = 0;
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 225);
}

}  // namespace
}  // namespace zelpor
