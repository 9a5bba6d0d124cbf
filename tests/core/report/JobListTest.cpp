#include <gtest/gtest.h>

#include "core/report/ReportFixtures.h"
#include "core/report/JobList.h"
#include "core/report/ReportText.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

TEST(JobList, PartsInPartListOrderWithTheirFiguresAndDamagedFilesNamed) {
    test::TempDir dir;
    PartRecord plain;
    plain.comment.assign("plat");
    plain.thickness = 1.5f;
    plain.material.assign("Inox");
    plain.currentBend = plain.lastBend = 2;
    for (std::size_t i = 0; i < 3; ++i) plain.bends[i].punch.assign(i == 1 ? "P88-67" : "P30-67");
    plain.bends[0].die.assign("V24");
    test::WriteAll(dir.file("b_part.pie"), EncodePart(test::SheetPart()));
    test::WriteAll(dir.file("A.PIE"), EncodePart(plain));
    test::WriteAll(dir.file("short.pie"), std::vector<std::uint8_t>(100, 1));
    test::WriteAll(dir.file("notes.txt"), {'x'});
    test::WriteAll(dir.file(".hidden.pie"), EncodePart(plain));

    JobList list;
    ASSERT_TRUE(BuildJobList(dir.folder(), list));
    const auto row = [&](std::size_t i) {
        const JobListRow& r = list.rows[i];
        return std::vector<std::string>{r.part, r.thickness, r.material, r.bends, r.punches, r.dies, r.developedLength};
    };
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(row(0), (std::vector<std::string>{"A", "1.50", "Inox", "3", "P30-67, P88-67", "V24", ""}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"b_part", "2.00", "Acier", "2", "P88-67", "V16", "221.96"}));
    EXPECT_EQ(std::pair(list.rows[2].part, list.rows[2].damaged), std::pair(std::string("short"), true));
}

// Part names come from the file names, which are UTF-8 on disk: "Pièce.pie"
// is listed as Pièce, not as its bytes read one by one. A name that is not
// UTF-8 (a file copied from elsewhere) is read as Latin-1; control
// characters show as "?".
TEST(JobListNames, FileNamesAreShownAsTheyAreNamedOnDisk) {
    test::TempDir dir;
    const std::vector<std::uint8_t> part = EncodePart(test::SheetPart());
    test::WriteAll(dir.file("Pi\u00E8ce.pie"), part);
    test::WriteAll(dir.file("Bras\xE9.pie"), part);  // Latin-1 é
    test::WriteAll(dir.file("Tab\x01.pie"), part);

    JobList list;
    ASSERT_TRUE(BuildJobList(dir.folder(), list));
    std::vector<std::string> names;
    for (const JobListRow& row : list.rows) names.push_back(row.part);
    EXPECT_EQ(names, (std::vector<std::string>{"Bras\u00E9", "Pi\u00E8ce", "Tab?"}));
    EXPECT_NE(JobListCsv(list).find("\r\nPi\u00E8ce;"), std::string::npos);
}

}  // namespace
}  // namespace zelpor
