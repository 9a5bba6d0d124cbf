#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>

#include "DialogFixture.h"

namespace zelpor::test {
namespace {

// What the dialog adds to the new-part rules (checked without it): keys,
// focus, the program-type buttons, the texts and the comment in Latin-1.
struct NewPart : DialogFixture {
    NewPart() {
        makeJob("J");
        state.workspace.customer = "J";
        state.workspace.part = "OLD";
        state.part.comment.assign("ancienne piece");
        state.part.currentBend = 2;
        state.part.lastBend = 3;
        newPart->setProgramTypes({});
    }
    void type(QWidget* w, const char* text) { QTest::keyClicks(w, QString::fromUtf8(text)); }
    QLineEdit* edit1 = child<QLineEdit>(newPart.get(), "Edit1");
    QLineEdit* edit2 = child<QLineEdit>(newPart.get(), "Edit2");
    QCheckBox* jobBox = child<QCheckBox>(newPart.get(), "CheckBox1");
    QRadioButton* radio(int n) {
        return child<QRadioButton>(newPart.get(), QStringLiteral("RadioButton%1").arg(n).toLatin1().constData());
    }
};

// The keyboard path of the README (name, Tab, Tab, Down, Enter, Enter) makes
// a numeric part at every opening, not only the first: each opening puts the
// radio group's focus back on the checked graphic type. Without a comment the
// first OK shows the date, the second creates the part.
TEST_F(NewPart, KeyboardPathWithoutCommentMakesANumericPartAtEveryOpening) {
    for (const char* name : {"Bride", "Deuxieme"}) {
        SCOPED_TRACE(name);
        newPart->setProgramTypes({});  // as the main window offers them
        showActive(newPart.get());
        QTest::keyClick(edit1, Qt::Key_A, Qt::ControlModifier);  // type over the previous name
        type(edit1, name);
        QTest::keyClick(edit1, Qt::Key_Tab);
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
        EXPECT_TRUE(radio(3)->isChecked());
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(newPart->isVisible());
        EXPECT_EQ(newPart->focusWidget(), edit2);
        const QString comment = edit2->text();
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n$"))
                .match(comment)
                .hasMatch())
            << comment.toStdString();
        QTest::keyClick(edit2, Qt::Key_Return);
        EXPECT_EQ(newPart->result(), NewPartDialog::NumericSequence);
        const auto bytes = ReadAll(partPath("J", name));
        ASSERT_EQ(bytes.size(), 10741u);
        EXPECT_EQ(QString::fromLatin1(std::string(bytes.begin(), bytes.begin() + 25)), comment);
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A typed comment creates the graphic part at the first OK, in Latin-1, over
// an existing part once the user agrees.
TEST_F(NewPart, TypedCommentInLatin1ReplacesAnExistingPartOnYes) {
    WriteAll(partPath("J", "P"), std::vector<std::uint8_t>(11000, 0x5A));
    newPart->show();
    type(edit1, "P");
    type(edit2, "pli ");
    QTest::sendKeyEvent(QTest::Click, edit2, Qt::Key_unknown, QStringLiteral("\u00e0"), {});
    type(edit2, " 90");
    messages.answers = {QMessageBox::Yes};
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(messages.lastText(), QStringLiteral("Piece existe \u00e9craser"));
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    const auto bytes = ReadAll(partPath("J", "P"));
    ASSERT_EQ(bytes.size(), 10741u);  // replaced, not written over the old tail
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("pli \xe0 90", 9));
    EXPECT_EQ(bytes[298], 1);
}

// A refused name keeps the dialog and the focus on the name; without any part
// name "Annuler" is refused too, Escape leaves all the same.
TEST_F(NewPart, RefusedNameAndAnnulerWithoutAName) {
    newPart->show();
    type(edit2, "c");
    type(edit1, "../x");
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(messages.lastText(),
              QStringLiteral("Nom invalide : les caract\u00e8res / \\ : * ? \" < > | sont interdits"));
    EXPECT_EQ(newPart->focusWidget(), edit1);
    state.workspace.part = "";
    QTest::mouseClick(child<QPushButton>(newPart.get(), "CancelBtn"), Qt::LeftButton);
    EXPECT_TRUE(newPart->isVisible());
    EXPECT_EQ(messages.lastText(), QStringLiteral("Nom de piece obligatoire"));
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
}

TEST_F(NewPart, WithoutAJobTheNewJobDialogComesFirst) {
    state.workspace.customer = "?";
    newPart->show();
    type(edit1, "Platine");
    bool jobDialogShown = false;
    QTimer::singleShot(0, newCustom.get(), [&] {
        jobDialogShown = QApplication::activeModalWidget() == newCustom.get();
        auto* jobName = child<QLineEdit>(newCustom.get(), "Edit1");
        QTest::keyClicks(jobName, QStringLiteral("Chantier"));
        QTest::keyClick(jobName, Qt::Key_Return);
    });
    QTest::keyClick(edit1, Qt::Key_Return);  // opens the new-job dialog, then shows the comment
    EXPECT_TRUE(jobDialogShown);
    EXPECT_EQ(state.workspace.customer, "Chantier");
    EXPECT_TRUE(jobBox->isVisible() && jobBox->isChecked());
    EXPECT_EQ(label(newPart.get(), "Label2"), QString::fromStdString(state.workspace.pathCustomers + "Chantier"));
    QTest::keyClick(edit2, Qt::Key_Return);  // the job is in use now: no second new-job dialog
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    EXPECT_EQ(ReadAll(partPath("Chantier", "Platine")).size(), 10741u);
}

// Opened for "nouvelle Graphique" (graphic only), cancelled after the first OK:
// the part that was current comes back.
TEST_F(NewPart, GraphicOnlyThenCancelAfterTheFirstOkPutsThePartBack) {
    NewPartDialog::ProgramTypes types;
    types.numericEnabled = false;
    newPart->setProgramTypes(types);
    newPart->show();
    EXPECT_TRUE(jobBox->isVisible() && jobBox->isChecked());
    EXPECT_TRUE(radio(1)->isEnabled() && radio(1)->isChecked());
    EXPECT_FALSE(radio(2)->isEnabled() || radio(3)->isEnabled());
    EXPECT_EQ(newPart->focusWidget(), edit1);
    type(edit1, "Tmp");
    QTest::keyClick(edit1, Qt::Key_Return);
    QTest::keyClick(edit2, Qt::Key_Escape);
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
    EXPECT_EQ(state.workspace.part, "OLD");
    EXPECT_EQ(state.part.comment.str(), "ancienne piece");
    EXPECT_EQ(state.part.lastBend, 3);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "Tmp")));
}

}  // namespace
}  // namespace zelpor::test
