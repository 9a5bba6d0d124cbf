#include "core/io/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io/Files.h"

namespace fs = std::filesystem;

namespace zelpor {
namespace {

// The tail of a part is copied through one buffer of this size, whatever
// the size of the file (a damaged part may be gigabytes long).
constexpr std::size_t kChunk = 256 * 1024;
// A file saved in place keeps a copy of the bytes it may lose for the
// rollback; past this size the save is refused with a report instead.
constexpr off_t kMaxRollbackCopy = 16 * 1024 * 1024;

class SystemWriter final : public FileWriter {
public:
    long long writeAt(int fd, const std::uint8_t* data, std::size_t size, long long offset) override {
        return ::pwrite(fd, data, size, static_cast<off_t>(offset));
    }
};

std::string Reason(int error) { return std::strerror(error); }

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// The file a save must change: links followed, and what it is now.
struct Target {
    fs::path path;
    bool exists = false;
    struct stat status {};
};

Result<Target> FindTarget(const std::string& requested) {
    Target t;
    t.path = ResolveCaseInsensitive(requested);
    std::error_code ec;
    // A link on a shared disk stays a link: the file it points at is saved.
    if (fs::is_symlink(t.path, ec)) {
        const fs::path resolved = fs::weakly_canonical(t.path, ec);
        if (!ec) t.path = resolved;
    }
    if (::stat(t.path.c_str(), &t.status) != 0) {
        if (errno != ENOENT) return Failure(FileError::NotWritable, requested, Reason(errno));
        return t;
    }
    t.exists = true;
    if (!S_ISREG(t.status.st_mode)) return Failure(FileError::NotWritable, requested, "not a regular file");
    // Read-only is how a shop protects a file: kept even from a user the
    // system would let write it (root). Otherwise the system decides.
    if ((t.status.st_mode & S_IWUSR) == 0) return Failure(FileError::NotWritable, requested, "read-only file");
    if (::access(t.path.c_str(), W_OK) != 0) return Failure(FileError::NotWritable, requested, Reason(errno));
    return t;
}

// A folder that takes a new file: the owner may write it (a read-only folder
// is protected like a read-only file) and the system agrees.
bool FolderTakesNewFiles(const fs::path& folder) {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return (st.st_mode & S_IWUSR) != 0 && ::access(name.c_str(), W_OK | X_OK) == 0;
}

fs::path TemporaryBeside(const fs::path& target) {
    static unsigned counter = 0;
    // Hidden (leading dot) and without the target's extension, so that no
    // part or tool list ever shows one left behind by a power cut; cut so
    // that the name fits the 255-byte limit whatever the target's length.
    std::string base = target.filename().string();
    if (base.size() > 200) base.resize(200);
    const std::string name =
        "." + base + ".~" + std::to_string(static_cast<long>(::getpid())) + "-" + std::to_string(++counter);
    return target.parent_path() / name;
}

bool WriteAllAt(FileWriter& writer, int fd, std::span<const std::uint8_t> data, off_t offset) {
    std::size_t done = 0;
    while (done < data.size()) {
        const long long n = writer.writeAt(fd, data.data() + done, data.size() - done,
                                           static_cast<long long>(offset) + static_cast<long long>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool AllZero(const std::uint8_t* data, std::size_t size) {
    return std::all_of(data, data + size, [](std::uint8_t b) { return b == 0; });
}

// Copies bytes [start, size) of `from` to the same offsets of `to` through
// one buffer. Holes of a sparse file, and runs of zeros, are not written but
// left as holes of the new file: an 8 GB part that is mostly hole is saved in
// an instant and costs no disk.
bool CopyTail(int from, int to, off_t start, off_t size, FileWriter& writer) {
    // A short tail (the usual few bytes) needs no full-size buffer.
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(kChunk), size - start)));
    off_t pos = start;
    while (pos < size) {
        off_t data = ::lseek(from, pos, SEEK_DATA);
        if (data < 0 && errno == ENXIO) break;  // only a hole is left
        if (data < 0) data = pos;               // a file system that cannot tell: copy all
        off_t hole = ::lseek(from, data, SEEK_HOLE);
        if (hole < 0 || hole > size) hole = size;
        for (off_t at = data; at < hole;) {
            const std::size_t want =
                static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(buffer.size()), hole - at));
            const ssize_t n = ::pread(from, buffer.data(), want, at);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n == 0) errno = EIO;  // the old file shrank under the save
                return false;
            }
            const std::size_t got = static_cast<std::size_t>(n);
            if (!AllZero(buffer.data(), got) && !WriteAllAt(writer, to, {buffer.data(), got}, at)) return false;
            at += n;
        }
        pos = hole;
    }
    return ::ftruncate(to, size) == 0;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The new file is written complete beside the target, given the target's
