#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Tools = MainWindowTest;

// A lower-case name in the bend selects the file's entry.
TEST_F(Tools, ListsSelectTheFileEntryEnterStoresLeavingLoads) {
    writeTools();
    PartRecord p = SamplePart(1);
    p.bends[0].punch.assign("p88-67");
    start(p);
    fromJob(6);
    ASSERT_EQ(focused(), "CBpoincon");
    auto* list = find<QComboBox>("CBpoincon");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(main()->statusText(), "\tAngle poinçon : 88");
    // The list's field is painted flat, teal in hand and the resting colour elsewhere.
    const QPoint inField(list->width() - 25, list->height() / 2);
    EXPECT_EQ(list->grab().toImage().pixelColor(inField).name().toStdString(), "#008080");
    EXPECT_EQ(find<QComboBox>("CBmatice")->grab().toImage().pixelColor(inField).name().toStdString(), "#bfcddb");
    keys("P3");  // typing does not choose
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(focused(), "CBpoincon");

    // Enter stores the choice; leaving the list loads the file.
    list->setCurrentIndex(list->findText(QStringLiteral("P30-67")));
    EXPECT_EQ(bend(0).punch.str(), "p88-67");  // showing is not choosing
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).punch.str(), "P30-67");
    EXPECT_EQ(focused(), "CBmatice");
    EXPECT_EQ(state().punch.record.angle, 30.0f);  // loaded on leaving the punch list
    EXPECT_EQ(main()->statusText(), "Ouverture : 16\tAngle matrice : 88");

    // Another die changes the force when the list is left.
    EXPECT_NEAR(bend(0).force, 16.09, 5e-3);
    auto* dies = find<QComboBox>("CBmatice");
    dies->setCurrentIndex(dies->findText(QStringLiteral("V24")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).die.str(), "V24");
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().die.record.vOpening, 24.0f);
    EXPECT_EQ(text("Eforce"), "10.73");  // 10.7250004 as stored
}

TEST_F(Tools, GraphicPartDisablesTheListsAndSkipsTheThickness) {
    PartRecord p = SamplePart(1);
    p.graphicProfile = 1;
    start(p);
    EXPECT_FALSE(find<QComboBox>("CBpoincon")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("CBmatice")->isEnabled());
    EXPECT_FALSE(find("Edit4")->isVisible());
    EXPECT_EQ(text("Edit6"), "2.00");
    EXPECT_EQ(walk(Qt::Key_Down, 4).join(' '), "Edit3 Edit5 CBmatiere Edit1");
}

TEST_F(Tools, LibraryMenuBrowsesAndComesBackToThePart) {
    start(SamplePart(1));
    state().punch.selectionRequest = true;  // a stale request must not turn browsing into choosing
    AnswerModal(QDialog::Rejected);
    action("ListePoincons1")->trigger();
    EXPECT_FALSE(state().punch.selectionRequest);
    EXPECT_EQ(focused(), "Edit2");
}

}  // namespace
}  // namespace zelpor::test
