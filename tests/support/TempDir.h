#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace zelpor::test {

// A fresh folder per test, removed afterwards. Tests that depend on the
// working directory switch into it and back.
//
// When ZELPOR_KEEP_TEST_FILES names a folder, every file a test leaves behind
// is copied there first: the fuzzers start from the parts, tools and
// configurations the tests wrote, hostile ones included. Files over 1 MiB
// (the huge and sparse parts of the save tests) are no use as seeds.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        m_path =
            std::filesystem::temp_directory_path() / ("zelpor-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        KeepFilesFor(std::getenv("ZELPOR_KEEP_TEST_FILES"));
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as the program's folder values hold it: with a trailing separator.
    std::string folder() const { return (m_path / "").string(); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    void KeepFilesFor(const char* keepFolder) const {
        if (keepFolder == nullptr || *keepFolder == '\0') return;
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::create_directories(keepFolder, ec);
        const std::string prefix = m_path.filename().string() + "-";
        for (fs::recursive_directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec) || it->file_size(ec) > (1u << 20)) continue;
            const fs::path target = fs::path(keepFolder) / (prefix + it->path().filename().string());
            fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing, ec);
            ec.clear();
        }
    }

    std::filesystem::path m_path;
};

class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& p) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(p);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

inline std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Takes every write permission away, as a shop protects a file or a folder.
inline void MakeReadOnly(const std::filesystem::path& p) {
    namespace fs = std::filesystem;
    fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

inline std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> v(n);
    for (auto& b : v) b = static_cast<std::uint8_t>(gen());
    return v;
}

}  // namespace zelpor::test
