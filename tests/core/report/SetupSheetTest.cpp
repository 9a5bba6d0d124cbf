#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>

#include "SampleLibrary.h"
#include "core/report/ReportFixtures.h"
#include "core/report/ProfileSketch.h"
#include "core/report/ReportText.h"
#include "core/report/SetupSheet.h"
#include "support/TempDir.h"
#include "core/text/Numbers.h"

namespace zelpor {
namespace {

using S = std::string;

struct SetupSheetTest : ::testing::Test {
    SetupSheetTest() { InstallSampleLibrary(dir.folder()); }
    SetupSheet sheet(const PartRecord& part) const { return BuildSetupSheet(part, {"JOB", "P1", dir.folder(), {}, 0}); }
    test::TempDir dir;
};

TEST_F(SetupSheetTest, CsvHasOneRowPerBendThatParsesBackToTheShownPrecision) {
    const PartRecord part = test::SheetPart();
    const auto rows = ParseCsv(SetupSheetCsv(sheet(part)));
    ASSERT_EQ(rows.size(), 3u);  // header + 2 bends
    for (std::size_t i = 0; i < 2; ++i) {
        const std::vector<S>& row = rows[i + 1];
        ASSERT_EQ(row.size(), rows[0].size());
        EXPECT_EQ(std::tuple(row[0], row[12], row[13], row[14]),
                  std::tuple(std::to_string(i + 1), "1000", "P88-67", "V16"));
        for (std::size_t c = 0; c < kSheetColumns.size(); ++c)
            EXPECT_NEAR(ParseNumber(row[c + 1]).value_or(NAN), part.bends[i].*kSheetColumns[c].member, 0.005)
                << kSheetColumns[c].caption << ": " << row[c + 1];
    }
}

TEST_F(SetupSheetTest, HeaderToolsAndStepsOfADrawnPart) {
    PartRecord part = test::SheetPart();
    part.profile[0].correction = -2;
    const SetupSheet s = sheet(part);
    // 230 - 2 - 4.0177
    EXPECT_EQ(std::tuple(s.comment, s.thickness, s.developedLength, s.warnings.size()),
              std::tuple(S("Support moteur; côté \"A\""), S("2.00"), S("223.98"), 0u));
    ASSERT_EQ(s.tools.size(), 2u);
    EXPECT_EQ(std::tuple(s.tools[0].name, s.tools[0].figures[0].value, s.tools[1].name, s.tools[1].figures[2].value),
              std::tuple(S("P88-67"), S("67.00"), S("V16"), S("16.00")));
    // Program order: profile bend 1 first (pivoted and turned), then bend 0.
    ASSERT_EQ(s.steps.size(), 2u);
    const auto step = [&](std::size_t i) {
        return std::tuple(s.steps[i].profileBend, s.steps[i].number, s.steps[i].angle, s.steps[i].stop,
                          s.steps[i].note());
    };
    EXPECT_EQ(step(0), std::tuple(1, S("1/2"), S("-90.00"), S("47.99"), S("pièce pivotée et retournée")));
    EXPECT_EQ(step(1), std::tuple(0, S("2/2"), S("90.00"), S("49.00"), S()));
}

// A missing die, and a punch name leading out of the tools folder, are named
// and not read; the figures are unknown.
TEST_F(SetupSheetTest, MissingToolsAndNamesLeadingOutOfTheFolder) {
    std::filesystem::create_directories(dir.path() / "inner");
    test::WriteAll(dir.file("inner/P88-67.pun"), test::ReadAll(dir.file("P88-67.pun")));
    PartRecord part = test::SheetPart();
    part.bends[0].punch.assign("../P88-67");
    part.bends[1].die.assign("V99");
    const SetupSheet s = BuildSetupSheet(part, {"JOB", "P1", dir.file("inner/"), {}, 0});
    ASSERT_EQ(s.tools.size(), 4u);
    EXPECT_EQ(std::tuple(s.tools[0].name, s.tools[0].found, s.tools[1].found, s.tools[3].name, s.tools[3].found),
              std::tuple(S("../P88-67"), false, true, S("V99"), false));
    ASSERT_FALSE(s.warnings.empty());
    EXPECT_NE(s.warnings.back().find("V99"), S::npos) << s.warnings.back();
}

TEST_F(SetupSheetTest, DamagedOrRandomPartsStillGiveASheetAndPictures) {
    std::vector<std::uint8_t> image = EncodePart(test::SheetPart());
    const auto put = [&](std::size_t offset, auto value) { std::memcpy(&image[offset], &value, sizeof value); };
    std::fill_n(image.begin(), 255, std::uint8_t{'A'});       // comment without terminator
    put(299 + 108, std::numeric_limits<float>::quiet_NaN());  // angle of the first bend
    put(299 + 4, std::numeric_limits<float>::infinity());     // force of the first bend
    put(294, std::int32_t{99});                               // last bend index
    put(4003, std::int32_t{-7});                              // profile bend count
    put(4007, std::numeric_limits<float>::quiet_NaN());       // first segment length
    PartRecord part;
    DecodePart(part, image);
    const SetupSheet s = sheet(part);
    ASSERT_EQ(s.bends.size(), 25u);
    EXPECT_EQ(std::tuple(s.comment, s.bends[0].settings[0], s.bends[0].settings[6], s.bends[0].settings[1]),
              std::tuple(S(255, 'A'), S("?"), S("?"), S("4.12")));
    EXPECT_EQ(ProfileSketchScene(part, 400, 200, 10).scene.texts.front(), "?");

    for (unsigned seed = 1; seed <= 30; ++seed) {
        DecodePart(part, test::RandomBytes(PartRecord::kFileSize, seed));
        part.graphicProfile = 1;
        const SetupSheet r = sheet(part);
        EXPECT_EQ(r.bends.size(), static_cast<std::size_t>(part.bendCount())) << seed;
        EXPECT_EQ(ProfileSketchScene(part, 400, 200, 10).scene.texts.size(),
                  static_cast<std::size_t>(2 * part.safeProfileBendCount() + 1))
            << seed;
        for (const SheetStep& step : r.steps)
            EXPECT_FALSE(StepPictureScene(part, step, {}, {}, 220, 130).scene.elements.empty()) << seed;
    }
}

TEST_F(SetupSheetTest, ProfileSketchAndStepPictures) {
    const PartRecord part = test::SheetPart();
    const FittedScene sketch = ProfileSketchScene(part, 680, 260, 11);
    EXPECT_EQ(sketch.scene.texts, (std::vector<S>{"100.00", "90.00\xB0", "50.00", "-90.00\xB0", "80.00"}));

    // The first step shows the bend made later flat, with its number.
    const SetupSheet s = sheet(part);
    EXPECT_EQ(StepPictureScene(part, s.steps[0], s.tools[0].punch, s.tools[1].die, 440, 260).scene.texts,
              std::vector<S>{"2/2"});
}

}  // namespace
}  // namespace zelpor
