#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/io/FixedText.h"

namespace zelpor {

inline constexpr int kOutlineSlots = 25;

enum ElementType : std::int32_t { kLine = 1, kCircle = 3, kArc = 4, kText = 7, kFill = 9 };

// Colour references are 0x00BBGGRR.
constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The 76-byte drawing element of tool outlines, also used for the scenes of
// the bend view and the sequence window.
struct OutlineElement {
    std::int32_t type = 0;
    std::int32_t colour = 0;
    FixedText<32> name;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float r = 0;
    float a1 = 0;  // arc start angle; text rotation
    float a2 = 0;  // arc end angle
    float h = 0;   // text height
    std::int32_t textIndex = 0;

    static constexpr std::size_t kSize = 76;
    void read(ByteReader& rd);
    void write(ByteWriter& w) const;
    friend bool operator==(const OutlineElement&, const OutlineElement&) = default;
};

// Number of outline elements in use for a stored last-element index: elements
// 0..n when n >= 1; none when n is 0 or outside the 25 slots.
int OutlineElementCount(std::int32_t lastIndex);

struct PunchRecord {
    std::int32_t version = 0;
    std::int32_t versionIndex = 0;
    float height = 0;
    float angle = 0;
    std::int32_t lastElement = 0;
    std::array<OutlineElement, kOutlineSlots> outline{};
    std::array<std::uint8_t, 80> reserved{};
    std::array<std::uint8_t, 20> textSlots{};

    static constexpr std::size_t kFileSize = 2020;
    int elementCount() const { return OutlineElementCount(lastElement); }
    friend bool operator==(const PunchRecord&, const PunchRecord&) = default;
};

struct DieRecord {
    std::int32_t version = 0;
    std::int32_t versionIndex = 0;
    float height = 0;
    float vAngle = 0;
    float vOpening = 0;
    float entryRadius = 0;
    std::array<std::uint8_t, 4> reserved{};
    std::int32_t lastElement = 0;
    std::array<OutlineElement, kOutlineSlots> outline{};
    std::array<std::uint8_t, 80> reservedEntries{};
    std::array<std::uint8_t, 20> textSlots{};

    static constexpr std::size_t kFileSize = 2032;
    int elementCount() const { return OutlineElementCount(lastElement); }
    friend bool operator==(const DieRecord&, const DieRecord&) = default;
};

std::vector<std::uint8_t> EncodePunch(const PunchRecord& p);
std::vector<std::uint8_t> EncodeDie(const DieRecord& d);
// Short images leave the fields past their end as they were.
void DecodePunch(PunchRecord& p, std::span<const std::uint8_t> bytes);
void DecodeDie(DieRecord& d, std::span<const std::uint8_t> bytes);

// The punch in use. Text slots of a loaded tool are always empty.
struct TPoincon {
    bool selectionRequest = false;
    std::string name;
    PunchRecord record;
};

// The die in use; a new holder has version and version index 1.
struct TMatrice {
    TMatrice() {
        record.version = 1;
        record.versionIndex = 1;
    }
    bool selectionRequest = false;
    std::string name;
    DieRecord record;
};

enum class ToolKind { Punch, Die };

// Tool names of the tools folder: "*.pun" or "*.die" entries that are plain
// writable, visible files; the name is the file name cut at its first ".";
// in the order the shop's file system lists the folder (whole file names,
// upper-cased), duplicates kept.
std::vector<std::string> ListToolNames(const std::string& toolsFolder, ToolKind kind);

// The file of the tool `name` in the tools folder (with a trailing separator):
// name + ".PUN" or ".DIE", spelt as in the folder when the file exists. Empty when the name, read from a part that may
// be damaged, breaks the name rule and could reach outside the folder: loading from it then fails like a missing tool.
std::string ToolFilePath(const std::string& toolsFolder, const std::string& name, ToolKind kind);

// Load a tool file into a holder's record; the name and selection flag are
// not touched. A file that cannot be opened leaves the holder unchanged.
bool LoadPunchFile(TPoincon& punch, const std::string& path);
bool LoadDieFile(TMatrice& die, const std::string& path);
bool LoadPunchRecord(PunchRecord& record, const std::string& path);
bool LoadDieRecord(DieRecord& record, const std::string& path);

}  // namespace zelpor
