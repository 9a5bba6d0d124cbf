#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/part/PartRecord.h"

using namespace zelpor;

// Any file bytes decode into a part whose indexes are used inside their
// tables, and the image written back is always 10741 bytes: the stored bytes
// themselves, the bend indexes alone bounded.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PartRecord part;
    DecodePart(part, std::span<const std::uint8_t>(data, size));
    FUZZ_CHECK(part.lastBend >= -1 && part.lastBend < kMaxBends);
    FUZZ_CHECK(part.currentBend >= -1 && part.currentBend <= part.lastBend);
    FUZZ_CHECK(part.safeProfileBendCount() >= 0 && part.safeProfileBendCount() < kProfileEntries);
    FUZZ_CHECK(part.safeSketchLast() >= -1 && part.safeSketchLast() < kSketchEntities);
    if (const BendRecord* bend = part.currentBendRecord()) {
        FUZZ_CHECK(bend->punch.str().size() <= 25);
        FUZZ_CHECK(bend->die.str().size() <= 25);
    }
    FUZZ_CHECK(part.comment.str().size() <= 256);
    FUZZ_CHECK(part.material.str().size() <= 31);
    const auto image = EncodePart(part);
    FUZZ_CHECK(image.size() == PartRecord::kFileSize);
    // A full-size image is written back as it was read, but for the two bend
    // indexes (offsets 290..297), and then reads back to itself.
    if (size >= PartRecord::kFileSize) {
        for (std::size_t i = 0; i < PartRecord::kFileSize; ++i)
            if (i < 290 || i >= 298) FUZZ_CHECK(image[i] == data[i]);
        PartRecord again;
        DecodePart(again, image);
        FUZZ_CHECK(EncodePart(again) == image);
    }
    return 0;
}
