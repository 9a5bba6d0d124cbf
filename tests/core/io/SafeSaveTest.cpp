#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "io/Files.h"
#include "params/ParameterTable.h"
#include "part/PartRecord.h"
#include "support/TempDir.h"

using namespace zelpor;
using namespace zelpor::test;
namespace fs = std::filesystem;

namespace {

// Restores normal writing whatever the test's outcome.
struct FailingDisk {
    explicit FailingDisk(std::size_t bytes) { FailWritesAfterForTesting(bytes); }
    ~FailingDisk() { FailWritesAfterForTesting(std::nullopt); }
};

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(SafeSave, FailureAtAnyByteLeavesTheOldFileByteForByte) {
    TempDir dir;
    const std::string path = dir.file("PIECE.pie");
    const auto old = RandomBytes(12000, 7);  // longer than a part: has a tail
    const auto record = RandomBytes(PartRecord::kFileSize, 8);
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{4096},
                                  std::size_t{5000}, PartRecord::kFileSize - 1, PartRecord::kFileSize,
                                  std::size_t{11999}}) {
        SCOPED_TRACE(failAfter);
        WriteAll(path, old);
        FileError error = FileError::None;
        {
            FailingDisk disk(failAfter);
            EXPECT_FALSE(WriteOverFileStart(path, record, &error));
        }
        EXPECT_EQ(error, FileError::WriteFailed);
        EXPECT_EQ(ReadAll(path), old);
        // No half-written copy is left beside it either.
        EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"PIECE.pie"});
    }
    // The same disk with room again saves normally, the old tail kept.
    EXPECT_TRUE(WriteOverFileStart(path, record));
    auto expected = record;
    expected.insert(expected.end(), old.begin() + PartRecord::kFileSize, old.end());
    EXPECT_EQ(ReadAll(path), expected);
    // A first save that fails creates nothing.
    {
        FailingDisk disk(100);
        FileError error = FileError::None;
        EXPECT_FALSE(WriteOverFileStart(dir.file("NEUF.pie"), record, &error));
        EXPECT_NE(error, FileError::None);
    }
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"PIECE.pie"});
}

TEST(SafeSave, ShorterFileIsReplacedKeepingItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("Param.dat");
    WriteAll(path, RandomBytes(10, 5));
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    const auto record = RandomBytes(ParameterTable::kFileSize, 4);
    ASSERT_TRUE(WriteOverFileStart(path, record));
    EXPECT_EQ(ReadAll(path), record);
    EXPECT_EQ(fs::status(path).permissions(), mode);
}

TEST(SafeSave, ReadOnlyFileAndImpossiblePathsAreReported) {
    TempDir dir;
    const std::string path = dir.file("FIGE.pie");
    const auto old = RandomBytes(PartRecord::kFileSize, 9);
    WriteAll(path, old);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    FileError error = FileError::None;
    EXPECT_FALSE(WriteOverFileStart(path, RandomBytes(PartRecord::kFileSize, 10), &error));
    EXPECT_EQ(error, FileError::NotWritable);
    EXPECT_EQ(ReadAll(path), old);

    // A folder where the file should be, a file where a folder should be,
    // and a folder that does not exist.
    fs::create_directory(dir.path() / "DOSSIER.pie");
    WriteAll(dir.file("FICHIER"), {1, 2, 3});
    for (const std::string& impossible :
         {dir.file("DOSSIER.pie"), dir.file("FICHIER") + "/A.pie", dir.file("ABSENT") + "/A.pie"}) {
        SCOPED_TRACE(impossible);
        error = FileError::None;
        EXPECT_FALSE(WriteOverFileStart(impossible, {1, 2, 3}, &error));
        EXPECT_EQ(error, FileError::NotWritable);
    }
    EXPECT_EQ(ReadAll(dir.file("FICHIER")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "DOSSIER.pie"));
}

TEST(SafeSave, LinkedFileIsReplacedThroughItsLink) {
    TempDir dir;
    fs::create_directory(dir.path() / "partage");
    const std::string real = (dir.path() / "partage" / "A.pie").string();
    WriteAll(real, RandomBytes(20, 1));
    fs::create_symlink(real, dir.path() / "A.pie");
    const auto record = RandomBytes(30, 2);
    ASSERT_TRUE(WriteOverFileStart(dir.file("A.pie"), record));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "A.pie"));
    EXPECT_EQ(ReadAll(real), record);
}

TEST(SafeSave, PartSavedOnAFullDiskKeepsThePreviousPart) {
    TempDir dir;
    PartRecord part;
    part.comment.assign("CORNIERE 40x40");
    ASSERT_EQ(WritePart(part, dir.folder(), "ALPHA", "P1.pie"), 1);
    const auto saved = ReadAll(dir.file("ALPHA/P1.pie"));
    part.comment.assign("CHANGEE");
    {
        FailingDisk disk(PartRecord::kFileSize / 2);
        EXPECT_EQ(WritePart(part, dir.folder(), "ALPHA", "P1.pie"), 0);
    }
    EXPECT_EQ(ReadAll(dir.file("ALPHA/P1.pie")), saved);
}
