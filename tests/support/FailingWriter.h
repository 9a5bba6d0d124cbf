#pragma once

#include <cerrno>
#include <algorithm>
#include <cstddef>
#include <new>
#include <optional>

#include "core/io/FileWriter.h"

namespace zelpor::test {

// A disk that takes `budget` more bytes and then reports itself full, or
// fails with `error` (EIO for a pulled cable; ENOMEM: memory runs out, the
// save meets std::bad_alloc). Without a budget it writes everything, through
// the real system.
class FailingWriter final : public FileWriter {
public:
    explicit FailingWriter(std::optional<std::size_t> budget, int error = ENOSPC) : m_budget(budget), m_error(error) {}

    long long writeAt(int fd, const std::uint8_t* data, std::size_t size, long long offset) override {
        if (m_budget) {
            if (*m_budget == 0) {
                if (m_error == ENOMEM) throw std::bad_alloc();
                errno = m_error;
                return -1;
            }
            size = std::min(size, *m_budget);
        }
        const long long n = SystemFileWriter().writeAt(fd, data, size, offset);
        if (m_budget && n > 0) *m_budget -= static_cast<std::size_t>(n);
        return n;
    }

private:
    std::optional<std::size_t> m_budget;
    int m_error;
};

}  // namespace zelpor::test
