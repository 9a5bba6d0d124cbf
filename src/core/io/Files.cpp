#include "io/Files.h"

#include "io/FolderIndex.h"

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

void SetError(FileError* error, FileError value) {
    if (error) *error = value;
}

bool OwnerMayWrite(const fs::path& p) {
    std::error_code ec;
    auto st = fs::status(p, ec);
    if (ec) return false;
    return (st.permissions() & fs::perms::owner_write) != fs::perms::none;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

// Reads a file whose name has already been resolved.
static std::optional<std::vector<std::uint8_t>> ReadResolvedBytes(const std::string& actual, std::size_t maxBytes) {
    std::ifstream in(actual, std::ios::binary);
    if (!in) return std::nullopt;
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
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    return ReadResolvedBytes(ResolveCaseInsensitive(path), maxBytes);
}

std::optional<std::vector<std::uint8_t>> ReadWritableFile(const std::string& path, FileError* error,
                                                          std::size_t maxBytes) {
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
    if (!fs::is_regular_file(st)) {
        SetError(error, FileError::NotFound);
        return std::nullopt;
    }
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) {
        SetError(error, FileError::NotWritable);
        return std::nullopt;
    }
    auto bytes = ReadResolvedBytes(actual, maxBytes);
    SetError(error, bytes ? FileError::None : FileError::ReadFailed);
    return bytes;
}

namespace {

// Test hook: the number of bytes a save may still write before the disk
// "fails" (an unset value writes everything).
std::optional<std::size_t> g_writeBudget;

// The image the file must hold after the save: the record, then whatever an
// existing longer file held after it (other programs keep data there).
std::optional<std::vector<std::uint8_t>> ImageOverExisting(const fs::path& target, bool exists,
                                                          const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> image = bytes;
    if (!exists) return image;
    auto old = ReadFileBytes(target.string());
    if (!old) return std::nullopt;  // a tail that cannot be read must not be dropped
    if (old->size() > bytes.size()) image.insert(image.end(), old->begin() + static_cast<std::ptrdiff_t>(bytes.size()), old->end());
    return image;
}

fs::path TemporaryBeside(const fs::path& target) {
    static unsigned counter = 0;
#ifdef _WIN32
    const long id = 0;
#else
    const long id = static_cast<long>(::getpid());
#endif
    // Hidden (leading dot) and without the target's extension, so that no
    // part or tool list ever shows one left behind by a power cut.
    const std::string name = "." + target.filename().string() + ".~" + std::to_string(id) + "-" + std::to_string(++counter);
    return target.parent_path() / name;
}

#ifndef _WIN32
// Writes the whole image to a new file, flushed to the disk before it may
// take the target's place.
bool WriteNewFile(const fs::path& path, const std::vector<std::uint8_t>& image, std::optional<fs::perms> perms) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < image.size()) {
        std::size_t chunk = std::min<std::size_t>(image.size() - done, 4096);
        if (g_writeBudget) {
            chunk = std::min(chunk, *g_writeBudget);
            if (chunk == 0) {
                errno = ENOSPC;
                ok = false;
                break;
            }
            *g_writeBudget -= chunk;
        }
        const ssize_t n = ::write(fd, image.data() + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    if (ok && perms) ok = ::fchmod(fd, static_cast<mode_t>(*perms)) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    return ok;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#else
bool WriteNewFile(const fs::path& path, const std::vector<std::uint8_t>& image, std::optional<fs::perms> perms) {
    std::size_t size = image.size();
    bool ok = true;
    if (g_writeBudget && *g_writeBudget < size) {
        size = *g_writeBudget;
        ok = false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(size));
    out.flush();
    ok = ok && static_cast<bool>(out);
    out.close();
    std::error_code ec;
    if (ok && perms) fs::permissions(path, *perms, ec);
    return ok && !ec;
}

void SyncFolder(const fs::path&) {}
#endif

}  // namespace

void FailWritesAfterForTesting(std::optional<std::size_t> bytes) { g_writeBudget = bytes; }

// The record goes to a new file beside the target, which replaces the target
// only once it is complete on the disk: a full disk, a crash or a pulled
// cable in the middle of a save leaves the previous part as it was.
bool WriteOverFileStart(const std::string& path, const std::vector<std::uint8_t>& bytes, FileError* error) {
    fs::path target = ResolveCaseInsensitive(path);
    std::error_code ec;
    // A link on a shared disk stays a link: the file it points at is replaced.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    const auto status = fs::status(target, ec);
    const bool exists = fs::exists(status);
    // A read-only file stays untouched even for a user the system would let
    // write it anyway (root): read-only is how a shop protects a file.
    if (exists && (!fs::is_regular_file(status) || !OwnerMayWrite(target))) {
        SetError(error, FileError::NotWritable);
        return false;
    }
    const auto image = ImageOverExisting(target, exists, bytes);
    if (!image) {
        SetError(error, FileError::ReadFailed);
        return false;
    }
    const fs::path temporary = TemporaryBeside(target);
    const std::optional<fs::perms> perms = exists ? std::optional<fs::perms>(status.permissions()) : std::nullopt;
    if (!WriteNewFile(temporary, *image, perms)) {
        fs::remove(temporary, ec);
        SetError(error, exists ? FileError::WriteFailed : FileError::NotWritable);
        return false;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        SetError(error, FileError::WriteFailed);
        return false;
    }
    SyncFolder(target.parent_path());
    SetError(error, FileError::None);
    return true;
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(ResolveCaseInsensitive(path), ec);
}

bool CreateFolder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(path, ec);
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    const std::string actual = ResolveCaseInsensitive(path);
    if (!fs::is_regular_file(actual, ec)) return false;
    // A read-only file cannot be deleted on the shop's system: read-only is
    // how a part is protected, from deletion as from overwriting.
    if (!OwnerMayWrite(actual)) return false;
    return fs::remove(actual, ec);
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
