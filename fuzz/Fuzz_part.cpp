#include <cstddef>
#include <cstdint>
#include <span>

#include "part/PartRecord.h"

using namespace zelpor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PartRecord part;
    DecodePart(part, std::span<const std::uint8_t>(data, size));
    // Walk every table the way the windows do, through the bounded indexes.
    float sum = 0;
    if (const BendRecord* bend = part.currentBendRecord()) sum += bend->angle + static_cast<float>(bend->punch.str().size());
    for (int i = 0; i < part.bendCount(); ++i) sum += part.bends[static_cast<std::size_t>(i)].length;
    for (int i = 0; i <= part.safeProfileBendCount(); ++i) sum += part.profile[static_cast<std::size_t>(i)].length;
    for (int i = 0; i <= part.safeSketchLast(); ++i) sum += part.sketch[static_cast<std::size_t>(i)].x1;
    sum += static_cast<float>(part.comment.str().size() + part.material.str().size());
    for (const auto& text : part.sketchTexts) sum += static_cast<float>(text.str().size());
    const auto image = EncodePart(part);
    if (image.size() != PartRecord::kFileSize) __builtin_trap();
    return sum == 12345.0f ? 0 : 0;
}
