#include "core/part/PartRecord.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "core/io/Files.h"

namespace zelpor {

// The stored sizes, field by field as the encoders write them.
static_assert(BendRecord::kSize == 4 + 4 + 25 + 25 + 50 + 10 * 4);
static_assert(ProfileSegment::kSize == 4 + 4 + 4 + 1 + 3 + 4 + 4);
static_assert(SketchEntity::kSize == 4 + 4 + 32 + 32 + 8 * 4 + 4);
static_assert(PartRecord::kFileSize == 255 + 4 + 31 + 4 + 4 + 1 + kMaxBends * BendRecord::kSize + 4 + 4 +
                                           kProfileEntries * ProfileSegment::kSize + 4 + 4 + 16 +
                                           kSketchEntities * SketchEntity::kSize + kSketchEntities * 127);

namespace {

// One field list per record serves both directions: `Io` is a reader that
// fills the fields or a writer that stores them, so the order and sizes of
// the file are written down once.
class FieldReader {
public:
    explicit FieldReader(ByteReader& r) : m_r(r) {}
    void f32(float& v) { v = m_r.f32(); }
    void i32(std::int32_t& v) { v = m_r.i32(); }
    void u8(std::uint8_t& v) { v = m_r.u8(); }
    template <std::size_t N>
    void bytes(std::array<std::uint8_t, N>& v) {
        m_r.bytes(v);
    }
    template <std::size_t N>
    void text(FixedText<N>& t) {
        t.read(m_r);
    }

private:
    ByteReader& m_r;
};

class FieldWriter {
public:
    explicit FieldWriter(ByteWriter& w) : m_w(w) {}
    void f32(float v) { m_w.f32(v); }
    void i32(std::int32_t v) { m_w.i32(v); }
    void u8(std::uint8_t v) { m_w.u8(v); }
    template <std::size_t N>
    void bytes(const std::array<std::uint8_t, N>& v) {
        m_w.bytes(v);
    }
    template <std::size_t N>
    void text(const FixedText<N>& t) {
        t.write(m_w);
    }

private:
    ByteWriter& m_w;
};

template <class Bend, class Io>
void BendFields(Bend& b, Io& io) {
    io.f32(b.length);
    io.f32(b.force);
    io.text(b.punch);
    io.text(b.die);
    io.bytes(b.reserved);
    io.f32(b.angle);
    io.f32(b.y);
    io.f32(b.opening);
    io.f32(b.x);
    io.f32(b.retract);
    io.f32(b.delay);
    io.f32(b.speed);
    io.f32(b.pressTime);
    io.f32(b.decompress);
    io.f32(b.decompSpeed);
}

template <class Segment, class Io>
void SegmentFields(Segment& s, Io& io) {
    io.f32(s.length);
    io.f32(s.angle);
    io.i32(s.index);
    io.u8(s.pivot);
    io.bytes(s.unused);
    io.i32(s.order);
    io.f32(s.correction);
}

template <class Entity, class Io>
void EntityFields(Entity& e, Io& io) {
    io.i32(e.type);
    io.i32(e.colour);
    io.bytes(e.unused);
    io.text(e.style);
    for (auto* f : {&e.x1, &e.y1, &e.x2, &e.y2, &e.radius, &e.startAngle, &e.endAngle, &e.textHeight}) io.f32(*f);
    io.i32(e.textIndex);
}

// The stored part, in file order; the material coefficient lives in memory only.
template <class Part, class Io>
void PartFields(Part& p, Io& io) {
    io.text(p.comment);
    io.f32(p.thickness);
    io.text(p.material);
    io.i32(p.currentBend);
    io.i32(p.lastBend);
    io.u8(p.graphicProfile);
    for (auto& b : p.bends) BendFields(b, io);
    io.f32(p.startOrientation);
    io.i32(p.profileBendCount);
    for (auto& s : p.profile) SegmentFields(s, io);
    io.i32(p.sketchLast);
    io.i32(p.sketchSpare);
    for (auto& f : p.sketchExtent) io.f32(f);
    for (auto& e : p.sketch) EntityFields(e, io);
    for (auto& t : p.sketchTexts) io.text(t);
}

}  // namespace

void BendRecord::read(ByteReader& r) {
    FieldReader io(r);
    BendFields(*this, io);
}

void BendRecord::write(ByteWriter& w) const {
    FieldWriter io(w);
    BendFields(*this, io);
}

void ProfileSegment::read(ByteReader& r) {
    FieldReader io(r);
    SegmentFields(*this, io);
}

void ProfileSegment::write(ByteWriter& w) const {
    FieldWriter io(w);
    SegmentFields(*this, io);
}

void SketchEntity::read(ByteReader& r) {
    FieldReader io(r);
    EntityFields(*this, io);
}

void SketchEntity::write(ByteWriter& w) const {
    FieldWriter io(w);
    EntityFields(*this, io);
}

bool PartRecord::hasCurrentBend() const { return currentBend >= 0 && currentBend <= lastBend && lastBend < kMaxBends; }

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
    FieldWriter io(w);
    PartFields(p, io);
    return out;
}

