#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace zelpor {

// Little-endian field-by-field decoding. Records are never memcpy'd from disk:
// each field is read at its own offset, so the layout is explicit and the code
// does not depend on the compiler's struct packing or the host byte order.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    std::uint8_t u8() { return take(1)[0]; }

    template <std::size_t N>
    void bytes(std::array<std::uint8_t, N>& out) {
        auto s = take(N);
        std::memcpy(out.data(), s.data(), N);
    }

    std::size_t position() const { return m_pos; }

private:
    std::uint32_t u32() {
        auto s = take(4);
        return std::uint32_t(s[0]) | std::uint32_t(s[1]) << 8 | std::uint32_t(s[2]) << 16 | std::uint32_t(s[3]) << 24;
    }
    // Callers always hand in a full record image, so a short read is a
    // programming error; it yields zero bytes rather than reading past the end.
    std::span<const std::uint8_t> take(std::size_t n) {
        if (m_pos + n > m_bytes.size()) {
            m_pos = m_bytes.size();
            return std::span<const std::uint8_t>(kZeros.data(), n);
        }
        auto s = m_bytes.subspan(m_pos, n);
        m_pos += n;
        return s;
    }

    static constexpr std::array<std::uint8_t, 4096> kZeros{};
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void u8(std::uint8_t v) { m_out.push_back(v); }

    template <std::size_t N>
    void bytes(const std::array<std::uint8_t, N>& in) {
        m_out.insert(m_out.end(), in.begin(), in.end());
    }

private:
    // Four bytes in one step: a part is some 2700 of these fields per save.
    void u32(std::uint32_t v) {
        const std::uint8_t le[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                    static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        m_out.insert(m_out.end(), le, le + 4);
    }
    std::vector<std::uint8_t>& m_out;
};

// Overlays what a file held onto the image of the record as it stands in
// memory: bytes past the end of a short file keep the values they had, which is
// how the stored formats have always been read.
inline std::vector<std::uint8_t> OverlayImage(std::vector<std::uint8_t> current,
                                              std::span<const std::uint8_t> fileBytes) {
    const std::size_t n = std::min(current.size(), fileBytes.size());
    // An empty file may come with no buffer at all: memcpy from null is
    // undefined even for zero bytes.
    if (n > 0) std::memcpy(current.data(), fileBytes.data(), n);
    return current;
}

// Reads a record of `size` bytes from a file with the short-file rule above.
// A full-size file holds every field, so it is read straight from its bytes;
// only a short file needs the record's present image (from `encode`) below it.
template <class Encode, class Read>
void ReadOverImage(std::span<const std::uint8_t> fileBytes, std::size_t size, Encode encode, Read read) {
    if (fileBytes.size() >= size) {
        ByteReader r(fileBytes.first(size));
        read(r);
    } else {
        const auto image = OverlayImage(encode(), fileBytes);
        ByteReader r(image);
        read(r);
    }
}

}  // namespace zelpor
