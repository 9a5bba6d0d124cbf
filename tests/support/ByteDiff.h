#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zelpor::test {

// Where two images first differ (the shorter one's size when one is the start of the other).
inline std::ptrdiff_t FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

// Two files byte for byte; when they differ, says at which offset and with which sizes.
inline ::testing::AssertionResult SameBytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a == b) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "first difference at offset " << FirstDifference(a, b) << " (sizes "
                                         << a.size() << " and " << b.size() << ")";
}

// Each row changes one field of a blank record: the record's image must first
// differ from the blank image exactly at the row's offset.
template <class Record, class Encode>
void ExpectFieldOffsets(const std::vector<std::pair<std::size_t, void (*)(Record&)>>& rows, Encode encode) {
    const std::vector<std::uint8_t> blank = encode(Record{});
    for (const auto& [offset, set] : rows) {
        Record r;
        set(r);
        EXPECT_EQ(FirstDifference(encode(r), blank), static_cast<std::ptrdiff_t>(offset));
    }
}

}  // namespace zelpor::test
