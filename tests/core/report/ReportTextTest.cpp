#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "core/report/ReportText.h"
#include "core/report/WholeFile.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

TEST(ReportText, CsvFieldsQuotedOnlyWhereNeededAndParsedBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"4.12", "4.12"},
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {" lead", "\" lead\""},
    };
    std::vector<std::string> fields;
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(CsvField(text), quoted) << text;
        fields.push_back(text);
    }
    EXPECT_EQ(ParseCsv(CsvRow(fields) + CsvRow({"x", "y"})),
              (std::vector<std::vector<std::string>>{fields, {"x", "y"}}));
}

TEST(ReportText, DamagedValuesAndTextsShowAsQuestionMarksOrBlanks) {
    const std::pair<std::string, std::string> cases[] = {
        {ShownNumber(std::numeric_limits<double>::quiet_NaN(), 2), "?"},
        {ShownText("c\xF4t\xE9"), "côté"},
        {ShownText("Sun Dec  6 10:39:40 2026\n"), "Sun Dec  6 10:39:40 2026"},
        {ShownText(std::string("A\x01\x7F\x85", 4)), "A???"},
    };
    for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
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
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    EXPECT_EQ(entries, 1) << "no temporary file left behind";
}

}  // namespace
}  // namespace zelpor
