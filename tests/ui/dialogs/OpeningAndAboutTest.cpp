#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QPixmap>

#include "DialogFixture.h"
#include "part/PartRecord.h"

namespace zelpor::test {
namespace {

using Opening = DialogFixture;

// Each job and part dialog saves what the main window holds before anything
// else, so that even a cancelled dialog cannot lose an edit.
TEST_F(Opening, EveryJobAndPartDialogSavesTheCurrentPartEvenWhenCancelled) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    const std::vector<QDialog*> dialogs{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()};
    float thickness = 1.0f;
    for (QDialog* dialog : dialogs) {
        std::filesystem::remove(partPath("J", "P"));
        thickness += 1.0f;
        state.part.thickness = thickness;
        execWith(*dialog, [&] {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        });
        EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
        const auto bytes = ReadAll(partPath("J", "P"));
        ASSERT_EQ(bytes.size(), 10741u) << dialog->objectName().toStdString();
        PartRecord read;
        DecodePart(read, bytes);
        EXPECT_FLOAT_EQ(read.thickness, thickness) << dialog->objectName().toStdString();
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Opening, AboutBoxShowsTheProgramAndSavesNothing) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    const int r = execWith(*about, [&] {
        EXPECT_EQ(about->windowTitle(), QStringLiteral("A propos"));
        EXPECT_EQ(child<QLabel>(about.get(), "ProductName")->text(), QStringLiteral("Zelpor_2"));
        EXPECT_EQ(child<QLabel>(about.get(), "Version")->text(), QStringLiteral("Version 1.0"));
        auto* comments = child<QLabel>(about.get(), "Comments");
        EXPECT_EQ(comments->text(),
                  QStringLiteral("Programme pr\u00e9paration au pliage de t\u00f4le avec une presse plieuse"));
        EXPECT_TRUE(comments->wordWrap());
        EXPECT_EQ(child<QFrame>(about.get(), "Panel1")->frameShadow(), QFrame::Sunken);
        const QPixmap icon = child<QLabel>(about.get(), "ProgramIcon")->pixmap();
        EXPECT_EQ(icon.size(), QSize(64, 64));
        QTest::keyClick(about.get(), Qt::Key_Return);
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "P")));
}

TEST_F(Opening, DialogsCarryTheirCaptionsAndButtons) {
    const std::vector<std::pair<QDialog*, QString>> captions{
        {newCustom.get(), QStringLiteral("Nouvelle Affaire")},
        {newPart.get(), QStringLiteral("Nouvelle piece")},
        {selectCustom.get(), QStringLiteral("Selection Affaire")},
        {selectPart.get(), QStringLiteral("Selection Piece")},
    };
    for (const auto& [dialog, caption] : captions) {
        EXPECT_EQ(dialog->windowTitle(), caption);
        auto* ok = child<QPushButton>(dialog, "OKBtn");
        auto* cancel = child<QPushButton>(dialog, "CancelBtn");
        ASSERT_TRUE(ok && cancel) << caption.toStdString();
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(cancel->text(), QStringLiteral("Annuler"));
    }
}

// Renders each dialog the way the user sees it into ZELPOR_SCREENSHOTS, when set.
TEST_F(Opening, Screenshots) {
    const QString folder = qEnvironmentVariable("ZELPOR_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZELPOR_SCREENSHOTS to a folder to render the dialogs";
    for (const char* job : {"Atelier", "Bati-12", "Cuve inox", "Platine"}) makeJob(job);
    for (const char* part : {"Bride.pie", "Cornier 40.pie", "Equerre.pie", "notes.txt"}) {
        WriteAll((root / "Bati-12" / part).string(), {0});
    }
    // Label2 shows where the dialogs work: a path as a shop would have it.
    state.workspace.pathCustomers = (root / "").string();
    state.workspace.customer = "Bati-12";
    state.workspace.part = "Equerre";
    const auto shoot = [&](QDialog* dialog, const char* file) {
        dialog->show();
        QApplication::processEvents();
        EXPECT_TRUE(dialog->grab().save(folder + QLatin1Char('/') + QLatin1StringView(file)));
        dialog->reject();
    };
    child<QLineEdit>(newCustom.get(), "Edit1")->setText(QStringLiteral("Cuve inox"));
    shoot(newCustom.get(), "dialog-new-job.png");
    newPart->show();
    QTest::keyClicks(child<QLineEdit>(newPart.get(), "Edit1"), QStringLiteral("Platine 3"));
    QTest::keyClick(child<QLineEdit>(newPart.get(), "Edit1"), Qt::Key_Return);  // shows the dated comment
    shoot(newPart.get(), "dialog-new-part.png");
    shoot(selectCustom.get(), "dialog-select-job.png");
    shoot(selectPart.get(), "dialog-select-part.png");
    shoot(about.get(), "about.png");
}

}  // namespace
}  // namespace zelpor::test
