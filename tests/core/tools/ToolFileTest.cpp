#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "support/ByteDiff.h"
#include "support/SampleTools.h"
#include "support/TempDir.h"
#include "core/tools/ToolFiles.h"
#include "core/tools/ToolRecords.h"
#include "core/tools/ToolShapes.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// Each field is found at its stored offset: the image of a record with that one
// field changed differs from a blank image starting exactly there.
TEST(ToolFile, FieldsSitAtTheirOffsets) {
    test::ExpectFieldOffsets<PunchRecord>({{12, [](auto& p) { p.angle = 88.1f; }},
                                           {16, [](auto& p) { p.lastElement = 4; }},
                                           {20, [](auto& p) { p.outline[0].type = kLine; }},
                                           {20 + 76 + 40, [](auto& p) { p.outline[1].x1 = 13.1f; }},
                                           {20 + 24 * 76 + 72, [](auto& p) { p.outline[24].textIndex = 4; }},
                                           {1920, [](auto& p) { p.reserved[0] = 1; }},
                                           {2000, [](auto& p) { p.textSlots[0] = 1; }}},
                                          [](const PunchRecord& p) { return EncodePunch(p); });
    test::ExpectFieldOffsets<DieRecord>({{12, [](auto& d) { d.vAngle = 88.1f; }},
                                         {16, [](auto& d) { d.vOpening = 16.1f; }},
                                         {20, [](auto& d) { d.entryRadius = 2.2f; }},
                                         {24, [](auto& d) { d.reserved[0] = 1; }},
                                         {28, [](auto& d) { d.lastElement = 8; }},
                                         {32, [](auto& d) { d.outline[0].type = kLine; }},
                                         {32 + 8, [](auto& d) { d.outline[0].name.assign("Die"); }},
                                         {32 + 2 * 76 + 68, [](auto& d) { d.outline[2].h = 5.1f; }},
                                         {1932, [](auto& d) { d.reservedEntries[0] = 1; }},
                                         {2012, [](auto& d) { d.textSlots[0] = 1; }}},
                                        [](const DieRecord& d) { return EncodeDie(d); });
}

TEST(ToolList, OnlyPlainWritableVisibleFilesAreListed) {
    test::TempDir dir;
    const Bytes punch = EncodePunch(PunchRecord{});
    const Bytes die = EncodeDie(DieRecord{});
    // Read-only, hidden, a folder and a name not ending in ".die" are skipped;
    // the pattern ignores case; a name is cut at its first ".".
    for (const char* name : {"P88-67.pun", "Upper.PUN", "Locked.pun", ".hidden.pun", "p30.pun"})
        test::WriteAll(dir.file(name), punch);
    for (const char* name : {"V12.88.die", "V16.die", "V16.die.bak", "V16-30.die"}) test::WriteAll(dir.file(name), die);
    test::MakeReadOnly(dir.file("Locked.pun"));
    fs::create_directory(dir.path() / "Folder.pun");
    // Listed as the shop's file system lists a folder: whole names, upper-cased.
    EXPECT_EQ(ListToolNames(dir.folder(), ToolKind::Punch), (Names{"p30", "P88-67", "Upper"}));
    EXPECT_EQ(ListToolNames(dir.folder(), ToolKind::Die), (Names{"V12", "V16-30", "V16"}));
}

// Loading fills the record only: the holder's name and flag stay; a missing or
// read-only file leaves the holder as it was; a short file the later fields.
TEST(ToolLoad, FilesFoundWhateverTheirCaseAndReadIntoTheRecordOnly) {
    test::TempDir dir;
    const PunchRecord sample = test::SamplePunchP88_67();
    test::WriteAll(dir.file("P88-67.pun"), EncodePunch(sample));
    TPoincon punch;
    punch.name = "Previous", punch.selectionRequest = true;
    EXPECT_TRUE(LoadPunchFile(punch, dir.folder() + "P88-67.PUN"));
    EXPECT_EQ(punch.record, sample);
    EXPECT_EQ(std::pair(punch.name, punch.selectionRequest), std::pair(std::string("Previous"), true));
    test::WriteAll(dir.file("Locked.pun"), EncodePunch(PunchRecord{}));
    test::MakeReadOnly(dir.file("Locked.pun"));
    for (const char* file : {"Absent.PUN", "Locked.pun"}) {
        EXPECT_FALSE(LoadPunchFile(punch, dir.folder() + file)) << file;
        EXPECT_EQ(punch.record, sample) << file;
    }

    DieRecord small;
    small.version = 7, small.height = 40;
    Bytes image = EncodeDie(small);
    image.resize(12);  // version, version index, height
    test::WriteAll(dir.file("short.die"), image);
    test::WriteAll(dir.file("V12.88.die"), EncodeDie(small));  // listed as V12, looked for as V12.die
    TMatrice die;
    die.record.vOpening = 16, die.record.outline[3].x1 = 17;
    EXPECT_FALSE(LoadDieFile(die, dir.folder() + "V12.DIE"));
    EXPECT_TRUE(LoadDieFile(die, dir.folder() + "SHORT.DIE"));
    EXPECT_EQ((std::array{die.record.height, die.record.vOpening, die.record.outline[3].x1}),
              (std::array{40.f, 16.f, 17.f}));
    EXPECT_EQ(die.record.version, 7);
}

