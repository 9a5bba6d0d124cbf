#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SampleLibrary.h"
#include "calc/Formulas.h"
#include "params/ParameterTable.h"
#include "support/TempDir.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Every element is a line and each one starts where the previous one ended,
// the last one closing the outline on the first point.
template <std::size_t N>
void ExpectClosedPolyline(const std::array<OutlineElement, N>& outline, int count, const std::string& tool) {
    for (int i = 0; i < count; ++i) {
        const OutlineElement& e = outline[static_cast<std::size_t>(i)];
        const OutlineElement& next = outline[static_cast<std::size_t>((i + 1) % count)];
        EXPECT_EQ(e.type, kLine) << tool << " element " << i;
        EXPECT_EQ(e.x2, next.x1) << tool << " element " << i;
        EXPECT_EQ(e.y2, next.y1) << tool << " element " << i;
    }
    for (std::size_t i = static_cast<std::size_t>(count); i < N; ++i) EXPECT_EQ(outline[i].type, 0) << tool;
}

TEST(SampleLibrary, InstallsEveryFileIntoAnEmptyFolder) {
    test::TempDir dir;
    EXPECT_EQ(InstallSampleLibrary(dir.folder()), 12);
    EXPECT_EQ(fs::file_size(dir.path() / "material.dat"), 900u);
    EXPECT_EQ(fs::file_size(dir.path() / "Param.dat"), 7872u);
    EXPECT_EQ(fs::file_size(dir.path() / "P88-67.pun"), 2020u);
    EXPECT_EQ(fs::file_size(dir.path() / "V16.die"), 2032u);
    EXPECT_EQ(Sorted(ListToolNames(dir.folder(), ToolKind::Punch)),
              (Names{"P30-67", "P85-100", "P88-67", "P88-95-COL"}));
    EXPECT_EQ(Sorted(ListToolNames(dir.folder(), ToolKind::Die)),
              (Names{"V12", "V16", "V16-30", "V24", "V35", "V8"}));
    // Installing again writes nothing.
    EXPECT_EQ(InstallSampleLibrary(dir.folder()), 0);
}

TEST(SampleLibrary, NeverOverwritesTheUsersFiles) {
    test::TempDir dir;
    const auto mine = test::RandomBytes(2032, 4);
    test::WriteAll(dir.file("V16.DIE"), mine);
    EXPECT_EQ(InstallSampleLibrary(dir.folder()), 11);
    EXPECT_EQ(test::ReadAll(dir.file("V16.DIE")), mine);
    EXPECT_FALSE(fs::exists(dir.path() / "V16.die"));
}

TEST(SampleLibrary, DiesLoadWithTheirDimensions) {
    test::TempDir dir;
    InstallSampleLibrary(dir.folder());
    TMatrice die;
    ASSERT_TRUE(LoadDieFile(die, dir.folder() + "V16.DIE"));
    EXPECT_EQ(die.record.version, 1);
    EXPECT_EQ(die.record.versionIndex, 1);
    EXPECT_EQ(die.record.height, 60);
    EXPECT_EQ(die.record.vAngle, 88);
    EXPECT_EQ(die.record.vOpening, 16);
    EXPECT_EQ(die.record.entryRadius, 2);
    EXPECT_EQ(die.record.lastElement, 8);
    EXPECT_EQ(die.record.outline[5].x1, 0);
    EXPECT_EQ(die.record.outline[5].y1, 51.72f);
    ExpectClosedPolyline(die.record.outline, die.record.elementCount(), "V16");
    // With 2 mm sheet this die gives the worked Y depth of a right-angle bend.
    EXPECT_NEAR(ComputeYDepth(90, 2, die.record.entryRadius, die.record.vOpening, die.record.vAngle), 4.118, 5e-4);

    for (const auto& name : ListToolNames(dir.folder(), ToolKind::Die)) {
        TMatrice d;
        ASSERT_TRUE(LoadDieFile(d, dir.folder() + name + ".DIE")) << name;
        EXPECT_EQ(d.record.elementCount(), 9) << name;
        EXPECT_GT(d.record.vOpening, 0) << name;
        ExpectClosedPolyline(d.record.outline, d.record.elementCount(), name);
        // The die stands on y = 0 with its top face at its height.
        float top = 0;
        for (int i = 0; i < d.record.elementCount(); ++i) top = std::max(top, d.record.outline[static_cast<std::size_t>(i)].y1);
        EXPECT_EQ(top, d.record.height) << name;
    }
}

