#include <gtest/gtest.h>

#include <filesystem>

#include "cli/BatchRun.h"
#include "core/collision/CollisionFixtures.h"
#include "SampleLibrary.h"
#include "support/TempDir.h"
#include "support/ByteDiff.h"

namespace zelpor {
namespace {

using test::TypedProfile;

// The sample tool library in a tools folder, and parts typed as numbers.
struct SequenceCommandTest : ::testing::Test {
    test::TempDir dir;
    std::string tools = dir.folder() + "Outils/";
    std::string out, err;

    SequenceCommandTest() {
        std::filesystem::create_directories(tools);
        InstallSampleLibrary(tools);
    }
    std::string writePart(const std::string& name, const PartRecord& part) {
        test::WriteAll(dir.folder() + name, EncodePart(part));
        return dir.folder() + name;
    }
    int run(const std::vector<std::string>& words) { return test::RunBatch(words, out, err); }
};

TEST_F(SequenceCommandTest, FindsAppliesAndChecks) {
    const char* const hatProgram =
        "1  pli 4  angle -90.00  pivot non  butée 27.99  ok\n"
        "2  pli 1  angle -90.00  pivot oui  butée 27.99  ok\n"
        "3  pli 3  angle 90.00  pivot non  butée 67.99  ok\n"
        "4  pli 2  angle 90.00  pivot non  butée 97.99  ok\n"
        "Séquence sans collision\n";
    PartRecord hat = test::Hat();
    hat.profile[1].order = hat.lastBend = 0;  // a program begun earlier: --apply replaces it
    const std::string path = writePart("HAT.pie", hat);
    std::vector<std::uint8_t> file = test::ReadAll(path);
    file.insert(file.end(), {1, 2, 3});  // a longer file keeps its tail
    test::WriteAll(path, file);

    EXPECT_EQ(run({"--sequence", path, "--tools", tools, "--punch", "P88-67", "--die", "V16"}), 0) << err;
    EXPECT_EQ(out, hatProgram);
    EXPECT_TRUE(test::SameBytes(test::ReadAll(path), file));  // found, not stored

    EXPECT_EQ(run({"--sequence=" + path, "--tools=" + tools, "--punch=P88-67", "--die=V16", "--apply"}), 0) << err;
    std::vector<std::uint8_t> expected = EncodePart(test::HatValidatedByHand());
    expected.insert(expected.end(), {1, 2, 3});
    EXPECT_TRUE(test::SameBytes(test::ReadAll(path), expected));

    // The stored order checked: the part's own tools are used.
    EXPECT_EQ(run({"--sequence", path, "--tools", tools, "--check"}), 0) << err;
    EXPECT_EQ(out, hatProgram);
}

TEST_F(SequenceCommandTest, NoOrderWithoutCollisionStoresNothing) {
    PartRecord part = TypedProfile(2, {20, 20, 100}, {-90, 90});
    const std::string path = writePart("Z.pie", part);
    EXPECT_EQ(run({"--sequence", path, "--tools", tools, "--punch", "P88-67", "--die", "V16", "--apply"}), 3);
    EXPECT_EQ(out,
              "1  pli 2  angle 90.00  pivot non  butée 97.99  ok\n"
              "2  pli 1  angle -90.00  pivot non  butée 17.99  Collision matrice à 180°\n"
              "Aucune séquence sans collision\n");
    EXPECT_TRUE(test::SameBytes(test::ReadAll(path), EncodePart(part)));

    // A stored order that collides is reported the same way.
    part.profile[1].order = 0;
    part.profile[0].order = part.lastBend = 1;
    part.bends[0].punch.assign("P88-67");
    part.bends[0].die.assign("V16");
    EXPECT_EQ(run({"--sequence", writePart("Z2.pie", part), "--tools", tools, "--check"}), 3);
    EXPECT_NE(out.find("Séquence avec collision"), std::string::npos) << out;
}

TEST_F(SequenceCommandTest, BadInput) {
    const std::string plain = writePart("PLAIN.pie", TypedProfile(2, {100, 50}, {90}));
    test::WriteAll(dir.folder() + "SHORT.pie", std::vector<std::uint8_t>(100, 0));
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--sequence", dir.folder() + "MISSING.pie", "--tools", tools}, "cannot read"},
        {{"--sequence", dir.folder() + "SHORT.pie", "--tools", tools}, "is not a part file"},
        {{"--sequence", plain, "--tools", tools}, "no punch stored in the part"},
        {{"--sequence", plain, "--tools", tools, "--punch", "P88-67", "--die", "V99"}, "cannot read the die"},
        {{"--sequence", plain, "--tools", tools, "--punch", "P88-67", "--die", "V16", "--check"}, "no bending order"},
        {{"--sequence", plain, "--apply", "--check"}, "exclude each other"},
    };
    for (const auto& [words, message] : cases) {
        EXPECT_EQ(run(words), 2) << message;
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_EQ(out, "") << message;
    }
}

}  // namespace
}  // namespace zelpor
