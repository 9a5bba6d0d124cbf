// Lays out a workshop-sized workspace for the start-up measurement:
//     bench_workshop FOLDER PARTS TOOLS
// writes FOLDER/zelpor.INI naming job "ATELIER" and its first part, PARTS part
// files in FOLDER/Customers/ATELIER/, and the sample library plus TOOLS tool
// files (half punches, half dies) in FOLDER/Tools/. The current part bends
// with a sample punch and die, so starting reads them as it would in a shop.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "SampleLibrary.h"
#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"
#include "core/workspace/Workspace.h"
#include "support/SampleTools.h"

namespace {

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Numbered(const char* pattern, int n) {
    char name[32];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_workshop FOLDER PARTS TOOLS\n");
        return 2;
    }
    using namespace zelpor;
    const std::string root = std::string(argv[1]) + "/";
    const int parts = std::atoi(argv[2]), tools = std::atoi(argv[3]);
    const Workspace ws{root + "Customers/", "ATELIER", "P00000", root + "Tools/"};
    std::filesystem::create_directories(ws.pathCustomers + ws.customer);
    std::filesystem::create_directories(ws.pathTools);
    InstallSampleLibrary(ws.pathTools);

    PartRecord part = test::SampleBracketPart();
    const auto partBytes = EncodePart(part);
    for (int i = 0; i < parts; ++i) WriteAll(ws.jobFolder() + "/" + Numbered("P%05d.pie", i), partBytes);
    const auto punch = EncodePunch(test::SamplePunchP88_67());
    const auto die = EncodeDie(test::SampleDieV16());
    for (int i = 0; i < tools; ++i)
        WriteAll(ws.pathTools + Numbered(i % 2 ? "V%04d.die" : "P%04d.pun", i), i % 2 ? die : punch);
    if (!SaveWorkspace(ws, root + "zelpor.INI")) {
        std::fprintf(stderr, "bench_workshop: cannot write %szelpor.INI\n", root.c_str());
        return 1;
    }
    return 0;
}
