#include <QToolButton>

#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/print/PdfReading.h"
#include "ui/print/PrintDestinations.h"
#include "ui/print/PrintMenus.h"
#include "core/report/ReportText.h"

namespace zelpor::test {
namespace {

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
    std::vector<std::vector<std::string>> csv(const char* name) {
        const auto bytes = ReadAll(m_dir.file(name));
        return ParseCsv(std::string(bytes.begin(), bytes.end()));
    }
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
