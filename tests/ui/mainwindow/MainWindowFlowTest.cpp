#include <QAction>
#include <QMenu>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Flow = MainWindowTest;

// F2 in the part field: a part whose profile was drawn comes back to the part
// field with its name shown, like every other outcome of the new-part flow.
TEST_F(Flow, NewGraphicPartFromTheKeyComesBackToThePart) {
    writePart(SamplePart(3));
    start();
    ASSERT_EQ(focused(), "Edit2");
    AnswerModal(80);
    QTimer::singleShot(50, [] { AnswerModal(QDialog::Accepted); });  // the profile window
    key(Qt::Key_F2);
    EXPECT_EQ(state().part.currentBend, -1);
    EXPECT_EQ(state().part.lastBend, -1);
    EXPECT_EQ(text("Edit3"), "pas de pli ");
    EXPECT_EQ(focused(), "Edit2");
    EXPECT_EQ(main()->focusLevel(), FocusLevel::Part);
    EXPECT_EQ(text("Edit2"), "P1");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "Charger Piece");
    EXPECT_TRUE(find<QPushButton>("Button1")->isVisible());
    EXPECT_EQ(main()->statusText(), "Commentaire : Support moteur");
}

// In the drawing, Right is no way out of the thickness or the length field:
// the key moves the caret, so what is typed next goes after the first digit.
TEST_F(Flow, RightInTheDrawingMovesTheCaretOfThicknessAndLength) {
    writePart(SamplePart(1));
    start();
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    ASSERT_EQ(main()->viewMode(), ViewMode::Graphic);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit4");
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), "Edit4");
    keys("5");
    EXPECT_EQ(text("Edit4"), "25.00");
    EXPECT_EQ(state().part.thickness, 25.0f);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit5");
    key(Qt::Key_Right);
    keys("7");
    EXPECT_EQ(text("Edit5"), "17000");
    EXPECT_EQ(bend(0).length, 17000.0f);
}

// A bend that has no drawing shows its message without refitting the view, so
// a zoom to a rectangle can still be undone with "Zoom Tout".
TEST_F(Flow, BendWithoutDrawingKeepsZoomToutAsItWas) {
    writePart(SamplePart(2));
    start();
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    auto* zoomTout = main()->findChild<QAction*>(QStringLiteral("ZoomTout1"));
    ASSERT_FALSE(zoomTout->isEnabled());
    main()->findChild<QAction*>(QStringLiteral("ZoomFenetre1"))->trigger();
    QWidget* paintBox = find<QWidget>("PaintBox1");
    QTest::mouseClick(paintBox, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    QTest::mouseClick(paintBox, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    ASSERT_TRUE(zoomTout->isEnabled());
    key(Qt::Key_F2);  // the previous bend, shown on coming back to the field
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    ASSERT_EQ(text("Edit3"), "1/2");
    EXPECT_TRUE(zoomTout->isEnabled());
}

// The menus answer their accelerators from the fields: Alt+P opens
// "Piéces", G runs "nouvelle Graphique", which without a thickness only
// sends the operator to the thickness field.
TEST_F(Flow, AcceleratorsReachNewGraphicPartFromThePartField) {
    PartRecord p = SamplePart(1);
    p.thickness = 0;
    writePart(p);
    start();
    QTest::keyClick(main()->focusWidget(), Qt::Key_P, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), "Pieces1");
    QTest::keyClick(popup, Qt::Key_G);
    EXPECT_EQ(focused(), "Edit4");
    EXPECT_EQ(main()->focusLevel(), FocusLevel::Thickness);
    EXPECT_EQ(state().part.lastBend, 0);
}

}  // namespace
}  // namespace zelpor::test
