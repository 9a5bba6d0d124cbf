#include <QAction>
#include <QFrame>

#include "calc/Formulas.h"

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Tools = MainWindowTest;

class ToolLists : public MainWindowTest {
protected:
    void SetUp() override {
        writePunch("P88-67.PUN", 88);
        writePunch("P30-67.PUN", 30);
        writeDie("V16.DIE", 16, 88, 2);
        writeDie("V24.DIE", 24, 88, 3);
        std::array<MaterialRecord, kMaterialRecords> table{};
        table[0].name.assign("Acier");
        table[0].coefficient = 225;
        WriteAll(m_ws.pathTools + "material.dat", EncodeMaterialTable(table));
    }
    void toPunchList() {
        key(Qt::Key_Up);  // job
        key(Qt::Key_Up);
        for (int i = 0; i < 3; ++i) key(Qt::Key_Down);  // part, bend, thickness
        key(Qt::Key_Down);                             // length
        key(Qt::Key_Down);                             // material
        key(Qt::Key_Down);                             // punch
        ASSERT_EQ(focused(), "CBpoincon");
    }
};

TEST_F(ToolLists, LowerCaseNameInTheBendSelectsTheFileEntry) {
    PartRecord p = SamplePart(1);
    p.bends[0].punch.assign("p88-67");
    writePart(p);
    start();
    toPunchList();
    auto* list = find<QComboBox>("CBpoincon");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(main()->statusText(), "\tAngle poinçon : 88");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Liste Poinçons");
    EXPECT_EQ(find<QPushButton>("Button8")->text(), "Graphique");
    EXPECT_FALSE(find<QPushButton>("Button2")->isVisible());
    keys("P3");  // typing does not choose
    EXPECT_EQ(list->currentText(), "P88-67");
    EXPECT_EQ(focused(), "CBpoincon");
}

TEST_F(ToolLists, EnterStoresTheChoiceAndLeavingLoadsTheFile) {
    writePart(SamplePart(1));
    start();
    toPunchList();
    auto* list = find<QComboBox>("CBpoincon");
    list->setCurrentIndex(list->findText(QStringLiteral("P30-67")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).punch.str(), "P30-67");
    EXPECT_EQ(focused(), "CBmatice");
    EXPECT_EQ(state().punch.record.angle, 30.0f);  // loaded on leaving the punch list
    EXPECT_EQ(main()->statusText(), "Ouverture : 16\tAngle matrice : 88");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Liste Matrice");

    // Another die changes the force when the list is left.
    const float force = bend(0).force;
    EXPECT_NEAR(force, 16.09, 5e-3);  // 1000 mm, 2 mm of "Acier" on V16
    auto* dies = find<QComboBox>("CBmatice");
    dies->setCurrentIndex(dies->findText(QStringLiteral("V24")));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).die.str(), "V24");
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().die.record.vOpening, 24.0f);
    EXPECT_NEAR(bend(0).force, force * 16 / 24, 1e-3);
    EXPECT_EQ(text("Eforce"), "10.73");  // 10.7250004 as stored
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    toPunchList();
    EXPECT_EQ(main()->statusText(), "\tAngle poinçon : 30");
}

TEST_F(ToolLists, GraphicPartDisablesTheListsAndSkipsTheThickness) {
    PartRecord p = SamplePart(1);
    p.graphicProfile = 1;
    writePart(p);
    start();
    EXPECT_FALSE(find<QComboBox>("CBpoincon")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("CBmatice")->isEnabled());
    EXPECT_FALSE(find("Edit4")->isVisible());
    EXPECT_TRUE(find("Edit6")->isVisible());
    EXPECT_EQ(text("Edit6"), "2.00");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit5");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit1");
}

TEST_F(Tools, MaterialListChoosesAndStores) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "CBmatiere");
    auto* list = find<QComboBox>("CBmatiere");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(1), "Alu");
    EXPECT_EQ(list->currentText(), "Acier");
    list->setCurrentIndex(2);
    EXPECT_EQ(state().part.material.str(), "Acier");  // showing is not choosing
    key(Qt::Key_Return);
    EXPECT_EQ(state().part.material.str(), "Inox");
    EXPECT_EQ(focused(), "CBpoincon");
}

