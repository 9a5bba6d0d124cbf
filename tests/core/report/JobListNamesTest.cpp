#include <gtest/gtest.h>

#include "core/report/ReportFixtures.h"
#include "report/JobList.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

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
