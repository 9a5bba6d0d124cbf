#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <filesystem>

#include "core/part/PartRecord.h"
#include "support/ByteDiff.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void PutI32(Bytes& image, std::size_t offset, std::int32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// A random file image whose indexes are in range, so nothing is bounded.
Bytes RandomPartImage(unsigned seed) {
    Bytes image = test::RandomBytes(PartRecord::kFileSize, seed);
    const auto s = static_cast<std::int32_t>(seed);
    PutI32(image, 290, s % 5);        // current bend
    PutI32(image, 294, 4 + s % 21);   // last bend
    PutI32(image, 4003, s % 25);      // profile bend count
    PutI32(image, 4607, s % 27 - 1);  // sketch last
    return image;
}

// Each field is found at its stored offset: the image of a record with that
// one field changed differs from a blank image starting exactly there.
TEST(PartFile, FieldsSitAtTheirOffsets) {
    test::ExpectFieldOffsets<PartRecord>({{0, [](auto& p) { p.comment.assign("A"); }},
                                          {255, [](auto& p) { p.thickness = 1.1f; }},
                                          {259, [](auto& p) { p.material.assign("Inox"); }},
                                          {290, [](auto& p) { p.currentBend = 3; }},
                                          {294, [](auto& p) { p.lastBend = 4; }},
                                          {298, [](auto& p) { p.graphicProfile = 1; }},
                                          {299, [](auto& p) { p.bends[0].length = 1000.1f; }},
                                          {299 + 148 + 8, [](auto& p) { p.bends[1].punch.assign("P"); }},
                                          {299 + 2 * 148 + 108, [](auto& p) { p.bends[2].angle = 90.3f; }},
                                          {299 + 24 * 148 + 144, [](auto& p) { p.bends[24].decompSpeed = 2.2f; }},
                                          {3999, [](auto& p) { p.startOrientation = 90.3f; }},
                                          {4003, [](auto& p) { p.profileBendCount = 2; }},
                                          {4007, [](auto& p) { p.profile[0].length = 50.1f; }},
                                          {4007 + 24 + 12, [](auto& p) { p.profile[1].pivot = 1; }},
                                          {4007 + 24 * 24 + 20, [](auto& p) { p.profile[24].correction = 1.1f; }},
                                          {4607, [](auto& p) { p.sketchLast = 5; }},
                                          {4611, [](auto& p) { p.sketchSpare = 1; }},
                                          {4615 + 12, [](auto& p) { p.sketchExtent[3] = 10.1f; }},
                                          {4631, [](auto& p) { p.sketch[0].type = 7; }},
                                          {4631 + 108 + 40, [](auto& p) { p.sketch[1].style.assign("DOT"); }},
                                          {4631 + 25 * 108 + 104, [](auto& p) { p.sketch[25].textIndex = 3; }},
                                          {7439, [](auto& p) { p.sketchTexts[0].assign("T"); }},
                                          {7439 + 25 * 127, [](auto& p) { p.sketchTexts[25].assign("Z"); }}},
                                         [](const PartRecord& p) { return EncodePart(p); });
    PartRecord p;
    p.thickness = 1.5f;  // little-endian IEEE single
    const Bytes image = EncodePart(p);
    EXPECT_EQ(Bytes(image.begin() + 255, image.begin() + 259), (Bytes{0, 0, 0xC0, 0x3F}));
}

PartRecord KnownPart() {
    PartRecord p;
    p.comment.assign("old comment");
    p.material.assign("Inox");
    p.sketchTexts[1].assign("kept");
    p.thickness = 5, p.currentBend = 2, p.lastBend = 3, p.graphicProfile = 1;
    p.bends[2].angle = 90, p.profile[0].length = 120;
    return p;
}

// The path of a part file in the job folder "Job", which is made on the way.
std::string JobFile(const test::TempDir& dir, const char* name) {
    fs::create_directories(dir.path() / "Job");
    return (dir.path() / "Job" / name).string();
}

