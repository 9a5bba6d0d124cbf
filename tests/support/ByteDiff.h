#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zelpor::test {

// Two files byte for byte; when they differ, says at which offset and with which sizes.
inline ::testing::AssertionResult SameBytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a == b) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
    return ::testing::AssertionFailure() << "first difference at offset " << at << " (sizes " << a.size() << " and "
                                         << b.size() << ")";
}

}  // namespace zelpor::test
