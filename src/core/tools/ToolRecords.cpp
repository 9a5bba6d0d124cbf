#include "tools/ToolRecords.h"

#include <algorithm>

#include "io/Files.h"

namespace zelpor {

static_assert(OutlineElement::kSize == 4 + 4 + 32 + 8 * 4 + 4);
static_assert(PunchRecord::kFileSize == 5 * 4 + kOutlineSlots * OutlineElement::kSize + 80 + 20);
static_assert(DieRecord::kFileSize == 8 * 4 + kOutlineSlots * OutlineElement::kSize + 80 + 20);

void OutlineElement::read(ByteReader& rd) {
    type = rd.i32();
    colour = rd.i32();
    name.read(rd);
    for (float* f : {&x1, &y1, &x2, &y2, &r, &a1, &a2, &h}) *f = rd.f32();
    textIndex = rd.i32();
}

void OutlineElement::write(ByteWriter& w) const {
    w.i32(type);
    w.i32(colour);
    name.write(w);
    for (float f : {x1, y1, x2, y2, r, a1, a2, h}) w.f32(f);
    w.i32(textIndex);
}

int OutlineElementCount(std::int32_t lastIndex) {
    if (lastIndex <= 0 || lastIndex >= kOutlineSlots) return 0;
    return lastIndex + 1;
}

std::vector<std::uint8_t> EncodePunch(const PunchRecord& p) {
    std::vector<std::uint8_t> out;
    out.reserve(PunchRecord::kFileSize);
    ByteWriter w(out);
    w.i32(p.version);
    w.i32(p.versionIndex);
    w.f32(p.height);
    w.f32(p.angle);
    w.i32(p.lastElement);
    for (const auto& e : p.outline) e.write(w);
    w.bytes(p.reserved);
    w.bytes(p.textSlots);
    return out;
}

std::vector<std::uint8_t> EncodeDie(const DieRecord& d) {
    std::vector<std::uint8_t> out;
    out.reserve(DieRecord::kFileSize);
    ByteWriter w(out);
    w.i32(d.version);
    w.i32(d.versionIndex);
    w.f32(d.height);
    w.f32(d.vAngle);
    w.f32(d.vOpening);
    w.f32(d.entryRadius);
    w.bytes(d.reserved);
    w.i32(d.lastElement);
    for (const auto& e : d.outline) e.write(w);
    w.bytes(d.reservedEntries);
    w.bytes(d.textSlots);
    return out;
}

void DecodePunch(PunchRecord& p, std::span<const std::uint8_t> bytes) {
    ReadOverImage(bytes, PunchRecord::kFileSize, [&] { return EncodePunch(p); }, [&](ByteReader& r) {
        p.version = r.i32();
        p.versionIndex = r.i32();
        p.height = r.f32();
        p.angle = r.f32();
        p.lastElement = r.i32();
        for (auto& e : p.outline) e.read(r);
        r.bytes(p.reserved);
        r.bytes(p.textSlots);
    });
}

void DecodeDie(DieRecord& d, std::span<const std::uint8_t> bytes) {
    ReadOverImage(bytes, DieRecord::kFileSize, [&] { return EncodeDie(d); }, [&](ByteReader& r) {
        d.version = r.i32();
        d.versionIndex = r.i32();
        d.height = r.f32();
        d.vAngle = r.f32();
        d.vOpening = r.f32();
        d.entryRadius = r.f32();
        r.bytes(d.reserved);
        d.lastElement = r.i32();
        for (auto& e : d.outline) e.read(r);
        r.bytes(d.reservedEntries);
        r.bytes(d.textSlots);
    });
}

std::vector<std::string> ListToolNames(const std::string& toolsFolder, ToolKind kind) {
    const std::string pattern = kind == ToolKind::Punch ? "*.pun" : "*.die";
    std::vector<std::string> files;
    for (const auto& e : ListFolder(toolsFolder)) {
        if (e.isFolder || e.readOnly || e.hidden) continue;
        if (!WildcardMatch(pattern, e.name)) continue;
        files.push_back(e.name);
    }
    std::stable_sort(files.begin(), files.end(), FolderOrderLess);
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const std::string& file : files) names.push_back(file.substr(0, file.find('.')));
    return names;
}

bool LoadPunchRecord(PunchRecord& record, const std::string& path) {
    auto bytes = ReadWritableFile(path, PunchRecord::kFileSize);
    if (!bytes) return false;
    DecodePunch(record, *bytes);
    return true;
}

bool LoadDieRecord(DieRecord& record, const std::string& path) {
    auto bytes = ReadWritableFile(path, DieRecord::kFileSize);
    if (!bytes) return false;
    DecodeDie(record, *bytes);
    return true;
}

bool LoadPunchFile(TPoincon& punch, const std::string& path) { return LoadPunchRecord(punch.record, path); }
bool LoadDieFile(TMatrice& die, const std::string& path) { return LoadDieRecord(die.record, path); }

}  // namespace zelpor
