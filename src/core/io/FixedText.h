#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/io/ByteIO.h"

namespace zelpor {

// A NUL-terminated single-byte (Latin-1) text in a field of N bytes. The raw
// bytes are kept as they are, including whatever follows the terminator, so a
// record read from disk is written back unchanged.
template <std::size_t N>
struct FixedText {
    std::array<std::uint8_t, N> bytes{};

    // The text up to the first NUL, never past the field even when it holds no NUL.
    std::string str() const {
        auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
        return std::string(bytes.begin(), end);
    }
    bool empty() const { return bytes[0] == 0; }

    // strcpy-like: writes the text and its terminator, leaves the bytes after it
    // alone. Text longer than N - 1 bytes is cut so the terminator always fits.
    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N - 1);
        std::copy_n(text.begin(), n, bytes.begin());
        bytes[n] = 0;
    }
    // Cut to `limit` characters before storing (tool names are cut to 24).
    void assign(std::string_view text, std::size_t limit) { assign(text.substr(0, std::min(limit, text.size()))); }

    void read(ByteReader& r) { r.bytes(bytes); }
    void write(ByteWriter& w) const { w.bytes(bytes); }

    friend bool operator==(const FixedText&, const FixedText&) = default;
};

}  // namespace zelpor
