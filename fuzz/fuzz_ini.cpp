#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/workspace/IniFile.h"

using namespace zelpor;

// Whatever a hand-edited configuration holds, reading it and writing the four
// workspace values back keeps them readable as written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini = IniFile::Parse(std::string(reinterpret_cast<const char*>(data), size));
    (void)ini.value("Data", "Path Customers");
    ini.setValue("Data", "Customer", "Job 1");
    ini.setValue("Data", "Part", "");
    const IniFile again = IniFile::Parse(ini.text());
    FUZZ_CHECK(again.value("Data", "Customer", "?") == "Job 1");
    FUZZ_CHECK(again.value("Data", "Part", "?").empty());
    return 0;
}
