#include <QAction>
#include <QMenu>
#include <QFrame>
#include <QStatusBar>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Nav = MainWindowTest;

TEST_F(Nav, StartsOnThePartFieldWithItsCommentAndButtons) {
    writePart(SamplePart(3));
    start();
    EXPECT_EQ(focused(), "Edit2");
    EXPECT_EQ(text("Edit1"), "JOB");
    EXPECT_EQ(text("Edit2"), "P1");
    EXPECT_EQ(text("Edit3"), "3/3");
    EXPECT_EQ(text("Edit4"), "2.00");
    EXPECT_EQ(text("Edit5"), "1000");
    EXPECT_EQ(main()->statusText(), "Commentaire : Support moteur");
    EXPECT_EQ(main()->windowTitle(), "Zelpor_2");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Charger Piece");
    EXPECT_EQ(find<QPushButton>("Button2")->text(), "Nouvelle Piece");
    EXPECT_TRUE(find<QPushButton>("Button3")->isVisible());  // the job folder holds P1.pie
    EXPECT_FALSE(find<QPushButton>("Button8")->isVisible());
    EXPECT_EQ(find("Edit2")->palette().color(QPalette::Base), QColor(0, 128, 128));
    EXPECT_NE(find("Edit1")->palette().color(QPalette::Base), QColor(0, 128, 128));
}

TEST_F(Nav, WithoutAJobTheFocusIsOnTheJobAndDownWantsANewJob) {
    m_ws.customer = "";
    start();
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(text("Edit1"), "?");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Charger Affaire");
    AnswerModal(QDialog::Rejected);  // the new-job dialog, cancelled
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().workspace.customer, "?");
}

TEST_F(Nav, BendKeysAtTheEndOfThreeBends) {
    writePart(SamplePart(3));
    start();
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit3");
    EXPECT_EQ(find<QPushButton>("Button3")->text(), "Pli Suivant");
    EXPECT_FALSE(find<QPushButton>("Button3")->isEnabled());
    key(Qt::Key_F3);
    EXPECT_EQ(text("Edit3"), "3/3");
    key(Qt::Key_F4);
    EXPECT_EQ(text("Edit3"), "4/4");
    key(Qt::Key_F1);
    EXPECT_EQ(text("Edit3"), "1/4");
    EXPECT_FALSE(find<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Button3")->isEnabled());
    key(Qt::Key_F3);
    key(Qt::Key_F3);
    EXPECT_EQ(text("Edit3"), "3/4");
    key(Qt::Key_F2);
    EXPECT_EQ(text("Edit3"), "2/4");
    EXPECT_EQ(state().part.currentBend, 1);
    EXPECT_EQ(state().part.lastBend, 3);
    EXPECT_EQ(focused(), "Edit3");
}

TEST_F(Nav, ButtonsMoveTheBendAndShowIt) {
    PartRecord p = SamplePart(2);
    p.bends[0].angle = 90;
    writePart(p);
    start();
    key(Qt::Key_Down);
    EXPECT_EQ(text("Eangle"), "120.00");
    find<QPushButton>("Button1")->click();
    EXPECT_EQ(text("Edit3"), "1/2");
    EXPECT_EQ(text("Eangle"), "90.00");  // the button shows the bend at once
    EXPECT_EQ(focused(), "Edit3");
    find<QPushButton>("Button4")->click();  // appends, one step on
    EXPECT_EQ(text("Edit3"), "2/3");
}

TEST_F(Nav, TwentyFiveBendsIsTheLimit) {
    writePart(SamplePart(25));
    start();
    key(Qt::Key_Down);
    EXPECT_EQ(text("Edit3"), "25/25");
    key(Qt::Key_F4);
    EXPECT_EQ(text("Edit3"), "25/25");
    EXPECT_EQ(state().part.lastBend, 24);
}

TEST_F(Nav, PartWithoutBendsThenInsert) {
    PartRecord p = SamplePart(1);
    p.currentBend = p.lastBend = -1;
    writePart(p);
    start();
    EXPECT_EQ(text("Edit3"), "pas de pli ");
    EXPECT_EQ(text("Eangle"), "");
    EXPECT_EQ(text("Evit_decomp"), "");
    key(Qt::Key_Down);
    key(Qt::Key_F4);
    EXPECT_EQ(text("Edit3"), "1/1");
}

TEST_F(Nav, LeftColumnArrows) {
    writePart(SamplePart(1));
    start();
    std::vector<QString> path;
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                      Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
        key(k);
        path.push_back(focused());
    }
    EXPECT_EQ(path, (std::vector<QString>{"Edit3", "Edit4", "Edit5", "CBmatiere", "CBpoincon", "CBmatice", "Edit1",
                                          "Edit1", "Edit1"}));
    // Up from the job field stays; Right leads into the settings.
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), "Eangle");
    for (const char* from : {"Eangle", "Eaxey", "Epmh", "Eaxe1", "Eretract", "Etemps_next"}) {
        find(from)->setFocus();
        key(Qt::Key_Left);
        EXPECT_EQ(focused(), "Edit3") << from;
    }
}

