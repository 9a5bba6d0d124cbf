#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "FuzzCheck.h"
#include "core/part/PartRecord.h"

using namespace zelpor;
namespace fs = std::filesystem;

// The part file through the program's own file code: the fuzzed bytes are
// written as a part file (the record, then a fuzzed tail), opened with
// ReadPart, saved unchanged and saved changed with WritePart. The unchanged
// save is byte-identical (only bend indexes outside their table are bounded),
// the changed save differs only in the changed fields, the tail is kept.

namespace {

// One folder per fuzzing process, in memory when the system offers it: a
// save flushes to the disk, and the disk is not what is being tested.
const fs::path& Root() {
    static const fs::path root = [] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path r = base / ("zelpor-fuzz-partfile-" + std::to_string(::getpid()));
        fs::create_directories(r / "JOB");
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(Root(), ec);
        });
        return r;
    }();
    return root;
}

// Read in one go: byte-by-byte stream reading was most of the target's time.
std::vector<std::uint8_t> FileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::int32_t I32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= std::uint32_t{bytes[at + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

// The bend indexes as the file holds them, before the reader bounds them.
bool IndexesValid(const std::vector<std::uint8_t>& file) {
    const std::int32_t current = I32At(file, 290), last = I32At(file, 294);
    return (current == -1 && last == -1) || (current >= 0 && current <= last && last < kMaxBends);
}

// Byte ranges [begin, end) of the fields the changed save touches.
struct Range {
    std::size_t begin, end;
};

// Equal sizes and equal bytes outside the given ranges (in file order).
bool SameOutside(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                 const std::vector<Range>& skipped) {
    if (a.size() != b.size()) return false;
    std::size_t from = 0;
    for (const Range& r : skipped) {
        if (!std::equal(a.begin() + static_cast<std::ptrdiff_t>(from), a.begin() + static_cast<std::ptrdiff_t>(r.begin),
                        b.begin() + static_cast<std::ptrdiff_t>(from)))
            return false;
        from = r.end;
    }
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(from), a.end(),
                      b.begin() + static_cast<std::ptrdiff_t>(from));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    // The record: the first 10741 bytes, zero-padded; the tail: the rest.
    std::vector<std::uint8_t> file(PartRecord::kFileSize, 0);
    const std::size_t recordBytes = std::min(size, PartRecord::kFileSize);
    if (recordBytes > 0) std::memcpy(file.data(), data, recordBytes);
    file.insert(file.end(), input.begin() + static_cast<std::ptrdiff_t>(recordBytes), input.end());
    const fs::path path = Root() / "JOB" / "P.pie";
    const std::string root = (Root() / "").string();
    WriteBytes(path, file);

    PartRecord part;
    FUZZ_CHECK(ReadPart(part, root, "JOB", "P.pie"));
    const bool indexesValid = IndexesValid(file);
    FUZZ_CHECK(WritePart(part, root, "JOB", "P.pie") == 1);
    const auto unchanged = FileBytes(path);
    FUZZ_CHECK(unchanged.size() == file.size());
    FUZZ_CHECK(SameOutside(unchanged, file, indexesValid ? std::vector<Range>{} : std::vector<Range>{{290, 298}}));

    // A change of the comment, the thickness, one bend's length and one
    // profile correction, chosen by the input.
    const std::uint8_t pick = size > 0 ? data[0] : 0;
    const std::size_t bend = pick % kMaxBends;
    const std::size_t segment = (pick / 7u) % kProfileEntries;
    part.comment.assign("CHANGE " + std::to_string(pick));
    part.thickness += 1.5f;
    part.bends[bend].length = static_cast<float>(pick) + 0.25f;
    part.profile[segment].correction = -static_cast<float>(pick);
    FUZZ_CHECK(WritePart(part, root, "JOB", "P.pie") == 1);
    const auto changed = FileBytes(path);
    FUZZ_CHECK(changed.size() == unchanged.size());
    FUZZ_CHECK(
        SameOutside(changed, unchanged,
                    {{0, 259},  // comment and thickness
                     {299 + bend * BendRecord::kSize, 299 + bend * BendRecord::kSize + 4},
                     {4007 + segment * ProfileSegment::kSize + 20, 4007 + segment * ProfileSegment::kSize + 24}}));
    // The change is what was asked, read back through the program's reader.
    PartRecord back;
    FUZZ_CHECK(ReadPart(back, root, "JOB", "P.pie"));
    FUZZ_CHECK(back.comment.str() == part.comment.str());
    FUZZ_CHECK(std::memcmp(&back.thickness, &part.thickness, sizeof(float)) == 0);
    FUZZ_CHECK(std::memcmp(&back.bends[bend].length, &part.bends[bend].length, sizeof(float)) == 0);
    FUZZ_CHECK(back.profile[segment].correction == part.profile[segment].correction);
    return 0;
}
