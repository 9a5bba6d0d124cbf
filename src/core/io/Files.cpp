#include "core/io/Files.h"

#include "core/io/FolderIndex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zelpor {
namespace {

bool OwnerMayWrite(const fs::path& p) {
    std::error_code ec;
    auto st = fs::status(p, ec);
    if (ec) return false;
    return (st.permissions() & fs::perms::owner_write) != fs::perms::none;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

// Reads a file whose name has already been resolved.
static Result<std::vector<std::uint8_t>> ReadResolvedBytes(const std::string& actual, std::size_t maxBytes) {
    std::ifstream in(actual, std::ios::binary);
    if (!in) return Failure(FileError::NotFound, actual);
    std::vector<std::uint8_t> bytes;
    constexpr std::size_t kChunk = 64 * 1024;
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(kChunk, maxBytes - bytes.size());
        const std::size_t had = bytes.size();
        bytes.resize(had + want);
        in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(want));
        bytes.resize(had + static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return Failure(FileError::ReadFailed, actual);
    return bytes;
}

Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    return ReadResolvedBytes(ResolveCaseInsensitive(path), maxBytes);
}

Result<std::vector<std::uint8_t>> ReadWritableFile(const std::string& path, std::size_t maxBytes) {
    // One look at the file answers "there?", "a file?" and "writable?"; the
    // folder is searched for another case only when the exact name is absent.
    // A part is read at every bend and job change: each extra look at the disk
    // costs as much as reading its 10741 bytes.
    std::string actual = path;
    std::error_code ec;
    fs::file_status st = fs::status(actual, ec);
    if (!fs::exists(st)) {
        actual = ResolveCaseInsensitive(path);
        st = fs::status(actual, ec);
    }
    if (!fs::is_regular_file(st)) return Failure(FileError::NotFound, path);
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) return Failure(FileError::NotWritable, path);
    auto bytes = ReadResolvedBytes(actual, maxBytes);
    if (!bytes) return Failure(FileError::ReadFailed, path);
    return bytes;
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(ResolveCaseInsensitive(path), ec);
}

Result<> CreateFolder(const std::string& path) {
    std::error_code ec;
    if (!fs::create_directory(path, ec)) return Failure(FileError::NotWritable, path, ec ? ec.message() : "exists");
    return Done{};
}

Result<> DeleteFile(const std::string& path) {
    std::error_code ec;
    const std::string actual = ResolveCaseInsensitive(path);
    if (!fs::is_regular_file(actual, ec)) return Failure(FileError::NotFound, path);
    // A read-only file cannot be deleted on the shop's system: read-only is
    // how a part is protected, from deletion as from overwriting.
    if (!OwnerMayWrite(actual)) return Failure(FileError::NotWritable, path, "read-only file");
    if (!fs::remove(actual, ec)) return Failure(FileError::WriteFailed, path, ec.message());
    return Done{};
}

bool FolderWritable(const std::string& path) {
    if (!FolderExists(path)) return false;
        // The owner's write bit is what "read-only" means for the stored data; the
        // access check adds the case of a folder that belongs to someone else
        // (an installed program's folder).
#ifdef _WIN32
    return OwnerMayWrite(path);
#else
    return OwnerMayWrite(path) && ::access(path.c_str(), W_OK) == 0;
#endif
}

std::string ResolveCaseInsensitive(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec)) return path;
    const fs::path p(path);
    const fs::path folder = p.parent_path();
    const auto found = FindNameNoCase(folder.empty() ? std::string(".") : folder.string(), p.filename().string());
    return found ? (folder / *found).string() : path;
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
#ifndef _WIN32
    // One look at each entry, relative to the open folder: the path is not
    // walked again from the root for each of thousands of parts.
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return entries;
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        struct stat st {};
        if (name == "." || name == ".." || ::fstatat(::dirfd(dir), d->d_name, &st, 0) != 0) continue;
        const bool isFolder = S_ISDIR(st.st_mode);
        if (!isFolder && !S_ISREG(st.st_mode)) continue;
        entries.push_back({name, isFolder, (st.st_mode & S_IWUSR) == 0, name[0] == '.'});
    }
    ::closedir(dir);
    return entries;
#else
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        FolderEntry e;
        e.name = entry.path().filename().string();
        e.isFolder = entry.is_directory(ec);
        e.hidden = !e.name.empty() && e.name[0] == '.';
        e.readOnly = !OwnerMayWrite(entry.path());
        if (!e.isFolder && !entry.is_regular_file(ec)) continue;
        entries.push_back(std::move(e));
    }
    return entries;
#endif
}

bool FolderOrderLess(const std::string& a, const std::string& b) {
    auto upper = [](char c) { return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c))); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return upper(x) < upper(y); });
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    // Iterative '*' / '?' matcher, case-insensitive.
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string CurrentWorkingDirectory() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

}  // namespace zelpor
