#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <ctime>

#include "DialogFixture.h"
#include "part/PartRecord.h"

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
        edit1 = child<QLineEdit>(newPart.get(), "Edit1");
        edit2 = child<QLineEdit>(newPart.get(), "Edit2");
        numeric = child<QRadioButton>(newPart.get(), "RadioButton3");
    }
    QLineEdit* edit1;
    QLineEdit* edit2;
    QRadioButton* numeric;
};

TEST_F(NewPart, OpensWithTheJobCheckedAndTheTypesTheCallerSet) {
    NewPartDialog::ProgramTypes types;  // as for "nouvelle Graphique": only graphic
    types.numericEnabled = false;
    newPart->setProgramTypes(types);
    newPart->show();
    auto* check = child<QCheckBox>(newPart.get(), "CheckBox1");
    EXPECT_FALSE(check->isHidden());
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(check->text(), QStringLiteral("Affaire :J"));
    EXPECT_EQ(child<QLabel>(newPart.get(), "Label2")->text(), QString::fromStdString(state.workspace.pathCustomers + "J"));
    EXPECT_EQ(child<QLabel>(newPart.get(), "Label3")->text(), kHelpLine);
    EXPECT_EQ(child<QGroupBox>(newPart.get(), "RadioGroup1")->title(), QStringLiteral("Type de programme"));
    auto* graphic = child<QRadioButton>(newPart.get(), "RadioButton1");
    auto* table = child<QRadioButton>(newPart.get(), "RadioButton2");
    EXPECT_EQ(graphic->text(), QStringLiteral("profil de piece graphique"));
    EXPECT_EQ(table->text(), QStringLiteral("Profil de piece en tableau"));
    EXPECT_EQ(numeric->text(), QStringLiteral("sequence de pliage num\u00e9rique"));
    EXPECT_TRUE(graphic->isEnabled() && graphic->isChecked());
    EXPECT_FALSE(table->isEnabled());
    EXPECT_FALSE(numeric->isEnabled());
    EXPECT_EQ(newPart->focusWidget(), edit1);
    EXPECT_TRUE(edit2->text().isEmpty());
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
}

TEST_F(NewPart, WithoutCommentFirstOkShowsTheDateSecondOkCreatesThePart) {
    newPart->setProgramTypes({});
    showActive(newPart.get());
    QTest::keyClicks(edit1, QStringLiteral("Bride"));
    // Keyboard path to the numeric sequence: Tab past the job box, Down in the radio group.
    QTest::keyClick(edit1, Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(newPart->focusWidget(), numeric);
    EXPECT_TRUE(numeric->isChecked());
    QTest::keyClick(numeric, Qt::Key_Return);

    EXPECT_TRUE(newPart->isVisible());
    EXPECT_EQ(newPart->focusWidget(), edit2);
    const QString comment = edit2->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n$"))
                    .match(comment)
                    .hasMatch())
        << comment.toStdString();
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "Bride")));

    QTest::keyClick(edit2, Qt::Key_Return);
    EXPECT_FALSE(newPart->isVisible());
    EXPECT_EQ(newPart->result(), NewPartDialog::NumericSequence);
    EXPECT_EQ(state.workspace.part, "Bride");
    const auto bytes = ReadAll(partPath("J", "Bride"));
    ASSERT_EQ(bytes.size(), 10741u);
    const std::string start(bytes.begin(), bytes.begin() + 25);
    EXPECT_EQ(QString::fromLatin1(start), comment);
    EXPECT_EQ(bytes[25], 0);
    for (std::size_t i = 26; i <= 254; ++i) ASSERT_EQ(bytes[i], '*') << "byte " << i;
    EXPECT_EQ(bytes[298], 0);  // no graphic profile
    // One bend; thickness and material carried over from the part that was current.
    EXPECT_EQ(state.part.currentBend, 0);
    EXPECT_EQ(state.part.lastBend, 0);
    EXPECT_EQ(bytes[255 + 3], 0x40);  // 2.0f
    EXPECT_EQ(std::string(bytes.begin() + 259, bytes.begin() + 264), "Acier");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewPart, TypedCommentCreatesTheGraphicPartAtTheFirstOk) {
    newPart->setProgramTypes({});
    newPart->show();
    QTest::keyClicks(edit1, QStringLiteral("Cornier"));
    QTest::keyClicks(edit2, QStringLiteral("pli "));
    QTest::sendKeyEvent(QTest::Click, edit2, Qt::Key_unknown, QStringLiteral("\u00e0"), {});
    QTest::keyClicks(edit2, QStringLiteral(" 90"));
    QTest::keyClick(edit2, Qt::Key_Return);
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    const auto bytes = ReadAll(partPath("J", "Cornier"));
    ASSERT_EQ(bytes.size(), 10741u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "pli \xe0 90");  // Latin-1
    EXPECT_EQ(bytes[8], 0);
    EXPECT_EQ(bytes[298], 1);
}

