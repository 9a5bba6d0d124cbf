#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/io/Files.h"
#include "core/part/PartRecord.h"
#include "support/FailingWriter.h"
#include "support/TempDir.h"
#include "core/workspace/Workspace.h"

using namespace zelpor;
using namespace zelpor::test;
namespace fs = std::filesystem;

namespace {

// Runs `body` in a forked child (limits and identities stay there) and
// returns its exit code; 100 + signal number when it was killed.
int InChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes at `offset`, `size` of them, read without loading the file.
std::vector<std::uint8_t> BytesAt(const std::string& path, std::uint64_t offset, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

long StatusKiB(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
    return -1;
}

// The sanitizer build (GCC) reserves terabytes of address space up front.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

const std::vector<std::uint8_t> kRecord = RandomBytes(PartRecord::kFileSize, 21);

}  // namespace

// An 8 GB part (a hole with a few bytes at its end) is saved under a 1.5 GB
// address-space limit: the tail is copied in chunks, its bytes all kept.
TEST(SaveGuarantees, SparseEightGigabytePartUnderAnAddressSpaceLimit) {
    if (kSanitized) GTEST_SKIP() << "an address-space limit does not suit the sanitizers";
    TempDir dir;
    const std::string path = dir.file("ENORME.pie");
    constexpr std::uint64_t kSize = 8ULL << 30;
    const std::vector<std::uint8_t> end = {1, 2, 3, 4, 5, 6, 7, 8};
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(kSize - end.size()));
        out.write(reinterpret_cast<const char*>(end.data()), static_cast<std::streamsize>(end.size()));
    }
    const int code = InChild([&] {
        const rlimit limit{1536ULL << 20, 1536ULL << 20};
        if (::setrlimit(RLIMIT_AS, &limit) != 0) return 3;
        return WriteOverFileStart(path, kRecord) ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(fs::file_size(path), kSize);
    EXPECT_EQ(BytesAt(path, 0, kRecord.size()), kRecord);
    EXPECT_EQ(BytesAt(path, kSize - end.size(), end.size()), end);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"ENORME.pie"});
}

// Peak memory of a part save stays within 2 MiB of the idle figure, for a
// small and for a large tail of real (non-zero) data.
TEST(SaveGuarantees, PartSaveMemoryIsBoundedWhateverTheTail) {
    if (kSanitized) GTEST_SKIP() << "the sanitizers' own allocations would be measured";
    for (std::size_t tail : {std::size_t{1} << 10, std::size_t{64} << 20}) {
        SCOPED_TRACE(tail);
        TempDir dir;
        const std::string path = dir.file("LONG.pie");
        {
            std::ofstream out(path, std::ios::binary);
            const auto block = RandomBytes(1 << 20, 5);
            for (std::size_t left = PartRecord::kFileSize + tail; left > 0;) {
                const std::size_t n = std::min(left, block.size());
                out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
                left -= n;
            }
        }
        const auto lastBytes = BytesAt(path, PartRecord::kFileSize + tail - 16, 16);
        const int grownKiB = InChild([&] {
            std::ofstream("/proc/self/clear_refs") << "5";  // peak := now
            const long idle = StatusKiB("VmHWM:");
            if (!WriteOverFileStart(path, kRecord)) return 255;
            return static_cast<int>(std::min(254L, (StatusKiB("VmHWM:") - idle) / 16));
        });
        EXPECT_LT(grownKiB, 2048 / 16) << "peak grew by about " << grownKiB * 16 << " KiB";
        EXPECT_EQ(BytesAt(path, 0, kRecord.size()), kRecord);
        EXPECT_EQ(BytesAt(path, PartRecord::kFileSize + tail - 16, 16), lastBytes);
    }
}

// With the file size limited to 40 bytes the configuration cannot be
// written: the failure is reported and the INI stays whole.
TEST(SaveGuarantees, ConfigurationSaveOverTheFileSizeLimitLeavesTheIni) {
    TempDir dir;
    const std::string ini = dir.file("zelpor.INI");
    const std::string text =
        "[Data]\r\nPath Customers=/jobs/\r\nCustomer=ALPHA\r\nPart=BRIDE\r\nPath Tools=/tools/\r\n";
    WriteAll(ini, std::vector<std::uint8_t>(text.begin(), text.end()));
    const auto before = ReadAll(ini);
    const Workspace ws{"/autres/jobs/", "BETA", "EQUERRE", "/autres/outils/"};
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{40, 40};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
        const auto saved = SaveWorkspace(ws, ini);
        return saved ? 0 : (saved.failure().path == ini ? 1 : 2);
    });
    EXPECT_EQ(code, 1);  // reported, with the path
    EXPECT_EQ(ReadAll(ini), before);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"zelpor.INI"});
}

