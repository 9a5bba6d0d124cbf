#include "SampleLibrary.h"

#include <filesystem>
#include <vector>

#include "core/io/Files.h"

namespace zelpor {

int InstallSampleLibrary(const std::string& toolsFolder) {
    int written = 0;
    for (const SampleFile& f : SampleFiles()) {
        const std::string path = (std::filesystem::path(toolsFolder) / f.name).string();
        // The user's own tools and tables always win over the samples.
        if (FileExists(path)) continue;
        if (WriteOverFileStart(path, std::vector<std::uint8_t>(f.bytes.begin(), f.bytes.end()))) ++written;
    }
    return written;
}

}  // namespace zelpor
