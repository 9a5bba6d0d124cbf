#include <cstddef>
#include <cstdint>
#include <span>

#include "params/ParameterTable.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParameterTable table;
    DecodeParameterTable(table, std::span<const std::uint8_t>(data, size));
    std::size_t n = 0;
    for (const auto& e : table.entries) n += e.designation.str().size() + e.unit.str().size();
    if (EncodeParameterTable(table).size() != ParameterTable::kFileSize) __builtin_trap();
    return n == 123456 ? 0 : 0;
}
