#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "SampleLibrary.h"
#include "cli/CommandLine.h"
#include "core/report/ReportFixtures.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

// GNU style: the options may come before the mode that takes them.
struct OptionOrder : ::testing::Test {
    OptionOrder() {
        std::filesystem::create_directories(dir.path() / "Tools");
        std::filesystem::create_directories(dir.path() / "ATELIER");
        InstallSampleLibrary(dir.file("Tools/"));
        test::WriteAll(part, EncodePart(test::SheetPart()));
    }
    static std::vector<const char*> Argv(const std::vector<std::string>& words) {
        std::vector<const char*> argv{"zelpor"};
        for (const std::string& w : words) argv.push_back(w.c_str());
        return argv;
    }
    int run(const std::vector<std::string>& words) {
        const std::vector<const char*> argv = Argv(words);
        out.str({});
        err.str({});
        return cli::RunBatch(static_cast<int>(argv.size()), argv.data(), out, err);
    }
    test::TempDir dir;
    std::string part = dir.file("ATELIER/SUPPORT.pie");
    std::ostringstream out, err;
};

TEST_F(OptionOrder, OutputBeforeTheModeWritesTheSameFile) {
    const std::string first = dir.file("first.csv"), last = dir.file("last.csv");
    ASSERT_EQ(run({"--export-csv", part, "-o", first}), cli::kOk) << err.str();
    const std::vector<std::string> words{"-o", last, "--export-csv", part};
    const std::vector<const char*> argv = Argv(words);
    EXPECT_TRUE(cli::IsBatchInvocation(static_cast<int>(argv.size()), argv.data()));
    ASSERT_EQ(run(words), cli::kOk) << err.str();
    EXPECT_EQ(test::ReadAll(last), test::ReadAll(first));
}

TEST_F(OptionOrder, OptionsWithoutAModeAreRefusedWithoutAWindow) {
    const std::vector<std::string> words{"-o", dir.file("x.csv")};
    const std::vector<const char*> argv = Argv(words);
    EXPECT_TRUE(cli::IsBatchInvocation(static_cast<int>(argv.size()), argv.data()));
    EXPECT_EQ(run(words), cli::kBadInput);
    EXPECT_NE(err.str().find("--help"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.csv")));
}

}  // namespace
}  // namespace zelpor
