#include <QToolButton>

#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/print/PdfReading.h"
#include "print/PrintDestinations.h"
#include "common/FunctionPanel.h"
#include "print/PrintMenus.h"
#include "report/ReportText.h"

namespace zelpor::test {
namespace {

// Gives the destination a test chose and keeps what would have been printed.
class ScriptedDestinations final : public PrintDestinations {
public:
    PrintDestination choose(QWidget*, const QString& title, const QString& suggestedName) override {
        asked << title + QStringLiteral(" / ") + suggestedName;
        return next;
    }
    // The pages the printer would get, as a PDF.
    bool print(QWidget*, const PagePainter& paint) override {
        printed.push_back(PdfBytes(QStringLiteral("printer"), paint));
        return !printed.back().isEmpty();
    }
    PrintDestination next;
    QStringList asked;
    std::vector<QByteArray> printed;
};

class PrintMenusTest : public MainWindowTest {
protected:
    void startWithDestinations(const PartRecord& part) {
        writeTools();
        start(part);
        main()->findChild<PrintMenus*>()->setDestinations(&destinations);
    }
    QString out(const char* name) { return QString::fromStdString(m_dir.file(name)); }
    ScriptedDestinations destinations;
};

TEST_F(PrintMenusTest, PrintButtonSavesTheSetupSheetOfThePartOnScreenAsPdf) {
    startWithDestinations(SamplePart(3));
    auto* button = find<QToolButton>("SpeedButton3");
    ASSERT_TRUE(button->isEnabled());
    EXPECT_TRUE(action("Liste1")->isEnabled());
    destinations.next = {PrintDestination::Kind::Pdf, out("sheet.pdf")};
    state().part.bends[1].angle = 97.125f;  // typed, not yet saved: the sheet shows it
    button->click();

    EXPECT_EQ(destinations.asked, QStringList(QStringLiteral("Fiche de réglage / P1")));
    const QString text = PdfText(m_dir.file("sheet.pdf"));
    for (const char* expected : {"JOB", "P1", "Support moteur", "120.00", "97.13", "P88-67", "V16"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(find<StatusPanel>("StatusBar1")->text(), QStringLiteral("Enregistré : ") + out("sheet.pdf"));
}

TEST_F(PrintMenusTest, SheetGoesToThePrinterAndIntoCsvFromThePartsMenu) {
    startWithDestinations(SamplePart(2));
    QAction* sheet = action("FicheReglage1");
    destinations.next = {PrintDestination::Kind::Printer, {}};
    sheet->trigger();
    ASSERT_EQ(destinations.printed.size(), 1u);
    WriteAll(m_dir.file("printed.pdf"), std::vector<std::uint8_t>(destinations.printed[0].begin(), destinations.printed[0].end()));
    const QString printed = PdfText(m_dir.file("printed.pdf"));
    EXPECT_TRUE(printed.contains(QStringLiteral("Fiche de réglage")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Fiche de réglage - Affaire JOB - Piece P1"))) << "footer";

    destinations.next = {PrintDestination::Kind::Csv, out("bends.csv")};
    sheet->trigger();
    const auto bytes = ReadAll(m_dir.file("bends.csv"));
    const auto rows = ParseCsv(std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][1], "120.00");
}

TEST_F(PrintMenusTest, JobListListsEveryPartWithTheUnsavedChangesOfTheOneOnScreen) {
    PartRecord other = SamplePart(5);
    other.material.assign("Inox");
    WritePart(other, m_ws.pathCustomers, m_ws.customer, "AUTRE.pie");
    startWithDestinations(SamplePart(1));
    state().part.thickness = 3.5f;
    destinations.next = {PrintDestination::Kind::Csv, out("job.csv")};
    action("Liste1")->trigger();
    EXPECT_EQ(destinations.asked, QStringList(QStringLiteral("Liste des pièces / JOB")));
    const auto bytes = ReadAll(m_dir.file("job.csv"));
    const auto rows = ParseCsv(std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"AUTRE", "Support moteur", "2.00", "Inox", "5", "P88-67", "V16", ""}));
    EXPECT_EQ(rows[2][0], "P1");
    EXPECT_EQ(rows[2][2], "3.50");
}

TEST_F(PrintMenusTest, ControlPAndControlLFromTheKeyboard) {
    startWithDestinations(SamplePart(1));
    QTest::keyClick(main()->focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(main()->focusWidget(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(destinations.asked,
              QStringList({QStringLiteral("Fiche de réglage / P1"), QStringLiteral("Liste des pièces / JOB")}));
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));  // the part field keeps the focus
}

TEST_F(PrintMenusTest, AFileThatCannotBeWrittenIsReportedWithItsPathAndNothingIsLeft) {
    startWithDestinations(SamplePart(1));
    destinations.next = {PrintDestination::Kind::Pdf, out("missing/sheet.pdf")};
    action("FicheReglage1")->trigger();
    EXPECT_TRUE(m_messages.lastText().startsWith(QStringLiteral("Impossible d'enregistrer ") + out("missing/sheet.pdf")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("missing")));

    destinations.next = {};
    const auto shown = m_messages.shown.size();
    action("Liste1")->trigger();  // cancelled: nothing written, nothing said
    EXPECT_EQ(m_messages.shown.size(), shown);
}

}  // namespace
}  // namespace zelpor::test
