#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "ui/common/WindowSet.h"
#include "ui/profile/ProfileWindow.h"
#include "ui/sequence/SequenceWindow.h"
#include "support/Golden.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

// The profile window with the sequence window it opens when the user finishes.
struct ProfileWindowTest : ::testing::Test {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    SequenceWindow sequence{state, windows, messages};
    ProfileWindow window{state, windows, messages};

    ProfileWindowTest() {
        windows.sequence = &sequence;
        windows.profile = &window;
        state.part.currentBend = state.part.lastBend = -1;
    }
    QLineEdit* edit() { return window.findChild<QLineEdit*>(QStringLiteral("Edit1")); }
    // Types a value over what the field shows and presses Enter.
    void enter(const char* value) {
        edit()->selectAll();
        QTest::keyClicks(edit(), QString::fromLatin1(value));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
};

// The entry rules are the core's; here the keys reach them and a wrong
// number is reported in a box. F8 to the sequence window is driven with the
// profile table's tests.
TEST_F(ProfileWindowTest, FieldKeysAndWrongNumbers) {
    window.show();
    QLineEdit* e = edit();
    QTest::keyClicks(e, "1,5.a+");  // the first digit replaces "0.1"; second point and letters swallowed
    EXPECT_EQ(e->text(), QStringLiteral("1.5"));
    e->setCursorPosition(0);
    QTest::keyClick(e, Qt::Key_Backspace);  // at position 0 the field is cleared
    QTest::keyClick(e, Qt::Key_Return);     // an empty field: nothing happens
    QTest::keyClicks(e, "0,15");
    QTest::keyClick(e, Qt::Key_Enter);  // the keypad's Enter too
    EXPECT_FLOAT_EQ(state.part.thickness, 0.15f);
    QTest::keyClicks(e, "-45");  // orientation: a minus at the start replaces the proposal
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_FLOAT_EQ(state.part.startOrientation, -45);

    QTest::keyClicks(e, "-12,5,");  // length: no minus sign; a comma after the point makes a second point
    const PartRecord before = state.part;
    QTest::keyClick(e, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Valeur incorrecte : \"12.5.\" n'est pas un nombre"));
    EXPECT_EQ(state.part, before);
    QTest::keyClick(e, Qt::Key_Escape);  // never closes the window halfway through a profile
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ProfileWindowTest, SegmentLimitLeavesOnlyF8) {
    window.show();
    for (const char* value : {"1", "0", "10", "90", "10", "90", "10", "90", "10", "-90", "10"}) enter(value);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title + "|" + messages.shown[0].text,
              QStringLiteral("Avertissement|Nombre de segment maximun"));
    QString opened;  // the sequence window, closed at once
    QTimer::singleShot(0, &window, [&] {
        opened = QApplication::activeModalWidget()->objectName();
        static_cast<QDialog*>(QApplication::activeModalWidget())->reject();
    });
    QTest::keyClick(&window, Qt::Key_F8);
    EXPECT_EQ(opened, QStringLiteral("TFormSequence"));
}

// Sketches kept in a part may hold every entity type: a solid and a dotted
// line, a hollow circle, an upper half arc and a text; unknown types and text
// indexes outside the table are skipped.
TEST_F(ProfileWindowTest, PaintsEveryEntityType) {
    window.FormActivate();  // one pixel per millimetre, origin at (1, 456)
    PartRecord& p = state.part;
    // type, colour, x1, y1, x2, y2, radius or text height, text index
    const float rows[][8] = {{kLine, 0x0000FF, 10, 400, 210, 400},
                             {kLine, 0x0000FF, 10, 300, 210, 300},
                             {kCircle, 0xFF0000, 400, 300, 0, 0, 30},
                             {kArc, 0x00FFFF, 600, 300, 0, 0, 40},
                             {kText, 0xFFFFFF, 100, 150, 0, 0, 30, 2},
                             {kText, 0xFF00FF, 300, 150, 0, 0, 30, 99},
                             {5, 0x00FF00, 0, 0, 300, 0}};
    for (const auto& r : rows) {
        SketchEntity& e = p.sketch[static_cast<std::size_t>(++p.sketchLast)];
        e = {.type = int(r[0]), .colour = int(r[1]), .x1 = r[2], .y1 = r[3], .x2 = r[4], .y2 = r[5]};
        (e.type == kText ? e.textHeight : e.radius) = r[6];
        e.textIndex = int(r[7]);
    }
    p.sketch[1].style.assign("DOT");
    p.sketch[3].endAngle = 180;
    p.sketchTexts[2].assign("PLI");
    window.FormPaint();
    EXPECT_TRUE(test::MatchesGolden(window.bitmap(), "profile-window-entities", 60));
}

}  // namespace
}  // namespace zelpor
