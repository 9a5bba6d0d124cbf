// Documents: the setup sheet of a drawn part (tools, bend table, profile and
// one picture per step) and the job list of a 500-part job, each as PDF bytes
// from the files on disk, as `zelpor --setup-sheet` and `--job-list` make them.
// BenchMain.cpp provides the Qt application the drawings need.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "SampleLibrary.h"
#include "ui/print/SheetOutput.h"
#include "core/report/JobList.h"
#include "core/report/SetupSheet.h"

namespace {

using namespace zelpor;

// A hat profile of five segments, its four bends placed, with the sample tools.
PartRecord HatPart() {
    PartRecord part;
    part.comment.assign("Capot de protection");
    part.thickness = 2;
    part.material.assign("Acier");
    part.graphicProfile = 1;
    part.profileBendCount = 4;
    const float lengths[] = {20, 40, 100, 40, 20};
    const float angles[] = {90, -90, -90, 90, 0};
    const int orders[] = {3, 1, 0, 2, -1};
    for (std::size_t k = 0; k < 5; ++k) {
        part.profile[k] = {.length = lengths[k],
                           .angle = angles[k],
                           .index = k < 4 ? static_cast<int>(k) : -1,
                           .order = orders[k],
                           .correction = k < 4 ? -4.0177f : 0};
    }
    part.sketchLast = 5;
    part.currentBend = 0;
    part.lastBend = 3;
    for (std::size_t i = 0; i < 4; ++i) {
        BendRecord& b = part.bends[i];
        b = {.length = 1000, .force = 16.09f, .angle = 90, .y = 4.12f, .opening = 10, .speed = 10};
        b.punch.assign("P88-67");
        b.die.assign("V16");
    }
    return part;
}

struct Folder {
    Folder() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("zelpor-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(path / "Tools");
        InstallSampleLibrary((path / "Tools" / "").string());
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

void WritePartFile(const std::filesystem::path& file, const PartRecord& part) {
    const std::vector<std::uint8_t> bytes = EncodePart(part);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void BM_SetupSheetPdf(benchmark::State& state) {
    const Folder folder;
    const std::filesystem::path file = folder.path / "CAPOT.pie";
    WritePartFile(file, HatPart());
    for (auto _ : state) {
        PartRecord part;
        ReadPartForReport(file.string(), part);
        const SetupSheet sheet = BuildSetupSheet(part, {"JOB", "CAPOT", (folder.path / "Tools" / "").string(), {}, 0});
        benchmark::DoNotOptimize(SetupSheetPdf(sheet, part));
    }
}
BENCHMARK(BM_SetupSheetPdf)->Unit(benchmark::kMillisecond);

void BM_JobListPdf(benchmark::State& state) {
    const Folder folder;
    const PartRecord part = HatPart();
    for (int i = 0; i < state.range(0); ++i) WritePartFile(folder.path / ("PIECE-" + std::to_string(i) + ".pie"), part);
    for (auto _ : state) {
        JobList list{"JOB", {}};
        BuildJobList(folder.path.string(), list);
        benchmark::DoNotOptimize(JobListPdf(list, 0));
    }
}
BENCHMARK(BM_JobListPdf)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
