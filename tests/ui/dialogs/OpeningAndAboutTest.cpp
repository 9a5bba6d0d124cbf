#include <QFrame>
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
    float thickness = 1.0f;
    for (QDialog* dialog : std::vector<QDialog*>{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        std::filesystem::remove(partPath("J", "P"));
        state.part.thickness = thickness += 1.0f;
        execWith(*dialog, [&] {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        });
        EXPECT_FALSE(dialog->isVisible());
        const auto bytes = ReadAll(partPath("J", "P"));
        ASSERT_EQ(bytes.size(), 10741u);
        PartRecord read;
        DecodePart(read, bytes);
        EXPECT_FLOAT_EQ(read.thickness, thickness);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Opening, CaptionsAndTexts) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    const QString jobs = QString::fromStdString(state.workspace.pathCustomers);
    for (QDialog* dialog : std::vector<QDialog*>{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()}) {
        EXPECT_EQ(child<QPushButton>(dialog, "OKBtn")->text(), QStringLiteral("OK"));
        EXPECT_TRUE(child<QPushButton>(dialog, "OKBtn")->isDefault());
        EXPECT_EQ(child<QPushButton>(dialog, "CancelBtn")->text(), QStringLiteral("Annuler"));
        dialog->show();  // fills the labels
        dialog->done(QDialog::Rejected);
    }
    const struct { QWidget* w; const char* name; QString text; } texts[] = {
        {newCustom.get(), nullptr, QStringLiteral("Nouvelle Affaire")},
        {newPart.get(), nullptr, QStringLiteral("Nouvelle piece")},
        {selectCustom.get(), nullptr, QStringLiteral("Selection Affaire")},
        {selectPart.get(), nullptr, QStringLiteral("Selection Piece")},
        {about.get(), nullptr, QStringLiteral("A propos")},
        {newCustom.get(), "Label2", jobs + QStringLiteral("J")},
        {newPart.get(), "Label2", jobs + QStringLiteral("J")},
        {selectCustom.get(), "Label2", jobs},
        {selectPart.get(), "Label2", jobs + QStringLiteral("J")},
        {newCustom.get(), "Label3", kHelpLine}, {newPart.get(), "Label3", kHelpLine},
        {selectPart.get(), "Label3", kHelpLine},
        {about.get(), "ProductName", QStringLiteral("Zelpor_2")},
        {about.get(), "Version", QStringLiteral("Version 1.0")},
        {about.get(), "Comments",
         QStringLiteral("Programme pr\u00e9paration au pliage de t\u00f4le avec une presse plieuse")},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(t.name ? label(t.w, t.name) : t.w->windowTitle(), t.text) << t.w->objectName().toStdString()
                                                                            << " " << (t.name ? t.name : "");
    }
    EXPECT_EQ(child<QFrame>(about.get(), "Panel1")->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(child<QLabel>(about.get(), "ProgramIcon")->pixmap().size(), QSize(64, 64));
    // The about box closes with Enter and, unlike the others, saves nothing.
    std::filesystem::remove(partPath("J", "P"));
    EXPECT_EQ(execWith(*about, [&] { QTest::keyClick(about.get(), Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "P")));
}

// Renders each dialog the way the user sees it into ZELPOR_SCREENSHOTS, when set.
TEST_F(Opening, Screenshots) {
    const QString folder = qEnvironmentVariable("ZELPOR_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZELPOR_SCREENSHOTS to a folder to render the dialogs";
    for (const char* job : {"Atelier", "Bati-12", "Cuve inox", "Platine"}) makeJob(job);
    for (const char* part : {"Bride.pie", "Cornier 40.pie", "Equerre.pie", "notes.txt"}) {
        WriteAll((root / "Bati-12" / part).string(), {0});
    }
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
