#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>

#include "DialogFixture.h"

namespace zelpor::test {
namespace {

struct NewPart : DialogFixture {
    NewPart() {
        makeJob("J");
        state.workspace.customer = "J";
        state.workspace.part = "OLD";
        state.part.thickness = 2.0f;
        state.part.material.assign("Acier");
        state.part.comment.assign("ancienne piece");
        state.part.currentBend = 2;
        state.part.lastBend = 3;
        newPart->setProgramTypes({});
    }
    QLineEdit* edit1 = child<QLineEdit>(newPart.get(), "Edit1");
    QLineEdit* edit2 = child<QLineEdit>(newPart.get(), "Edit2");
    QCheckBox* jobBox = child<QCheckBox>(newPart.get(), "CheckBox1");
    QRadioButton* radio(int n) { return child<QRadioButton>(newPart.get(), QStringLiteral("RadioButton%1").arg(n).toLatin1().constData()); }
};

TEST_F(NewPart, OpensWithTheJobCheckedAndTheTypesTheCallerSet) {
    NewPartDialog::ProgramTypes types;  // as for "nouvelle Graphique": only graphic
    types.numericEnabled = false;
    newPart->setProgramTypes(types);
    newPart->show();
    EXPECT_TRUE(jobBox->isVisible() && jobBox->isChecked());
    EXPECT_TRUE(radio(1)->isEnabled() && radio(1)->isChecked());
    EXPECT_FALSE(radio(2)->isEnabled() || radio(3)->isEnabled());
    EXPECT_EQ(newPart->focusWidget(), edit1);
    EXPECT_TRUE(edit2->text().isEmpty());
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
}

TEST_F(NewPart, WithoutCommentFirstOkShowsTheDateSecondOkCreatesThePart) {
    showActive(newPart.get());
    QTest::keyClicks(edit1, QStringLiteral("Bride"));
    // Keyboard path to the numeric sequence: Tab past the job box, Down in the radio group.
    QTest::keyClick(edit1, Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(newPart->focusWidget(), radio(3));
    EXPECT_TRUE(radio(3)->isChecked());
    QTest::keyClick(radio(3), Qt::Key_Return);

    EXPECT_TRUE(newPart->isVisible());
    EXPECT_EQ(newPart->focusWidget(), edit2);
    const QString comment = edit2->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n$"))
                    .match(comment).hasMatch()) << comment.toStdString();
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "Bride")));

    QTest::keyClick(edit2, Qt::Key_Return);
    EXPECT_FALSE(newPart->isVisible());
    EXPECT_EQ(newPart->result(), NewPartDialog::NumericSequence);
    EXPECT_EQ(state.workspace.part, "Bride");
    const auto bytes = ReadAll(partPath("J", "Bride"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(QString::fromLatin1(std::string(bytes.begin(), bytes.begin() + 25)), comment);
    EXPECT_EQ(std::string(bytes.begin() + 25, bytes.begin() + 255), '\0' + std::string(229, '*'));
    EXPECT_EQ(bytes[298], 0);  // no graphic profile
    // One bend; thickness and material carried over from the part that was current.
    EXPECT_EQ(state.part.currentBend, 0);
    EXPECT_EQ(state.part.lastBend, 0);
    EXPECT_EQ(bytes[255 + 3], 0x40);  // 2.0f
    EXPECT_EQ(std::string(bytes.begin() + 259, bytes.begin() + 264), "Acier");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewPart, TypedCommentCreatesTheGraphicPartAtTheFirstOkInLatin1) {
    newPart->show();
    QTest::keyClicks(edit1, QStringLiteral("Cornier"));
    QTest::keyClicks(edit2, QStringLiteral("pli "));
    QTest::sendKeyEvent(QTest::Click, edit2, Qt::Key_unknown, QStringLiteral("\u00e0"), {});
    QTest::keyClicks(edit2, QStringLiteral(" 90"));
    QTest::keyClick(edit2, Qt::Key_Return);
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    const auto bytes = ReadAll(partPath("J", "Cornier"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("pli \xe0 90", 9));
    EXPECT_EQ(bytes[298], 1);
}

TEST_F(NewPart, ExistingPartIsKeptOnNoAndReplacedOnYes) {
    const std::vector<std::uint8_t> old(11000, 0x5A);
    WriteAll(partPath("J", "P"), old);
    newPart->show();
    QTest::keyClicks(edit1, QStringLiteral("P"));
    QTest::keyClicks(edit2, QStringLiteral("nouvelle"));

    messages.answers = {QMessageBox::No};
    QTest::keyClick(edit1, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    expectMessage(0, QStringLiteral("Piece existe \u00e9craser"), QMessageBox::Question, QString(),
                  QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(newPart->isVisible());
    EXPECT_EQ(newPart->focusWidget(), edit1);
    EXPECT_EQ(ReadAll(partPath("J", "P")), old);

    messages.answers = {QMessageBox::Yes};
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    const auto bytes = ReadAll(partPath("J", "P"));
    ASSERT_EQ(bytes.size(), 10741u);  // replaced, not written over the old tail
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "nouvelle");
}

TEST_F(NewPart, NamesThatLeaveTheJobFolderOrAreEmptyAreRefused) {
    WriteAll((root / "x.pie").string(), {1, 2, 3});
    makeJob("J/a");
    newPart->show();
    QTest::keyClicks(edit2, QStringLiteral("c"));
    const std::pair<const char*, QString> names[] = {
        {"../x", QStringLiteral("Nom invalide : les caract\u00e8res / \\ : * ? \" < > | sont interdits")},
        {"a/b", QStringLiteral("Nom invalide : les caract\u00e8res / \\ : * ? \" < > | sont interdits")},
        {"..\\x", QStringLiteral("Nom invalide : les caract\u00e8res / \\ : * ? \" < > | sont interdits")},
        {"", QStringLiteral("Nom de piece obligatoire")}};
    for (const auto& [name, message] : names) {
        edit1->clear();
        QTest::keyClicks(edit1, QString::fromUtf8(name));
        QTest::keyClick(edit1, Qt::Key_Return);
        EXPECT_TRUE(newPart->isVisible()) << name;
        EXPECT_EQ(messages.lastText(), message) << name;
        EXPECT_EQ(newPart->focusWidget(), edit1);
    }
    EXPECT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(ReadAll((root / "x.pie").string()), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(std::filesystem::is_empty(root / "J" / "a"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.pie"));
    EXPECT_EQ(state.workspace.part, "OLD");
    // Without any part name "Annuler" is refused too; Escape leaves all the same.
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
    EXPECT_TRUE(jobBox->isHidden());
    QTest::keyClicks(edit1, QStringLiteral("Platine"));
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
    EXPECT_EQ(jobBox->text(), QStringLiteral("Affaire :Chantier"));
    EXPECT_EQ(label(newPart.get(), "Label2"), QString::fromStdString(state.workspace.pathCustomers + "Chantier"));
    QTest::keyClick(edit2, Qt::Key_Return);  // the job is in use now: no second new-job dialog
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    EXPECT_EQ(ReadAll(partPath("Chantier", "Platine")).size(), 10741u);
}

TEST_F(NewPart, CancelAfterTheFirstOkPutsThePartBack) {
    newPart->show();
    QTest::keyClicks(edit1, QStringLiteral("Tmp"));
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(state.workspace.part, "Tmp");
    QTest::keyClick(edit2, Qt::Key_Escape);
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
    EXPECT_EQ(state.workspace.part, "OLD");
    EXPECT_EQ(state.part.comment.str(), "ancienne piece");
    EXPECT_EQ(state.part.currentBend, 2);
    EXPECT_EQ(state.part.lastBend, 3);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "Tmp")));
}

}  // namespace
}  // namespace zelpor::test
