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

TEST(ParameterTable, SizesAndRandomRoundTrip) {
    EXPECT_EQ(EncodeParameterTable(ParameterTable{}).size(), 7872u);
    Bytes one;
    ByteWriter w(one);
    MachineParameter{}.write(w);
    EXPECT_EQ(one.size(), 164u);
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const Bytes image = test::RandomBytes(7872, seed);
        ParameterTable t;
        DecodeParameterTable(t, image);
        EXPECT_EQ(EncodeParameterTable(t), image) << "seed " << seed;
    }
}

TEST(ParameterTable, FieldsSitAtTheirOffsets) {
    const Bytes blank = EncodeParameterTable(ParameterTable{});
    auto at = [&](auto set) {
        ParameterTable t;
        set(t.entries[2]);
        const Bytes image = EncodeParameterTable(t);
        return static_cast<std::size_t>(std::mismatch(image.begin(), image.end(), blank.begin()).first -
                                        image.begin()) - 2 * 164;
    };
    EXPECT_EQ(at([](MachineParameter& e) { e.number = 3; }), 0u);
    EXPECT_EQ(at([](MachineParameter& e) { e.designation.assign("Course axe Y"); }), 4u);
    EXPECT_EQ(at([](MachineParameter& e) { e.yesNo = 1; }), 124u);
    EXPECT_EQ(at([](MachineParameter& e) { e.padding[0] = 1; }), 125u);
    EXPECT_EQ(at([](MachineParameter& e) { e.decimals = 1; }), 128u);
    EXPECT_EQ(at([](MachineParameter& e) { e.value = 200.1f; }), 132u);
    EXPECT_EQ(at([](MachineParameter& e) { e.unit.assign("mm"); }), 136u);
    EXPECT_EQ(at([](MachineParameter& e) { e.modifiable = 1; }), 148u);
    EXPECT_EQ(at([](MachineParameter& e) { e.lower = 50.1f; }), 152u);
    EXPECT_EQ(at([](MachineParameter& e) { e.reserved[0] = 1; }), 156u);
    EXPECT_EQ(at([](MachineParameter& e) { e.upper = 500.1f; }), 160u);
}

TEST(ParameterTable, MissingFileLeavesTheTableUntouched) {
    test::TempDir dir;
    ParameterTable t;
    t.entries[0].number = 5;
    t.entries[0].value = 42;
    const ParameterTable before = t;
    EXPECT_FALSE(LoadParameterTable(t, dir.folder()));
    EXPECT_EQ(t, before);
}

TEST(ParameterTable, SaveCreatesFolderAndFileThenLoadsBack) {
    test::TempDir dir;
    // A folder path without a trailing separator: the file name brings its own.
    const std::string folder = (dir.path() / "Tools").string();
    ParameterTable t;
    DecodeParameterTable(t, test::RandomBytes(7872, 3));
    EXPECT_TRUE(SaveParameterTable(t, folder));
    EXPECT_EQ(test::ReadAll((dir.path() / "Tools" / "Param.dat").string()), EncodeParameterTable(t));
    ParameterTable back;
    EXPECT_TRUE(LoadParameterTable(back, folder));
    EXPECT_EQ(EncodeParameterTable(back), EncodeParameterTable(t));
    // The folder as configured, with its separator, finds the same file.
    ParameterTable again;
    EXPECT_TRUE(LoadParameterTable(again, folder + kPathSeparator));
    EXPECT_EQ(EncodeParameterTable(again), EncodeParameterTable(t));
}

TEST(ParameterTable, SavingOverALongerFileKeepsItsTail) {
    test::TempDir dir;
    const Bytes before = test::RandomBytes(9000, 8);
    test::WriteAll(dir.file("Param.dat"), before);
    ParameterTable t;
    t.entries[0].number = 1;
    EXPECT_TRUE(SaveParameterTable(t, dir.folder()));
    const Bytes after = test::ReadAll(dir.file("Param.dat"));
    ASSERT_EQ(after.size(), 9000u);
    const Bytes image = EncodeParameterTable(t);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), after.begin()));
    EXPECT_TRUE(std::equal(before.begin() + 7872, before.end(), after.begin() + 7872));
}

TEST(ParameterTable, ShortFileFillsOnlyAsFarAsItReaches) {
    test::TempDir dir;
    ParameterTable fromFile;
    fromFile.entries[0].number = 1;
    fromFile.entries[0].designation.assign("Force nominale");
    Bytes image = EncodeParameterTable(fromFile);
    image.resize(164);
    test::WriteAll(dir.file("Param.dat"), image);
    ParameterTable t;
    t.entries[1].number = 2;
    t.entries[47].value = 9;
    EXPECT_TRUE(LoadParameterTable(t, dir.folder()));
    EXPECT_EQ(t.entries[0].designation.str(), "Force nominale");
    EXPECT_EQ(t.entries[1].number, 2);
    EXPECT_EQ(t.entries[47].value, 9);
}

TEST(ParameterTable, ReadOnlyFileIsNotLoadedNorOverwritten) {
    test::TempDir dir;
    const Bytes original = test::RandomBytes(7872, 21);
    test::WriteAll(dir.file("Param.dat"), original);
    fs::permissions(dir.file("Param.dat"), fs::perms::owner_read);
    ParameterTable t;
    EXPECT_FALSE(LoadParameterTable(t, dir.folder()));
    EXPECT_EQ(t, ParameterTable{});
    t.entries[0].number = 1;
    EXPECT_FALSE(SaveParameterTable(t, dir.folder()));
    EXPECT_EQ(test::ReadAll(dir.file("Param.dat")), original);
}

}  // namespace
}  // namespace zelpor
