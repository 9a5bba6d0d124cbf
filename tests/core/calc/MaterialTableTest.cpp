#include <gtest/gtest.h>

#include "calc/Formulas.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::pair<const char*, float>>;

Bytes MakeTable(const Rows& rows) {
    std::array<MaterialRecord, kMaterialRecords> t{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        t[i].name.assign(rows[i].first);
        t[i].coefficient = rows[i].second;
    }
    return EncodeMaterialTable(t);
}

TEST(MaterialTable, RecordLayoutAndRandomRoundTrip) {
    const Bytes image = MakeTable({{"Acier", 225}});
    ASSERT_EQ(image.size(), 900u);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 6), std::string("Acier\0", 6));
    EXPECT_EQ(image[32] | image[33] << 8 | image[34] << 16 | image[35] << 24, 0x43610000);  // 225.0f
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Bytes random = test::RandomBytes(900, seed);
        EXPECT_EQ(EncodeMaterialTable(DecodeMaterialTable(random)), random) << seed;
    }
}

// The coefficient starts at 7 in every row: a lookup that finds nothing leaves it.
TEST(MaterialTable, LookupRules) {
    struct Row { const char* what; Rows table; const char* name; bool found; float coefficient; };
    const Row rows[] = {
        {"duplicate: last wins", {{"Acier", 200}, {"Alu", 125}, {"Acier", 225}}, "Acier", true, 225},
        {"other name", {{"Acier", 200}, {"Alu", 125}, {"Acier", 225}}, "Alu", true, 125},
        {"empty third name stops", {{"Acier", 225}, {"Alu", 125}, {"", 1}, {"Inox", 350}}, "Inox", true, 7},
        {"case counts", {{"Acier", 225}}, "acier", true, 7},
        {"trailing blank counts", {{"Acier", 225}}, "Acier ", true, 7},
        {"empty name", {{"Acier", 225}}, "", true, 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        test::TempDir dir;
        test::WriteAll(dir.file("material.dat"), MakeTable(r.table));
        float coefficient = 7;
        EXPECT_EQ(LoadMaterialCoefficient(dir.folder(), r.name, coefficient), r.found);
        EXPECT_EQ(coefficient, r.coefficient);
    }
    test::TempDir empty;
    float coefficient = 45;
    EXPECT_FALSE(LoadMaterialCoefficient(empty.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 45);
}

TEST(MaterialTable, DamagedTablesStayInTheirBytes) {
    // A name filling its whole 32-byte field has no terminator.
    Bytes image = MakeTable({{"Acier", 225}});
    std::fill(image.begin(), image.begin() + 32, 'X');
    float coefficient = 1;
    EXPECT_TRUE(LookupMaterialCoefficient(image, std::string(32, 'X'), coefficient));
    EXPECT_EQ(coefficient, 225);
    // A short file reads what it holds: the second record is cut in its name.
    test::TempDir dir;
    image = MakeTable({{"Acier", 225}, {"Alu", 125}});
    image.resize(36 + 20);
    test::WriteAll(dir.file("material.dat"), image);
    coefficient = 0;
    EXPECT_TRUE(LoadMaterialCoefficient(dir.folder(), "Acier", coefficient));
    EXPECT_EQ(coefficient, 225);
}

}  // namespace
}  // namespace zelpor
