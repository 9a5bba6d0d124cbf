#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "SampleLibrary.h"
#include "report/ProfileSketch.h"
#include "core/report/ReportFixtures.h"
#include "report/ReportText.h"
#include "report/SetupSheet.h"
#include "support/TempDir.h"
#include "text/Numbers.h"

namespace zelpor {
namespace {

struct SetupSheetTest : ::testing::Test {
    SetupSheetTest() { InstallSampleLibrary(dir.folder()); }
    SheetSource source() const { return {"JOB", "P1", dir.folder(), std::nullopt, 0}; }
    test::TempDir dir;
};

TEST_F(SetupSheetTest, CsvHasOneRowPerBendThatParsesBackToTheShownPrecision) {
    const PartRecord part = test::SheetPart();
    const auto rows = ParseCsv(SetupSheetCsv(BuildSetupSheet(part, source())));
    ASSERT_EQ(rows.size(), 3u);  // header + 2 bends
    EXPECT_EQ(rows[0][1], "Angle (°)");
    EXPECT_EQ(rows[0][7], "Force (t)");
    for (std::size_t i = 0; i < 2; ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        ASSERT_EQ(row.size(), rows[0].size());
        EXPECT_EQ(row[0], std::to_string(i + 1));
        for (std::size_t c = 0; c < kSheetColumns.size(); ++c) {
            const auto parsed = ParseNumber(row[c + 1]);
            ASSERT_TRUE(parsed) << row[c + 1];
            EXPECT_NEAR(*parsed, part.bends[i].*kSheetColumns[c].member, 0.005) << kSheetColumns[c].caption;
        }
        EXPECT_EQ(row[12], "1000");
        EXPECT_EQ(row[13], "P88-67");
        EXPECT_EQ(row[14], "V16");
    }
    EXPECT_EQ(rows[1][2], "4.12");  // Y as the main window shows it
}

TEST_F(SetupSheetTest, HeaderToolsAndStepsOfADrawnPart) {
    PartRecord part = test::SheetPart();
    part.profile[0].correction = -2;
    const SetupSheet sheet = BuildSetupSheet(part, source());
    EXPECT_EQ(sheet.comment, "Support moteur; côté \"A\"");
    EXPECT_EQ(sheet.thickness, "2.00");
    EXPECT_EQ(sheet.developedLength, "223.98");  // 230 - 2 - 4.0177
    EXPECT_TRUE(sheet.warnings.empty());
    ASSERT_EQ(sheet.tools.size(), 2u);
    EXPECT_EQ(sheet.tools[0].name, "P88-67");
    EXPECT_EQ(sheet.tools[0].figures[0].value, "67.00");
    EXPECT_EQ(sheet.tools[1].name, "V16");
    EXPECT_EQ(sheet.tools[1].figures[2].value, "16.00");

    // Program order: profile bend 1 first (pivoted and turned), then bend 0.
    ASSERT_EQ(sheet.steps.size(), 2u);
    const auto step = [&](std::size_t i) {
        const SheetStep& s = sheet.steps[i];
        return std::tuple(s.profileBend, s.number, s.angle, s.stop, s.note(), s.punch);
    };
    EXPECT_EQ(step(0), std::tuple(1, std::string("1/2"), std::string("-90.00"), std::string("47.99"),
                                  std::string("pièce pivotée et retournée"), std::string("P88-67")));
    EXPECT_EQ(step(1), std::tuple(0, std::string("2/2"), std::string("90.00"), std::string("49.00"), std::string(),
                                  std::string("P88-67")));
}

TEST_F(SetupSheetTest, MissingToolFilesAreNamedAndTheirFiguresUnknown) {
    PartRecord part = test::SheetPart();
    part.bends[1].die.assign("V99");
    const SetupSheet sheet = BuildSetupSheet(part, source());
    ASSERT_EQ(sheet.tools.size(), 3u);
    EXPECT_FALSE(sheet.tools[2].found);
    EXPECT_EQ(sheet.tools[2].figures[0].value, "?");
    ASSERT_EQ(sheet.warnings.size(), 1u);
    EXPECT_NE(sheet.warnings[0].find("V99"), std::string::npos);
}

TEST_F(SetupSheetTest, DamagedPartStillGivesASheet) {
    std::vector<std::uint8_t> image = EncodePart(test::SheetPart());
    const auto put = [&](std::size_t offset, auto value) { std::memcpy(&image[offset], &value, sizeof value); };
    std::fill_n(image.begin(), 255, std::uint8_t{'A'});  // comment without terminator
    put(299 + 108, std::numeric_limits<float>::quiet_NaN());  // angle of the first bend
    put(299 + 4, std::numeric_limits<float>::infinity());     // force of the first bend
    put(294, std::int32_t{99});                               // last bend index
    put(4003, std::int32_t{-7});                              // profile bend count
    put(4007, std::numeric_limits<float>::quiet_NaN());       // first segment length
    PartRecord part;
    DecodePart(part, image);

    const SetupSheet sheet = BuildSetupSheet(part, source());
    EXPECT_EQ(sheet.comment, std::string(255, 'A'));
    ASSERT_EQ(sheet.bends.size(), 25u);
    EXPECT_EQ(sheet.bends[0].settings[0], "?");
    EXPECT_EQ(sheet.bends[0].settings[6], "?");
    EXPECT_EQ(sheet.bends[0].settings[1], "4.12");
    const FittedScene sketch = ProfileSketchScene(part, 400, 200, 10);
    EXPECT_EQ(sketch.scene.texts.front(), "?");
}

TEST_F(SetupSheetTest, ToolNamesThatLeadOutOfTheToolsFolderAreNotRead) {
    std::filesystem::create_directories(dir.path() / "inner");
    test::WriteAll(dir.file("inner/P88-67.pun"), test::ReadAll(dir.file("P88-67.pun")));
    PartRecord part = test::SheetPart();
    part.bends[0].punch.assign("../P88-67");
    const SetupSheet sheet = BuildSetupSheet(part, {"JOB", "P1", dir.file("inner/"), std::nullopt, 0});
    ASSERT_EQ(sheet.tools.size(), 3u);
    EXPECT_EQ(std::tuple(sheet.tools[0].name, sheet.tools[0].found), std::tuple(std::string("../P88-67"), false));
    EXPECT_TRUE(sheet.tools[1].found);  // P88-67 of the second bend, inside the folder
}

TEST_F(SetupSheetTest, RandomPartImagesGiveASheetAndPictures) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        PartRecord part;
        DecodePart(part, test::RandomBytes(PartRecord::kFileSize, seed));
        part.graphicProfile = 1;
        const SetupSheet sheet = BuildSetupSheet(part, source());
        EXPECT_EQ(sheet.bends.size(), static_cast<std::size_t>(part.bendCount()));
        const FittedScene sketch = ProfileSketchScene(part, 400, 200, 10);
        EXPECT_EQ(sketch.scene.texts.size(), static_cast<std::size_t>(2 * part.safeProfileBendCount() + 1));
        for (const SheetStep& step : sheet.steps)
            EXPECT_FALSE(StepPictureScene(part, step, {}, {}, 220, 130).scene.elements.empty());
    }
}

