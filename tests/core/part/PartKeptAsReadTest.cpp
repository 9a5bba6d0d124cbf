#include <gtest/gtest.h>

#include <climits>

#include "part/PartRecord.h"
#include "support/TempDir.h"

using namespace zelpor;
using namespace zelpor::test;

namespace {

constexpr std::size_t kProfileCountAt = 4003;
constexpr std::size_t kSketchLastAt = 4607;

void PutI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
}

// A part file as a real job holds it: valid bend indexes, every other byte
// anything, and the given profile bend count and sketch last index.
std::vector<std::uint8_t> HostilePart(std::int32_t profileCount, std::int32_t sketchLast, unsigned seed) {
    auto bytes = RandomBytes(PartRecord::kFileSize + 37, seed);  // a tail too
    PutI32(bytes, 290, 0);
    PutI32(bytes, 294, 1);
    PutI32(bytes, kProfileCountAt, profileCount);
    PutI32(bytes, kSketchLastAt, sketchLast);
    return bytes;
}

}  // namespace

// Opening and closing a part unchanged writes every byte back, however far
// outside their tables the profile and sketch indexes point.
TEST(PartKeptAsRead, HostileProfileAndSketchIndexesSurviveOpenAndClose) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {1000, 99}, {-5, -7}, {-1, 26}, {INT_MAX, INT_MIN}, {25, 99}, {INT_MIN, INT_MAX}, {24, 25}};
    unsigned seed = 1;
    for (const auto& [count, last] : cases) {
        SCOPED_TRACE(testing::Message() << count << " / " << last);
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "JOB");
        const auto original = HostilePart(count, last, seed++);
        WriteAll(dir.file("JOB/P.pie"), original);

        PartRecord part;
        ASSERT_TRUE(ReadPart(part, dir.folder(), "JOB", "P.pie"));
        EXPECT_EQ(part.profileBendCount, count);
        EXPECT_EQ(part.sketchLast, last);
        // Every use sees the bounded value.
        EXPECT_GE(part.safeProfileBendCount(), 0);
        EXPECT_LE(part.safeProfileBendCount(), kProfileEntries - 1);
        EXPECT_GE(part.safeSketchLast(), -1);
        EXPECT_LE(part.safeSketchLast(), kSketchEntities - 1);
        ASSERT_EQ(WritePart(part, dir.folder(), "JOB", "P.pie"), 1);
        EXPECT_EQ(ReadAll(dir.file("JOB/P.pie")), original);
    }
}
