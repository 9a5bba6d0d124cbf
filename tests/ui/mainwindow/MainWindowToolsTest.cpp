#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

// Two punches, two dies and the material table in the tools folder.
class ToolLists : public MainWindowTest {
protected:
    void SetUp() override {
        writePunch("P88-67.PUN", 88);
        writePunch("P30-67.PUN", 30);
        writeDie("V16.DIE", 16, 88, 2);
        writeDie("V24.DIE", 24, 88, 3);
        writeMaterials();
    }
    void toPunchList() {
        key(Qt::Key_Up, 2);    // job
        key(Qt::Key_Down, 6);  // part, bend, thickness, length, material, punch
        ASSERT_EQ(focused(), "CBpoincon");
    }
};

TEST_F(ToolLists, LowerCaseNameInTheBendSelectsTheFileEntry) {
    PartRecord p = SamplePart(1);
    p.bends[0].punch.assign("p88-67");
    start(p);
    toPunchList();
    auto* list = find<QComboBox>("CBpoincon");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(main()->statusText(), "\tAngle poinçon : 88");
    EXPECT_EQ(button(1)->text(), "Liste Poinçons");
    EXPECT_EQ(button(8)->text(), "Graphique");
    EXPECT_FALSE(button(2)->isVisible());
    keys("P3");  // typing does not choose
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(focused(), "CBpoincon");
}

TEST_F(ToolLists, EnterStoresTheChoiceAndLeavingLoadsTheFile) {
    start(SamplePart(1));
    toPunchList();
    auto* list = find<QComboBox>("CBpoincon");
    list->setCurrentIndex(list->findText(QStringLiteral("P30-67")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).punch.str(), "P30-67");
    EXPECT_EQ(focused(), "CBmatice");
    EXPECT_EQ(state().punch.record.angle, 30.0f);  // loaded on leaving the punch list
    EXPECT_EQ(main()->statusText(), "Ouverture : 16\tAngle matrice : 88");
    EXPECT_EQ(button(1)->text(), "Liste Matrice");

    // Another die changes the force when the list is left.
    const float force = bend(0).force;
    EXPECT_NEAR(force, 16.09, 5e-3);
    auto* dies = find<QComboBox>("CBmatice");
    dies->setCurrentIndex(dies->findText(QStringLiteral("V24")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).die.str(), "V24");
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().die.record.vOpening, 24.0f);
    EXPECT_NEAR(bend(0).force, force * 16 / 24, 1e-3);
    EXPECT_EQ(text("Eforce"), "10.73");  // 10.7250004 as stored
}

TEST_F(ToolLists, MaterialListChoosesOnEnterOnly) {
    start(SamplePart(1));
    key(Qt::Key_Down, 4);
    auto* list = find<QComboBox>("CBmatiere");
    ASSERT_EQ(focused(), "CBmatiere");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "Acier");
    list->setCurrentIndex(2);
    EXPECT_EQ(state().part.material.str(), "Acier");  // showing is not choosing
    key(Qt::Key_Return);
    EXPECT_EQ(state().part.material.str(), "Inox");
    EXPECT_EQ(focused(), "CBpoincon");
}

// The force follows the length in the drawing, but its hidden field keeps
// the old text until the numbers are shown again.
TEST_F(ToolLists, InTheDrawingAForceUpdateLeavesTheForceFieldAlone) {
    PartRecord p = SamplePart(1);
    p.bends[0].force = 5;
    start(p);
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    key(Qt::Key_Down, 2);
    ASSERT_EQ(focused(), "Edit5");
    key(Qt::Key_Home);
    keys("500");
    EXPECT_NEAR(bend(0).force, 16.09 / 2, 5e-3);
    EXPECT_EQ(text("Eforce"), "5.00");
    key(Qt::Key_Up, 2);
    key(Qt::Key_F8);
    EXPECT_EQ(text("Eforce"), "8.04");
}

TEST_F(MainWindowTest, GraphicPartDisablesTheListsAndSkipsTheThickness) {
    PartRecord p = SamplePart(1);
    p.graphicProfile = 1;
    start(p);
    EXPECT_FALSE(find<QComboBox>("CBpoincon")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("CBmatice")->isEnabled());
    EXPECT_FALSE(find("Edit4")->isVisible());
    EXPECT_EQ(text("Edit6"), "2.00");
    EXPECT_EQ(walk(Qt::Key_Down, 4).join(' '), "Edit3 Edit5 CBmatiere Edit1");
}

TEST_F(MainWindowTest, LibraryMenuBrowsesAndComesBackToThePart) {
    start(SamplePart(1));
    state().punch.selectionRequest = true;
    AnswerModal(QDialog::Rejected);
    action("ListePoincons1")->trigger();
    EXPECT_FALSE(state().punch.selectionRequest);
    EXPECT_EQ(focused(), "Edit2");
}

}  // namespace
}  // namespace zelpor::test
