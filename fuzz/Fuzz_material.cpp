#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "calc/Formulas.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    float coefficient = 0;
    for (const char* name : {"Acier", "Alu", "Inox", ""}) LookupMaterialCoefficient(bytes, name, coefficient);
    // A name filling its whole field has no terminator: it must still compare within the field.
    LookupMaterialCoefficient(bytes, std::string(32, 'A'), coefficient);
    if (EncodeMaterialTable(DecodeMaterialTable(bytes)).size() != kMaterialFileSize) __builtin_trap();
    return 0;
}
