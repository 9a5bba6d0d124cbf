#include <gtest/gtest.h>

#include "SampleLibrary.h"
#include "core/report/ReportFixtures.h"
#include "ui/print/PdfReading.h"
#include "print/SheetOutput.h"
#include "report/ReportText.h"

namespace zelpor {
namespace {

struct SheetPdfTest : ::testing::Test {
    SheetPdfTest() { InstallSampleLibrary(dir.folder()); }
    std::string write(const QByteArray& pdf) {
        const std::string path = dir.file("out.pdf");
        test::WriteAll(path, std::vector<std::uint8_t>(pdf.begin(), pdf.end()));
        return path;
    }
    test::TempDir dir;
};

TEST_F(SheetPdfTest, TextHoldsJobPartEveryBendAsShownAndTheTools) {
    const PartRecord part = test::SheetPart();
    const SetupSheet sheet = BuildSetupSheet(part, {"ATELIER-7", "SUPPORT-12", dir.folder(), std::nullopt, 0});
    const std::string pdf = write(SetupSheetPdf(sheet, part));
    const QString text = test::PdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    for (const char* expected : {"Fiche de réglage", "ATELIER-7", "SUPPORT-12", "Support moteur; côté \"A\"",
                                 "Acier", "221.96", "90.00", "4.12", "16.09", "135.50", "2.35", "8.00", "P88-67",
                                 "V16", "Ouverture du vé", "Page 1/", "butée X = 47.99 mm"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    // Page 1: the tool drawings (red) near the top, the profile (blue) below.
    const QImage page = test::PdfFirstPage(pdf, dir);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(test::InkPixels(page, QRectF(0, 0.1, 1, 0.2), 'r'), 40);
    EXPECT_GT(test::InkPixels(page, QRectF(0, 0.3, 1, 0.7), 'b'), 100);
}

TEST_F(SheetPdfTest, JobListRunsOverPagesWithEveryPart) {
    JobList list{"JOB", {}};
    for (int i = 0; i < 80; ++i)
        list.rows.push_back(JobListRowOf("PIECE-" + std::to_string(i), test::SheetPart()));
    const QString text = test::PdfText(write(JobListPdf(list, 0)));
    for (const char* expected : {"Liste des pièces - Affaire JOB", "Page 2/"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    for (int i = 0; i < 80; i += 13) EXPECT_TRUE(text.contains(QStringLiteral("PIECE-%1 ").arg(i))) << i;
    // The header row is repeated on every page.
    EXPECT_GE(text.count(QStringLiteral("Commentaire")), 2);
}

}  // namespace
}  // namespace zelpor
