#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "io/Files.h"
#include "params/ParameterTable.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(ParameterTable, RandomRoundTripAndFieldOffsets) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const Bytes image = test::RandomBytes(7872, seed);
        ParameterTable t;
        DecodeParameterTable(t, image);
        EXPECT_EQ(EncodeParameterTable(t), image) << "seed " << seed;
    }
    // Where a change in the third entry (164 bytes each) first shows in the file.
    const Bytes blank = EncodeParameterTable(ParameterTable{});
    ASSERT_EQ(blank.size(), 7872u);
    auto at = [&](auto set) {
        ParameterTable t;
        set(t.entries[2]);
        const Bytes image = EncodeParameterTable(t);
        return std::mismatch(image.begin(), image.end(), blank.begin()).first - image.begin() - 2 * 164;
    };
    using E = MachineParameter&;
    const std::pair<std::ptrdiff_t, std::ptrdiff_t> offsets[] = {
        {at([](E e) { e.number = 3; }), 0}, {at([](E e) { e.designation.assign("Course axe Y"); }), 4},
        {at([](E e) { e.yesNo = 1; }), 124}, {at([](E e) { e.padding[0] = 1; }), 125},
        {at([](E e) { e.decimals = 1; }), 128}, {at([](E e) { e.value = 200.1f; }), 132},
        {at([](E e) { e.unit.assign("mm"); }), 136}, {at([](E e) { e.modifiable = 1; }), 148},
        {at([](E e) { e.lower = 50.1f; }), 152}, {at([](E e) { e.reserved[0] = 1; }), 156},
        {at([](E e) { e.upper = 500.1f; }), 160}};
    for (const auto& [found, expected] : offsets) EXPECT_EQ(found, expected);
}

TEST(ParameterTable, SaveCreatesTheFolderAndLoadsBack) {
    test::TempDir dir;
    const std::string folder = (dir.path() / "Tools").string();
    ParameterTable t;
    DecodeParameterTable(t, test::RandomBytes(7872, 3));
    EXPECT_TRUE(SaveParameterTable(t, folder));
    EXPECT_EQ(test::ReadAll((dir.path() / "Tools" / "Param.dat").string()), EncodeParameterTable(t));
    for (const std::string& f : {folder, folder + kPathSeparator}) {
        ParameterTable back;
        EXPECT_TRUE(LoadParameterTable(back, f));
        EXPECT_EQ(EncodeParameterTable(back), EncodeParameterTable(t));  // random floats may be NaN
    }
}

// A short file fills only as far as it reaches; a read-only one is neither
// loaded nor overwritten.
TEST(ParameterTable, ShortOrReadOnlyFiles) {
    test::TempDir dir;
    ParameterTable t;
    t.entries[0].designation.assign("Force nominale");
    Bytes image = EncodeParameterTable(t);
    image.resize(164);
    test::WriteAll(dir.file("Param.dat"), image);
    ParameterTable loaded;
    loaded.entries[1].number = 2;
    loaded.entries[47].value = 9;
    EXPECT_TRUE(LoadParameterTable(loaded, dir.folder()));
    EXPECT_EQ(loaded.entries[0].designation.str(), "Force nominale");
    EXPECT_EQ((std::pair{loaded.entries[1].number, loaded.entries[47].value}), (std::pair{2, 9.f}));

    const Bytes original = test::RandomBytes(7872, 21);
    test::WriteAll(dir.file("Param.dat"), original);
    fs::permissions(dir.file("Param.dat"), fs::perms::owner_read);
    EXPECT_FALSE(LoadParameterTable(loaded, dir.folder()));
    EXPECT_EQ(loaded.entries[47].value, 9);  // left as it was
    EXPECT_FALSE(SaveParameterTable(loaded, dir.folder()));
    EXPECT_EQ(test::ReadAll(dir.file("Param.dat")), original);
}

}  // namespace
}  // namespace zelpor
