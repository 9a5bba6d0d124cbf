// Writes a seed corpus for each fuzz target: realistic files made with the
// program's own encoders, so the fuzzers start from valid structure.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/Formulas.h"
#include "params/ParameterTable.h"
#include "part/PartRecord.h"
#include "tools/ToolRecords.h"

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

PartRecord SamplePart() {
    PartRecord p;
    p.comment.assign("Equerre 100 x 50");
    p.thickness = 2;
    p.material.assign("Acier");
    p.currentBend = 0;
    p.lastBend = 2;
    p.graphicProfile = 1;
    for (int i = 0; i < 3; ++i) {
        auto& b = p.bends[static_cast<std::size_t>(i)];
        b.length = 1000;
        b.angle = 90;
        b.opening = 10;
        b.punch.assign("P88-67");
        b.die.assign("V16");
    }
    p.profileBendCount = 3;
    const float lengths[] = {100, 50, 80, 40};
    for (int k = 0; k < 4; ++k) {
        auto& s = p.profile[static_cast<std::size_t>(k)];
        s.length = lengths[k];
        s.angle = k < 3 ? 90 : 0;
        s.index = k < 3 ? k : -1;
        s.order = k < 3 ? 2 - k : -1;
    }
    p.sketchLast = 1;
    p.sketch[0] = {kLine, Rgb(255, 0, 0)};
    p.sketch[0].x2 = 100;
    return p;
}

template <typename Tool>
void AddOutline(Tool& tool, const std::vector<std::pair<float, float>>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        auto& e = tool.outline[i];
        e.type = kLine;
        e.x1 = points[i].first;
        e.y1 = points[i].second;
        e.x2 = points[(i + 1) % points.size()].first;
        e.y2 = points[(i + 1) % points.size()].second;
    }
    tool.lastElement = static_cast<std::int32_t>(points.size()) - 1;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path root = argc > 1 ? argv[1] : "fuzz-seeds";
    PartRecord part = SamplePart();
    Write(root / "part", "sample.pie", EncodePart(part));
    Write(root / "part", "empty.pie", EncodePart(PartRecord{}));

    PunchRecord punch;
    punch.version = punch.versionIndex = 1;
    punch.height = 67;
    punch.angle = 88;
    AddOutline(punch, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}});
    Write(root / "punch", "P88-67.pun", EncodePunch(punch));

    DieRecord die;
    die.version = die.versionIndex = 1;
    die.height = 60;
    die.vAngle = 88;
    die.vOpening = 16;
    die.entryRadius = 2;
    AddOutline(die, {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}});
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
    for (const auto& bytes : {EncodePunch(punch), EncodeDie(die)}) scene.insert(scene.end(), bytes.begin(), bytes.end());
    for (std::uint8_t action : {0, 2, 1, 0, 3, 190, 150, 90, 50, 70}) scene.push_back(action);
    Write(root / "scenes", "bracket.bin", scene);
    return 0;
}
