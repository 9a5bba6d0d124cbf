#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <ctime>
#include <filesystem>
#include <functional>

#include "part/PartRecord.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void PutI32(Bytes& image, std::size_t offset, std::int32_t v) {
    for (int i = 0; i < 4; ++i) image[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

std::int32_t GetI32(const Bytes& image, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(image[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

// A random file image whose indexes are in range, so nothing is bounded.
Bytes RandomPartImage(unsigned seed) {
    Bytes image = test::RandomBytes(PartRecord::kFileSize, seed);
    PutI32(image, 290, static_cast<std::int32_t>(seed % 5));        // current bend
    PutI32(image, 294, 4 + static_cast<std::int32_t>(seed % 21));   // last bend
    PutI32(image, 4003, static_cast<std::int32_t>(seed % 25));      // profile bend count
    PutI32(image, 4607, static_cast<std::int32_t>(seed % 27) - 1);  // sketch last
    return image;
}

TEST(PartFile, RecordSizes) {
    PartRecord p;
    EXPECT_EQ(EncodePart(p).size(), 10741u);
    Bytes out;
    ByteWriter w(out);
    BendRecord{}.write(w);
    EXPECT_EQ(out.size(), 148u);
    ProfileSegment{}.write(w);
    EXPECT_EQ(out.size(), 148u + 24u);
    SketchEntity{}.write(w);
    EXPECT_EQ(out.size(), 148u + 24u + 108u);
}

TEST(PartFile, RandomImagesRoundTripByteForByte) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const Bytes image = RandomPartImage(seed);
        PartRecord p;
        DecodePart(p, image);
        EXPECT_EQ(EncodePart(p), image) << "seed " << seed;
    }
}

// Each field is found at its stored offset: the image of a record with that
// one field changed differs from a blank image starting exactly there.
TEST(PartFile, FieldsSitAtTheirOffsets) {
    struct Case {
        const char* field;
        std::size_t offset;
        std::function<void(PartRecord&)> set;
    };
    const Case cases[] = {
        {"comment", 0, [](PartRecord& p) { p.comment.assign("A"); }},
        {"thickness", 255, [](PartRecord& p) { p.thickness = 1.1f; }},
        {"material", 259, [](PartRecord& p) { p.material.assign("Inox"); }},
        {"current bend", 290, [](PartRecord& p) { p.currentBend = 3; }},
        {"last bend", 294, [](PartRecord& p) { p.lastBend = 4; }},
        {"graphic flag", 298, [](PartRecord& p) { p.graphicProfile = 1; }},
        {"bend 0 length", 299, [](PartRecord& p) { p.bends[0].length = 1000.1f; }},
        {"bend 1 punch", 299 + 148 + 8, [](PartRecord& p) { p.bends[1].punch.assign("P"); }},
        {"bend 1 die", 299 + 148 + 33, [](PartRecord& p) { p.bends[1].die.assign("V"); }},
        {"bend 2 angle", 299 + 2 * 148 + 108, [](PartRecord& p) { p.bends[2].angle = 90.3f; }},
        {"bend 24 decompression speed", 299 + 24 * 148 + 144, [](PartRecord& p) { p.bends[24].decompSpeed = 2.2f; }},
        {"start orientation", 3999, [](PartRecord& p) { p.startOrientation = 90.3f; }},
        {"profile bend count", 4003, [](PartRecord& p) { p.profileBendCount = 2; }},
        {"profile table", 4007, [](PartRecord& p) { p.profile[0].length = 50.1f; }},
        {"profile 1 pivot", 4007 + 24 + 12, [](PartRecord& p) { p.profile[1].pivot = 1; }},
        {"profile 24 correction", 4007 + 24 * 24 + 20, [](PartRecord& p) { p.profile[24].correction = 1.1f; }},
        {"sketch last", 4607, [](PartRecord& p) { p.sketchLast = 5; }},
        {"sketch spare", 4611, [](PartRecord& p) { p.sketchSpare = 1; }},
        {"sketch extent max y", 4615 + 12, [](PartRecord& p) { p.sketchExtent[3] = 10.1f; }},
        {"sketch table", 4631, [](PartRecord& p) { p.sketch[0].type = 7; }},
        {"sketch 1 style", 4631 + 108 + 40, [](PartRecord& p) { p.sketch[1].style.assign("DOT"); }},
        {"sketch 25 text index", 4631 + 25 * 108 + 104, [](PartRecord& p) { p.sketch[25].textIndex = 3; }},
        {"sketch texts", 7439, [](PartRecord& p) { p.sketchTexts[0].assign("T"); }},
        {"last sketch text", 7439 + 25 * 127, [](PartRecord& p) { p.sketchTexts[25].assign("Z"); }},
    };
    const Bytes blank = EncodePart(PartRecord{});
    for (const auto& c : cases) {
        PartRecord p;
        c.set(p);
        const Bytes image = EncodePart(p);
        ASSERT_EQ(image.size(), blank.size());
        const auto diff = std::mismatch(image.begin(), image.end(), blank.begin());
        EXPECT_EQ(static_cast<std::size_t>(diff.first - image.begin()), c.offset) << c.field;
    }
    PartRecord p;
    p.thickness = 1.5f;
    p.currentBend = -1;
    const Bytes image = EncodePart(p);
    EXPECT_EQ(GetI32(image, 255), std::bit_cast<std::int32_t>(1.5f));
    EXPECT_EQ(GetI32(image, 290), -1);
}

PartRecord KnownPart() {
    PartRecord p;
    p.comment.assign("old comment");
    p.thickness = 5;
    p.material.assign("Inox");
    p.currentBend = 2;
    p.lastBend = 3;
    p.graphicProfile = 1;
    p.bends[2].angle = 90;
    p.bends[2].punch.assign("P88-67");
    p.profile[0].length = 120;
    p.profileBendCount = 1;
    p.sketchTexts[1].assign("kept");
    return p;
}

void ExpectHeaderDefaultsAndRestKept(const PartRecord& p) {
    EXPECT_EQ(p.comment.str(), "");
    EXPECT_EQ(p.thickness, 0.1f);
    EXPECT_EQ(p.material.str(), "");
    EXPECT_EQ(p.currentBend, 0);
    EXPECT_EQ(p.lastBend, 0);
    EXPECT_EQ(p.graphicProfile, 1);
    EXPECT_EQ(p.bends[2].angle, 90);
    EXPECT_EQ(p.bends[2].punch.str(), "P88-67");
    EXPECT_EQ(p.profile[0].length, 120);
    EXPECT_EQ(p.profileBendCount, 1);
    EXPECT_EQ(p.sketchTexts[1].str(), "kept");
}

TEST(PartFile, MissingFileGivesHeaderDefaultsAndKeepsTheRest) {
    test::TempDir dir;
    PartRecord p = KnownPart();
    EXPECT_FALSE(ReadPart(p, dir.folder(), "Job", "Absent.pie"));
    ExpectHeaderDefaultsAndRestKept(p);
}

TEST(PartFile, ReadOnlyFileCountsAsMissing) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job");
    const std::string path = (dir.path() / "Job" / "P.pie").string();
    test::WriteAll(path, RandomPartImage(7));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    PartRecord p = KnownPart();
    EXPECT_FALSE(ReadPart(p, dir.folder(), "Job", "P.pie"));
    ExpectHeaderDefaultsAndRestKept(p);
}

TEST(PartFile, WriteThenReadGivesTheSameRecord) {
    test::TempDir dir;
    PartRecord written;
    DecodePart(written, RandomPartImage(3));
    EXPECT_EQ(WritePart(written, dir.folder(), "Job", "P.pie"), 1);
    const std::string path = (dir.path() / "Job" / "P.pie").string();
    EXPECT_EQ(test::ReadAll(path), EncodePart(written));
    PartRecord read;
    EXPECT_TRUE(ReadPart(read, dir.folder(), "Job", "P.pie"));
    EXPECT_EQ(EncodePart(read), EncodePart(written));  // random floats may be NaN: compare bytes
}

TEST(PartFile, ShortFileLeavesLaterFieldsAsTheyWere) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job");
    PartRecord source;
    source.comment.assign("from file");
    source.thickness = 3;
    source.material.assign("Alu");
    source.currentBend = 1;
    source.lastBend = 1;
    Bytes image = EncodePart(source);
    image.resize(299);  // the header only: the bends start at 299
    test::WriteAll((dir.path() / "Job" / "P.pie").string(), image);

    PartRecord p = KnownPart();
    EXPECT_TRUE(ReadPart(p, dir.folder(), "Job", "P.pie"));
    EXPECT_EQ(p.comment.str(), "from file");
    EXPECT_EQ(p.thickness, 3);
    EXPECT_EQ(p.material.str(), "Alu");
    EXPECT_EQ(p.currentBend, 1);
    EXPECT_EQ(p.graphicProfile, 0);
    EXPECT_EQ(p.bends[2].angle, 90);
    EXPECT_EQ(p.profile[0].length, 120);
}

