#include "core/params/ParameterTable.h"

#include "core/io/Files.h"

namespace zelpor {

static_assert(MachineParameter::kSize == 4 + 120 + 1 + 3 + 4 + 4 + 12 + 4 + 4 + 4 + 4);
static_assert(ParameterTable::kFileSize == kParameterEntries * MachineParameter::kSize);

void MachineParameter::read(ByteReader& r) {
    number = r.i32();
    designation.read(r);
    yesNo = r.u8();
    r.bytes(padding);
    decimals = r.i32();
    value = r.f32();
    unit.read(r);
    modifiable = r.i32();
    lower = r.f32();
    r.bytes(reserved);
    upper = r.f32();
}

void MachineParameter::write(ByteWriter& w) const {
    w.i32(number);
    designation.write(w);
    w.u8(yesNo);
    w.bytes(padding);
    w.i32(decimals);
    w.f32(value);
    unit.write(w);
    w.i32(modifiable);
    w.f32(lower);
    w.bytes(reserved);
    w.f32(upper);
}

std::vector<std::uint8_t> EncodeParameterTable(const ParameterTable& t) {
    std::vector<std::uint8_t> out;
    out.reserve(ParameterTable::kFileSize);
    ByteWriter w(out);
    for (const auto& e : t.entries) e.write(w);
    return out;
}

void DecodeParameterTable(ParameterTable& t, std::span<const std::uint8_t> bytes) {
    ReadOverImage(
        bytes, ParameterTable::kFileSize, [&] { return EncodeParameterTable(t); },
        [&](ByteReader& r) {
            for (auto& e : t.entries) e.read(r);
        });
}

// The tools folder is stored with its trailing separator; the path shown to
// the user in a message must not double it.
std::string ParameterFilePath(const std::string& folder) {
    const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == kPathSeparator);
    return separated ? folder + "Param.dat" : folder + kPathSeparator + "Param.dat";
}

bool LoadParameterTable(ParameterTable& t, const std::string& folder) {
    auto bytes = ReadWritableFile(ParameterFilePath(folder), ParameterTable::kFileSize);
    if (!bytes) return false;
    DecodeParameterTable(t, *bytes);
    return true;
}

bool SaveParameterTable(const ParameterTable& t, const std::string& folder) {
    if (!FolderExists(folder)) (void)CreateFolder(folder);
    return WriteOverFileStart(ParameterFilePath(folder), EncodeParameterTable(t)).ok();
}

}  // namespace zelpor
