#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>

#include "support/TempDir.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(ToolFile, RandomImagesRoundTripByteForByte) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const Bytes punchImage = test::RandomBytes(2020, seed);
        PunchRecord p;
        DecodePunch(p, punchImage);
        EXPECT_EQ(EncodePunch(p), punchImage) << "seed " << seed;
        const Bytes dieImage = test::RandomBytes(2032, seed + 100);
        DieRecord d;
        DecodeDie(d, dieImage);
        EXPECT_EQ(EncodeDie(d), dieImage) << "seed " << seed;
    }
}

// Each field is found at its stored offset: the image of a record with that one
// field changed differs from a blank image starting exactly there.
TEST(ToolFile, FieldsSitAtTheirOffsets) {
    struct Row { const char* field; std::size_t offset; std::function<void(PunchRecord&, DieRecord&)> set; bool die; };
    const Row rows[] = {
        {"punch angle", 12, [](PunchRecord& p, DieRecord&) { p.angle = 88.1f; }, false},
        {"punch last element", 16, [](PunchRecord& p, DieRecord&) { p.lastElement = 4; }, false},
        {"punch outline", 20, [](PunchRecord& p, DieRecord&) { p.outline[0].type = kLine; }, false},
        {"punch element 1 x1", 20 + 76 + 40, [](PunchRecord& p, DieRecord&) { p.outline[1].x1 = 13.1f; }, false},
        {"punch element 24 text", 20 + 24 * 76 + 72, [](PunchRecord& p, DieRecord&) { p.outline[24].textIndex = 4; }, false},
        {"punch reserved", 1920, [](PunchRecord& p, DieRecord&) { p.reserved[0] = 1; }, false},
        {"punch text slots", 2000, [](PunchRecord& p, DieRecord&) { p.textSlots[0] = 1; }, false},
        {"die V angle", 12, [](PunchRecord&, DieRecord& d) { d.vAngle = 88.1f; }, true},
        {"die V opening", 16, [](PunchRecord&, DieRecord& d) { d.vOpening = 16.1f; }, true},
        {"die entry radius", 20, [](PunchRecord&, DieRecord& d) { d.entryRadius = 2.2f; }, true},
        {"die reserved", 24, [](PunchRecord&, DieRecord& d) { d.reserved[0] = 1; }, true},
        {"die last element", 28, [](PunchRecord&, DieRecord& d) { d.lastElement = 8; }, true},
        {"die outline", 32, [](PunchRecord&, DieRecord& d) { d.outline[0].type = kLine; }, true},
        {"die element 0 name", 32 + 8, [](PunchRecord&, DieRecord& d) { d.outline[0].name.assign("Die"); }, true},
        {"die element 2 h", 32 + 2 * 76 + 68, [](PunchRecord&, DieRecord& d) { d.outline[2].h = 5.1f; }, true},
        {"die reserved entries", 1932, [](PunchRecord&, DieRecord& d) { d.reservedEntries[0] = 1; }, true},
        {"die text slots", 2012, [](PunchRecord&, DieRecord& d) { d.textSlots[0] = 1; }, true},
    };
    for (const Row& r : rows) {
        PunchRecord p;
        DieRecord d;
        r.set(p, d);
        const Bytes image = r.die ? EncodeDie(d) : EncodePunch(p);
        const Bytes blank = r.die ? EncodeDie(DieRecord{}) : EncodePunch(PunchRecord{});
        EXPECT_EQ(std::mismatch(image.begin(), image.end(), blank.begin()).first - image.begin(),
                  static_cast<std::ptrdiff_t>(r.offset)) << r.field;
    }
}

TEST(ToolFile, OutlineElementCountFollowsTheLastIndex) {
    // Indexes a file can hold but the 25 slots cannot give an empty outline.
    const std::pair<int, int> rows[] = {{0, 0},  {1, 2},  {8, 9},     {24, 25},
                                        {25, 0}, {-1, 0}, {1000, 0}, {INT32_MIN, 0}};
    for (const auto& [last, count] : rows) EXPECT_EQ(OutlineElementCount(last), count) << last;
    TMatrice die;  // a new die holder is version 1
    EXPECT_EQ(die.record.version, 1);
    EXPECT_EQ(die.record.versionIndex, 1);
}