TEST_F(Nav, SettingFieldsEnterAndUpWrap) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    ASSERT_EQ(focused(), "Epmh");
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    ASSERT_EQ(focused(), "Eangle");
    EXPECT_FALSE(find<QPushButton>("Button8")->isVisible());  // no function buttons in the settings
    QStringList down, up;
    for (int i = 0; i < 11; ++i) {
        key(Qt::Key_Return);
        down << focused();
    }
    EXPECT_EQ(down.join(' '), "Eaxey Epmh Eaxe1 Eretract Etemps_next Eforce Evitesse Etemps_force Edecompress "
                              "Evit_decomp Eangle");
    for (int i = 0; i < 11; ++i) {
        key(Qt::Key_Up);
        up << focused();
    }
    EXPECT_EQ(up.join(' '), "Evit_decomp Edecompress Etemps_force Evitesse Eforce Etemps_next Eretract Eaxe1 Epmh "
                            "Eaxey Eangle");
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), "Eforce");
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), "Eforce");  // the right-hand column ignores Right
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), "Eangle");
}

TEST_F(Nav, EnterInAnEmptyYStays) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Right);  // part field: Right goes to "Y"
    ASSERT_EQ(focused(), "Eaxey");
    EXPECT_EQ(main()->statusText(), "× Calcul automatique ");
    key(Qt::Key_Backspace);  // caret at the start: the value goes
    EXPECT_EQ(text("Eaxey"), "");
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), "Eaxey");
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Eaxey");
    key(Qt::Key_Up);
    EXPECT_EQ(focused(), "Eangle");
    EXPECT_EQ(main()->statusText(), "");
}

TEST_F(Nav, F8SwitchesToTheDrawingAndBack) {
    writePart(SamplePart(1));
    start();
    auto* zoom = main()->findChild<QMenu*>(QStringLiteral("Zoom1"));
    auto* plisNum = main()->findChild<QAction*>(QStringLiteral("Numerique1"));
    auto* plisGraph = main()->findChild<QAction*>(QStringLiteral("Graphique1"));
    ASSERT_TRUE(zoom && plisNum && plisGraph);
    key(Qt::Key_F8);  // the part level does not switch
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    key(Qt::Key_Down);
    EXPECT_EQ(find<QPushButton>("Button8")->text(), "Graphique");
    EXPECT_FALSE(zoom->menuAction()->isVisible());
    key(Qt::Key_F8);
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
    EXPECT_TRUE(find<QWidget>("PaintBox1")->isVisible());
    for (const char* p : {"Panel1", "Panel2", "Panel3", "Panel4"}) EXPECT_FALSE(find<QFrame>(p)->isVisible()) << p;
    EXPECT_EQ(find<QPushButton>("Button8")->text(), "Numérique");
    EXPECT_TRUE(zoom->menuAction()->isVisible());
    EXPECT_TRUE(plisNum->isEnabled());
    EXPECT_FALSE(plisGraph->isEnabled());
    EXPECT_FALSE(main()->findChild<QAction*>(QStringLiteral("ZoomTout1"))->isEnabled());
    key(Qt::Key_Right);  // no settings to go to in the drawing
    EXPECT_EQ(focused(), "Edit3");
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    EXPECT_FALSE(find<QWidget>("PaintBox1")->isVisible());
    EXPECT_TRUE(find<QFrame>("Panel1")->isVisible());
    EXPECT_FALSE(zoom->menuAction()->isVisible());
    EXPECT_EQ(text("Eangle"), "120.00");
}

}  // namespace
}  // namespace zelpor::test
