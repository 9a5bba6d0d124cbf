#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/tools/ToolRecords.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DieRecord die;
    DecodeDie(die, std::span<const std::uint8_t>(data, size));
    const int count = die.elementCount();
    FUZZ_CHECK(count >= 0 && count <= kOutlineSlots && count != 1);
    for (int i = 0; i < count; ++i) FUZZ_CHECK(die.outline[static_cast<std::size_t>(i)].name.str().size() <= 32);
    const auto image = EncodeDie(die);
    FUZZ_CHECK(image.size() == DieRecord::kFileSize);
    if (size >= DieRecord::kFileSize) FUZZ_CHECK(std::equal(image.begin(), image.end(), data));
    return 0;
}