// A save as root keeps the owner, group and mode of a user's file; that
// user may not replace a file of another user it cannot write, and one it
// may write keeps its owner too.
TEST(SaveGuarantees, OwnerGroupModeAndTheSystemsAccessCheck) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to other users";
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);  // anyone may make files here
    const std::string path = dir.file("USER.pie");
    WriteAll(path, RandomBytes(PartRecord::kFileSize, 1));
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteOverFileStart(path, kRecord));
    EXPECT_EQ(ReadAll(path), kRecord);
    EXPECT_EQ((std::array{StatOf(path).st_uid, StatOf(path).st_gid, StatOf(path).st_mode & 07777}),
              (std::array{4242u, 4343u, 0640u}));

    // Another user, for whom the file is read-only although its owner may write it.
    const auto other = [&](const std::string& file) {
        return InChild([&] {
            if (::setresgid(4545, 4545, 4545) != 0 || ::setresuid(4545, 4545, 4545) != 0) return 3;
            const auto saved = WriteOverFileStart(file, RandomBytes(PartRecord::kFileSize, 2));
            return saved ? 0 : (saved.code() == FileError::NotWritable ? 1 : 2);
        });
    };
    EXPECT_EQ(other(path), 1);
    EXPECT_EQ(ReadAll(path), kRecord);

    // A file everyone may write: saved by the other user, owner kept.
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(other(path), 0);
    EXPECT_EQ(ReadAll(path), RandomBytes(PartRecord::kFileSize, 2));
    EXPECT_EQ(StatOf(path).st_uid, 4242u);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0666u);
}

// A linked file is saved at its target, through a relative link and a link
// to a link; the links stay links.
TEST(SaveGuarantees, SymbolicLinksLeadToTheFileTheyPointAt) {
    TempDir dir;
    fs::create_directory(dir.path() / "partage");
    const std::string real = (dir.path() / "partage" / "A.pie").string();
    WriteAll(real, RandomBytes(PartRecord::kFileSize + 10, 3));
    ::chmod(real.c_str(), 0604);
    fs::create_symlink("partage/A.pie", dir.path() / "LIEN.pie");
    fs::create_symlink("LIEN.pie", dir.path() / "LIEN2.pie");
    ASSERT_TRUE(WriteOverFileStart(dir.file("LIEN2.pie"), kRecord));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "LIEN.pie"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "LIEN2.pie"));
    EXPECT_EQ(BytesAt(real, 0, kRecord.size()), kRecord);
    EXPECT_EQ(fs::file_size(real), PartRecord::kFileSize + 10);
    EXPECT_EQ(StatOf(real).st_mode & 07777, 0604u);
}

// A file with two names stays one file; a failed write puts its old bytes back.
TEST(SaveGuarantees, HardLinkedFileIsSavedInPlaceWithRollback) {
    TempDir dir;
    const std::string a = dir.file("A.pie"), b = dir.file("B.pie");
    const auto old = RandomBytes(PartRecord::kFileSize + 100, 4);
    WriteAll(a, old);
    fs::create_hard_link(a, b);
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{5000}, PartRecord::kFileSize - 1}) {
        FailingWriter disk(failAfter, EIO);
        const auto saved = WriteOverFileStart(b, kRecord, disk);
        EXPECT_EQ(saved.code(), FileError::WriteFailed);
        EXPECT_EQ(saved.failure().path, b);
        EXPECT_EQ(ReadAll(a), old);
    }
    FailingWriter noMemory(5000, ENOMEM);
    EXPECT_EQ(WriteOverFileStart(b, kRecord, noMemory).code(), FileError::OutOfMemory);
    EXPECT_EQ(ReadAll(a), old);
    ASSERT_TRUE(WriteOverFileStart(b, kRecord));
    EXPECT_EQ(StatOf(a).st_nlink, 2u);  // still one file
    EXPECT_EQ(BytesAt(a, 0, kRecord.size()), kRecord);
    EXPECT_EQ(BytesAt(a, PartRecord::kFileSize, 100),
              std::vector<std::uint8_t>(old.begin() + PartRecord::kFileSize, old.end()));
    // Replaced whole, in place: shorter, then a failure restores the length.
    const std::vector<std::uint8_t> small{9, 8, 7};
    ASSERT_TRUE(ReplaceFile(a, small));
    EXPECT_EQ(ReadAll(b), small);
    FailingWriter disk(1);
    EXPECT_FALSE(ReplaceFile(a, kRecord, disk));
    EXPECT_EQ(ReadAll(b), small);
}

