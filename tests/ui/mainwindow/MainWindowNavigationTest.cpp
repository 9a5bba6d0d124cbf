#include <QFrame>
#include <QMenu>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Nav = MainWindowTest;

TEST_F(Nav, WithoutAJobTheFocusIsOnTheJobAndDownWantsANewJob) {
    m_ws.customer = "";
    start();
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(text("Edit1"), "?");
    EXPECT_EQ(button(1)->text(), "Charger Affaire");
    AnswerModal(QDialog::Rejected);  // the new-job dialog, cancelled
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit1");
    EXPECT_EQ(state().workspace.customer, "?");
}

// Starts on the part field, then the bend keys and buttons on three bends.
TEST_F(Nav, StartThenBendKeysAndButtonsOnThreeBends) {
    PartRecord p = SamplePart(3);
    p.bends[0].angle = 90;
    start(p);
    EXPECT_EQ(focused(), "Edit2");
    for (auto [name, value] : {std::pair{"Edit1", "JOB"}, {"Edit2", "P1"}, {"Edit3", "3/3"}, {"Edit4", "2.00"}})
        EXPECT_EQ(text(name), value) << name;
    EXPECT_EQ(main()->statusText(), "Commentaire : Support moteur");
    EXPECT_EQ(button(1)->text(), "Charger Piece");
    EXPECT_EQ(button(2)->text(), "Nouvelle Piece");
    EXPECT_TRUE(button(3)->isVisible());  // the job folder holds P1.pie
    EXPECT_EQ(find("Edit2")->palette().color(QPalette::Base), QColor(0, 128, 128));  // the field in hand

    key(Qt::Key_Down);
    QStringList shown;
    for (Qt::Key k : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F1, Qt::Key_F3, Qt::Key_F3, Qt::Key_F2}) {
        key(k);
        shown << text("Edit3");
    }
    EXPECT_EQ(shown.join(' '), "3/3 4/4 1/4 2/4 3/4 2/4");
    button(1)->click();
    EXPECT_EQ(text("Edit3"), "1/4");
    EXPECT_EQ(text("Eangle"), "90.00");  // the button shows the bend at once
    EXPECT_FALSE(button(1)->isEnabled());
    EXPECT_TRUE(button(3)->isEnabled());
    button(4)->click();  // inserts, one step on
    EXPECT_EQ(text("Edit3"), "2/5");
    EXPECT_EQ(focused(), "Edit3");
}

// F4 inserts up to 25 bends; a part without bends gets its first.
TEST_F(Nav, InsertFromTheLimitAndFromNoBend) {
    PartRecord none = SamplePart(1);
    none.currentBend = none.lastBend = -1;
    for (auto [part, before, after] : {std::tuple{SamplePart(25), "25/25", "25/25"}, {none, "pas de pli ", "1/1"}}) {
        start(part);
        EXPECT_EQ(text("Edit3"), before);
        key(Qt::Key_Down);
        key(Qt::Key_F4);
        EXPECT_EQ(text("Edit3"), after);
        closeWindow();
    }
}

TEST_F(Nav, LeftColumnArrows) {
    start(SamplePart(1));
    EXPECT_EQ(walk(Qt::Key_Down, 7).join(' '), "Edit3 Edit4 Edit5 CBmatiere CBpoincon CBmatice Edit1");
    EXPECT_EQ(walk(Qt::Key_Up, 2).join(' '), "Edit1 Edit1");
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), "Eangle");
    for (const char* from : {"Eangle", "Eaxey", "Epmh", "Eaxe1", "Eretract", "Etemps_next"}) {
        find(from)->setFocus();
        key(Qt::Key_Left);
        EXPECT_EQ(focused(), "Edit3") << from;
    }
}

TEST_F(Nav, SettingFieldsEnterAndUpWrap) {
    start(SamplePart(1));
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    ASSERT_EQ(focused(), "Epmh");
    key(Qt::Key_Up, 2);
    ASSERT_EQ(focused(), "Eangle");
    EXPECT_FALSE(button(8)->isVisible());  // no function buttons in the settings
    EXPECT_EQ(walk(Qt::Key_Return, 11).join(' '),
              "Eaxey Epmh Eaxe1 Eretract Etemps_next Eforce Evitesse Etemps_force Edecompress Evit_decomp Eangle");
    EXPECT_EQ(walk(Qt::Key_Up, 11).join(' '),
              "Evit_decomp Edecompress Etemps_force Evitesse Eforce Etemps_next Eretract Eaxe1 Epmh Eaxey Eangle");
    // The right-hand column ignores Right.
    EXPECT_EQ(walk(Qt::Key_Right, 2).join(' '), "Eforce Eforce");
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), "Eangle");
}

TEST_F(Nav, EnterInAnEmptyYStays) {
    start(SamplePart(1));
    key(Qt::Key_Right);  // part field: Right goes to "Y"
    ASSERT_EQ(focused(), "Eaxey");
    EXPECT_EQ(main()->statusText(), "× Calcul automatique ");
    key(Qt::Key_Backspace);  // caret at the start: the value goes
    EXPECT_EQ(text("Eaxey"), "");
    EXPECT_EQ(walk(Qt::Key_Return, 1).join(' '), "Eaxey");
    EXPECT_EQ(walk(Qt::Key_Down, 1).join(' '), "Eaxey");
    EXPECT_EQ(walk(Qt::Key_Up, 1).join(' '), "Eangle");
    EXPECT_EQ(main()->statusText(), "");
}

// F8 (or the "Plis" menu) trades the panels for the drawing and back.
TEST_F(Nav, F8SwitchesToTheDrawingAndBack) {
    start(SamplePart(1));
    auto* zoom = find<QMenu>("Zoom1");
    key(Qt::Key_F8);  // the part level does not switch
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
    EXPECT_TRUE(find<QWidget>("PaintBox1")->isVisible());
    for (const char* p : {"Panel1", "Panel2", "Panel3", "Panel4"}) EXPECT_FALSE(find<QFrame>(p)->isVisible()) << p;
    EXPECT_EQ(button(8)->text(), "Numérique");
    EXPECT_TRUE(zoom->menuAction()->isVisible());
    EXPECT_FALSE(action("Graphique1")->isEnabled());
    EXPECT_FALSE(action("ZoomTout1")->isEnabled());
    key(Qt::Key_Right);  // no settings to go to in the drawing
    EXPECT_EQ(focused(), "Edit3");
    key(Qt::Key_F8);
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    EXPECT_FALSE(find<QWidget>("PaintBox1")->isVisible());
    EXPECT_TRUE(find<QFrame>("Panel1")->isVisible());
    EXPECT_FALSE(zoom->menuAction()->isVisible());
    EXPECT_EQ(button(8)->text(), "Graphique");
    action("Graphique1")->trigger();
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
}

// In the drawing, Right is no way out of the thickness or the length field:
// the key moves the caret, so what is typed next goes after the first digit.
TEST_F(Nav, RightInTheDrawingMovesTheCaretOfThicknessAndLength) {
    start(SamplePart(1));
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit4");
    key(Qt::Key_Right);
    keys("5");
    EXPECT_EQ(text("Edit4"), "25.00");
    EXPECT_EQ(state().part.thickness, 25.0f);
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    keys("7");
    EXPECT_EQ(text("Edit5"), "17000");
    EXPECT_EQ(bend(0).length, 17000.0f);
}

}  // namespace
}  // namespace zelpor::test
