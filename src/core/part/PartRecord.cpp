#include "part/PartRecord.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "io/Files.h"

namespace zelpor {

// The stored sizes, field by field as the encoders write them.
static_assert(BendRecord::kSize == 4 + 4 + 25 + 25 + 50 + 10 * 4);
static_assert(ProfileSegment::kSize == 4 + 4 + 4 + 1 + 3 + 4 + 4);
static_assert(SketchEntity::kSize == 4 + 4 + 32 + 32 + 8 * 4 + 4);
static_assert(PartRecord::kFileSize == 255 + 4 + 31 + 4 + 4 + 1 + kMaxBends * BendRecord::kSize + 4 + 4 +
                                           kProfileEntries * ProfileSegment::kSize + 4 + 4 + 16 +
                                           kSketchEntities * SketchEntity::kSize + kSketchEntities * 127);

void BendRecord::read(ByteReader& r) {
    length = r.f32();
    force = r.f32();
    punch.read(r);
    die.read(r);
    r.bytes(reserved);
    for (float* f : {&angle, &y, &opening, &x, &retract, &delay, &speed, &pressTime, &decompress, &decompSpeed})
        *f = r.f32();
}

void BendRecord::write(ByteWriter& w) const {
    w.f32(length);
    w.f32(force);
    punch.write(w);
    die.write(w);
    w.bytes(reserved);
    for (float f : {angle, y, opening, x, retract, delay, speed, pressTime, decompress, decompSpeed}) w.f32(f);
}

void ProfileSegment::read(ByteReader& r) {
    length = r.f32();
    angle = r.f32();
    index = r.i32();
    pivot = r.u8();
    r.bytes(unused);
    order = r.i32();
    correction = r.f32();
}

void ProfileSegment::write(ByteWriter& w) const {
    w.f32(length);
    w.f32(angle);
    w.i32(index);
    w.u8(pivot);
    w.bytes(unused);
    w.i32(order);
    w.f32(correction);
}

void SketchEntity::read(ByteReader& r) {
    type = r.i32();
    colour = r.i32();
    r.bytes(unused);
    style.read(r);
    for (float* f : {&x1, &y1, &x2, &y2, &radius, &startAngle, &endAngle, &textHeight}) *f = r.f32();
    textIndex = r.i32();
}

void SketchEntity::write(ByteWriter& w) const {
    w.i32(type);
    w.i32(colour);
    w.bytes(unused);
    style.write(w);
    for (float f : {x1, y1, x2, y2, radius, startAngle, endAngle, textHeight}) w.f32(f);
    w.i32(textIndex);
}

bool PartRecord::hasCurrentBend() const {
    return currentBend >= 0 && currentBend <= lastBend && lastBend < kMaxBends;
}

BendRecord* PartRecord::currentBendRecord() {
    return hasCurrentBend() ? &bends[static_cast<std::size_t>(currentBend)] : nullptr;
}
const BendRecord* PartRecord::currentBendRecord() const {
    return hasCurrentBend() ? &bends[static_cast<std::size_t>(currentBend)] : nullptr;
}

int PartRecord::safeProfileBendCount() const { return std::clamp(profileBendCount, 0, kProfileEntries - 1); }
int PartRecord::safeSketchLast() const { return std::clamp(sketchLast, -1, kSketchEntities - 1); }

std::vector<std::uint8_t> EncodePart(const PartRecord& p) {
    std::vector<std::uint8_t> out;
    out.reserve(PartRecord::kFileSize);
    ByteWriter w(out);
    p.comment.write(w);
    w.f32(p.thickness);
    p.material.write(w);
    w.i32(p.currentBend);
    w.i32(p.lastBend);
    w.u8(p.graphicProfile);
    for (const auto& b : p.bends) b.write(w);
    w.f32(p.startOrientation);
    w.i32(p.profileBendCount);
    for (const auto& s : p.profile) s.write(w);
    w.i32(p.sketchLast);
    w.i32(p.sketchSpare);
    for (float f : p.sketchExtent) w.f32(f);
    for (const auto& e : p.sketch) e.write(w);
    for (const auto& t : p.sketchTexts) t.write(w);
    return out;
}

static void ReadPartFields(PartRecord& p, ByteReader& r) {
    p.comment.read(r);
    p.thickness = r.f32();
    p.material.read(r);
    p.currentBend = r.i32();
    p.lastBend = r.i32();
    p.graphicProfile = r.u8();
    for (auto& b : p.bends) b.read(r);
    p.startOrientation = r.f32();
    p.profileBendCount = r.i32();
    for (auto& s : p.profile) s.read(r);
    p.sketchLast = r.i32();
    p.sketchSpare = r.i32();
    for (float& f : p.sketchExtent) f = r.f32();
    for (auto& e : p.sketch) e.read(r);
    for (auto& t : p.sketchTexts) t.read(r);
}

void DecodePart(PartRecord& p, std::span<const std::uint8_t> fileBytes) {
    ReadOverImage(fileBytes, PartRecord::kFileSize, [&] { return EncodePart(p); },
                  [&](ByteReader& r) { ReadPartFields(p, r); });
    BoundIndexes(p);
}

void BoundIndexes(PartRecord& p) {
    const bool valid = (p.currentBend == -1 && p.lastBend == -1) ||
                       (p.currentBend >= 0 && p.currentBend <= p.lastBend && p.lastBend < kMaxBends);
    if (!valid) {
        p.lastBend = std::clamp(p.lastBend, -1, kMaxBends - 1);
        p.currentBend = p.lastBend < 0 ? -1 : std::clamp(p.currentBend, 0, p.lastBend);
    }
    p.profileBendCount = p.safeProfileBendCount();
    p.sketchLast = p.safeSketchLast();
}

// The job folder as it exists on disk: a job named "ALPHA" in the
// configuration is the folder "Alpha", as it was on the shop's old system.
std::string PartFilePath(const std::string& root, const std::string& job, const std::string& fileName) {
    return ResolveCaseInsensitive(root + job) + kPathSeparator + fileName;
}

int WritePart(const PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName) {
    if (fileName == ".pie") return -1;
    const auto image = EncodePart(part);
    // Saving the part of an existing job, the usual case, needs no folder
    // checks: the file is written over at once. Only when that fails are the
    // folders made and the job's name looked up without regard to case.
    if (WriteOverFileStart(root + job + kPathSeparator + fileName, image)) return 1;
    if (!FolderExists(root)) CreateFolder(root);
    const std::string jobFolder = ResolveCaseInsensitive(root + job);
    if (!FolderExists(jobFolder)) CreateFolder(jobFolder);
    return WriteOverFileStart(PartFilePath(root, job, fileName), image) ? 1 : 0;
}

bool ReadPart(PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName) {
    // The job folder is searched for another case only when the name as
    // stored does not lead to the file: the usual read costs one look at the
    // disk before the bytes themselves.
    FileError error = FileError::None;
    auto bytes = ReadWritableFile(root + job + kPathSeparator + fileName, &error, PartRecord::kFileSize);
    if (!bytes && error == FileError::NotFound)
        bytes = ReadWritableFile(PartFilePath(root, job, fileName), nullptr, PartRecord::kFileSize);
    if (!bytes) {
        part.comment.assign("");
        part.thickness = 0.1f;
        part.material.assign("");
        part.currentBend = 0;
        part.lastBend = 0;
        return false;
    }
    DecodePart(part, *bytes);
    return true;
}

void SetBendPunch(PartRecord& part, const std::string& name, int bendIndex) {
    if (bendIndex < 0 || bendIndex >= kMaxBends) return;
    part.bends[static_cast<std::size_t>(bendIndex)].punch.assign(name, 24);
}

void SetBendDie(PartRecord& part, const std::string& name, int bendIndex) {
    if (bendIndex < 0 || bendIndex >= kMaxBends) return;
    part.bends[static_cast<std::size_t>(bendIndex)].die.assign(name, 24);
}

void SetMaterial(PartRecord& part, const std::string& name) { part.material.assign(name); }

std::string CtimeText(long long now) {
    std::time_t t = static_cast<std::time_t>(now);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s %s %2d %02d:%02d:%02d %d\n", kDays[tm.tm_wday % 7], kMonths[tm.tm_mon % 12],
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_year + 1900);
    return buf;
}

void NewPartHeader(PartRecord& part, const std::string& comment, long long now) {
    if (comment.empty()) {
        part.comment.bytes.fill('*');
        part.comment.assign(CtimeText(now));  // text, line feed and NUL over the start
    } else {
        part.comment.assign(comment);  // cut to 254 characters so the terminator fits
    }
    part.currentBend = 0;
    part.lastBend = 0;
}

}  // namespace zelpor
