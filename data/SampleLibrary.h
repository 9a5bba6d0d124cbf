#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zelpor {

// One file of the sample library that ships inside the program.
struct SampleFile {
    const char* name;  // file name in the tools folder, e.g. "V16.die"
    std::span<const std::uint8_t> bytes;
};

// "material.dat", "Param.dat", four punches and six dies.
std::span<const SampleFile> SampleFiles();

// Writes every sample file into `toolsFolder` so that a first start has tools,
// materials and machine parameters to work with. A file that is there already
// (whatever the case of its name) is left alone. Returns how many files were
// written.
int InstallSampleLibrary(const std::string& toolsFolder);

}  // namespace zelpor
