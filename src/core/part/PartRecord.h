#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/io/FileResult.h"
#include "core/io/FileWriter.h"
#include "core/io/FixedText.h"

namespace zelpor {

inline constexpr int kMaxBends = 25;
inline constexpr int kProfileEntries = 25;
inline constexpr int kSketchEntities = 26;

// One bend and its eleven machine settings; 148 bytes on disk.
struct BendRecord {
    float length = 0;  // "Longueur"
    float force = 0;   // "Force"
    FixedText<25> punch;
    FixedText<25> die;
    std::array<std::uint8_t, 50> reserved{};
    float angle = 0;        // "Angle"
    float y = 0;            // "Y"
    float opening = 0;      // "Ouverture"
    float x = 0;            // "X"
    float retract = 0;      // "Recul"
    float delay = 0;        // "Delais"
    float speed = 0;        // "Vitesse"
    float pressTime = 0;    // "Temps Pression"
    float decompress = 0;   // "Dist. Decompre."
    float decompSpeed = 0;  // "Vit. Decompres."

    static constexpr std::size_t kSize = 148;
    void read(ByteReader& r);
    void write(ByteWriter& w) const;
    friend bool operator==(const BendRecord&, const BendRecord&) = default;
};

// Entry k of a drawn profile: segment k and the bend that follows it; 24 bytes.
struct ProfileSegment {
    float length = 0;
    float angle = 0;         // included angle of the bend after the segment; 180 = straight
    std::int32_t index = 0;  // k; -1 marks the last segment
    std::uint8_t pivot = 0;
    std::array<std::uint8_t, 3> unused{};
    std::int32_t order = 0;  // position in the bending order; -1 while not placed
    float correction = 0;

    static constexpr std::size_t kSize = 24;
    void read(ByteReader& r);
    void write(ByteWriter& w) const;
    friend bool operator==(const ProfileSegment&, const ProfileSegment&) = default;
};

// One drawing entity of a part's sketch; 108 bytes.
struct SketchEntity {
    std::int32_t type = 0;    // 1 line, 3 circle, 4 arc, 7 text
    std::int32_t colour = 0;  // 0x00BBGGRR
    std::array<std::uint8_t, 32> unused{};
    FixedText<32> style;  // "DOT" = dotted
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float radius = 0;
    float startAngle = 0;
    float endAngle = 0;
    float textHeight = 0;
    std::int32_t textIndex = 0;

    static constexpr std::size_t kSize = 108;
    void read(ByteReader& r);
    void write(ByteWriter& w) const;
    friend bool operator==(const SketchEntity&, const SketchEntity&) = default;
};

// The current part. The file image is 10741 bytes.
struct PartRecord {
    FixedText<255> comment;
    float thickness = 0;
    FixedText<31> material;
    float materialCoefficient = 0;  // memory only: set from the material table
    std::int32_t currentBend = 0;
    std::int32_t lastBend = 0;
    std::uint8_t graphicProfile = 0;
    std::array<BendRecord, kMaxBends> bends{};
    float startOrientation = 0;
    std::int32_t profileBendCount = 0;
    std::array<ProfileSegment, kProfileEntries> profile{};
    std::int32_t sketchLast = 0;
    std::int32_t sketchSpare = 0;
    std::array<float, 4> sketchExtent{};  // min x, min y, max x, max y
    std::array<SketchEntity, kSketchEntities> sketch{};
    std::array<FixedText<127>, kSketchEntities> sketchTexts{};

    static constexpr std::size_t kFileSize = 10741;

    bool hasCurrentBend() const;  // 0 <= current <= last <= 24
    BendRecord* currentBendRecord();
    const BendRecord* currentBendRecord() const;
    int bendCount() const { return hasCurrentBend() ? lastBend + 1 : 0; }
    // The profile and sketch indexes as every use must read them: the stored
    // values may lie anywhere (a drawing finished before its first length
    // leaves -1). Profile bends 0 .. n-1 with n in 0..24; last entity -1..25.
    int safeProfileBendCount() const;
    int safeSketchLast() const;

    friend bool operator==(const PartRecord&, const PartRecord&) = default;
};

// File image of a part, field by field in file order.
std::vector<std::uint8_t> EncodePart(const PartRecord& part);
// Decodes a file image onto `part`: a short image leaves the fields past its
// end as they were. Bend indexes outside their table are bounded; the profile
// and sketch blocks are kept as stored (bounded where they are used), so a
// part opened and closed unchanged is written back byte for byte.
void DecodePart(PartRecord& part, std::span<const std::uint8_t> fileBytes);

// Bounds the bend indexes from a file so that no later use reads or writes
// outside the bend table: -1..24 with current <= last.
void BoundIndexes(PartRecord& part);

// Part file path: root + job + separator + file name.
std::string PartFilePath(const std::string& root, const std::string& job, const std::string& fileName);

// Saves the part over the start of its file (the bytes after the record are
// kept), making the jobs root and the job folder when missing. An empty part
// name (".pie") saves nothing and fails with NotFound.
Result<> SavePart(const PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName,
                  FileWriter& writer = SystemFileWriter());
// SavePart as the windows call it: -1 when nothing was attempted (empty part
// name), 0 when the write failed, 1 when the file was written.
int WritePart(const PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName);
bool ReadPart(PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName);

void SetBendPunch(PartRecord& part, const std::string& name, int bendIndex);
void SetBendDie(PartRecord& part, const std::string& name, int bendIndex);
void SetMaterial(PartRecord& part, const std::string& name);

// The new-part dialog's header: an empty comment becomes 255 "*" with the
// ctime-style date and time over its start; both bend indexes become 0.
// `now` is seconds since the epoch (local time is used for the text).
void NewPartHeader(PartRecord& part, const std::string& comment, long long now);
std::string CtimeText(long long now);  // "Sun Dec  6 10:39:40 2026\n"

}  // namespace zelpor
