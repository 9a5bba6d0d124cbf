#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

std::size_t FirstDifference(const Bytes& a, const Bytes& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin());
}

TEST(ToolFile, RecordSizes) {
    EXPECT_EQ(EncodePunch(PunchRecord{}).size(), 2020u);
    EXPECT_EQ(EncodeDie(DieRecord{}).size(), 2032u);
    Bytes out;
    ByteWriter w(out);
    OutlineElement{}.write(w);
    EXPECT_EQ(out.size(), 76u);
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

TEST(ToolFile, FieldsSitAtTheirOffsets) {
    const Bytes blankPunch = EncodePunch(PunchRecord{});
    const Bytes blankDie = EncodeDie(DieRecord{});
    auto punchAt = [&](auto set) {
        PunchRecord p;
        set(p);
        return FirstDifference(EncodePunch(p), blankPunch);
    };
    auto dieAt = [&](auto set) {
        DieRecord d;
        set(d);
        return FirstDifference(EncodeDie(d), blankDie);
    };
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.angle = 88.1f; }), 12u);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.lastElement = 4; }), 16u);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.outline[0].type = kLine; }), 20u);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.outline[1].x1 = 13.1f; }), 20u + 76 + 40);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.outline[24].textIndex = 4; }), 20u + 24 * 76 + 72);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.reserved[0] = 1; }), 1920u);
    EXPECT_EQ(punchAt([](PunchRecord& p) { p.textSlots[0] = 1; }), 2000u);

    EXPECT_EQ(dieAt([](DieRecord& d) { d.vAngle = 88.1f; }), 12u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.vOpening = 16.1f; }), 16u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.entryRadius = 2.2f; }), 20u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.reserved[0] = 1; }), 24u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.lastElement = 8; }), 28u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.outline[0].type = kLine; }), 32u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.outline[0].name.assign("Die"); }), 32u + 8);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.outline[2].h = 5.1f; }), 32u + 2 * 76 + 68);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.reservedEntries[0] = 1; }), 1932u);
    EXPECT_EQ(dieAt([](DieRecord& d) { d.textSlots[0] = 1; }), 2012u);
}

TEST(ToolFile, OutlineElementCountFollowsTheLastIndex) {
    EXPECT_EQ(OutlineElementCount(0), 0);
    EXPECT_EQ(OutlineElementCount(1), 2);
    EXPECT_EQ(OutlineElementCount(8), 9);
    EXPECT_EQ(OutlineElementCount(24), 25);
    // Indexes a file can hold but the 25 slots cannot: an empty outline.
    EXPECT_EQ(OutlineElementCount(25), 0);
    EXPECT_EQ(OutlineElementCount(-1), 0);
    EXPECT_EQ(OutlineElementCount(1000), 0);
    EXPECT_EQ(OutlineElementCount(INT32_MIN), 0);
}

TEST(ToolFile, NewDieHolderIsVersionOne) {
    TMatrice die;
    EXPECT_EQ(die.record.version, 1);
    EXPECT_EQ(die.record.versionIndex, 1);
    EXPECT_EQ(die.record.vOpening, 0);
    EXPECT_FALSE(die.selectionRequest);
    EXPECT_EQ(die.name, "");
}

TEST(ToolList, OnlyPlainWritableVisibleFilesAreListed) {
    test::TempDir dir;
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

TEST(ToolList, EmptyOrMissingFolderGivesNoNames) {
    test::TempDir dir;
    EXPECT_TRUE(ListToolNames(dir.folder(), ToolKind::Punch).empty());
    EXPECT_TRUE(ListToolNames(dir.folder(), ToolKind::Die).empty());
    test::WriteAll(dir.file("V16.die"), EncodeDie(DieRecord{}));
    EXPECT_TRUE(ListToolNames(dir.folder(), ToolKind::Punch).empty());
    EXPECT_TRUE(ListToolNames(dir.file("absent"), ToolKind::Die).empty());
}

PunchRecord SamplePunch() {
    PunchRecord p;
    p.version = 1;
    p.versionIndex = 2;
    p.height = 67;
    p.angle = 88.1f;
    p.lastElement = 1;
    p.outline[0].type = kLine;
    p.outline[1].type = kLine;
    p.outline[1].y2 = -67;
    return p;
}

TEST(ToolLoad, LoadingKeepsTheHoldersNameAndSelectionFlag) {
    test::TempDir dir;
    test::WriteAll(dir.file("P88-67.pun"), EncodePunch(SamplePunch()));
    TPoincon punch;
    punch.name = "Previous";
    punch.selectionRequest = true;
    EXPECT_TRUE(LoadPunchFile(punch, dir.folder() + "P88-67.PUN"));
    EXPECT_EQ(punch.record, SamplePunch());
    EXPECT_EQ(punch.name, "Previous");
    EXPECT_TRUE(punch.selectionRequest);
    EXPECT_EQ(punch.record.elementCount(), 2);
}

TEST(ToolLoad, MissingOrReadOnlyFileLeavesTheHolderUnchanged) {
    test::TempDir dir;
    TPoincon punch;
    punch.record = SamplePunch();
    EXPECT_FALSE(LoadPunchFile(punch, dir.folder() + "Absent.PUN"));
    EXPECT_EQ(punch.record, SamplePunch());

    PunchRecord other;
    other.height = 100;
    test::WriteAll(dir.file("Locked.pun"), EncodePunch(other));
    MakeReadOnly(dir.file("Locked.pun"));
    EXPECT_FALSE(LoadPunchFile(punch, dir.folder() + "Locked.pun"));
    EXPECT_EQ(punch.record, SamplePunch());
}

TEST(ToolLoad, UpperCaseExtensionFindsLowerCaseFile) {
    test::TempDir dir;
    DieRecord v12;
    v12.vOpening = 12;
    v12.vAngle = 88;
    v12.entryRadius = 1.5f;
    test::WriteAll(dir.file("v12.die"), EncodeDie(v12));
    TMatrice die;
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "V12.DIE"));
    EXPECT_EQ(die.record.vOpening, 12);
    EXPECT_EQ(die.record.entryRadius, 1.5f);
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
    die.record.lastElement = 8;
    die.record.outline[3].x1 = 17;
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "Short.die"));
    EXPECT_EQ(die.record.version, 7);
    EXPECT_EQ(die.record.height, 40);
    EXPECT_EQ(die.record.vOpening, 16);
    EXPECT_EQ(die.record.lastElement, 8);
    EXPECT_EQ(die.record.outline[3].x1, 17);
}

}  // namespace
}  // namespace zelpor