// A writable file in a folder where no new file can be made is saved in
// place; a new file there is refused and reported.
TEST(SaveGuarantees, ReadOnlyFolderWithAWritableFile) {
    TempDir dir;
    const fs::path folder = dir.path() / "FIGE";
    fs::create_directory(folder);
    const std::string path = (folder / "P.pie").string();
    const auto old = RandomBytes(PartRecord::kFileSize, 6);
    WriteAll(path, old);
    fs::permissions(folder,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec);
    FailingWriter disk(4000);
    EXPECT_EQ(WriteOverFileStart(path, kRecord, disk).code(), FileError::WriteFailed);
    EXPECT_EQ(ReadAll(path), old);
    ASSERT_TRUE(WriteOverFileStart(path, kRecord));
    EXPECT_EQ(ReadAll(path), kRecord);
    EXPECT_EQ(NamesIn(folder), std::vector<std::string>{"P.pie"});
    const auto created = WriteOverFileStart((folder / "NEUF.pie").string(), kRecord);
    EXPECT_EQ(created.code(), FileError::NotWritable);
    EXPECT_EQ(NamesIn(folder), std::vector<std::string>{"P.pie"});
}

// A part name that fills the file-name limit still has room for the save's
// temporary name.
TEST(SaveGuarantees, NameOfTwoHundredFiftyBytes) {
    TempDir dir;
    const std::string name = std::string(246, 'N') + ".pie";  // 250 bytes
    PartRecord part;
    part.comment.assign("NOM LONG");
    ASSERT_TRUE(SavePart(part, dir.folder(), "JOB", name));
    part.comment.assign("NOM LONG 2");
    ASSERT_TRUE(SavePart(part, dir.folder(), "JOB", name));
    PartRecord back;
    ASSERT_TRUE(ReadPart(back, dir.folder(), "JOB", name));
    EXPECT_EQ(back.comment.str(), "NOM LONG 2");
    EXPECT_EQ(NamesIn(dir.path() / "JOB"), std::vector<std::string>{name});
}

TEST(SafeSave, FailureAtAnyByteLeavesTheOldFileByteForByte) {
    TempDir dir;
    const std::string path = dir.file("PIECE.pie");
    const auto old = RandomBytes(12000, 7);  // longer than a part: has a tail
    const auto record = RandomBytes(PartRecord::kFileSize, 8);
    for (std::size_t failAfter :
         {std::size_t{0}, std::size_t{4096}, PartRecord::kFileSize - 1, PartRecord::kFileSize, std::size_t{11999}}) {
        SCOPED_TRACE(failAfter);
        WriteAll(path, old);
        FailingWriter disk(failAfter);
        const auto saved = WriteOverFileStart(path, record, disk);
        EXPECT_EQ(saved.code(), FileError::WriteFailed);
        EXPECT_EQ(ReadAll(path), old);
        // No half-written copy is left beside it either.
        EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"PIECE.pie"});
    }
    // Memory running out in the middle of the save is a reported failure too.
    FailingWriter noMemory(4096, ENOMEM);
    EXPECT_EQ(WriteOverFileStart(path, record, noMemory).code(), FileError::OutOfMemory);
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"PIECE.pie"});
    // The same disk with room again saves normally, the old tail kept.
    EXPECT_TRUE(WriteOverFileStart(path, record));
    auto expected = record;
    expected.insert(expected.end(), old.begin() + PartRecord::kFileSize, old.end());
    EXPECT_EQ(ReadAll(path), expected);
    // A first save that fails creates nothing.
    FailingWriter disk(100);
    EXPECT_NE(WriteOverFileStart(dir.file("NEUF.pie"), record, disk).code(), FileError::None);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"PIECE.pie"});
}

TEST(SafeSave, ReadOnlyFileAndImpossiblePathsAreReported) {
    TempDir dir;
    const std::string path = dir.file("FIGE.pie");
    const auto old = RandomBytes(PartRecord::kFileSize, 9);
    WriteAll(path, old);
    MakeReadOnly(path);
    EXPECT_EQ(WriteOverFileStart(path, RandomBytes(PartRecord::kFileSize, 10)).code(), FileError::NotWritable);
    EXPECT_EQ(ReadAll(path), old);

    // A folder where the file should be, a file where a folder should be,
    // and a folder that does not exist.
    fs::create_directory(dir.path() / "DOSSIER.pie");
    WriteAll(dir.file("FICHIER"), {1, 2, 3});
    for (const std::string& impossible :
         {dir.file("DOSSIER.pie"), dir.file("FICHIER") + "/A.pie", dir.file("ABSENT") + "/A.pie"}) {
        EXPECT_EQ(WriteOverFileStart(impossible, std::vector<std::uint8_t>{1, 2, 3}).code(), FileError::NotWritable)
            << impossible;
    }
    EXPECT_EQ(ReadAll(dir.file("FICHIER")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "DOSSIER.pie"));
}
