#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/CommandLine.h"
#include "support/TempDir.h"

namespace zelpor::test {
namespace {

// A result that cannot be written whole (the file size is limited in a
// child process) leaves the old -o file as it was and no partial file; the
// failure names the file on the error stream.
TEST(CommandLineOutput, FailedResultLeavesTheOldOutputUntouched) {
    TempDir dir;
    const std::string path = dir.file("resultat.csv");
    const std::vector<std::uint8_t> old = {'A', 'N', 'C', 'I', 'E', 'N', '\n'};
    WriteAll(path, old);
    cli::Arguments args;
    args.values.emplace_back("o", path);
    const std::string result(100, 'x');

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::ostringstream out, err;
        const bool written = cli::WriteResult(args, result, out, err);
        const std::string message = err.str();
        if (::write(fds[1], message.data(), message.size()) < 0) ::_exit(3);
        ::_exit(written ? 0 : 1);
    }
    ::close(fds[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(message.find("cannot write '" + path + "'"), std::string::npos) << message;
    EXPECT_EQ(ReadAll(path), old);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1u);

    // Without the limit the whole result replaces the old output.
    std::ostringstream out, err;
    ASSERT_TRUE(cli::WriteResult(args, result, out, err));
    EXPECT_EQ(ReadAll(path), std::vector<std::uint8_t>(result.begin(), result.end()));
}

}  // namespace
}  // namespace zelpor::test
