#include <QTabBar>

#include "ui/tools/ToolLibraryWindow.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Flow = MainWindowTest;

// The new-part dialog on a part of three bends: from F2 every outcome comes
// back to the part field with the part's name; from the menu the operator
// goes on with the bends just drawn.
TEST_F(Flow, NewPartOutcomes) {
    struct Row {
        bool fromMenu;
        int code;
        const char* bends;
        const char* focus;
    };
    for (const Row& row : {Row{false, 80, "pas de pli ", "Edit2"}, Row{false, 82, "1/1", "Edit2"},
                           Row{false, 2, "3/3", "Edit2"}, Row{true, 80, "pas de pli ", "Edit3"}}) {
        SCOPED_TRACE(row.code);
        start(SamplePart(3));
        AnswerModal(row.code);
        if (row.code == 80) QTimer::singleShot(50, [] { AnswerModal(QDialog::Accepted); });  // the profile
        row.fromMenu ? action("NouvelleGraphique1")->trigger() : key(Qt::Key_F2);
        EXPECT_EQ(text("Edit3"), row.bends);
        EXPECT_EQ(focused(), row.focus);
        EXPECT_EQ(text("Edit2"), "P1");
        closeWindow();
    }
}

// Without a job the job field has the keyboard and Down asks for a new job;
// F1 there loads a job and comes back to the job field.
TEST_F(Flow, WithoutAJobDownWantsANewJobAndF1LoadsOne) {
    m_ws.customer = "";
    start();
    AnswerModal(QDialog::Rejected);  // the new-job dialog, cancelled
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().workspace.customer, "?");
    AnswerModal(QDialog::Accepted);
    key(Qt::Key_F1);
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(button(1)->text(), "Charger Affaire");
}

TEST_F(Flow, DeletingAPartAsksFirst) {
    start(SamplePart(1));
    m_messages.answers.push_back(QMessageBox::Cancel);
    button(3)->click();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, "Confirmer la suppression ");
    EXPECT_EQ(m_messages.shown[0].title, "P1");
    EXPECT_TRUE(std::filesystem::exists(partPath()));

    button(3)->click();  // answered OK
    EXPECT_FALSE(std::filesystem::exists(partPath()));
    EXPECT_EQ(text("Edit2"), "");
    EXPECT_EQ(focused(), "Edit2");
    EXPECT_FALSE(button(3)->isVisible());  // nothing left to delete
}

using Tools = MainWindowTest;

// A lower-case name in the bend selects the file's entry.
TEST_F(Tools, ListsSelectTheFileEntryEnterStoresLeavingLoads) {
    writeTools();
    PartRecord p = SamplePart(1);
    p.bends[0].punch.assign("p88-67");
    start(p);
    key(Qt::Key_Up, 2);
    key(Qt::Key_Down, 6);
    ASSERT_EQ(focused(), "CBpoincon");
    auto* list = find<QComboBox>("CBpoincon");
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(main()->statusText(), "\tAngle poinçon : 88");
    // The list's field is painted flat, teal in hand and the resting colour elsewhere.
    const QPoint inField(list->width() - 25, list->height() / 2);
    EXPECT_EQ(list->grab().toImage().pixelColor(inField).name().toStdString(), "#008080");
    EXPECT_EQ(find<QComboBox>("CBmatice")->grab().toImage().pixelColor(inField).name().toStdString(), "#bfcddb");
    keys("P3");  // typing does not choose
    EXPECT_EQ(list->currentText(), "P88-67");

    // Enter stores the choice; leaving the list loads the file.
    list->setCurrentIndex(list->findText(QStringLiteral("P30-67")));
    EXPECT_EQ(bend(0).punch.str(), "p88-67");  // showing is not choosing
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).punch.str(), "P30-67");
    EXPECT_EQ(focused(), "CBmatice");
    EXPECT_EQ(state().punch.record.angle, 30.0f);  // loaded on leaving the punch list
    EXPECT_EQ(state().punch.name, "P30-67");       // named for the bends the sequence validates
    EXPECT_EQ(main()->statusText(), "Ouverture : 16\tAngle matrice : 88");

    // Another die changes the force when the list is left.
    auto* dies = find<QComboBox>("CBmatice");
    dies->setCurrentIndex(dies->findText(QStringLiteral("V24")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).die.str(), "V24");
    EXPECT_EQ(text("Eforce"), "10.73");  // 10.7250004 as stored
}

TEST_F(Tools, GraphicPartDisablesTheListsAndSkipsTheThickness) {
    PartRecord p = SamplePart(1);
    p.graphicProfile = 1;
    start(p);
    EXPECT_FALSE(find<QComboBox>("CBpoincon")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("CBmatice")->isEnabled());
    EXPECT_EQ(text("Edit6"), "2.00");
    EXPECT_EQ(walk(Qt::Key_Down, 4).join(' '), "Edit3 Edit5 CBmatiere Edit1");
}

// A tool file copied into or deleted from the tools folder while the program
// runs shows (or goes) the next time the list or the library is opened.
TEST_F(Tools, ListsAndLibraryFollowTheToolsFolder) {
    writeTools();
    start(SamplePart(1));
    find<QWidget>("CBmatiere")->setFocus();
    key(Qt::Key_Down);
    auto* punches = find<QComboBox>("CBpoincon");
    writePunch("P10-50.PUN", 60);
    std::filesystem::remove(m_ws.pathTools + "P30-67.PUN");
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    QStringList items;
    for (int i = 0; i < punches->count(); ++i) items << punches->itemText(i);
    EXPECT_EQ(items.join(' '), "P10-50 P88-67");
    EXPECT_EQ(punches->currentText(), "P88-67");

    ToolLibraryWindow library(state(), ToolKind::Punch, m_messages);
    auto tabs = [&] {
        library.show();
        QStringList names;
        for (int i = 0; i < library.findChild<QTabBar*>()->count(); ++i)
            names << library.findChild<QTabBar*>()->tabText(i);
        library.hide();
        return names.join(' ');
    };
    EXPECT_EQ(tabs(), "P10-50 P88-67");
    writePunch("P30-67.PUN", 30);
    EXPECT_EQ(tabs(), "P10-50 P30-67 P88-67");
}

}  // namespace
}  // namespace zelpor::test
