#include <gtest/gtest.h>

#include <filesystem>

#include "part/PartRecord.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

PartRecord PartWithComment(const char* comment, float thickness) {
    PartRecord p;
    p.comment.assign(comment);
    p.thickness = thickness;
    p.currentBend = 0;
    p.lastBend = 2;
    p.bends[1].angle = 135;
    return p;
}

// A complete file is the whole truth: nothing of the part held before the
// read survives it, whatever it was.
TEST(PartFileLookup, CompleteFileReplacesEveryByteOfThePartInMemory) {
    test::TempDir dir;
    const PartRecord stored = PartWithComment("Capot", 2);
    ASSERT_EQ(WritePart(stored, dir.folder(), "Job", "P.pie"), 1);
    PartRecord held = PartWithComment("Autre piece", 5);
    held.sketchTexts[3].assign("reste");
    held.profile[7].length = 99;
    ASSERT_TRUE(ReadPart(held, dir.folder(), "Job", "P.pie"));
    EXPECT_EQ(EncodePart(held), EncodePart(stored));
    EXPECT_EQ(held.comment.str(), "Capot");
    EXPECT_FLOAT_EQ(held.bends[1].angle, 135);
}

// Jobs made on the shop's old system may differ in case from the stored name.
TEST(PartFileLookup, JobFolderOfAnotherCaseIsReadAndWrittenInPlace) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Alpha");
    const PartRecord stored = PartWithComment("Equerre", 3);
    EXPECT_EQ(WritePart(stored, dir.folder(), "ALPHA", "P1.pie"), 1);
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "Alpha" / "P1.pie"));
    EXPECT_FALSE(fs::exists(dir.path() / "ALPHA"));  // no second job folder

    PartRecord read;
    ASSERT_TRUE(ReadPart(read, dir.folder(), "alpha", "P1.pie"));
    EXPECT_EQ(read.comment.str(), "Equerre");
    // A file name of another case in an exact job folder is found too.
    ASSERT_TRUE(ReadPart(read, dir.folder(), "Alpha", "p1.PIE"));
    EXPECT_FLOAT_EQ(read.thickness, 3);
}

TEST(PartFileLookup, ReadOnlyPartIsNeverOverwrittenWhateverItsCase) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job");
    const std::string path = (dir.path() / "Job" / "P.pie").string();
    const Bytes before = EncodePart(PartWithComment("Protegee", 1));
    test::WriteAll(path, before);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const PartRecord other = PartWithComment("Nouvelle", 4);
    EXPECT_EQ(WritePart(other, dir.folder(), "Job", "P.pie"), 0);
    EXPECT_EQ(WritePart(other, dir.folder(), "JOB", "p.pie"), 0);
    EXPECT_EQ(test::ReadAll(path), before);
}

}  // namespace
}  // namespace zelpor
