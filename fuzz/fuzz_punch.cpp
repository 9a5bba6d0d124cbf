#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/tools/ToolRecords.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PunchRecord punch;
    DecodePunch(punch, std::span<const std::uint8_t>(data, size));
    const int count = punch.elementCount();
    FUZZ_CHECK(count >= 0 && count <= kOutlineSlots && count != 1);
    for (int i = 0; i < count; ++i) FUZZ_CHECK(punch.outline[static_cast<std::size_t>(i)].name.str().size() <= 32);
    const auto image = EncodePunch(punch);
    FUZZ_CHECK(image.size() == PunchRecord::kFileSize);
    if (size >= PunchRecord::kFileSize) FUZZ_CHECK(std::equal(image.begin(), image.end(), data));
    return 0;
}
