#include <cstddef>
#include <cstdint>
#include <span>

#include "tools/ToolRecords.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    PunchRecord punch;
    DecodePunch(punch, bytes);
    DieRecord die;
    DecodeDie(die, bytes);
    float sum = 0;
    for (int i = 0; i < punch.elementCount(); ++i) sum += punch.outline[static_cast<std::size_t>(i)].x1;
    for (int i = 0; i < die.elementCount(); ++i) sum += die.outline[static_cast<std::size_t>(i)].y1;
    for (const auto& e : die.outline) sum += static_cast<float>(e.name.str().size());
    if (EncodePunch(punch).size() != PunchRecord::kFileSize || EncodeDie(die).size() != DieRecord::kFileSize)
        __builtin_trap();
    return sum == 12345.0f ? 0 : 0;
}