TEST(PartFile, SavingOverALongerFileKeepsItsTail) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job");
    const std::string path = (dir.path() / "Job" / "P.pie").string();
    const Bytes before = test::RandomBytes(12000, 11);
    test::WriteAll(path, before);
    const PartRecord p = KnownPart();
    WritePart(p, dir.folder(), "Job", "P.pie");
    const Bytes after = test::ReadAll(path);
    ASSERT_EQ(after.size(), 12000u);
    const Bytes image = EncodePart(p);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), after.begin()));
    EXPECT_TRUE(std::equal(before.begin() + 10741, before.end(), after.begin() + 10741));
}

TEST(PartFile, EmptyPartNameWritesNothing) {
    test::TempDir dir;
    const std::string root = (dir.path() / "Customers" / "").string();
    EXPECT_EQ(WritePart(KnownPart(), root, "Job", ".pie"), -1);
    EXPECT_FALSE(fs::exists(dir.path() / "Customers"));
}

TEST(PartFile, WriteCreatesMissingFolders) {
    test::TempDir dir;
    const std::string root = (dir.path() / "Customers" / "").string();
    EXPECT_NE(WritePart(KnownPart(), root, "Job", "P.pie"), -1);
    EXPECT_EQ(fs::file_size(dir.path() / "Customers" / "Job" / "P.pie"), 10741u);
}

