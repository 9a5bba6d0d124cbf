#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/io/FileResult.h"
#include "core/io/FileWriter.h"

namespace zelpor {

// Every save of the program goes through one of these two. Both promise:
// - a failure at any byte leaves the old file byte for byte, and no partial
//   file beside it; the failure comes back with the path and the reason;
// - the file keeps its owner, group and mode bits;
// - write access is the system's own check, and a file whose owner may not
//   write it (read-only, how a shop protects a file) is never written;
// - a file reached through a symbolic link is saved at the link's target and
//   the link stays a link;
// - a file with several hard links, or in a folder where no new file can be
//   made, is saved in place: its old bytes are kept aside and put back when
//   the write fails;
// - a name up to the system's 255-byte limit can be saved;
// - memory stays bounded (a few hundred KiB) whatever the size of the file.

// Writes `bytes` over the start of the file, creating it when missing and
// keeping whatever an existing longer file holds after them (a part, Param.dat:
// other programs keep data there).
Result<> WriteOverFileStart(const std::string& path, std::span<const std::uint8_t> bytes,
                            FileWriter& writer = SystemFileWriter());

// Replaces the whole file by `bytes` (configuration, tool files, command-line
// results): the file holds exactly these bytes afterwards.
Result<> ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     FileWriter& writer = SystemFileWriter());

}  // namespace zelpor