TEST_F(NewPart, ExistingPartIsKeptOnNoAndReplacedOnYes) {
    const std::vector<std::uint8_t> old(11000, 0x5A);
    WriteAll(partPath("J", "P"), old);
    newPart->setProgramTypes({});
    newPart->show();
    QTest::keyClicks(edit1, QStringLiteral("P"));
    QTest::keyClicks(edit2, QStringLiteral("nouvelle"));

    messages.answers = {QMessageBox::No};
    QTest::keyClick(edit1, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Piece existe \u00e9craser"));
    EXPECT_EQ(messages.shown[0].icon, QMessageBox::Question);
    EXPECT_EQ(messages.shown[0].title, QString());
    EXPECT_EQ(messages.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
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

TEST_F(NewPart, NamesThatLeaveTheJobFolderAreRefused) {
    WriteAll((root / "x.pie").string(), {1, 2, 3});
    makeJob("J/a");
    newPart->setProgramTypes({});
    newPart->show();
    QTest::keyClicks(edit2, QStringLiteral("c"));
    for (const char* name : {"../x", "a/b", "..\\x"}) {
        edit1->clear();
        QTest::keyClicks(edit1, QString::fromUtf8(name));
        QTest::keyClick(edit1, Qt::Key_Return);
        EXPECT_TRUE(newPart->isVisible()) << name;
        EXPECT_EQ(messages.lastText(),
                  QStringLiteral("Nom invalide : les caract\u00e8res / \\ : * ? \" < > | sont interdits"));
        EXPECT_EQ(newPart->focusWidget(), edit1);
    }
    edit1->clear();
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(messages.lastText(), QStringLiteral("Nom de piece obligatoire"));
    EXPECT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(ReadAll((root / "x.pie").string()), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(std::filesystem::is_empty(root / "J" / "a"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.pie"));
    EXPECT_EQ(state.workspace.part, "OLD");
}

TEST_F(NewPart, WithoutAJobTheNewJobDialogComesFirst) {
    state.workspace.customer = "?";
    state.workspace.part = "";
    newPart->setProgramTypes({});
    newPart->show();
    auto* check = child<QCheckBox>(newPart.get(), "CheckBox1");
    EXPECT_TRUE(check->isHidden());
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
    EXPECT_FALSE(check->isHidden());
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(check->text(), QStringLiteral("Affaire :Chantier"));
    EXPECT_EQ(child<QLabel>(newPart.get(), "Label2")->text(),
              QString::fromStdString(state.workspace.pathCustomers + "Chantier"));
    EXPECT_FALSE(edit2->text().isEmpty());

    QTest::keyClick(edit2, Qt::Key_Return);  // the job is in use now: no second new-job dialog
    EXPECT_EQ(newPart->result(), NewPartDialog::GraphicProfile);
    EXPECT_EQ(ReadAll(partPath("Chantier", "Platine")).size(), 10741u);
}

TEST_F(NewPart, CancelAfterTheFirstOkPutsThePartBack) {
    newPart->setProgramTypes({});
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

TEST_F(NewPart, AnnulerNeedsAPartName) {
    state.workspace.part = "";
    newPart->setProgramTypes({});
    newPart->show();
    QTest::mouseClick(child<QPushButton>(newPart.get(), "CancelBtn"), Qt::LeftButton);
    EXPECT_TRUE(newPart->isVisible());
    EXPECT_EQ(messages.lastText(), QStringLiteral("Nom de piece obligatoire"));
    EXPECT_EQ(messages.shown.back().icon, QMessageBox::Warning);
    EXPECT_EQ(newPart->focusWidget(), edit1);
    // Escape in the name box leaves all the same, with the cancel code.
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_FALSE(newPart->isVisible());
    EXPECT_EQ(newPart->result(), NewPartDialog::Cancelled);
}

TEST_F(NewPart, ExecReturnsTheProgramCode) {
    newPart->setProgramTypes({});
    const int code = execWith(*newPart, [&] {
        QTest::keyClicks(edit1, QStringLiteral("N1"));
        numeric->setFocus();
        QTest::keyClick(numeric, Qt::Key_Space);
        QTest::keyClicks(edit2, QStringLiteral("x"));
        QTest::keyClick(edit2, Qt::Key_Return);
    });
    EXPECT_EQ(code, NewPartDialog::NumericSequence);
    EXPECT_EQ(code, 82);
    EXPECT_EQ(execWith(*newPart, [&] { QTest::keyClick(edit1, Qt::Key_Escape); }), 2);
}

}  // namespace
}  // namespace zelpor::test