TEST_F(SetupSheetTest, ProfileSketchWritesLengthsAndAnglesInsideThePicture) {
    const FittedScene sketch = ProfileSketchScene(test::SheetPart(), 680, 260, 11);
    const std::vector<std::string> expected{"100.00", "90.00\xB0", "50.00", "-90.00\xB0", "80.00"};
    EXPECT_EQ(sketch.scene.texts, expected);
    int lines = 0;
    for (const OutlineElement& e : sketch.scene.elements) {
        if (e.type != kLine) continue;
        ++lines;
        for (const auto& [x, y] : {std::pair(e.x1, e.y1), std::pair(e.x2, e.y2)}) {
            const ScreenPoint p = sketch.view.map(x, y);
            EXPECT_TRUE(p.x >= 0 && p.x <= 680 && p.y >= 0 && p.y <= 260) << p.x << "," << p.y;
        }
    }
    EXPECT_EQ(lines, 3);
}

TEST_F(SetupSheetTest, StepPicturesShowEarlierBendsBentAndLaterOnesFlat) {
    const PartRecord part = test::SheetPart();
    const SetupSheet sheet = BuildSetupSheet(part, source());
    const auto colours = [&](std::size_t i) {
        const SequenceScene s = StepPictureScene(part, sheet.steps[i], sheet.tools[0].punch, sheet.tools[1].die, 440, 260);
        const auto count = [&](std::int32_t c) {
            return std::count_if(s.scene.elements.begin(), s.scene.elements.end(),
                                 [c](const OutlineElement& e) { return e.colour == c; });
        };
        return std::tuple(count(kSequenceFlatColour) > 0, count(kSequenceToolColour) > 0, s.scene.texts);
    };
    // The first step: the later bend is still flat and carries its number.
    EXPECT_EQ(colours(0), std::tuple(true, true, std::vector<std::string>{"2/2"}));
    // The second step: the first bend was done, so it has no number left.
    EXPECT_EQ(colours(1), std::tuple(true, true, std::vector<std::string>{}));
}

}  // namespace
}  // namespace zelpor
