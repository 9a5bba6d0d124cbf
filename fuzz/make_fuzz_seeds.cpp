// Writes a seed corpus for each fuzz target: realistic files made with the
// program's own encoders, so the fuzzers start from valid structure.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/calc/Formulas.h"
#include "core/params/ParameterTable.h"
#include "core/part/PartRecord.h"
#include "support/SampleTools.h"
#include "core/tools/ToolRecords.h"

using namespace zelpor;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& folder, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& folder, const std::string& name, const std::string& text) {
    Write(folder, name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path root = argc > 1 ? argv[1] : "fuzz-seeds";
    const PartRecord part = test::SampleBracketPart();
    Write(root / "part", "sample.pie", EncodePart(part));
    Write(root / "part", "empty.pie", EncodePart(PartRecord{}));
    // The part file target: the same parts, one with a tail after the record.
    Write(root / "partfile", "sample.pie", EncodePart(part));
    auto withTail = EncodePart(part);
    withTail.insert(withTail.end(), {'T', 'A', 'I', 'L', 0, 0xff, 0x7f});
    Write(root / "partfile", "tail.pie", withTail);

    const PunchRecord punch = test::SamplePunchP88_67();
    Write(root / "punch", "P88-67.pun", EncodePunch(punch));

    const DieRecord die = test::SampleDieV16();
    Write(root / "die", "V16.die", EncodeDie(die));

    ParameterTable params;
    params.entries[0].number = 1;
    params.entries[0].designation.assign("Force nominale");
    params.entries[0].unit.assign("t");
    params.entries[0].value = 100;
    params.entries[0].upper = 1000;
    Write(root / "params", "Param.dat", EncodeParameterTable(params));

    std::array<MaterialRecord, kMaterialRecords> materials{};
    materials[0].name.assign("Acier");
    materials[0].coefficient = 225;
    materials[1].name.assign("Alu");
    materials[1].coefficient = 125;
    Write(root / "material", "material.dat", EncodeMaterialTable(materials));

    WriteText(root / "ini", "zelpor.INI",
              "[Data]\r\nPath Customers=C:\\Zelpor\\Customers\\\r\nCustomer=Job\r\nPart=P1\r\nPath Tools=None\r\n");
    for (const char* n : {"90", "4.12", "-1.5e3", "1.2.3", " 7 ", ".", "-"})
        WriteText(root / "numbers", std::string("n") + std::to_string(std::hash<std::string>{}(n) % 10000), n);
    // Scenes: a part, then its punch and die, then a few user actions.
    std::vector<std::uint8_t> scene = EncodePart(part);
    for (const auto& bytes : {EncodePunch(punch), EncodeDie(die)})
        scene.insert(scene.end(), bytes.begin(), bytes.end());
    for (const std::uint8_t action : std::initializer_list<std::uint8_t>{0, 2, 1, 0, 3, 190, 150, 90, 50, 70})
        scene.push_back(action);
    Write(root / "scenes", "bracket.bin", scene);
    return 0;
}