TEST(PartFile, ToolNamesAreCutTo24Characters) {
    PartRecord p;
    const std::string name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    SetBendPunch(p, name30, 1);
    SetBendDie(p, name30, 1);
    EXPECT_EQ(p.bends[1].punch.str(), name30.substr(0, 24));
    const Bytes image = EncodePart(p);
    const std::size_t punch = 299 + 148 + 8, die = 299 + 148 + 33;
    EXPECT_EQ(std::string(image.begin() + punch, image.begin() + punch + 24), name30.substr(0, 24));
    EXPECT_EQ(image[punch + 24], 0);
    EXPECT_EQ(std::string(image.begin() + die, image.begin() + die + 24), name30.substr(0, 24));
    EXPECT_EQ(image[die + 24], 0);
    // A bend index outside the 25 slots changes nothing.
    PartRecord q;
    SetBendPunch(q, "P", 25);
    SetBendDie(q, "V", -1);
    EXPECT_EQ(EncodePart(q), EncodePart(PartRecord{}));
}

TEST(PartFile, NewPartWithoutCommentStampsTheDate) {
    PartRecord p = KnownPart();
    const std::time_t now = 1780000000;  // a fixed instant
    NewPartHeader(p, "", now);
    const std::string expected = std::ctime(&now);  // the C library's own layout
    ASSERT_EQ(expected.size(), 25u);
    const Bytes image = EncodePart(p);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 25), expected);
    EXPECT_EQ(image[24], '\n');
    EXPECT_EQ(image[25], 0);
    for (std::size_t i = 26; i < 255; ++i) ASSERT_EQ(image[i], '*') << i;
    EXPECT_EQ(p.currentBend, 0);
    EXPECT_EQ(p.lastBend, 0);
    // The rest of the part stays as it was.
    EXPECT_EQ(p.thickness, 5);
    EXPECT_EQ(p.material.str(), "Inox");
    EXPECT_EQ(p.bends[2].angle, 90);
}

TEST(PartFile, TypedCommentIsCutTo254Characters) {
    PartRecord p;
    NewPartHeader(p, std::string(300, 'c'), 0);
    EXPECT_EQ(p.comment.str(), std::string(254, 'c'));
    EXPECT_EQ(EncodePart(p)[254], 0);
    NewPartHeader(p, "Support moteur", 0);
    EXPECT_EQ(p.comment.str(), "Support moteur");
}

