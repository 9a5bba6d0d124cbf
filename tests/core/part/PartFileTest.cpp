#include <gtest/gtest.h>

#include "part/PartRecord.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

TEST(PartFile, RecordSizes) {
    PartRecord p;
    EXPECT_EQ(EncodePart(p).size(), PartRecord::kFileSize);
}

TEST(PartFile, RandomImagesWithIndexesInRangeRoundTripExactly) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        auto bytes = test::RandomBytes(PartRecord::kFileSize, seed);
        PartRecord p;
        DecodePart(p, bytes);
        // Put the indexes in range, then the image must come back byte for byte.
        p.currentBend = static_cast<int>(seed % 5);
        p.lastBend = 4 + static_cast<int>(seed % 20);
        p.profileBendCount = static_cast<int>(seed % 25);
        p.sketchLast = static_cast<int>(seed % 26) - 1;
        const auto image = EncodePart(p);
        PartRecord q;
        DecodePart(q, image);
        EXPECT_EQ(EncodePart(q), image) << "seed " << seed;
    }
}

}  // namespace
}  // namespace zelpor
