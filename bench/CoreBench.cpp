// What a part save, a part load, a tool load and the bend formulas cost. The
// raw 10741-byte reads and writes show how much of a part's time is the file
// system and how much is the field-by-field coding.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "SampleLibrary.h"
#include "core/calc/Formulas.h"
#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// One scratch folder for the whole run, removed at exit.
class Scratch {
public:
    Scratch() : m_path(fs::temp_directory_path() / ("zelpor-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(m_path / "Job");
        fs::create_directories(m_path / "Tools");
        InstallSampleLibrary((m_path / "Tools").string());
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string root() const { return (m_path / "").string(); }
    std::string tools() const { return (m_path / "Tools" / "").string(); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

PartRecord BusyPart() {
    PartRecord p;
    p.comment.assign("Support moteur, 4 plis");
    p.thickness = 2;
    p.material.assign("Acier");
    p.currentBend = 0;
    p.lastBend = 24;
    for (int i = 0; i < kMaxBends; ++i) {
        p.bends[static_cast<std::size_t>(i)].length = 1000;
        p.bends[static_cast<std::size_t>(i)].angle = 90;
        p.bends[static_cast<std::size_t>(i)].punch.assign("P88-67");
        p.bends[static_cast<std::size_t>(i)].die.assign("V16");
    }
    return p;
}

void BM_PartEncode(benchmark::State& state) {
    const PartRecord p = BusyPart();
    for (auto _ : state) benchmark::DoNotOptimize(EncodePart(p));
}
BENCHMARK(BM_PartEncode);

void BM_PartDecode(benchmark::State& state) {
    const auto image = EncodePart(BusyPart());
    PartRecord p;
    for (auto _ : state) {
        DecodePart(p, image);
        benchmark::DoNotOptimize(p.lastBend);
    }
}
BENCHMARK(BM_PartDecode);

void BM_PartWriteFile(benchmark::State& state) {
    const PartRecord p = BusyPart();
    const std::string root = TheScratch().root();
    for (auto _ : state) benchmark::DoNotOptimize(WritePart(p, root, "Job", "Bench.pie"));
}
BENCHMARK(BM_PartWriteFile);

void BM_PartReadFile(benchmark::State& state) {
    const std::string root = TheScratch().root();
    WritePart(BusyPart(), root, "Job", "Bench.pie");
    PartRecord p;
    for (auto _ : state) benchmark::DoNotOptimize(ReadPart(p, root, "Job", "Bench.pie"));
}
BENCHMARK(BM_PartReadFile);

// The same number of bytes through a plain stream, for comparison.
void BM_RawWrite10741(benchmark::State& state) {
    const std::vector<char> bytes(PartRecord::kFileSize, 'x');
    const std::string path = TheScratch().file("raw.bin");
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}
BENCHMARK(BM_RawWrite10741);

// The program never truncates a part file: it writes over the start of the
// existing file. The same pattern through a plain stream is the fair yardstick
// for a part save; a truncating write costs the file system much more here.
void BM_RawOverwrite10741(benchmark::State& state) {
    const std::vector<char> bytes(PartRecord::kFileSize, 'x');
    const std::string path = TheScratch().file("raw-over.bin");
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (auto _ : state) {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
    }
}
BENCHMARK(BM_RawOverwrite10741);

void BM_RawRead10741(benchmark::State& state) {
    const std::string path = TheScratch().file("raw.bin");
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(PartRecord::kFileSize, 'x');
    }
    std::vector<char> bytes(PartRecord::kFileSize);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_RawRead10741);

void BM_LoadDie(benchmark::State& state) {
    // The bend view asks for "V16.DIE": the upper-case lookup is part of the cost.
    const std::string path = TheScratch().tools() + "V16.DIE";
    TMatrice die;
    for (auto _ : state) benchmark::DoNotOptimize(LoadDieFile(die, path));
}
BENCHMARK(BM_LoadDie);

void BM_LoadPunch(benchmark::State& state) {
    const std::string path = TheScratch().tools() + "P88-67.pun";
    TPoincon punch;
    for (auto _ : state) benchmark::DoNotOptimize(LoadPunchFile(punch, path));
}
BENCHMARK(BM_LoadPunch);

void BM_ListDies(benchmark::State& state) {
    const std::string tools = TheScratch().tools();
    for (auto _ : state) benchmark::DoNotOptimize(ListToolNames(tools, ToolKind::Die));
}
BENCHMARK(BM_ListDies);

void BM_LoadMaterialCoefficient(benchmark::State& state) {
    const std::string tools = TheScratch().tools();
    float m = 0;
    for (auto _ : state) benchmark::DoNotOptimize(LoadMaterialCoefficient(tools, "Inox", m));
}
BENCHMARK(BM_LoadMaterialCoefficient);

// Angles vary so the compiler cannot fold the formula away.
std::vector<float> Angles() {
    std::mt19937 gen(1);
    std::uniform_real_distribution<float> angle(1, 179);
    std::vector<float> v(1024);
    for (auto& a : v) a = angle(gen);
    return v;
}

void BM_ComputeYDepth(benchmark::State& state) {
    const auto angles = Angles();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeYDepth(angles[i++ & 1023], 2, 2, 16, 88));
}
BENCHMARK(BM_ComputeYDepth);

void BM_ComputeBendDeduction(benchmark::State& state) {
    const auto angles = Angles();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeBendDeduction(2, 16, angles[i++ & 1023]));
}
BENCHMARK(BM_ComputeBendDeduction);

void BM_ComputeBendForce(benchmark::State& state) {
    const auto lengths = Angles();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeBendForce(lengths[i++ & 1023] * 10, 225, 2, 16));
}
BENCHMARK(BM_ComputeBendForce);

}  // namespace
}  // namespace zelpor
