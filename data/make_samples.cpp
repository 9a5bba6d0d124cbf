// Builds the sample library a new installation starts with: the material
// table, the machine parameters and a handful of punches and dies, encoded
// with the program's own record writers so the files are exactly what the
// program reads. Run at build time; it writes the files into a folder and a
// C++ source that carries the same bytes into the program.
//
//   make_samples <output folder> <generated source>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/Formulas.h"
#include "core/params/ParameterTable.h"
#include "core/tools/ToolRecords.h"

namespace {

using namespace zelpor;

struct Point {
    float x, y;
};

struct SampleFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The files store single-byte Latin-1 text; this source is UTF-8.
std::string Latin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xC2 && c <= 0xC3 && i + 1 < utf8.size()) {
            out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// A closed outline: one line element from each point to the next, the last
// one back to the first. Readers repaint in red, so red is stored as well.
template <std::size_t N>
std::int32_t FillOutline(std::array<OutlineElement, N>& outline, const std::vector<Point>& points) {
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        OutlineElement& e = outline[i];
        e.type = kLine;
        e.colour = Rgb(255, 0, 0);
        e.x1 = points[i].x;
        e.y1 = points[i].y;
        e.x2 = points[(i + 1) % n].x;
        e.y2 = points[(i + 1) % n].y;
    }
    return static_cast<std::int32_t>(n) - 1;
}

SampleFile Punch(const std::string& name, float height, float angle, const std::vector<Point>& points) {
    PunchRecord p;
    p.version = 1;
    p.versionIndex = 1;
    p.height = height;
    p.angle = angle;
    p.lastElement = FillOutline(p.outline, points);
    return {name + ".pun", EncodePunch(p)};
}

SampleFile Die(const std::string& name, float height, float vAngle, float vOpening, float radius,
               const std::vector<Point>& points) {
    DieRecord d;
    d.version = 1;
    d.versionIndex = 1;
    d.height = height;
    d.vAngle = vAngle;
    d.vOpening = vOpening;
    d.entryRadius = radius;
    d.lastElement = FillOutline(d.outline, points);
    return {name + ".die", EncodeDie(d)};
}

// Coefficients chosen so that the force comes out in tonnes-force with
// lengths in millimetres (about 0.506 times the tensile strength in MPa).
SampleFile Materials() {
    std::array<MaterialRecord, kMaterialRecords> table{};
    const std::pair<const char*, float> rows[] = {{"Acier", 225}, {"Alu", 125}, {"Inox", 350}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        table[i].name.assign(rows[i].first);
        table[i].coefficient = rows[i].second;
    }
    return {"material.dat", EncodeMaterialTable(table)};
}

struct ParameterRow {
    const char* designation;
    const char* unit;
    int decimals;
    float value, lower, upper;
    bool modifiable, yesNo;
};

// A 100 t x 3 m machine. Rows 1 to 3 are the machine's fixed constants.
SampleFile Parameters() {
    const ParameterRow rows[] = {
        {"Force nominale", "t", 0, 100, 10, 1000, false, false},
        {"Longueur de pliage", "mm", 0, 3100, 500, 8000, false, false},
        {"Course axe Y", "mm", 1, 200, 50, 500, false, false},
        {"Vitesse d'approche", "mm/s", 0, 150, 10, 250, true, false},
        {"Vitesse de pliage", "mm/s", 1, 10, 0.5f, 20, true, false},
        {"Vitesse de remontée", "mm/s", 0, 140, 10, 250, true, false},
        {"Bombage CN actif", "", 0, 1, 0, 1, true, true},
        {"Changement de vitesse", "mm", 1, 5, 0, 50, true, false},
        {"Tempo fond de pli", "s", 1, 0.2f, 0, 5, true, false},
        {"Décompression", "mm", 2, 0.5f, 0, 5, true, false},
        {"Course butée X", "mm", 1, 650, 0, 1000, false, false},
        {"Retrait butée", "mm", 1, 3, 0, 50, true, false},
        {"Vitesse butée X", "mm/s", 0, 400, 50, 1000, true, false},
        {"Axe R présent", "", 0, 1, 0, 1, false, true},
        {"Col de cygne", "mm", 0, 410, 0, 1000, false, false},
        {"Ouverture max", "mm", 0, 450, 200, 1000, false, false},
    };
    ParameterTable table;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        MachineParameter& e = table.entries[i];
        e.number = static_cast<std::int32_t>(i + 1);
        e.designation.assign(Latin1(rows[i].designation));
        e.unit.assign(Latin1(rows[i].unit));
        e.decimals = rows[i].decimals;
        e.value = rows[i].value;
        e.lower = rows[i].lower;
        e.upper = rows[i].upper;
        e.modifiable = rows[i].modifiable ? 1 : 0;
        e.yesNo = rows[i].yesNo ? 1 : 0;
    }
    return {"Param.dat", EncodeParameterTable(table)};
}

