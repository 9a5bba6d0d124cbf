#include <gtest/gtest.h>

#include <filesystem>

#include "SampleLibrary.h"
#include "cli/BatchRun.h"
#include "core/report/ReportFixtures.h"
#include "ui/print/PdfReading.h"
#include "core/report/ReportText.h"
#include "core/report/SetupSheet.h"
#include "ui/print/SheetOutput.h"
#include "support/ByteDiff.h"

namespace zelpor {
namespace {

struct BatchModes : ::testing::Test {
    BatchModes() {
        for (const char* folder : {"Tools", "ATELIER"}) std::filesystem::create_directories(dir.path() / folder);
        InstallSampleLibrary(dir.file("Tools/"));
        test::WriteAll(part, EncodePart(test::SheetPart()));
    }
    int run(const std::vector<std::string>& words) { return test::RunBatch(words, out, err); }
    std::string text(const std::string& path) {
        const auto bytes = test::ReadAll(path);
        return {bytes.begin(), bytes.end()};
    }
    test::TempDir dir;
    std::string part = dir.file("ATELIER/SUPPORT.pie");
    std::string tools = "--tools=" + dir.file("Tools");
    std::string out, err;
};

TEST_F(BatchModes, SetupSheetJobListAndCsvAreWritten) {
    ASSERT_EQ(run({"--setup-sheet", part, "-o", dir.file("s.pdf"), tools}), 0) << err;
    // The job, the part, every bend as the main window shows it, the tools.
    const QString sheet = test::PdfText(dir.file("s.pdf"));
    for (const char* expected :
         {"Fiche de réglage", "ATELIER", "SUPPORT", "Support moteur; côté \"A\"", "Acier", "221.96", "90.00", "4.12",
          "16.09", "135.50", "2.35", "8.00", "P88-67", "V16", "Ouverture du vé", "Page 1/", "butée X = 47.99 mm"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(expected))) << expected;
    // Page 1: the tool drawings (red) near the top, the profile (blue) below.
    const QImage page = test::PdfFirstPage(dir.file("s.pdf"), dir);
    EXPECT_GT(test::InkPixels(page, QRectF(0, 0.1, 1, 0.2), 'r'), 40);
    EXPECT_GT(test::InkPixels(page, QRectF(0, 0.3, 1, 0.7), 'b'), 100);

    ASSERT_EQ(run({"--export-csv", part}), 0) << err;  // to standard output
    const std::string csv = SetupSheetCsv(BuildSetupSheet(test::SheetPart(), {}));
    EXPECT_EQ(out, csv);
    ASSERT_EQ(run({"--export-csv", part, "-o" + dir.file("b.csv")}), 0) << err;
    EXPECT_EQ(text(dir.file("b.csv")), csv);

    test::WriteAll(dir.file("ATELIER/BROKEN.pie"), {1, 2, 3});
    ASSERT_EQ(run({"--job-list", dir.file("ATELIER/"), "-o", dir.file("j.csv")}), 0);
    EXPECT_NE(err.find("'BROKEN' is not a complete part file"), std::string::npos);
    const auto rows = ParseCsv(text(dir.file("j.csv")));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][0], "SUPPORT");
    ASSERT_EQ(run({"--job-list", dir.file("ATELIER"), "-o", dir.file("j.pdf")}), 0);
    EXPECT_TRUE(test::PdfText(dir.file("j.pdf")).contains(QStringLiteral("Affaire ATELIER")));
}

TEST_F(BatchModes, JobListPdfRunsOverPagesWithEveryPart) {
    JobList list{"JOB", {}};
    for (int i = 0; i < 80; ++i) list.rows.push_back(JobListRowOf("PIECE-" + std::to_string(i), test::SheetPart()));
    const QByteArray pdf = JobListPdf(list, 0);
    test::WriteAll(dir.file("j.pdf"), {pdf.begin(), pdf.end()});
    const QString text = test::PdfText(dir.file("j.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2/")));
    for (int i = 0; i < 80; i += 13) EXPECT_TRUE(text.contains(QStringLiteral("PIECE-%1 ").arg(i))) << i;
}

TEST_F(BatchModes, BadInputExitsWithTwoAClearMessageAndNoFile) {
    test::WriteAll(dir.file("short.pie"), std::vector<std::uint8_t>(500, 0));
    const std::string o = dir.file("out.pdf");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--setup-sheet", dir.file("none.pie"), "-o", o}, "no such file"},
        {{"--setup-sheet", dir.file("short.pie"), "-o", o}, "is not a part file"},
        {{"--setup-sheet", part, "-o", dir.file("out.csv")}, "must end in .pdf"},
        {{"--setup-sheet", part, "-o", dir.file("nowhere/out.pdf"), tools}, "cannot write"},
        {{"--export-csv", part, "-o", o}, "must end in .csv"},
        {{"--job-list", dir.file("NOJOB"), "-o", o}, "no such folder"},
        {{"--job-list", dir.file("ATELIER"), "-o", dir.file("out.txt")}, "must end in .pdf or .csv"},
        {{"--setup-sheet", part, "--colour", "-o", o}, "unknown option"},
    };
    for (const auto& [words, message] : cases) {
        EXPECT_EQ(run(words), 2) << words[1];
        EXPECT_NE(err.find(message), std::string::npos) << err;
    }
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
        if (e.is_regular_file() && e.path().extension() != ".pie" && e.path().parent_path().filename() != "Tools")
            left.push_back(e.path().string());
    EXPECT_EQ(left, std::vector<std::string>{}) << "no output and no partial file";
    EXPECT_TRUE(test::SameBytes(test::ReadAll(part), EncodePart(test::SheetPart())));
}

// GNU style: the options may come before the mode that takes them; alone they
// are refused without a window and without a file.
TEST_F(BatchModes, OptionsBeforeTheModeWriteTheSameFileAndAloneAreRefused) {
    ASSERT_EQ(run({"--export-csv", part, "-o", dir.file("first.csv")}), 0) << err;
    ASSERT_EQ(run({"-o", dir.file("last.csv"), "--export-csv", part}), 0) << err;
    EXPECT_EQ(test::ReadAll(dir.file("last.csv")), test::ReadAll(dir.file("first.csv")));

    EXPECT_EQ(run({"-o", dir.file("x.csv")}), 2);
    EXPECT_NE(err.find("--help"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.csv")));
}

}  // namespace
}  // namespace zelpor
