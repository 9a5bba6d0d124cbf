#include "core/io/FolderIndex.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace zelpor {
namespace {

std::string Lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The names of one folder, by their lower-case form, as they were when the
// folder had the modification time `modified`.
struct FolderNames {
    fs::file_time_type modified;
    bool trusted = false;
    std::unordered_map<std::string, std::string> byLowerName;
};

// A folder changed within the tick of its time stamp could change again
// without the stamp moving: on a file system that stamps whole seconds, the
// map of a folder changed in the last two seconds is not kept.
bool StampCanBeTrusted(fs::file_time_type modified) {
    using namespace std::chrono_literals;
    const auto sinceEpoch = modified.time_since_epoch();
    const bool subSecond =
        sinceEpoch - std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch) != sinceEpoch.zero();
    return subSecond || fs::file_time_type::clock::now() - modified > 2s;
}

FolderNames ReadNames(const std::string& folder, fs::file_time_type modified) {
    FolderNames names;
    names.modified = modified;
    names.trusted = StampCanBeTrusted(modified);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        names.byLowerName.emplace(Lowered(name), std::move(name));  // the first of two spellings wins
    }
    return names;
}

// A few folders are looked up over and over (the tools, the jobs, the current
// job); the map is dropped when more turn up than those.
constexpr std::size_t kFoldersKept = 16;

// Kept by absolute path: a relative folder means another one once the
// working directory changes.
std::string CacheKey(const std::string& folder) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    return ec ? folder : absolute.string();
}

}  // namespace

bool AnyFolderEntry(const std::string& folder,
                    const std::function<bool(const std::string& name, bool isFolder)>& visit) {
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        // The kind comes with the entry on most file systems: no stat.
        const bool isFolder = it->is_directory(ec);
        if (!isFolder && !it->is_regular_file(ec)) continue;
        if (visit(it->path().filename().string(), isFolder)) return true;
    }
    return false;
}

bool FolderHasFile(const std::string& folder) {
    struct Answer {
        fs::file_time_type modified;
        bool trusted = false;
        bool hasFile = false;
    };
    static std::mutex mutex;
    static std::map<std::string, Answer> cache;
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(folder, ec);
    if (ec) return false;
    const std::lock_guard lock(mutex);
    const std::string key = CacheKey(folder);
    auto it = cache.find(key);
    if (it == cache.end() || !it->second.trusted || it->second.modified != modified) {
        if (it == cache.end() && cache.size() >= kFoldersKept) cache.clear();
        const bool hasFile = AnyFolderEntry(folder, [](const std::string&, bool isFolder) { return !isFolder; });
        it = cache.insert_or_assign(key, Answer{modified, StampCanBeTrusted(modified), hasFile}).first;
    }
    return it->second.hasFile;
}

std::optional<std::string> FindNameNoCase(const std::string& folder, const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, FolderNames> cache;
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(folder, ec);
    if (ec) return std::nullopt;
    const std::lock_guard lock(mutex);
    const std::string key = CacheKey(folder);
    auto it = cache.find(key);
    if (it == cache.end() || !it->second.trusted || it->second.modified != modified) {
        if (it == cache.end() && cache.size() >= kFoldersKept) cache.clear();
        it = cache.insert_or_assign(key, ReadNames(folder, modified)).first;
    }
    const auto found = it->second.byLowerName.find(Lowered(name));
    if (found == it->second.byLowerName.end()) return std::nullopt;
    return found->second;
}

}  // namespace zelpor