using Points = std::vector<OutlinePoint>;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ToolDraft Punch(float h, float a, Points pts) {
    ToolDraft d = EmptyDraft(ToolKind::Punch);
    d.name = "P", d.height = h, d.angle = a;
    d.points = std::move(pts);
    return d;
}

ToolDraft DieV16() { return DraftFromDie(test::SampleDieV16(), "V16"); }

TEST(ToolDraft, SampleToolsReadAsTheirPointsAndWriteBackByteForByte) {
    const PunchRecord punch = test::SamplePunchP88_67();
    const ToolDraft p = DraftFromPunch(punch, "P88-67");
    EXPECT_EQ(p.points, (Points{{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}}));
    EXPECT_EQ(EncodePunch(PunchFromDraft(p)), EncodePunch(punch));  // labels and colours kept
    // A moved point redraws its two lines; the others keep their bytes.
    ToolDraft moved = p;
    moved.points[3].y = -66;
    const PunchRecord back = PunchFromDraft(moved);
    EXPECT_EQ(back.outline[0], punch.outline[0]);
    EXPECT_EQ(std::pair(back.outline[2].y2, back.outline[3].name.str()), std::pair(-66.0f, std::string()));
    EXPECT_EQ(back.outline[3].colour, Rgb(255, 0, 0));
    // An arc the point table cannot show is kept after the lines.
    PunchRecord withArc = punch;
    withArc.outline[5] = withArc.outline[4];
    withArc.outline[5].type = kArc, withArc.lastElement = 5;
    ToolDraft arc = DraftFromPunch(withArc, "P");
    arc.points.push_back({-13, -20});
    const PunchRecord kept = PunchFromDraft(arc);
    EXPECT_EQ(kept.lastElement, 6);
    EXPECT_EQ(kept.outline[6], withArc.outline[5]);
    EXPECT_EQ(DieFromDraft(DieV16()).reserved, test::SampleDieV16().reserved);
}

TEST(ToolDraft, EncodedFilesHoldTheFiguresAndTheClosedOutline) {
    ToolDraft p = Punch(67, 88, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}});
    p.version = 3;
    PunchRecord pun;
    DecodePunch(pun, EncodeDraft(p));
    EXPECT_EQ((std::array{pun.version, pun.lastElement}), (std::array{3, 3}));  // four lines, 0..3
    // The last line closes the outline back to the first point; the next slot is empty.
    EXPECT_EQ((std::array{pun.outline[3].x2, pun.outline[3].y2, static_cast<float>(pun.outline[4].type)}),
              (std::array{-13.0f, 0.0f, 0.f}));
    DieRecord die;
    DecodeDie(die, EncodeDraft(DieV16()));
    EXPECT_EQ((std::array{die.vOpening, die.outline[5].y1}), (std::array{16.0f, 51.72f}));  // the groove's bottom
    EXPECT_EQ(die.lastElement, 8);
}