TEST(ToolList, OnlyPlainWritableVisibleFilesAreListed) {
    test::TempDir dir;
    EXPECT_TRUE(ListToolNames(dir.folder(), ToolKind::Punch).empty());
    EXPECT_TRUE(ListToolNames(dir.folder(), ToolKind::Die).empty());
    EXPECT_TRUE(ListToolNames(dir.file("absent"), ToolKind::Die).empty());
    const Bytes punch = EncodePunch(PunchRecord{});
    const Bytes die = EncodeDie(DieRecord{});
    test::WriteAll(dir.file("P88-67.pun"), punch);
    test::WriteAll(dir.file("Upper.PUN"), punch);       // the pattern ignores case
    test::WriteAll(dir.file("Locked.pun"), punch);      // read-only: skipped
    MakeReadOnly(dir.file("Locked.pun"));
    test::WriteAll(dir.file(".hidden.pun"), punch);     // hidden: skipped
    fs::create_directory(dir.path() / "Folder.pun");    // a folder: skipped
    test::WriteAll(dir.file("notes.txt"), {1, 2, 3});
    test::WriteAll(dir.file("V12.88.die"), die);        // cut at the first "."
    test::WriteAll(dir.file("V16.die"), die);
    test::WriteAll(dir.file("V16.die.bak"), die);       // does not end in ".die"
    EXPECT_EQ(Sorted(ListToolNames(dir.folder(), ToolKind::Punch)), (Names{"P88-67", "Upper"}));
    EXPECT_EQ(Sorted(ListToolNames(dir.folder(), ToolKind::Die)), (Names{"V12", "V16"}));
}

TEST(ToolLoad, LoadKeepsNameAndFlagFailureKeepsTheHolder) {
    test::TempDir dir;
    PunchRecord sample;
    sample.height = 67;
    sample.angle = 88.1f;
    sample.lastElement = 1;
    sample.outline[1].y2 = -67;
    test::WriteAll(dir.file("P88-67.pun"), EncodePunch(sample));
    TPoincon punch;
    punch.name = "Previous";
    punch.selectionRequest = true;
    EXPECT_TRUE(LoadPunchFile(punch, dir.folder() + "P88-67.PUN"));
    EXPECT_EQ(punch.record, sample);
    EXPECT_EQ(punch.name, "Previous");
    EXPECT_TRUE(punch.selectionRequest);

    PunchRecord other;
    other.height = 100;
    test::WriteAll(dir.file("Locked.pun"), EncodePunch(other));
    MakeReadOnly(dir.file("Locked.pun"));
    for (const char* file : {"Absent.PUN", "Locked.pun"}) {
        EXPECT_FALSE(LoadPunchFile(punch, dir.folder() + file)) << file;
        EXPECT_EQ(punch.record, sample) << file;
    }
}

TEST(ToolLoad, UpperCaseExtensionFindsLowerCaseFile) {
    test::TempDir dir;
    DieRecord v12;
    v12.vOpening = 12;
    v12.entryRadius = 1.5f;
    test::WriteAll(dir.file("v12.die"), EncodeDie(v12));
    TMatrice die;
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "V12.DIE"));
    EXPECT_EQ(die.record, v12);
    // "V12.88.die" is listed as V12, but its file is looked for as V12.die.
    test::TempDir other;
    test::WriteAll(other.file("V12.88.die"), EncodeDie(v12));
    TMatrice none;
    EXPECT_FALSE(LoadDieFile(none, other.folder() + "V12.DIE"));
    EXPECT_EQ(none.record.vOpening, 0);
}

TEST(ToolLoad, ShortFileLeavesThePreviousToolsFields) {
    test::TempDir dir;
    DieRecord small;
    small.version = 7;
    small.height = 40;
    Bytes image = EncodeDie(small);
    image.resize(12);  // version, version index, height
    test::WriteAll(dir.file("Short.die"), image);
    TMatrice die;
    die.record.vOpening = 16;
    die.record.outline[3].x1 = 17;
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "Short.die"));
    EXPECT_EQ(die.record.version, 7);
    EXPECT_EQ(die.record.height, 40);
    EXPECT_EQ(die.record.vOpening, 16);
    EXPECT_EQ(die.record.outline[3].x1, 17);
}

}  // namespace
}  // namespace zelpor
