#include <gtest/gtest.h>

#include <QToolButton>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <sstream>

#include <sys/resource.h>

#include "SampleLibrary.h"
#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "core/report/ReportFixtures.h"
#include "ui/print/PdfReading.h"
#include "core/report/ReportText.h"
#include "core/report/SetupSheet.h"
#include "ui/print/SheetOutput.h"
#include "ui/print/PrintDestinations.h"
#include "ui/print/PrintMenus.h"
#include "ui/mainwindow/MainWindowFixture.h"
#include "support/ByteDiff.h"

namespace zelpor::test {
namespace {

std::string FileText(const std::string& path) {
    const auto bytes = ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

struct BatchModes : ::testing::Test {
    BatchModes() {
        for (const char* folder : {"Tools", "ATELIER"}) std::filesystem::create_directories(dir.path() / folder);
        InstallSampleLibrary(dir.file("Tools/"));
        WriteAll(part, EncodePart(SheetPart()));
    }
    int run(const std::vector<std::string>& words) { return RunBatch(words, out, err); }
    TempDir dir;
    std::string part = dir.file("ATELIER/SUPPORT.pie");
    std::string tools = "--tools=" + dir.file("Tools");
    std::string out, err;
};

TEST_F(BatchModes, SetupSheetJobListAndCsvAreWritten) {
    ASSERT_EQ(run({"--setup-sheet", part, "-o", dir.file("s.pdf"), tools}), 0) << err;
    // The job, the part, every bend as the main window shows it, the tools.
    const QString sheet = PdfText(dir.file("s.pdf"));
    for (const char* expected :
         {"Fiche de réglage", "ATELIER", "SUPPORT", "Support moteur; côté \"A\"", "Acier", "221.96", "90.00", "4.12",
          "16.09", "135.50", "2.35", "8.00", "P88-67", "V16", "Ouverture du vé", "Page 1/", "butée X = 47.99 mm"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(expected))) << expected;
    // Page 1: the tool drawings (red) near the top, the profile (blue) below.
    const QImage page = PdfFirstPage(dir.file("s.pdf"), dir);
    EXPECT_GT(InkPixels(page, QRectF(0, 0.1, 1, 0.2), 'r'), 40);
    EXPECT_GT(InkPixels(page, QRectF(0, 0.3, 1, 0.7), 'b'), 100);

    ASSERT_EQ(run({"--export-csv", part}), 0) << err;  // to standard output
    const std::string csv = SetupSheetCsv(BuildSetupSheet(SheetPart(), {}));
    EXPECT_EQ(out, csv);
    // GNU style: an option may come before the mode that takes it.
    ASSERT_EQ(run({"-o" + dir.file("b.csv"), "--export-csv", part}), 0) << err;
    EXPECT_EQ(FileText(dir.file("b.csv")), csv);

    WriteAll(dir.file("ATELIER/BROKEN.pie"), {1, 2, 3});
    ASSERT_EQ(run({"--job-list", dir.file("ATELIER/"), "-o", dir.file("j.csv")}), 0);
    EXPECT_NE(err.find("'BROKEN' is not a complete part file"), std::string::npos);
    const auto rows = ParseCsv(FileText(dir.file("j.csv")));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][0], "SUPPORT");
    ASSERT_EQ(run({"--job-list", dir.file("ATELIER"), "-o", dir.file("j.pdf")}), 0);
    EXPECT_TRUE(PdfText(dir.file("j.pdf")).contains(QStringLiteral("Affaire ATELIER")));
}

TEST_F(BatchModes, JobListPdfRunsOverPagesWithEveryPart) {
    JobList list{"JOB", {}};
    for (int i = 0; i < 80; ++i) list.rows.push_back(JobListRowOf("PIECE-" + std::to_string(i), SheetPart()));
    const QByteArray pdf = JobListPdf(list, 0);
    WriteAll(dir.file("j.pdf"), {pdf.begin(), pdf.end()});
    const QString text = PdfText(dir.file("j.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2/")));
    for (int i = 0; i < 80; i += 13) EXPECT_TRUE(text.contains(QStringLiteral("PIECE-%1 ").arg(i))) << i;
}

TEST_F(BatchModes, BadInputExitsWithTwoAClearMessageAndNoFile) {
    WriteAll(dir.file("short.pie"), std::vector<std::uint8_t>(500, 0));
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
    EXPECT_TRUE(SameBytes(ReadAll(part), EncodePart(SheetPart())));
}