TEST(ToolCheck, EveryRuleRefusesWithItsMessage) {
    const Points straight{{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}};
    Points many;
    for (int i = 0; i < 26; ++i) many.push_back({static_cast<float>(i), -static_cast<float>(i % 2)});
    Points below = straight;
    below[2].y = -70;
    auto dieWith = [](auto change) {
        ToolDraft d = DieV16();
        change(d);
        return d;
    };
    const struct {
        ToolDraft draft;
        ToolProblem problem;
        int point;
        const char* message;
    } cases[] = {
        {Punch(0, 88, straight), ToolProblem::Height, 0, "La hauteur doit être un nombre positif"},
        {Punch(67, 180, straight), ToolProblem::Angle, 0, "L'angle du poinçon doit être un nombre entre 0 et 180"},
        {Punch(67, 88, {{0, 0}, {1, kNaN}, {0, -67}}), ToolProblem::PointNotNumber, 2,
         "Point 2 : coordonnée non numérique"},
        {Punch(67, 88, {{0, 0}, {0, -67}}), ToolProblem::TooFewPoints, 0,
         "Le contour doit être fermé : 3 points au moins"},
        {Punch(67, 88, many), ToolProblem::TooManyPoints, 0, "Le contour a plus de 25 éléments"},
        {Punch(67, 88, {{-13, 0}, {13, 0}, {13, 0}, {0, -67}}), ToolProblem::RepeatedPoint, 3,
         "Point 3 : confondu avec le point précédent"},
        {Punch(67, 88, {{-13, 0}, {13, 0}, {0, -67}, {-13, 0}}), ToolProblem::RepeatedPoint, 1,
         "Point 1 : confondu avec le point précédent"},
        {Punch(70, 88, straight), ToolProblem::PunchTip, 0,
         "La pointe du poinçon doit être sur l'axe en x = 0, y = -70.00"},
        {Punch(67, 88, below), ToolProblem::PunchBelowTip, 3, "Point 3 : sous la pointe du poinçon (y = -67.00)"},
        {dieWith([](ToolDraft& d) { d.vOpening = -16; }), ToolProblem::VOpening, 0,
         "L'ouverture du vé doit être un nombre positif"},
        {dieWith([](ToolDraft& d) { d.entryRadius = 0; }), ToolProblem::EntryRadius, 0,
         "Le rayon d'entrée doit être un nombre positif"},
        {dieWith([](ToolDraft& d) { d.height = 62; }), ToolProblem::DieTopFace, 0,
         "Le dessus de la matrice doit être à sa hauteur, y = 62.00"},
        {dieWith([](ToolDraft& d) { d.vOpening = 16.2f; }), ToolProblem::DieVOpening, 0,
         "L'ouverture du vé ne correspond pas au contour : arêtes attendues en x = ±8.10, y = 60.00"},
        {dieWith([](ToolDraft& d) { d.angle = 90; }), ToolProblem::DieVGroove, 0,
         "L'angle du vé ne correspond pas au contour : fond du vé attendu en x = 0, y = 52.00"},
    };
    for (const auto& c : cases) {
        const ToolCheck check = CheckTool(c.draft);
        EXPECT_EQ(check.problem, c.problem) << c.message;
        EXPECT_EQ(check.point, c.point) << c.message;
        EXPECT_EQ(ToolProblemText(c.draft, check), c.message);
    }
    // Within 0.05 mm a drawn point is where the figures put it.
    EXPECT_TRUE(CheckTool(dieWith([](ToolDraft& d) { d.vOpening = 16.05f; })).ok());
}

