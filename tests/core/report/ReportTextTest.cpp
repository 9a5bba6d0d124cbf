#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "report/ReportText.h"
#include "report/WholeFile.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

TEST(ReportText, CsvFieldsQuotedOnlyWhereNeededAndParsedBack) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"P88-67", "P88-67"},
        {"4.12", "4.12"},
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {" lead", "\" lead\""},
        {"", ""},
        {"côté", "côté"},
    };
    std::vector<std::string> fields;
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(CsvField(text), quoted) << text;
        fields.push_back(text);
    }
    const std::string csv = CsvRow(fields) + CsvRow({"x", "y"});
    EXPECT_EQ(csv.substr(csv.size() - 5), "x;y\r\n");
    const auto rows = ParseCsv(csv);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], fields);
}

TEST(ReportText, DamagedValuesAndTextsShowAsQuestionMarksOrBlanks) {
    EXPECT_EQ(ShownNumber(std::numeric_limits<double>::quiet_NaN(), 2), "?");
    EXPECT_EQ(ShownNumber(-std::numeric_limits<double>::infinity(), 2), "?");
    EXPECT_EQ(ShownNumber(4.1175f, 2), "4.12");
    EXPECT_EQ(ShownNumber(999.6, 0), "1000");
    EXPECT_EQ(ShownText("c\xF4t\xE9"), "côté");
    EXPECT_EQ(ShownText("Sun Dec  6 10:39:40 2026\n"), "Sun Dec  6 10:39:40 2026");
    EXPECT_EQ(ShownText(std::string("A\x01\x7F\x85", 4)), "A???");
    EXPECT_EQ(ShownText("  \t "), "");
}

TEST(ReportText, WholeFileReplacesTheTargetEntirelyOrLeavesNothing) {
    test::TempDir dir;
    const std::string target = dir.file("out.csv");
    test::WriteAll(target, std::vector<std::uint8_t>(100, 'x'));
    EXPECT_EQ(WriteWholeFile(target, "short\r\n"), "");
    EXPECT_EQ(test::ReadAll(target), std::vector<std::uint8_t>({'s', 'h', 'o', 'r', 't', '\r', '\n'}));

    // A folder that does not exist, a file used as a folder, a folder as the target.
    for (const std::string& bad : {dir.file("missing/out.pdf"), target + "/out.pdf", dir.folder()})
        EXPECT_NE(WriteWholeFile(bad, "%PDF"), "") << bad;
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1u);  // no temporary file left behind
    EXPECT_EQ(test::ReadAll(target).size(), 7u);
}

}  // namespace
}  // namespace zelpor