// Index fields of a file that point outside their tables are bounded, so
// nothing later reads or writes outside the bend, profile or sketch tables.
TEST(PartFileHardening, IndexesOutOfRangeAreBounded) {
    const std::int32_t bad[] = {-5, 25, 1000, INT_MAX, INT_MIN};
    const std::size_t fields[] = {290, 294, 4003, 4607};
    for (std::size_t field : fields) {
        for (std::int32_t value : bad) {
            Bytes image = RandomPartImage(5);
            PutI32(image, field, value);
            PartRecord p;
            DecodePart(p, image);
            const std::string what = "offset " + std::to_string(field) + " value " + std::to_string(value);
            EXPECT_TRUE((p.currentBend == -1 && p.lastBend == -1) ||
                        (0 <= p.currentBend && p.currentBend <= p.lastBend && p.lastBend <= 24))
                << what;
            EXPECT_GE(p.profileBendCount, 0) << what;
            EXPECT_LE(p.profileBendCount, 24) << what;
            EXPECT_GE(p.sketchLast, -1) << what;
            EXPECT_LE(p.sketchLast, 25) << what;
            if (p.hasCurrentBend()) {
                const BendRecord* b = p.currentBendRecord();
                EXPECT_GE(b, &p.bends.front()) << what;
                EXPECT_LE(b, &p.bends.back()) << what;
            }
        }
    }
}

TEST(PartFileHardening, BoundingKeepsWhatIsValid) {
    PartRecord p;
    p.currentBend = 30;
    p.lastBend = 3;
    BoundIndexes(p);
    EXPECT_EQ(p.currentBend, 3);
    EXPECT_EQ(p.lastBend, 3);
    p.currentBend = 2;
    p.lastBend = 1000;
    BoundIndexes(p);
    EXPECT_EQ(p.currentBend, 2);
    EXPECT_EQ(p.lastBend, 24);
    p.currentBend = 2;
    p.lastBend = -5;
    BoundIndexes(p);
    EXPECT_EQ(p.currentBend, -1);
    EXPECT_EQ(p.lastBend, -1);
    // "No bend" is a valid state and reads back unchanged.
    Bytes image = RandomPartImage(9);
    PutI32(image, 290, -1);
    PutI32(image, 294, -1);
    PartRecord q;
    DecodePart(q, image);
    EXPECT_EQ(q.currentBend, -1);
    EXPECT_EQ(q.lastBend, -1);
    EXPECT_FALSE(q.hasCurrentBend());
    EXPECT_EQ(q.currentBendRecord(), nullptr);
    EXPECT_EQ(EncodePart(q), image);
}

TEST(PartFileHardening, TextsWithoutTerminatorStayInTheirField) {
    Bytes image = RandomPartImage(13);
    std::fill(image.begin(), image.begin() + 255, 'A');        // comment
    std::fill(image.begin() + 259, image.begin() + 290, 'B');  // material
    std::fill(image.begin() + 299 + 8, image.begin() + 299 + 33, 'C');   // bend 0 punch
    std::fill(image.begin() + 7439, image.begin() + 7439 + 127, 'D');    // first sketch text
    PartRecord p;
    DecodePart(p, image);
    EXPECT_EQ(p.comment.str(), std::string(255, 'A'));
    EXPECT_EQ(p.material.str(), std::string(31, 'B'));
    EXPECT_EQ(p.bends[0].punch.str(), std::string(25, 'C'));
    EXPECT_EQ(p.sketchTexts[0].str(), std::string(127, 'D'));
    EXPECT_EQ(EncodePart(p), image);
}

TEST(PartFileHardening, OversizedFileReadsOnlyTheRecord) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "Job");
    Bytes image = RandomPartImage(17);
    Bytes file = image;
    file.resize(200000, 0xEE);
    test::WriteAll((dir.path() / "Job" / "Big.pie").string(), file);
    PartRecord p;
    EXPECT_TRUE(ReadPart(p, dir.folder(), "Job", "Big.pie"));
    EXPECT_EQ(EncodePart(p), image);
}

}  // namespace
}  // namespace zelpor