// Options alone are refused without a window and without a file.
TEST_F(BatchModes, OptionsWithoutAModeAreRefused) {
    EXPECT_EQ(run({"-o", dir.file("x.csv")}), 2);
    EXPECT_NE(err.find("--help"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.csv")));
}

// A result that cannot be written whole (the file size is limited in a child
// process) leaves the old -o file as it was and no partial file; the failure
// names the file on the error stream.
TEST_F(BatchModes, FailedResultLeavesTheOldOutputUntouched) {
    const std::string path = dir.file("ATELIER/resultat.csv");
    const std::vector<std::uint8_t> old = {'A', 'N', 'C', 'I', 'E', 'N', '\n'};
    WriteAll(path, old);
    cli::Arguments args;
    args.values.emplace_back("o", path);
    const auto writeUnderALimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t usual = limit.rlim_cur;
        limit.rlim_cur = 10;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::ostringstream unused, error;
        const bool written = cli::WriteResult(args, std::string(100, 'x'), unused, error);
        limit.rlim_cur = usual;  // the error stream is a file too
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::cerr << error.str();
        std::_Exit(written ? 0 : 1);
    };
    EXPECT_EXIT(writeUnderALimit(), ::testing::ExitedWithCode(1), "cannot write '" + path + "'");
    EXPECT_EQ(ReadAll(path), old);
    using Files = std::filesystem::directory_iterator;
    EXPECT_EQ(std::distance(Files(dir.path() / "ATELIER"), Files()), 2) << "the part and the old result only";
}

// Gives the destination a test chose and keeps what the printer would get, as a PDF.
class ScriptedDestinations final : public PrintDestinations {
public:
    PrintDestination choose(QWidget*, const QString& title, const QString& suggestedName) override {
        asked << title + QStringLiteral(" / ") + suggestedName;
        return next;
    }
    bool print(QWidget*, const PagePainter& paint) override {
        printed = PdfBytes(QStringLiteral("printer"), paint);
        return !printed.isEmpty();
    }
    PrintDestination next;
    QStringList asked;
    QByteArray printed;
};

class PrintMenusTest : public MainWindowTest {
protected:
    void startWith(const PartRecord& part) {
        writeTools();
        start(part);
        main()->findChild<PrintMenus*>()->setDestinations(&destinations);
    }
    QString out(const char* name) { return QString::fromStdString(m_dir.file(name)); }
    std::vector<std::vector<std::string>> csv(const char* name) { return ParseCsv(FileText(m_dir.file(name))); }
    ScriptedDestinations destinations;
};

TEST_F(PrintMenusTest, TheSetupSheetOfThePartOnScreenAsPdfOnThePrinterAndInCsv) {
    startWith(SamplePart(3));
    destinations.next = {PrintDestination::Kind::Pdf, out("sheet.pdf")};
    state().part.bends[1].angle = 97.125f;  // typed, not yet saved: the sheet shows it
    find<QToolButton>("SpeedButton3")->click();
    EXPECT_EQ(destinations.asked, QStringList(QStringLiteral("Fiche de réglage / P1")));
    const QString text = PdfText(m_dir.file("sheet.pdf"));
    for (const char* expected : {"JOB", "P1", "Support moteur", "120.00", "97.13", "P88-67", "V16"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    destinations.next = {PrintDestination::Kind::Printer, {}};
    action("FicheReglage1")->trigger();
    WriteAll(m_dir.file("printed.pdf"), {destinations.printed.begin(), destinations.printed.end()});
    EXPECT_TRUE(
        PdfText(m_dir.file("printed.pdf")).contains(QStringLiteral("Fiche de réglage - Affaire JOB - Piece P1")));

    destinations.next = {PrintDestination::Kind::Csv, out("bends.csv")};
    action("FicheReglage1")->trigger();
    const auto rows = csv("bends.csv");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2][1], "97.13");
}

TEST_F(PrintMenusTest, JobListListsEveryPartWithTheUnsavedChangesOfTheOneOnScreen) {
    PartRecord other = SamplePart(5);
    other.material.assign("Inox");
    WritePart(other, m_ws.pathCustomers, m_ws.customer, "AUTRE.pie");
    startWith(SamplePart(1));
    state().part.thickness = 3.5f;
    destinations.next = {PrintDestination::Kind::Csv, out("job.csv")};
    QTest::keyClick(main()->focusWidget(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(destinations.asked, QStringList(QStringLiteral("Liste des pièces / JOB")));
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));  // the part field keeps the focus
    const auto rows = csv("job.csv");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"AUTRE", "Support moteur", "2.00", "Inox", "5", "P88-67", "V16", ""}));
    EXPECT_EQ(std::pair(rows[2][0], rows[2][2]), std::pair(std::string("P1"), std::string("3.50")));
}

TEST_F(PrintMenusTest, AFileThatCannotBeWrittenIsReportedWithItsPathAndNothingIsLeft) {
    startWith(SamplePart(1));
    destinations.next = {PrintDestination::Kind::Pdf, out("missing/sheet.pdf")};
    QTest::keyClick(main()->focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(
        m_messages.lastText().startsWith(QStringLiteral("Impossible d'enregistrer ") + out("missing/sheet.pdf")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("missing")));
}

}  // namespace
}  // namespace zelpor::test
