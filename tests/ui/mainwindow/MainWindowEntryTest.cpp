#include <QClipboard>

#include "calc/Formulas.h"
#include "text/Numbers.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Entry = MainWindowTest;

TEST_F(Entry, TypingTheAngleStoresItAndShowsY) {
    writeDie("V16.DIE", 16, 88, 2);
    writePunch("P88-67.PUN", 88);
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);     // job field
    key(Qt::Key_Right);  // "Angle"
    ASSERT_EQ(focused(), "Eangle");
    EXPECT_EQ(text("Eangle"), "120.00");
    keys("9");
    EXPECT_EQ(text("Eangle"), "9");
    EXPECT_EQ(bend(0).angle, 9.0f);
    EXPECT_EQ(text("Eaxey"), QString::fromStdString(FormatFixed(ComputeYDepth(9, 2, 2, 16, 88), 2)));
    keys("0");
    EXPECT_EQ(text("Eangle"), "90");
    EXPECT_EQ(bend(0).angle, 90.0f);
    EXPECT_NEAR(bend(0).y, 4.118, 5e-4);
    EXPECT_EQ(text("Eaxey"), "4.12");
    keys("a");  // refused
    EXPECT_EQ(text("Eangle"), "90");
    keys("x");
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(text("Eangle"), "");
    EXPECT_EQ(bend(0).angle, 9.0f);  // an empty text stores nothing
}

TEST_F(Entry, PastingLettersIsRefused) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    ASSERT_EQ(focused(), "Eangle");
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    ASSERT_EQ(QApplication::clipboard()->text(), "abc");
    QTest::keyClick(main()->focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Eangle"), "120.00");
    EXPECT_EQ(bend(0).angle, 120.0f);
}

TEST_F(Entry, UnreadableAngleIsFlat) {
    writeDie("V16.DIE", 16, 88, 2);
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    keys("1.2.3");
    EXPECT_EQ(bend(0).angle, 180.0f);
    EXPECT_EQ(bend(0).y, 0.0f);
    EXPECT_EQ(text("Eaxey"), "0.00");
}

TEST_F(Entry, SpeedFallbackAndCommaRefused) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    for (int i = 0; i < 7; ++i) key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Evitesse");
    keys("1.2.3");
    EXPECT_EQ(text("Evitesse"), "1.2.3");
    EXPECT_EQ(bend(0).speed, 10.0f);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Etemps_force");
    keys("0,5");
    EXPECT_EQ(text("Etemps_force"), "05");
    EXPECT_EQ(bend(0).pressTime, 5.0f);
}

TEST_F(Entry, ThicknessRefusesTheCommaAndRunsTheChain) {
    writeDie("V16.DIE", 16, 88, 2);
    PartRecord p = SamplePart(1);
    p.bends[0].angle = 90;
    writePart(p);
    start();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit4");
    EXPECT_EQ(find<QPushButton>("Button8")->text(), "Graphique");
    keys("1");
    EXPECT_EQ(text("Edit4"), "1");  // typed at the start: replaces "2.00"
    keys(",");
    EXPECT_EQ(text("Edit4"), "1");
    keys("5");
    EXPECT_EQ(text("Edit4"), "15");
    EXPECT_EQ(state().part.thickness, 15.0f);
    key(Qt::Key_Backspace);
    keys(".5");
    EXPECT_EQ(text("Edit4"), "1.5");
    EXPECT_EQ(state().part.thickness, 1.5f);
    EXPECT_NEAR(bend(0).y, ComputeYDepth(90, 1.5f, 2, 16, 88), 1e-4);
    const QString x = QString::fromStdString(FormatFixed(ComputeBendDeduction(1.5f, 16, 90), 2));
    EXPECT_EQ(text("Eaxe1"), x);
    EXPECT_EQ(bend(0).x, x.toFloat());  // X is kept as shown
    EXPECT_EQ(text("Eaxey"), QString::fromStdString(FormatFixed(bend(0).y, 2)));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), "Edit5");
    keys("750");  // entering the length puts the caret at the start: typing replaces it
    EXPECT_EQ(text("Edit5"), "750");
    EXPECT_EQ(bend(0).length, 750.0f);
}

TEST_F(Entry, ShowingABendRoundsItsSettingsAndAlignsY) {
    writeDie("V16.DIE", 16, 88, 2);
    PartRecord p = SamplePart(2);
    p.bends[0].angle = 90;
    p.bends[0].y = 7.777f;       // stale: brought in line when the angle is shown
    p.bends[0].retract = 1.234f;  // rounded to its shown text
    p.currentBend = 0;
    writePart(p);
    start();
    EXPECT_NEAR(bend(0).y, 4.118, 5e-4);
    EXPECT_EQ(bend(0).retract, 1.23f);
    EXPECT_EQ(text("Eaxey"), "4.12");
}

TEST_F(Entry, ValuesTypedReachThePartFileOnClose) {
    writeDie("V16.DIE", 16, 88, 2);
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    keys("90");
    key(Qt::Key_Return);  // Y
    key(Qt::Key_Return);  // Ouverture
    keys("150");
    for (int i = 0; i < 5; ++i) key(Qt::Key_Return);
    ASSERT_EQ(focused(), "Evitesse");
    keys("12.5");
    key(Qt::Key_Return);
    closeWindow();
    const auto bytes = ReadAll(partPath());
    ASSERT_EQ(bytes.size(), PartRecord::kFileSize);
    EXPECT_EQ(FloatAt(bytes, kBendsAt + 108), 90.0f);
    EXPECT_NEAR(FloatAt(bytes, kBendsAt + 112), 4.118f, 5e-4);
    EXPECT_EQ(FloatAt(bytes, kBendsAt + 116), 150.0f);
    EXPECT_EQ(FloatAt(bytes, kBendsAt + 132), 12.5f);
    EXPECT_EQ(FloatAt(bytes, 255), 2.0f);
}

}  // namespace
}  // namespace zelpor::test