// owner, group and mode, flushed, and only then takes the target's place.
// Returns nothing when the owner cannot be kept (a file of another user that
// this user may write): the caller saves in place instead.
std::optional<Result<>> SaveThroughTemporary(const Target& t, const std::string& shown,
                                             std::span<const std::uint8_t> bytes, bool keepTail, FileWriter& writer) {
    const off_t oldSize = t.exists ? t.status.st_size : 0;
    const off_t headSize = static_cast<off_t>(bytes.size());
    std::optional<Descriptor> old;
    if (keepTail && oldSize > headSize) {
        old.emplace(::open(t.path.c_str(), O_RDONLY | O_CLOEXEC));
        // A tail that cannot be read must not be dropped.
        if (old->get() < 0) return Failure(FileError::ReadFailed, shown, Reason(errno));
    }
    const fs::path temporary = TemporaryBeside(t.path);
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        if (t.exists && (errno == EACCES || errno == EPERM || errno == EROFS)) return std::nullopt;
        return Failure(FileError::NotWritable, shown, Reason(errno));
    }
    // Whatever ends the save early, a failure or an exception (memory
    // running out while the tail is copied), takes the temporary away.
    struct RemovedUnlessRenamed {
        const fs::path& path;
        bool renamed = false;
        ~RemovedUnlessRenamed() {
            if (!renamed) ::unlink(path.c_str());
        }
    } guard{temporary};
    auto fail = [&](int error, FileError code) -> Result<> { return Failure(code, shown, Reason(error)); };
    const FileError writeError = t.exists ? FileError::WriteFailed : FileError::NotWritable;
    if (!WriteAllAt(writer, fd.get(), bytes, 0)) return fail(errno, writeError);
    if (old && !CopyTail(old->get(), fd.get(), headSize, oldSize, writer)) return fail(errno, writeError);
    if (t.exists) {
        const bool sameOwner = t.status.st_uid == ::geteuid() && t.status.st_gid == ::getegid();
        if (!sameOwner && ::fchown(fd.get(), t.status.st_uid, t.status.st_gid) != 0) return std::nullopt;
        // After the owner: a change of owner clears the set-id bits.
        if (::fchmod(fd.get(), t.status.st_mode & 07777) != 0) return fail(errno, FileError::WriteFailed);
    }
    if (::fsync(fd.get()) != 0) return fail(errno, writeError);
    if (!fd.close()) return fail(errno, writeError);
    if (::rename(temporary.c_str(), t.path.c_str()) != 0) return fail(errno, writeError);
    guard.renamed = true;
    SyncFolder(t.path.parent_path());
    return Done{};
}

// Puts the kept bytes back after a failed write in place: they overwrite
// blocks the file already had, so a full disk does not stop them.
void Restore(int fd, const std::vector<std::uint8_t>& kept, off_t oldSize) {
    std::size_t done = 0;
    while (done < kept.size()) {
        const ssize_t n = ::pwrite(fd, kept.data() + done, kept.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd, oldSize) != 0) return;
    ::fsync(fd);
}

// For a file that must stay the same file (hard links) or whose folder takes
// no new file: the bytes that the save changes are kept aside first, and a
// failed write puts them back.
Result<> SaveInPlace(const Target& t, const std::string& shown, std::span<const std::uint8_t> bytes, bool keepTail,
                     FileWriter& writer) {
    Descriptor fd(::open(t.path.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0) return Failure(FileError::NotWritable, shown, Reason(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return Failure(FileError::ReadFailed, shown, Reason(errno));
    const off_t oldSize = st.st_size;
    const off_t headSize = static_cast<off_t>(bytes.size());
    const off_t keep = keepTail ? std::min(oldSize, headSize) : oldSize;
    if (keep > kMaxRollbackCopy) return Failure(FileError::TooLarge, shown, "file too large to save in place");
    std::vector<std::uint8_t> kept(static_cast<std::size_t>(keep));
    for (std::size_t done = 0; done < kept.size();) {
        const ssize_t n = ::pread(fd.get(), kept.data() + done, kept.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Failure(FileError::ReadFailed, shown, n == 0 ? "file shrank" : Reason(errno));
        done += static_cast<std::size_t>(n);
    }
    const off_t newSize = keepTail ? std::max(oldSize, headSize) : headSize;
    bool ok = false;
    try {
        ok = WriteAllAt(writer, fd.get(), bytes, 0);
    } catch (const std::bad_alloc&) {
        Restore(fd.get(), kept, oldSize);
        throw;
    }
    if (ok && newSize < oldSize) ok = ::ftruncate(fd.get(), newSize) == 0;
    if (ok) ok = ::fsync(fd.get()) == 0;
    if (!ok) {
        const int error = errno;
        Restore(fd.get(), kept, oldSize);
        return Failure(FileError::WriteFailed, shown, Reason(error));
    }
    if (!fd.close()) return Failure(FileError::WriteFailed, shown, Reason(errno));
    return Done{};
}

Result<> Save(const std::string& path, std::span<const std::uint8_t> bytes, bool keepTail, FileWriter& writer) {
    try {
        const Result<Target> target = FindTarget(path);
        if (!target) return target.failure();
        const Target& t = *target;
        const bool folderTakesFiles = FolderTakesNewFiles(t.path.parent_path());
        if (!t.exists && !folderTakesFiles) return Failure(FileError::NotWritable, path, "folder not writable");
        if (t.exists && (t.status.st_nlink > 1 || !folderTakesFiles))
            return SaveInPlace(t, path, bytes, keepTail, writer);
        if (auto saved = SaveThroughTemporary(t, path, bytes, keepTail, writer)) return *saved;
        return SaveInPlace(t, path, bytes, keepTail, writer);
    } catch (const std::bad_alloc&) {
        // Reported like any failure: the old file is untouched.
        return Failure(FileError::OutOfMemory, path, "out of memory");
    }
}

}  // namespace

FileWriter& SystemFileWriter() {
    static SystemWriter writer;
    return writer;
}

Result<> WriteOverFileStart(const std::string& path, std::span<const std::uint8_t> bytes, FileWriter& writer) {
    return Save(path, bytes, true, writer);
}

Result<> ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, FileWriter& writer) {
    return Save(path, bytes, false, writer);
}

}  // namespace zelpor
