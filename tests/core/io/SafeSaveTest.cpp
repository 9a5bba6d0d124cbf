#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "io/Files.h"
#include "params/ParameterTable.h"
#include "part/PartRecord.h"
#include "support/FailingWriter.h"
#include "support/TempDir.h"

using namespace zelpor;
using namespace zelpor::test;
namespace fs = std::filesystem;

namespace {

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
        FailingWriter disk(failAfter);
        const auto saved = WriteOverFileStart(path, record, disk);
        EXPECT_EQ(saved.code(), FileError::WriteFailed);
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
    FailingWriter disk(100);
    EXPECT_NE(WriteOverFileStart(dir.file("NEUF.pie"), record, disk).code(), FileError::None);
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
    EXPECT_EQ(WriteOverFileStart(path, RandomBytes(PartRecord::kFileSize, 10)).code(), FileError::NotWritable);
    EXPECT_EQ(ReadAll(path), old);

    // A folder where the file should be, a file where a folder should be,
    // and a folder that does not exist.
    fs::create_directory(dir.path() / "DOSSIER.pie");
    WriteAll(dir.file("FICHIER"), {1, 2, 3});
    for (const std::string& impossible :
         {dir.file("DOSSIER.pie"), dir.file("FICHIER") + "/A.pie", dir.file("ABSENT") + "/A.pie"}) {
        SCOPED_TRACE(impossible);
        const std::vector<std::uint8_t> bytes{1, 2, 3};
        EXPECT_EQ(WriteOverFileStart(impossible, bytes).code(), FileError::NotWritable);
    }
    EXPECT_EQ(ReadAll(dir.file("FICHIER")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "DOSSIER.pie"));
}

TEST(SafeSave, PartSavedOnAFullDiskKeepsThePreviousPart) {
    TempDir dir;
    PartRecord part;
    part.comment.assign("CORNIERE 40x40");
    ASSERT_EQ(WritePart(part, dir.folder(), "ALPHA", "P1.pie"), 1);
    const auto saved = ReadAll(dir.file("ALPHA/P1.pie"));
    part.comment.assign("CHANGEE");
    FailingWriter disk(PartRecord::kFileSize / 2);
    EXPECT_EQ(SavePart(part, dir.folder(), "ALPHA", "P1.pie", disk).code(), FileError::WriteFailed);
    EXPECT_EQ(ReadAll(dir.file("ALPHA/P1.pie")), saved);
}
