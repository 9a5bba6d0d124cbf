#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/params/ParameterTable.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParameterTable table;
    DecodeParameterTable(table, std::span<const std::uint8_t>(data, size));
    for (const auto& entry : table.entries) {
        FUZZ_CHECK(entry.designation.str().size() <= 120);
        FUZZ_CHECK(entry.unit.str().size() <= 12);
    }
    const auto image = EncodeParameterTable(table);
    FUZZ_CHECK(image.size() == ParameterTable::kFileSize);
    if (size >= ParameterTable::kFileSize) FUZZ_CHECK(std::equal(image.begin(), image.end(), data));
    return 0;
}