std::vector<SampleFile> Library() {
    return {
        Materials(),
        Parameters(),
        // Punches hang from their clamping shoulder at y = 0, tip at -height.
        Punch("P88-67", 67, 88, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}}),
        Punch("P88-95-COL", 95, 88,
              {{-13, 0},
               {13, 0},
               {13, -20},
               {45, -45},
               {45, -72},
               {9, -85.68f},
               {0, -95},
               {-9, -85.68f},
               {-9, -78},
               {15, -65},
               {15, -35},
               {-13, -15}}),
        Punch("P30-67", 67, 30, {{-13, 0}, {13, 0}, {13, -30}, {6, -44.61f}, {0, -67}, {-6, -44.61f}, {-13, -30}}),
        Punch("P85-100", 100, 85, {{-20, 0}, {20, 0}, {20, -78.17f}, {0, -100}, {-20, -78.17f}}),
        // Dies stand on y = 0 with their top face at y = height.
        Die("V8", 60, 88, 8, 1,
            {{-15, 0}, {15, 0}, {15, 50}, {10, 60}, {4, 60}, {0, 55.86f}, {-4, 60}, {-10, 60}, {-15, 50}}),
        Die("V12", 60, 88, 12, 1.5f,
            {{-20, 0}, {20, 0}, {20, 50}, {13, 60}, {6, 60}, {0, 53.79f}, {-6, 60}, {-13, 60}, {-20, 50}}),
        Die("V16", 60, 88, 16, 2,
            {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}}),
        Die("V24", 70, 88, 24, 3,
            {{-30, 0}, {30, 0}, {30, 58}, {22, 70}, {12, 70}, {0, 57.57f}, {-12, 70}, {-22, 70}, {-30, 58}}),
        Die("V35", 80, 88, 35, 4,
            {{-40, 0}, {40, 0}, {40, 65}, {30, 80}, {17.5f, 80}, {0, 61.88f}, {-17.5f, 80}, {-30, 80}, {-40, 65}}),
        Die("V16-30", 60, 30, 16, 2,
            {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 30.14f}, {-8, 60}, {-17, 60}, {-25, 50}}),
    };
}

bool WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

std::string GeneratedSource(const std::vector<SampleFile>& files) {
    std::string src =
        "// Generated by make_samples at build time: the sample tool library.\n"
        "#include \"SampleLibrary.h\"\n\nnamespace zelpor {\nnamespace {\n\n";
    for (std::size_t f = 0; f < files.size(); ++f) {
        src += "const std::uint8_t kFile" + std::to_string(f) + "[] = {";
        for (std::size_t i = 0; i < files[f].bytes.size(); ++i) {
            if (i % 24 == 0) src += "\n   ";
            src += " " + std::to_string(files[f].bytes[i]) + ",";
        }
        src += "\n};\n\n";
    }
    src += "const SampleFile kFiles[] = {\n";
    for (std::size_t f = 0; f < files.size(); ++f)
        src += "    {\"" + files[f].name + "\", kFile" + std::to_string(f) + "},\n";
    src +=
        "};\n\n}  // namespace\n\nstd::span<const SampleFile> SampleFiles() { return kFiles; }\n\n}  // namespace "
        "zelpor\n";
    return src;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_samples <output folder> <generated source>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const auto files = Library();
    for (const auto& f : files) {
        if (!WriteFile(folder / f.name, std::string(f.bytes.begin(), f.bytes.end()))) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", (folder / f.name).string().c_str());
            return 1;
        }
    }
    if (!WriteFile(argv[2], GeneratedSource(files))) {
        std::fprintf(stderr, "make_samples: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
