#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/calc/Formulas.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (const char* name : {"Acier", "Alu", "Inox", ""}) {
        float coefficient = -1;
        const bool found = LookupMaterialCoefficient(bytes, name, coefficient);
        FUZZ_CHECK(found || coefficient == -1);
        // The force formula must stay defined for whatever the table holds.
        (void)ComputeBendForce(1000, coefficient, 2, 16);
    }
    return 0;
}
