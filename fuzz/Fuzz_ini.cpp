#include <cstddef>
#include <cstdint>
#include <string>

#include "workspace/IniFile.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini = IniFile::Parse(std::string(reinterpret_cast<const char*>(data), size));
    const std::string customers = ini.value("Data", "Path Customers", "None");
    ini.setValue("Data", "Path Customers", customers);
    ini.setValue("Data", "Part", "P");
    // Written back and read again, the values come out as they went in.
    const IniFile again = IniFile::Parse(ini.text());
    if (again.value("Data", "Part", "") != "P") __builtin_trap();
    return 0;
}
