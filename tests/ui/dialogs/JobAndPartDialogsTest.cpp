#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>

#include "DialogFixture.h"
#include "core/part/PartRecord.h"

namespace zelpor::test {
namespace {

struct Selection : DialogFixture {
    // A part file whose thickness tells which one was read.
    void makePart(const std::string& job, const std::string& name, float thickness) {
        makeJob(job);
        PartRecord p;
        p.thickness = thickness;
        p.comment.assign(name);
        ASSERT_EQ(WritePart(p, state.workspace.pathCustomers, job, name + ".pie"), 1);
    }
};

TEST_F(Selection, PartListPreselectsThePartAndOkReadsTheChosenOne) {
    makePart("J", "Alpha", 1.5f);
    makePart("J", "Bride", 3.0f);
    state.workspace.customer = "J";
    state.workspace.part = "bride";  // another case than on disk
    state.part.thickness = 9.0f;
    auto* list = child<QListWidget>(selectPart.get(), "ListBox1");
    // Annuler after moving leaves the part alone.
    EXPECT_EQ(execWith(*selectPart,
                       [&] {
                           QTest::keyClick(list, Qt::Key_Up);
                           QTest::keyClick(list, Qt::Key_Escape);
                       }),
              QDialog::Rejected);
    EXPECT_EQ(state.workspace.part, "bride");
    EXPECT_FLOAT_EQ(state.part.thickness, 9.0f);

    selectPart->show();
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(state.workspace.part, "Alpha");
    EXPECT_FLOAT_EQ(state.part.thickness, 1.5f);
}

// A real double click chooses a job and reads its part; a job without that
// part gives the header defaults and writes nothing.
TEST_F(Selection, JobListChoosesByDoubleClickOrEnter) {
    makePart("Alpha", "P", 1.0f);
    makePart("beta", "P", 2.0f);
    makeJob("Vide");
    state.workspace.customer = "ALPHA";
    state.workspace.part = "P";
    showActive(selectCustom.get());
    auto* list = child<QListWidget>(selectCustom.get(), "ListBox1");
    EXPECT_EQ(list->currentRow(), 0);
    const QRect rect = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(state.workspace.customer, "beta");
    EXPECT_FLOAT_EQ(state.part.thickness, 2.0f);

    EXPECT_EQ(execWith(*selectCustom,
                       [&] {
                           QTest::keyClick(list, Qt::Key_Down);
                           QTest::keyClick(list, Qt::Key_Return);
                       }),
              QDialog::Accepted);
    EXPECT_EQ(state.workspace.customer, "Vide");
    EXPECT_EQ(state.workspace.part, "P");
    EXPECT_FLOAT_EQ(state.part.thickness, 0.1f);
    EXPECT_TRUE(std::filesystem::is_empty(root / "Vide"));
}

using NewJob = DialogFixture;

// A fresh installation cannot leave without a job: Escape and "Annuler" are
// refused, and so are names that would leave the jobs folder.
TEST_F(NewJob, FreshInstallationCannotLeaveWithoutCreatingAJob) {
    state.workspace.customer = "?";
    bool stayed = true;
    const int result = execWith(*newCustom, [&] {
        auto* edit1 = child<QLineEdit>(newCustom.get(), "Edit1");
        EXPECT_EQ(newCustom->focusWidget(), edit1);
        QTest::keyClick(edit1, Qt::Key_Escape);
        stayed = stayed && newCustom->isVisible();
        QTest::mouseClick(child<QPushButton>(newCustom.get(), "CancelBtn"), Qt::LeftButton);
        stayed = stayed && newCustom->isVisible();
        QTest::keyClicks(edit1, QStringLiteral("../evil"));
        QTest::keyClick(edit1, Qt::Key_Return);
        stayed = stayed && newCustom->isVisible();
        EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("Nom invalide : ")));
        edit1->clear();
        QTest::keyClicks(edit1, QStringLiteral("Atelier 7"));
        QTest::keyClick(edit1, Qt::Key_Return);
    });
    EXPECT_TRUE(stayed);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Nom d'affaire obligatoire"));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(state.workspace.customer, "Atelier 7");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), std::filesystem::directory_iterator()), 1);
    EXPECT_TRUE(std::filesystem::is_directory(root / "Atelier 7"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "evil"));
}

using Opening = DialogFixture;

// Each job and part dialog saves what the main window holds before anything
// else, so that even a cancelled dialog cannot lose an edit. Then the folder
// each window names; the about box, unlike the others, saves nothing.
TEST_F(Opening, DialogsSaveTheCurrentPartEvenWhenCancelledAndShowTheirTexts) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    float thickness = 1.0f;
    for (QDialog* dialog :
         std::vector<QDialog*>{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        std::filesystem::remove(partPath("J", "P"));
        state.part.thickness = thickness += 1.0f;
        execWith(*dialog,
                 [&] { QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape); });
        const auto bytes = ReadAll(partPath("J", "P"));
        ASSERT_EQ(bytes.size(), 10741u);
        PartRecord read;
        DecodePart(read, bytes);
        EXPECT_FLOAT_EQ(read.thickness, thickness);
    }
    EXPECT_TRUE(messages.shown.empty());

    const QString jobs = QString::fromStdString(state.workspace.pathCustomers);
    const QString shown[] = {label(newCustom.get(), "Label2"), label(selectCustom.get(), "Label2"),
                             label(selectPart.get(), "Label2")};
    EXPECT_EQ(QStringList(std::begin(shown), std::end(shown)), QStringList({jobs + "J", jobs, jobs + "J"}));
    std::filesystem::remove(partPath("J", "P"));
    EXPECT_EQ(execWith(*about, [&] { QTest::keyClick(about.get(), Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "P")));
}

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
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(newPart->isVisible());
        EXPECT_EQ(newPart->focusWidget(), edit2);
        const QString comment = edit2->text();
        const QRegularExpression date(
            QStringLiteral("^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n$"));
        EXPECT_TRUE(date.match(comment).hasMatch()) << comment.toStdString();
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
    QTimer::singleShot(0, newCustom.get(), [&] {
        auto* jobName = child<QLineEdit>(newCustom.get(), "Edit1");
        QTest::keyClicks(jobName, QStringLiteral("Chantier"));
        QTest::keyClick(jobName, Qt::Key_Return);
    });
    QTest::keyClick(edit1, Qt::Key_Return);  // opens the new-job dialog, then shows the comment
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
