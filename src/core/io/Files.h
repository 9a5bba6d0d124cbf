#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zelpor {

// The platform's folder separator; the stored formats write "\" where a path
// is joined, and this is what takes its place.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

enum class FileError { None, NotFound, NotWritable, ReadFailed, WriteFailed, NotAFolder };

// Reads a whole file that could also be opened for writing: the stored formats
// are always opened read/write, so a read-only file counts as missing. At most
// `maxBytes` are read: a record reader needs no more than its record, whatever
// the size of the file it is pointed at.
std::optional<std::vector<std::uint8_t>> ReadWritableFile(const std::string& path, FileError* error = nullptr,
                                                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Reads a file for reading only (the INI file), at most `maxBytes` of it.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Writes `bytes` over the start of the file, creating it when missing and never
// truncating it: bytes an existing longer file held past the end are kept, and
// so are its permissions. A read-only file is not written. The save is atomic:
// a new file beside the target replaces it only once complete, so a failure at
// any byte leaves the old file as it was.
bool WriteOverFileStart(const std::string& path, const std::vector<std::uint8_t>& bytes, FileError* error = nullptr);

// For tests only: saves fail (as on a full disk) once `bytes` more bytes have
// been written; std::nullopt restores normal writing.
void FailWritesAfterForTesting(std::optional<std::size_t> bytes);

bool FolderExists(const std::string& path);
bool FileExists(const std::string& path);
bool CreateFolder(const std::string& path);  // one level, like mkdir; false when it exists or fails
bool DeleteFile(const std::string& path);  // a read-only file is kept: false
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
