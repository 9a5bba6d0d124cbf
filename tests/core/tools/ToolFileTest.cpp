#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "support/TempDir.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

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

template <class Record, class Encode>
void ExpectOffsets(const std::vector<std::pair<std::size_t, void (*)(Record&)>>& rows, Encode encode) {
    const Bytes blank = encode(Record{});
    for (const auto& [offset, set] : rows) {
        Record r;
        set(r);
        const Bytes image = encode(r);
        EXPECT_EQ(std::mismatch(image.begin(), image.end(), blank.begin()).first - image.begin(),
                  static_cast<std::ptrdiff_t>(offset));
    }
}

// Each field is found at its stored offset: the image of a record with that one
// field changed differs from a blank image starting exactly there.
TEST(ToolFile, FieldsSitAtTheirOffsets) {
    ExpectOffsets<PunchRecord>({{12, [](auto& p) { p.angle = 88.1f; }}, {16, [](auto& p) { p.lastElement = 4; }},
                                {20, [](auto& p) { p.outline[0].type = kLine; }},
                                {20 + 76 + 40, [](auto& p) { p.outline[1].x1 = 13.1f; }},
                                {20 + 24 * 76 + 72, [](auto& p) { p.outline[24].textIndex = 4; }},
                                {1920, [](auto& p) { p.reserved[0] = 1; }}, {2000, [](auto& p) { p.textSlots[0] = 1; }}},
                               [](const PunchRecord& p) { return EncodePunch(p); });
    ExpectOffsets<DieRecord>({{12, [](auto& d) { d.vAngle = 88.1f; }}, {16, [](auto& d) { d.vOpening = 16.1f; }},
                              {20, [](auto& d) { d.entryRadius = 2.2f; }}, {24, [](auto& d) { d.reserved[0] = 1; }},
                              {28, [](auto& d) { d.lastElement = 8; }}, {32, [](auto& d) { d.outline[0].type = kLine; }},
                              {32 + 8, [](auto& d) { d.outline[0].name.assign("Die"); }},
                              {32 + 2 * 76 + 68, [](auto& d) { d.outline[2].h = 5.1f; }},
                              {1932, [](auto& d) { d.reservedEntries[0] = 1; }}, {2012, [](auto& d) { d.textSlots[0] = 1; }}},
                             [](const DieRecord& d) { return EncodeDie(d); });
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
    test::WriteAll(dir.file("p30.pun"), punch);
    test::WriteAll(dir.file("V16-30.die"), die);
    // Listed as the shop's file system lists a folder: whole names, upper-cased.
    EXPECT_EQ(ListToolNames(dir.folder(), ToolKind::Punch), (Names{"p30", "P88-67", "Upper"}));
    EXPECT_EQ(ListToolNames(dir.folder(), ToolKind::Die), (Names{"V12", "V16-30", "V16"}));
}

// Loading fills the record only: the holder's name and flag stay; a missing or
// read-only file leaves the holder as it was; a short file the later fields.
TEST(ToolLoad, FilesFoundWhateverTheirCaseAndReadIntoTheRecordOnly) {
    test::TempDir dir;
    PunchRecord sample;
    sample.height = 67, sample.angle = 88.1f, sample.lastElement = 1;
    test::WriteAll(dir.file("P88-67.pun"), EncodePunch(sample));
    TPoincon punch;
    punch.name = "Previous";
    punch.selectionRequest = true;
    EXPECT_TRUE(LoadPunchFile(punch, dir.folder() + "P88-67.PUN"));
    EXPECT_EQ(punch.record, sample);
    EXPECT_EQ(punch.name, "Previous");
    EXPECT_TRUE(punch.selectionRequest);
    test::WriteAll(dir.file("Locked.pun"), EncodePunch(PunchRecord{}));
    MakeReadOnly(dir.file("Locked.pun"));
    for (const char* file : {"Absent.PUN", "Locked.pun"}) {
        EXPECT_FALSE(LoadPunchFile(punch, dir.folder() + file)) << file;
        EXPECT_EQ(punch.record, sample) << file;
    }

    DieRecord small;
    small.version = 7, small.height = 40;
    Bytes image = EncodeDie(small);
    image.resize(12);  // version, version index, height
    test::WriteAll(dir.file("short.die"), image);
    test::WriteAll(dir.file("V12.88.die"), EncodeDie(small));  // listed as V12, looked for as V12.die
    TMatrice die;
    die.record.vOpening = 16, die.record.outline[3].x1 = 17;
    EXPECT_FALSE(LoadDieFile(die, dir.folder() + "V12.DIE"));
    EXPECT_EQ(die.record.height, 0);
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "SHORT.DIE"));
    EXPECT_EQ((std::array{die.record.height, die.record.vOpening, die.record.outline[3].x1}), (std::array{40.f, 16.f, 17.f}));
    EXPECT_EQ(die.record.version, 7);
}

}  // namespace
}  // namespace zelpor
