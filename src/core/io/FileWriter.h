#pragma once

#include <cstddef>
#include <cstdint>

namespace zelpor {

// The one system call through which a save puts bytes on the disk. Saves take
// it as an argument so that a test can hand in a disk that fills up or fails
// at a chosen byte; the program always saves through SystemFileWriter().
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes at most `size` bytes at `offset` of the open file `fd`. Returns
    // the number of bytes written, or -1 with errno set (ENOSPC on a full
    // disk, EFBIG past the size limit, EIO ...).
    virtual long long writeAt(int fd, const std::uint8_t* data, std::size_t size, long long offset) = 0;
};

FileWriter& SystemFileWriter();

}  // namespace zelpor
