#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/io/FileResult.h"
#include "core/io/SafeSave.h"

namespace zelpor {

// The platform's folder separator; the stored formats write "\" where a path
// is joined, and this is what takes its place.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Reads a whole file that could also be opened for writing: the stored formats
// are always opened read/write, so a read-only file counts as missing. At most
// `maxBytes` are read: a record reader needs no more than its record, whatever
// the size of the file it is pointed at.
// A failure says NotFound (missing, or not a plain file), NotWritable or ReadFailed.
Result<std::vector<std::uint8_t>> ReadWritableFile(const std::string& path,
                                                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Reads a file for reading only (the INI file), at most `maxBytes` of it.
Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

bool FolderExists(const std::string& path);
bool FileExists(const std::string& path);
// One level, like mkdir; fails (NotWritable) when it exists or cannot be made.
Result<> CreateFolder(const std::string& path);
// A read-only file is kept (NotWritable); a missing one fails with NotFound.
Result<> DeleteFile(const std::string& path);
bool FolderWritable(const std::string& path);

// Finds `path` in its folder without regard to case (the data come from a
// system whose file names are not case-sensitive). Returns the path as it
// exists on disk, or the path unchanged when nothing matches.
std::string ResolveCaseInsensitive(const std::string& path);

// Folder entries with the attribute rules of the old system mapped as:
// read-only = the owner may not write; hidden = the name starts with ".";
// archive = a regular file; folder = a directory.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool readOnly = false;
    bool hidden = false;
};
std::vector<FolderEntry> ListFolder(const std::string& folder);

// The order in which the shop's file system lists a folder: names compared
// upper-cased, byte by byte, so "AB" comes before "A_B" and "V16-30.DIE"
// before "V16.DIE". A Linux folder lists its entries in no useful order; the
// operators know their jobs, parts and tools in this one.
bool FolderOrderLess(const std::string& a, const std::string& b);

// Case-insensitive wildcard match for "*.pun"-style patterns.
bool WildcardMatch(const std::string& pattern, const std::string& name);

std::string CurrentWorkingDirectory();

}  // namespace zelpor