TEST_F(Tools, DeletingAPartAsksFirst) {
    writePart(SamplePart(1));
    start();
    m_messages.answers.push_back(QMessageBox::Cancel);
    find<QPushButton>("Button3")->click();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, "Confirmer la suppression ");
    EXPECT_EQ(m_messages.shown[0].title, "P1");
    EXPECT_EQ(m_messages.shown[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(std::filesystem::exists(partPath()));
    EXPECT_EQ(focused(), "Edit2");

    find<QPushButton>("Button3")->click();  // answered OK
    EXPECT_FALSE(std::filesystem::exists(partPath()));
    EXPECT_EQ(text("Edit2"), "");
    EXPECT_EQ(state().workspace.part, "");
    EXPECT_EQ(focused(), "Edit2");
    EXPECT_FALSE(find<QPushButton>("Button3")->isVisible());  // nothing left to delete
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Charger Piece");
}

TEST_F(Tools, NewPartWithANumericSequenceHasOneBend) {
    PartRecord p = SamplePart(3);
    writePart(p);
    start();
    AnswerModal(82);
    key(Qt::Key_F2);
    EXPECT_EQ(state().part.currentBend, 0);
    EXPECT_EQ(state().part.lastBend, 0);
    EXPECT_EQ(text("Edit3"), "1/1");
    EXPECT_EQ(focused(), "Edit2");
    EXPECT_TRUE(find<QPushButton>("Button1")->isVisible());
}

TEST_F(Tools, NewGraphicPartFromTheMenuEndsOnTheBendField) {
    writePart(SamplePart(3));
    start();
    AnswerModal(80);
    QTimer::singleShot(50, [] { AnswerModal(QDialog::Accepted); });  // the profile window
    main()->findChild<QAction*>(QStringLiteral("NouvelleGraphique1"))->trigger();
    EXPECT_EQ(state().part.currentBend, -1);
    EXPECT_EQ(text("Edit3"), "pas de pli ");
    EXPECT_EQ(focused(), "Edit3");
}

TEST_F(Tools, NewGraphicPartNeedsAThickness) {
    PartRecord p = SamplePart(1);
    p.thickness = 0;
    writePart(p);
    start();
    main()->findChild<QAction*>(QStringLiteral("NouvelleGraphique1"))->trigger();
    EXPECT_EQ(focused(), "Edit4");
    EXPECT_EQ(state().part.lastBend, 0);
}

TEST_F(Tools, LibraryMenuBrowsesAndComesBackToThePart) {
    writePart(SamplePart(1));
    start();
    state().punch.selectionRequest = true;
    AnswerModal(QDialog::Rejected);
    main()->findChild<QAction*>(QStringLiteral("ListePoincons1"))->trigger();
    EXPECT_FALSE(state().punch.selectionRequest);
    EXPECT_EQ(focused(), "Edit2");
}

}  // namespace
}  // namespace zelpor::test

namespace zelpor::test {
namespace {

using Flows = MainWindowTest;

TEST_F(Flows, PlisMenuSwitchesTheView) {
    writePart(SamplePart(1));
    start();
    auto* numerique = main()->findChild<QAction*>(QStringLiteral("Numerique1"));
    auto* graphique = main()->findChild<QAction*>(QStringLiteral("Graphique1"));
    EXPECT_FALSE(numerique->isEnabled());
    graphique->trigger();
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
    EXPECT_TRUE(numerique->isEnabled());
    EXPECT_FALSE(graphique->isEnabled());
    EXPECT_TRUE(find<QWidget>("PaintBox1")->isVisible());
    numerique->trigger();
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    EXPECT_TRUE(find<QFrame>("Panel3")->isVisible());
    EXPECT_FALSE(main()->findChild<QAction*>(QStringLiteral("ProgrammationPoincons1"))->isEnabled());
    EXPECT_FALSE(main()->findChild<QAction*>(QStringLiteral("Liste1"))->isEnabled());
}

TEST_F(Flows, LoadingAJobComesBackToTheJobField) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);
    ASSERT_EQ(focused(), "Edit1");
    AnswerModal(QDialog::Accepted);
    key(Qt::Key_F1);
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Charger Affaire");
    EXPECT_TRUE(find<QPushButton>("Button1")->isVisible());
    EXPECT_EQ(text("Edit1"), "JOB");
}

TEST_F(Flows, ThicknessWithoutABendChangesOnlyTheThickness) {
    PartRecord p = SamplePart(1);
    p.currentBend = p.lastBend = -1;
    writePart(p);
    start();
    const BendRecord before = bend(0);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Home);
    keys("3");
    EXPECT_EQ(state().part.thickness, 3.0f);
    EXPECT_EQ(bend(0), before);
    EXPECT_EQ(text("Eaxe1"), "");
}

TEST_F(Flows, APartNameLeadingOutOfTheJobIsNeverDeleted) {
    std::filesystem::create_directories(m_dir.path() / "Customers" / "victim");
    const std::string outside = m_ws.pathCustomers + "victim.pie";
    WriteAll(outside, {1, 2, 3});
    WriteAll(m_ws.pathCustomers + "JOB/other.pie", {1});
    m_ws.part = "../victim";
    start();
    find<QPushButton>("Button3")->click();  // confirmed
    EXPECT_TRUE(std::filesystem::exists(outside));
    EXPECT_EQ(state().workspace.part, "");
}

TEST_F(Flows, InTheDrawingAForceUpdateLeavesTheForceFieldAlone) {
    writeDie("V16.DIE", 16, 88, 2);
    std::array<MaterialRecord, kMaterialRecords> table{};
    table[0].name.assign("Acier");
    table[0].coefficient = 225;
    WriteAll(m_ws.pathTools + "material.dat", EncodeMaterialTable(table));
    PartRecord p = SamplePart(1);
    p.bends[0].force = 5;
    writePart(p);
    start();
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    ASSERT_EQ(main()->viewMode(), ViewMode::Graphic);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit5");
    key(Qt::Key_Home);
    keys("500");
    EXPECT_EQ(bend(0).length, 500.0f);
    EXPECT_NEAR(bend(0).force, 16.09 / 2, 5e-3);
    EXPECT_EQ(text("Eforce"), "5.00");
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_F8);  // back to the numbers: the stored force shows
    EXPECT_EQ(text("Eforce"), "8.04");
}

TEST_F(Flows, AFailedSaveIsReported) {
    writePart(SamplePart(1));
    start();
    std::filesystem::remove(partPath());
    std::filesystem::create_directory(partPath());  // a folder where the file should go
    closeWindow();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, QString::fromStdString("La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans " +
                                                               partPath() + ".\nFermer quand m\u00EAme ?"));
}

}  // namespace
}  // namespace zelpor::test