TEST(SampleLibrary, PunchesLoadWithTheirOutlines) {
    test::TempDir dir;
    InstallSampleLibrary(dir.folder());
    TPoincon punch;
    ASSERT_TRUE(LoadPunchFile(punch, dir.folder() + "P88-95-COL.PUN"));
    EXPECT_EQ(punch.record.height, 95);
    EXPECT_EQ(punch.record.angle, 88);
    EXPECT_EQ(punch.record.lastElement, 11);
    EXPECT_EQ(punch.record.elementCount(), 12);
    ExpectClosedPolyline(punch.record.outline, 12, "P88-95-COL");
    for (const auto& name : ListToolNames(dir.folder(), ToolKind::Punch)) {
        TPoincon p;
        ASSERT_TRUE(LoadPunchFile(p, dir.folder() + name + ".PUN")) << name;
        ExpectClosedPolyline(p.record.outline, p.record.elementCount(), name);
        // The tip is the lowest point, at minus the height.
        float tip = 0;
        for (int i = 0; i < p.record.elementCount(); ++i) tip = std::min(tip, p.record.outline[static_cast<std::size_t>(i)].y1);
        EXPECT_EQ(tip, -p.record.height) << name;
    }
}

TEST(SampleLibrary, MaterialsGiveTheChartForces) {
    test::TempDir dir;
    InstallSampleLibrary(dir.folder());
    float m = 0;
    ASSERT_TRUE(LoadMaterialCoefficient(dir.folder(), "Acier", m));
    EXPECT_EQ(m, 225);
    EXPECT_NEAR(ComputeBendForce(1000, m, 2, 16), 16.09, 0.005);
    ASSERT_TRUE(LoadMaterialCoefficient(dir.folder(), "Alu", m));
    EXPECT_NEAR(ComputeBendForce(1000, m, 2, 16), 8.94, 0.005);
    ASSERT_TRUE(LoadMaterialCoefficient(dir.folder(), "Inox", m));
    EXPECT_NEAR(ComputeBendForce(1000, m, 2, 16), 25.03, 0.005);
}

TEST(SampleLibrary, MachineParametersDescribeThemselves) {
    test::TempDir dir;
    InstallSampleLibrary(dir.folder());
    ParameterTable t;
    ASSERT_TRUE(LoadParameterTable(t, dir.folder()));
    EXPECT_EQ(t.entries[0].number, 1);
    EXPECT_EQ(t.entries[0].designation.str(), "Force nominale");
    EXPECT_EQ(t.entries[0].unit.str(), "t");
    EXPECT_EQ(t.entries[0].value, 100);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(t.entries[static_cast<std::size_t>(row)].modifiable, 0) << row;
    EXPECT_EQ(t.entries[3].modifiable, 1);
    EXPECT_EQ(t.entries[2].decimals, 1);
    EXPECT_EQ(t.entries[2].value, 200);
    EXPECT_EQ(t.entries[2].lower, 50);
    EXPECT_EQ(t.entries[2].upper, 500);
    EXPECT_EQ(t.entries[6].designation.str(), "Bombage CN actif");
    EXPECT_EQ(t.entries[6].yesNo, 1);
    EXPECT_EQ(t.entries[5].yesNo, 0);
    EXPECT_EQ(t.entries[9].decimals, 2);
    EXPECT_EQ(t.entries[8].value, 0.2f);
    // Latin-1 in the file: "é" is the single byte 0xE9.
    EXPECT_EQ(t.entries[5].designation.str(), "Vitesse de remont\xE9" "e");
    EXPECT_EQ(t.entries[9].designation.str(), "D\xE9" "compression");
    EXPECT_EQ(t.entries[15].number, 16);
    EXPECT_EQ(t.entries[15].designation.str(), "Ouverture max");
    for (std::size_t i = 16; i < t.entries.size(); ++i) EXPECT_EQ(t.entries[i], MachineParameter{}) << i;
}

}  // namespace
}  // namespace zelpor