// A missing file and a read-only one (counted as missing) reset the header
// only; a short file fills only as far as it reaches.
TEST(PartFile, MissingReadOnlyOrShortFileKeepsTheRestOfTheHeldPart) {
    test::TempDir dir;
    const std::string locked = JobFile(dir, "Locked.pie");
    test::WriteAll(locked, RandomPartImage(7));
    test::MakeReadOnly(locked);
    PartRecord fromFile = KnownPart();
    fromFile.comment.assign("from file");
    fromFile.material.assign("Alu");
    fromFile.thickness = 3, fromFile.currentBend = fromFile.lastBend = 1, fromFile.graphicProfile = 0;
    Bytes header = EncodePart(fromFile);
    header.resize(299);  // the header only: the bends start at 299
    test::WriteAll(JobFile(dir, "Short.pie"), header);
    PartRecord reset = KnownPart();
    reset.comment.assign("");
    reset.material.assign("");
    reset.thickness = 0.1f, reset.currentBend = reset.lastBend = 0;
    for (const auto& [file, read, expected] :
         {std::tuple{"Absent.pie", false, reset}, {"Locked.pie", false, reset}, {"Short.pie", true, fromFile}}) {
        PartRecord p = KnownPart();
        EXPECT_EQ(ReadPart(p, dir.folder(), "Job", file), read) << file;
        EXPECT_TRUE(test::SameBytes(EncodePart(p), EncodePart(expected))) << file;
    }
}

// A complete file is the whole truth: nothing of the part held before the read
// survives it; a file longer than the record gives the record only.
TEST(PartFile, WriteCreatesFoldersAndReadsBackTheSameBytes) {
    test::TempDir dir;
    const std::string root = (dir.path() / "Customers" / "").string();
    const std::string path = (dir.path() / "Customers" / "Job" / "P.pie").string();
    PartRecord written;
    DecodePart(written, RandomPartImage(3));
    EXPECT_EQ(WritePart(written, root, "Job", "P.pie"), 1);
    EXPECT_EQ(test::ReadAll(path), EncodePart(written));
    Bytes longer = EncodePart(written);
    longer.resize(200000, 0xEE);
    test::WriteAll(path, longer);
    PartRecord read = KnownPart();
    EXPECT_TRUE(ReadPart(read, root, "Job", "P.pie"));
    EXPECT_EQ(EncodePart(read), EncodePart(written));  // random floats may be NaN: compare bytes
    // An empty part name (".pie") writes nothing at all.
    EXPECT_EQ(WritePart(KnownPart(), (dir.path() / "Other" / "").string(), "Job", ".pie"), -1);
    EXPECT_FALSE(fs::exists(dir.path() / "Other"));
}

// Jobs made on the shop's old system may differ in case from the stored name;
// a read-only part is never overwritten, whatever case it is asked for in.
TEST(PartFile, JobAndFileOfAnotherCaseAreUsedInPlace) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Alpha");
    EXPECT_EQ(WritePart(KnownPart(), dir.folder(), "ALPHA", "P1.pie"), 1);
    EXPECT_FALSE(fs::exists(dir.path() / "ALPHA"));  // no second job folder
    for (const char* file : {"P1.pie", "p1.PIE"}) {
        PartRecord read;
        ASSERT_TRUE(ReadPart(read, dir.folder(), "alpha", file)) << file;
        EXPECT_EQ(read.comment.str(), "old comment");
    }
    const Bytes before = test::ReadAll(dir.file("Alpha/P1.pie"));
    test::MakeReadOnly(dir.path() / "Alpha" / "P1.pie");
    EXPECT_EQ(WritePart(PartRecord{}, dir.folder(), "ALPHA", "p1.pie"), 0);
    EXPECT_EQ(test::ReadAll(dir.file("Alpha/P1.pie")), before);
}

TEST(PartFile, ToolNamesAreCutTo24Characters) {
    PartRecord p;
    const std::string name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    SetBendPunch(p, name30, 1);
    SetBendDie(p, name30, 1);
    const Bytes image = EncodePart(p);
    for (std::ptrdiff_t field : {299 + 148 + 8, 299 + 148 + 33})  // bend 1 punch, bend 1 die
        EXPECT_EQ(std::string(image.begin() + field, image.begin() + field + 25), name30.substr(0, 24) + '\0');
    // A bend index outside the 25 slots changes nothing.
    PartRecord q;
    SetBendPunch(q, "P", 25);
    SetBendDie(q, "V", -1);
    EXPECT_EQ(EncodePart(q), EncodePart(PartRecord{}));
}