void DecodePart(PartRecord& p, std::span<const std::uint8_t> fileBytes) {
    ReadOverImage(
        fileBytes, PartRecord::kFileSize, [&] { return EncodePart(p); },
        [&](ByteReader& r) {
            FieldReader io(r);
            PartFields(p, io);
        });
    BoundIndexes(p);
}

void BoundIndexes(PartRecord& p) {
    const bool valid = (p.currentBend == -1 && p.lastBend == -1) ||
                       (p.currentBend >= 0 && p.currentBend <= p.lastBend && p.lastBend < kMaxBends);
    if (!valid) {
        p.lastBend = std::clamp(p.lastBend, -1, kMaxBends - 1);
        p.currentBend = p.lastBend < 0 ? -1 : std::clamp(p.currentBend, 0, p.lastBend);
    }
}

// The job folder as it exists on disk: a job named "ALPHA" in the
// configuration is the folder "Alpha", as it was on the shop's old system.
std::string PartFilePath(const std::string& root, const std::string& job, const std::string& fileName) {
    return ResolveCaseInsensitive(root + job) + kPathSeparator + fileName;
}

Result<> SavePart(const PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName,
                  FileWriter& writer) {
    if (fileName == ".pie") return Failure(FileError::NotFound, root + job + kPathSeparator + fileName, "no part name");
    const auto image = EncodePart(part);
    // Saving the part of an existing job, the usual case, needs no folder
    // checks: the file is written over at once. Only when that fails for want
    // of its folder are the folders made and the job's name looked up without
    // regard to case.
    auto saved = WriteOverFileStart(root + job + kPathSeparator + fileName, image, writer);
    if (saved || FolderExists(root + job)) return saved;
    if (!FolderExists(root)) (void)CreateFolder(root);
    const std::string jobFolder = ResolveCaseInsensitive(root + job);
    if (!FolderExists(jobFolder)) (void)CreateFolder(jobFolder);
    return WriteOverFileStart(PartFilePath(root, job, fileName), image, writer);
}

int WritePart(const PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName) {
    if (fileName == ".pie") return -1;
    return SavePart(part, root, job, fileName) ? 1 : 0;
}

bool ReadPart(PartRecord& part, const std::string& root, const std::string& job, const std::string& fileName) {
    // The job folder is searched for another case only when the name as
    // stored does not lead to the file: the usual read costs one look at the
    // disk before the bytes themselves.
    auto bytes = ReadWritableFile(root + job + kPathSeparator + fileName, PartRecord::kFileSize);
    if (!bytes && bytes.code() == FileError::NotFound)
        bytes = ReadWritableFile(PartFilePath(root, job, fileName), PartRecord::kFileSize);
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
