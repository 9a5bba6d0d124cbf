#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/io/ByteIO.h"
#include "core/io/FixedText.h"

namespace zelpor {

// A record's stored layout is written once, as a function that hands every
// field in file order to a visitor:
//
//     template <class Visit, class Record> void Fields(Visit& v, Record& r) { v(r.a); v(r.b); ... }
//
// Reading passes FieldReader and a record to fill, writing passes FieldWriter
// and a const record. Reading and writing can then never disagree on the
// order or the width of a field.
class FieldReader {
public:
    explicit FieldReader(ByteReader& reader) : m_reader(reader) {}
    void operator()(std::int32_t& v) { v = m_reader.i32(); }
    void operator()(float& v) { v = m_reader.f32(); }
    template <std::size_t N>
    void operator()(std::array<std::uint8_t, N>& v) {
        m_reader.bytes(v);
    }
    template <std::size_t N>
    void operator()(FixedText<N>& v) {
        m_reader.bytes(v.bytes);
    }

private:
    ByteReader& m_reader;
};

class FieldWriter {
public:
    explicit FieldWriter(ByteWriter& writer) : m_writer(writer) {}
    void operator()(std::int32_t v) { m_writer.i32(v); }
    void operator()(float v) { m_writer.f32(v); }
    template <std::size_t N>
    void operator()(const std::array<std::uint8_t, N>& v) {
        m_writer.bytes(v);
    }
    template <std::size_t N>
    void operator()(const FixedText<N>& v) {
        m_writer.bytes(v.bytes);
    }

private:
    ByteWriter& m_writer;
};

}  // namespace zelpor