TEST(PartFile, NewPartCommentIsTheDateOrTheTypedTextCut) {
    PartRecord p = KnownPart();
    const std::time_t now = 1780000000;  // a fixed instant
    NewPartHeader(p, "", now);
    const std::string expected = std::ctime(&now);  // the C library's own layout, ending in '\n'
    const Bytes image = EncodePart(p);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 26), expected + '\0');
    EXPECT_EQ(std::string(image.begin() + 26, image.begin() + 255), std::string(229, '*'));
    EXPECT_EQ((std::array{p.currentBend, p.lastBend}), (std::array{0, 0}));
    EXPECT_EQ((std::array{p.thickness, p.bends[2].angle}), (std::array{5.f, 90.f}));  // the rest stays

    NewPartHeader(p, std::string(300, 'c'), 0);
    EXPECT_EQ(p.comment.str(), std::string(254, 'c'));
    EXPECT_EQ(EncodePart(p)[254], 0);
}

TEST(PartFileHardening, BoundingKeepsWhatIsValid) {
    struct Row {
        int current, last, boundedCurrent, boundedLast;
    };
    for (const Row& r : {Row{30, 3, 3, 3}, Row{2, 1000, 2, 24}, Row{2, -5, -1, -1}, Row{-1, -1, -1, -1}}) {
        PartRecord p;
        p.currentBend = r.current, p.lastBend = r.last;
        BoundIndexes(p);
        EXPECT_EQ((std::array{p.currentBend, p.lastBend}), (std::array{r.boundedCurrent, r.boundedLast})) << r.current;
    }
    // "No bend" is a valid state and reads back unchanged.
    Bytes image = RandomPartImage(9);
    PutI32(image, 290, -1), PutI32(image, 294, -1);
    PartRecord q;
    DecodePart(q, image);
    EXPECT_EQ(q.currentBendRecord(), nullptr);
    EXPECT_EQ(EncodePart(q), image);
}

TEST(PartFileHardening, TextsWithoutTerminatorStayInTheirField) {
    Bytes image = RandomPartImage(13);
    // Comment, material, bend 0 punch and first sketch text filled to the brim with 'A', 'B', 'C', 'D'.
    const std::pair<std::size_t, std::size_t> fields[] = {{0, 255}, {259, 31}, {299 + 8, 25}, {7439, 127}};
    std::vector<std::string> expected;
    for (const auto& [offset, size] : fields) {
        expected.emplace_back(size, static_cast<char>('A' + expected.size()));
        std::copy(expected.back().begin(), expected.back().end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    PartRecord p;
    DecodePart(p, image);
    EXPECT_EQ((std::vector{p.comment.str(), p.material.str(), p.bends[0].punch.str(), p.sketchTexts[0].str()}),
              expected);
    EXPECT_EQ(EncodePart(p), image);
}

// Opening and closing a part unchanged writes every byte back, however far
// outside their tables the profile and sketch indexes point.
TEST(PartKeptAsRead, HostileProfileAndSketchIndexesSurviveOpenAndClose) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{1000, 99}, {-5, -7},           {-1, 26}, {INT_MAX, INT_MIN},
                                                           {25, 99},   {INT_MIN, INT_MAX}, {24, 25}};
    unsigned seed = 1;
    for (const auto& [count, last] : cases) {
        SCOPED_TRACE(testing::Message() << count << " / " << last);
        test::TempDir dir;
        const std::string path = JobFile(dir, "P.pie");
        auto original = RandomPartImage(seed);
        const Bytes tail = test::RandomBytes(37, 50 + seed++);  // a tail too
        original.insert(original.end(), tail.begin(), tail.end());
        PutI32(original, 4003, count);
        PutI32(original, 4607, last);
        test::WriteAll(path, original);

        PartRecord part;
        ASSERT_TRUE(ReadPart(part, dir.folder(), "Job", "P.pie"));
        ASSERT_EQ(WritePart(part, dir.folder(), "Job", "P.pie"), 1);
        EXPECT_EQ(test::ReadAll(path), original);
    }
}

}  // namespace
}  // namespace zelpor