TEST(ToolShapes, GeneratedOutlinesMatchTheCatalogueToolsPassTheCheckOrAreRefused) {
    auto near = [](const Points& got, const Points& want) {
        if (got.size() != want.size()) return testing::AssertionFailure() << got.size() << " points";
        for (std::size_t i = 0; i < got.size(); ++i)
            if (std::fabs(got[i].x - want[i].x) > 0.01f || std::fabs(got[i].y - want[i].y) > 0.01f)
                return testing::AssertionFailure() << "point " << i + 1 << ": " << got[i].x << ", " << got[i].y;
        return testing::AssertionSuccess();
    };
    const auto straight = GenerateOutline(ToolShape::StraightPunch, Punch(67, 88, {}), 26);
    EXPECT_TRUE(near(straight.points, {{-13, 0}, {13, 0}, {13, -53.54f}, {0, -67}, {-13, -53.54f}}));
    const auto acute = GenerateOutline(ToolShape::AcutePunch, Punch(67, 30, {}), 26);
    EXPECT_TRUE(
        near(acute.points, {{-13, 0}, {13, 0}, {13, -30.15f}, {6, -44.61f}, {0, -67}, {-6, -44.61f}, {-13, -30.15f}}));
    const auto goose = GenerateOutline(ToolShape::GooseneckPunch, Punch(95, 88, {}), 26);
    ASSERT_EQ(goose.points.size(), 12u);
    EXPECT_TRUE(near({goose.points[5], goose.points[6]}, {{9, -85.68f}, {0, -95}}));
    ToolDraft die = DieV16();
    const auto v = GenerateOutline(ToolShape::SingleVDie, die, 50);
    EXPECT_TRUE(
        near(v.points, {{-25, 0}, {25, 0}, {25, 50}, {17, 60}, {8, 60}, {0, 51.72f}, {-8, 60}, {-17, 60}, {-25, 50}}));

    for (const auto* g : {&straight, &acute, &goose}) {
        ToolDraft d = Punch(g == &straight || g == &acute ? 67.0f : 95.0f, g == &acute ? 30.0f : 88.0f, g->points);
        EXPECT_TRUE(CheckTool(d).ok()) << ToolProblemText(d, CheckTool(d));
    }
    die.points = v.points;
    EXPECT_TRUE(CheckTool(die).ok());
    // Figures that cannot make the shape are refused.
    EXPECT_EQ(GenerateOutline(ToolShape::StraightPunch, Punch(7, 120, {}), 26).error,
              "Poinçon trop large pour sa hauteur et son angle");
    EXPECT_EQ(GenerateOutline(ToolShape::GooseneckPunch, Punch(30, 88, {}), 26).error,
              "Col de cygne trop court pour un angle si ouvert");
    die = DieV16();
    EXPECT_EQ(GenerateOutline(ToolShape::SingleVDie, die, 17).error, "Matrice trop étroite pour son ouverture");
    die.angle = 10;
    EXPECT_EQ(GenerateOutline(ToolShape::SingleVDie, die, 50).error, "Matrice trop basse pour la profondeur de son vé");
}

TEST(ToolFiles, NamesAreCheckedLikeJobAndPartNamesAndFitABend) {
    const std::pair<const char*, ToolNameProblem> cases[] = {{"P88-67", ToolNameProblem::None},
                                                             {"", ToolNameProblem::Refused},
                                                             {"../P1", ToolNameProblem::Refused},
                                                             {"P88.67", ToolNameProblem::Dot},
                                                             {"ABCDEFGHIJKLMNOPQRSTUVWXY", ToolNameProblem::TooLong}};
    for (const auto& [name, problem] : cases) EXPECT_EQ(CheckToolName(name), problem) << name;
    EXPECT_EQ(ToolNameProblemText("P88.67"), "Un nom d'outil ne contient pas de point");
}

TEST(ToolFiles, SavesNeverOverwriteAnotherToolWithoutLeave) {
    test::TempDir dir;
    const std::string folder = dir.folder();
    ToolDraft d = DieV16();
    d.name = "V16";
    ASSERT_EQ(SaveToolDraft(folder, d, false, ""), ToolFileResult::Done);
    // A new tool of an existing name (any case) waits for leave; its own file does not.
    d.name = "v16";
    EXPECT_EQ(SaveToolDraft(folder, d, false, ""), ToolFileResult::Exists);
    EXPECT_EQ(SaveToolDraft(folder, d, false, "V16"), ToolFileResult::Done);
    EXPECT_FALSE(std::filesystem::exists(dir.file("v16.DIE")));  // written into V16.die
    d.height = 0;
    EXPECT_EQ(SaveToolDraft(folder, d, true, "V16"), ToolFileResult::CheckFailed);
    d.name = "x/y";
    EXPECT_EQ(SaveToolDraft(folder, d, true, ""), ToolFileResult::BadName);
    EXPECT_EQ(test::ReadAll(dir.file("V16.DIE")), EncodeDraft(DieV16()));  // refused saves wrote nothing

    EXPECT_EQ(RenameToolFile(folder, ToolKind::Die, "V16", "v16", false), ToolFileResult::Done);  // case only
    EXPECT_EQ(ListToolNames(folder, ToolKind::Die), (std::vector<std::string>{"v16"}));
    ToolDraft loaded;
    ASSERT_TRUE(LoadToolDraft(folder, ToolKind::Die, "V16", loaded));
    EXPECT_EQ(loaded.points, DieV16().points);
}

}  // namespace
}  // namespace zelpor
