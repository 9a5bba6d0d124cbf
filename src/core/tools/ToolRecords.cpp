#include "core/tools/ToolRecords.h"

#include <algorithm>

#include "core/io/FieldCodec.h"
#include "core/io/Files.h"
#include "core/io/Names.h"

namespace zelpor {

static_assert(OutlineElement::kSize == 4 + 4 + 32 + 8 * 4 + 4);
static_assert(PunchRecord::kFileSize == 5 * 4 + kOutlineSlots * OutlineElement::kSize + 80 + 20);
static_assert(DieRecord::kFileSize == 8 * 4 + kOutlineSlots * OutlineElement::kSize + 80 + 20);

namespace {

// The stored layouts, one list each for reading and writing.
template <class Visit, class Element>
void ElementFields(Visit& v, Element& e) {
    v(e.type);
    v(e.colour);
    v(e.name);
    v(e.x1);
    v(e.y1);
    v(e.x2);
    v(e.y2);
    v(e.r);
    v(e.a1);
    v(e.a2);
    v(e.h);
    v(e.textIndex);
}

template <class Visit, class Punch>
void PunchFields(Visit& v, Punch& p) {
    v(p.version);
    v(p.versionIndex);
    v(p.height);
    v(p.angle);
    v(p.lastElement);
    for (auto& e : p.outline) ElementFields(v, e);
    v(p.reserved);
    v(p.textSlots);
}

template <class Visit, class Die>
void DieFields(Visit& v, Die& d) {
    v(d.version);
    v(d.versionIndex);
    v(d.height);
    v(d.vAngle);
    v(d.vOpening);
    v(d.entryRadius);
    v(d.reserved);
    v(d.lastElement);
    for (auto& e : d.outline) ElementFields(v, e);
    v(d.reservedEntries);
    v(d.textSlots);
}

template <class Record, class Fields>
std::vector<std::uint8_t> Encode(const Record& record, Fields fields) {
    std::vector<std::uint8_t> out;
    out.reserve(Record::kFileSize);
    ByteWriter w(out);
    FieldWriter visit(w);
    fields(visit, record);
    return out;
}

}  // namespace

void OutlineElement::read(ByteReader& rd) {
    FieldReader visit(rd);
    ElementFields(visit, *this);
}

void OutlineElement::write(ByteWriter& w) const {
    FieldWriter visit(w);
    ElementFields(visit, *this);
}

int OutlineElementCount(std::int32_t lastIndex) {
    if (lastIndex <= 0 || lastIndex >= kOutlineSlots) return 0;
    return lastIndex + 1;
}

std::vector<std::uint8_t> EncodePunch(const PunchRecord& p) {
    return Encode(p, [](FieldWriter& v, const PunchRecord& r) { PunchFields(v, r); });
}

std::vector<std::uint8_t> EncodeDie(const DieRecord& d) {
    return Encode(d, [](FieldWriter& v, const DieRecord& r) { DieFields(v, r); });
}

void DecodePunch(PunchRecord& p, std::span<const std::uint8_t> bytes) {
    ReadOverImage(
        bytes, PunchRecord::kFileSize, [&] { return EncodePunch(p); },
        [&](ByteReader& r) {
            FieldReader visit(r);
            PunchFields(visit, p);
        });
}

void DecodeDie(DieRecord& d, std::span<const std::uint8_t> bytes) {
    ReadOverImage(
        bytes, DieRecord::kFileSize, [&] { return EncodeDie(d); },
        [&](ByteReader& r) {
            FieldReader visit(r);
            DieFields(visit, d);
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

std::string ToolFilePath(const std::string& toolsFolder, const std::string& name, ToolKind kind) {
    if (!IsPlainName(name)) return {};
    return ResolveCaseInsensitive(toolsFolder + name + (kind == ToolKind::Punch ? ".PUN" : ".DIE"));
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
