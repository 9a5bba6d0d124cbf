#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "common/WindowSet.h"
#include "profile/ProfileCursors.h"
#include "profile/ProfileWindow.h"
#include "sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

// The profile window with the sequence window it opens when the user finishes.
// The sequence window answers at once: the test records that it was shown.
struct Fixture {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    SequenceWindow sequence{state, windows, messages};
    ProfileWindow window{state, windows, messages};
    int sequenceShown = 0;

    Fixture() {
        windows.sequence = &sequence;
        windows.profile = &window;
        state.part.currentBend = -1;
        state.part.lastBend = -1;
    }

    template <typename T = QWidget>
    T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit1() { return child<QLineEdit>("Edit1"); }
    QString text(const char* name) { return child<QLabel>(name)->text(); }
    QString status() { return child<QStatusBar>("StatusBar2")->currentMessage(); }

    // Types a value over what the field shows and presses Enter.
    void enter(const QString& value) {
        QLineEdit* e = edit1();
        e->selectAll();
        QTest::keyClicks(e, value);
        QTest::keyClick(e, Qt::Key_Return);
    }

    // The next modal window that opens is the sequence window: close it.
    void answerSequenceWindow() {
        QTimer::singleShot(0, &window, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QStringLiteral("TFormSequence")) {
                ++sequenceShown;
                static_cast<QDialog*>(modal)->reject();
            }
        });
    }
};

TEST(ProfileWindow, LayoutAndFirstPrompt) {
    Fixture f;
    EXPECT_TRUE(f.window.bitmap().isNull());  // made when the window first opens
    f.window.show();
    EXPECT_EQ(f.window.windowTitle(), QStringLiteral("Zelpor2         Graphique"));
    EXPECT_EQ(f.window.size(), QSize(795, 571));
    EXPECT_EQ(f.child("Bevel1")->geometry(), QRect(0, 0, 803, 457));
    EXPECT_EQ(f.window.bitmap().size(), QSize(799, 453));
    EXPECT_EQ(f.child("Panel1")->y(), 469);
    EXPECT_EQ(f.edit1()->x(), 112);
    EXPECT_EQ(f.edit1()->width(), 121);
    EXPECT_EQ(f.child("Edit2")->x(), 584);
    auto* b1 = f.child<QPushButton>("Bouton1");
    auto* b8 = f.child<QPushButton>("Bouton8");
    EXPECT_EQ(b8->text(), QStringLiteral("Retour"));
    EXPECT_TRUE(b8->isVisible());
    EXPECT_EQ(b8->geometry(), QRect(695, 4, 89, 42));
    EXPECT_FALSE(b1->isVisible());
    for (const char* hidden : {"Bouton2", "Bouton3", "Bouton4", "Bouton5", "Bouton6", "Bouton7"})
        EXPECT_FALSE(f.child(hidden)->isVisible()) << hidden;

    EXPECT_EQ(f.text("StaticText1"), QStringLiteral("Epaisseur :"));
    EXPECT_EQ(f.text("StaticText2"), QStringLiteral("mm"));
    EXPECT_FALSE(f.child("StaticText3")->isVisible());
    EXPECT_FALSE(f.child("Edit2")->isVisible());
    EXPECT_EQ(f.status(), QStringLiteral("Epaisseur de la piece à plier"));
    EXPECT_EQ(f.edit1()->text(), QStringLiteral("0.1"));
    EXPECT_EQ(f.edit1()->cursorPosition(), 0);
    EXPECT_EQ(f.window.focusWidget(), f.edit1());
}

TEST(ProfileWindow, TypedProfileIsStoredAndTheSequenceWindowOpens) {
    Fixture f;
    f.state.part.thickness = 0.1f;
    int result = -1;
    QTimer::singleShot(0, &f.window, [&] {
        QLineEdit* e = f.edit1();
        QTest::keyClicks(e, "2");  // the caret sits at 0: the proposal goes
        EXPECT_EQ(e->text(), QStringLiteral("2"));
        QTest::keyClick(e, Qt::Key_Return);
        EXPECT_FLOAT_EQ(f.state.part.thickness, 2);
        EXPECT_EQ(f.status(), QStringLiteral("Orientation du segment de depart"));
        EXPECT_EQ(f.text("StaticText1"), QStringLiteral("Angle :"));
        EXPECT_EQ(f.text("StaticText2"), QStringLiteral("degré"));
        EXPECT_EQ(f.text("StaticText3"), QStringLiteral("Angle courant"));
        EXPECT_EQ(e->text(), QStringLiteral("0"));
        EXPECT_EQ(f.child<QLineEdit>("Edit2")->text(), QStringLiteral("0.0"));
        EXPECT_FALSE(f.child("Edit2")->isEnabled());
        EXPECT_TRUE(f.child("Bouton1")->isVisible());
        EXPECT_EQ(f.child<QPushButton>("Bouton1")->text(), QStringLiteral("-90°"));

        QTest::keyClick(e, Qt::Key_Return);  // orientation 0 as proposed
        EXPECT_EQ(f.status(), QStringLiteral("Longueur du segment"));
        EXPECT_EQ(f.text("StaticText1"), QStringLiteral("Longueur :"));
        EXPECT_EQ(f.text("StaticText3"), QStringLiteral("Longueur courant"));
        EXPECT_EQ(e->text(), QString());
        QTest::keyClicks(e, "100");
        QTest::keyClick(e, Qt::Key_Enter);  // the keypad's Enter too
        EXPECT_EQ(f.status(), QStringLiteral("Angle du segment suivant"));
        EXPECT_EQ(f.child<QLineEdit>("Edit2")->text(), QStringLiteral("90.0"));
        QTest::keyClicks(e, "90");
        QTest::keyClick(e, Qt::Key_Return);
        QTest::keyClicks(e, "50");
        QTest::keyClick(e, Qt::Key_Return);
        EXPECT_TRUE(f.messages.shown.empty());

        f.answerSequenceWindow();
        QTest::keyClick(e, Qt::Key_F8);
    });
    result = f.window.exec();

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(f.sequenceShown, 1);
    const PartRecord& p = f.state.part;
    EXPECT_FLOAT_EQ(p.startOrientation, 0);
    EXPECT_EQ(p.profileBendCount, 1);
    EXPECT_FLOAT_EQ(p.profile[0].length, 100);
    EXPECT_FLOAT_EQ(p.profile[0].angle, 90);
    EXPECT_EQ(p.profile[0].index, 0);
    EXPECT_EQ(p.profile[0].order, -1);
    EXPECT_FLOAT_EQ(p.profile[1].length, 50);
    EXPECT_FLOAT_EQ(p.profile[1].angle, 0);
    EXPECT_EQ(p.profile[1].index, -1);
    EXPECT_EQ(p.profile[1].order, -1);
    EXPECT_EQ(p.currentBend, -1);
    EXPECT_EQ(p.lastBend, -1);
    EXPECT_NEAR(p.sketch[1].x2, 100, 1e-4);
    EXPECT_NEAR(p.sketch[1].y2, 50, 1e-4);

    // Opening the window again starts a new drawing from the thickness.
    f.window.show();
    EXPECT_EQ(f.text("StaticText1"), QStringLiteral("Epaisseur :"));
    EXPECT_EQ(f.edit1()->text(), QStringLiteral("0.1"));
    EXPECT_EQ(p.sketchLast, -1);
}

TEST(ProfileWindow, CommaBecomesPointAndCaretRules) {
    Fixture f;
    f.window.show();
    QLineEdit* e = f.edit1();
    QTest::keyClicks(e, "1,5.");  // the first digit replaces "0.1"; the second point is swallowed
    EXPECT_EQ(e->text(), QStringLiteral("1.5"));
    QTest::keyClicks(e, "a+");
    EXPECT_EQ(e->text(), QStringLiteral("1.5"));
    e->setCursorPosition(0);
    QTest::keyClick(e, Qt::Key_Backspace);  // at position 0 the field is cleared
    EXPECT_EQ(e->text(), QString());
    e->setText(QStringLiteral("0.1"));
    e->setCursorPosition(3);
    QTest::keyClicks(e, "5");  // typed after moving to the end: appended
    EXPECT_EQ(e->text(), QStringLiteral("0.15"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_FLOAT_EQ(f.state.part.thickness, 0.15f);

    // Orientation: a minus typed at the start replaces the proposal.
    EXPECT_EQ(e->cursorPosition(), 0);
    QTest::keyClicks(e, "-45");
    EXPECT_EQ(e->text(), QStringLiteral("-45"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_FLOAT_EQ(f.state.part.startOrientation, -45);

    // Length: no minus sign.
    QTest::keyClicks(e, "-12,5");
    EXPECT_EQ(e->text(), QStringLiteral("12.5"));
}

TEST(ProfileWindow, EmptyEnterDoesNothingAndWrongNumberIsReported) {
    Fixture f;
    f.window.show();
    f.enter(QStringLiteral("1"));
    f.enter(QStringLiteral("0"));
    ASSERT_EQ(f.status(), QStringLiteral("Longueur du segment"));
    const PartRecord before = f.state.part;

    QTest::keyClick(f.edit1(), Qt::Key_Return);  // empty field
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.status(), QStringLiteral("Longueur du segment"));
    EXPECT_EQ(f.state.part, before);

    QTest::keyClicks(f.edit1(), "1.5,");  // the comma after a point makes a second point
    EXPECT_EQ(f.edit1()->text(), QStringLiteral("1.5."));
    QTest::keyClick(f.edit1(), Qt::Key_Return);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Valeur incorrecte : \"1.5.\" n'est pas un nombre"));
    EXPECT_EQ(f.messages.shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(f.edit1()->text(), QStringLiteral("1.5."));
    EXPECT_EQ(f.status(), QStringLiteral("Longueur du segment"));
    EXPECT_EQ(f.state.part, before);
    EXPECT_EQ(f.window.drawing().mode(), ProfileDrawing::Mode::Length);

    // Escape does not close the window halfway through a profile.
    QTest::keyClick(f.edit1(), Qt::Key_Escape);
    EXPECT_TRUE(f.window.isVisible());
}

TEST(ProfileWindow, PointerJumpsToTheEndOfTheRubberLine) {
    Fixture f;
    f.window.show();
    QApplication::setActiveWindow(&f.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    QWidget* canvas = f.child("Bevel1");
    f.enter(QStringLiteral("1"));
    // The origin cross fits at 457 / 20 * 0.75 pixels per mm around (401, 229);
    // the rubber line points right, 50 pixels long.
    const QPoint expected = canvas->mapToGlobal(QPoint(450, 229));
    EXPECT_NEAR(QCursor::pos().x(), expected.x(), 1);
    EXPECT_EQ(QCursor::pos().y(), expected.y());
    EXPECT_EQ(canvas->cursor().pixmap().toImage(), AngleCursor().pixmap().toImage());

    f.enter(QStringLiteral("90"));  // first segment straight up
    const ScreenPoint target = f.window.drawing().pointerTarget();
    EXPECT_EQ(QCursor::pos(), canvas->mapToGlobal(QPoint(target.x, target.y)));
    EXPECT_LT(target.y, 229);
    EXPECT_EQ(canvas->cursor().pixmap().toImage(), LengthCursor().pixmap().toImage());
    EXPECT_NE(LengthCursor().pixmap().toImage(), AngleCursor().pixmap().toImage());
}

TEST(ProfileWindow, F1TurnsRightInEveryAngleStep) {
    Fixture f;
    f.window.show();
    f.enter(QStringLiteral("1"));
    QTest::keyClick(f.edit1(), Qt::Key_F1);
    EXPECT_FLOAT_EQ(f.state.part.startOrientation, -90);
    EXPECT_FALSE(f.child("Bouton1")->isVisible());
    QTest::keyClick(f.edit1(), Qt::Key_F1);  // length step: nothing
    EXPECT_EQ(f.status(), QStringLiteral("Longueur du segment"));
    f.enter(QStringLiteral("40"));
    QTest::keyClick(f.edit1(), Qt::Key_F1);
    EXPECT_FLOAT_EQ(f.state.part.profile[0].angle, -90);
    EXPECT_EQ(f.state.part.profileBendCount, 1);
}

TEST(ProfileWindow, ButtonMinus90AndRetour) {
    Fixture f;
    f.window.show();
    f.enter(QStringLiteral("1"));
    QTest::mouseClick(f.child("Bouton1"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(f.state.part.startOrientation, -90);
    f.enter(QStringLiteral("40"));
    f.enter(QStringLiteral("90"));
    f.answerSequenceWindow();
    QTest::mouseClick(f.child("Bouton8"), Qt::LeftButton);  // in a length step: bend 90 dropped
    EXPECT_EQ(f.sequenceShown, 1);
    EXPECT_EQ(f.window.result(), QDialog::Accepted);
    EXPECT_EQ(f.state.part.profileBendCount, 0);
    EXPECT_EQ(f.state.part.profile[0].index, -1);
    EXPECT_FLOAT_EQ(f.state.part.profile[0].length, 40);
}

TEST(ProfileWindow, SegmentLimitLeavesOnlyF8) {
    Fixture f;
    f.window.show();
    for (const char* v : {"1", "0", "10", "90", "10", "90", "10", "90", "10", "-90", "10"})
        f.enter(QString::fromLatin1(v));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Nombre de segment maximun"));
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Avertissement"));
    EXPECT_EQ(f.messages.shown[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(f.status(), QStringLiteral("Touche F8 pour finir"));
    EXPECT_FALSE(f.edit1()->isVisible());
    EXPECT_FALSE(f.child("StaticText1")->isVisible());
    EXPECT_FALSE(f.child("Edit2")->isVisible());

    f.answerSequenceWindow();
    QTest::keyClick(&f.window, Qt::Key_F8);
    EXPECT_EQ(f.sequenceShown, 1);
    EXPECT_EQ(f.window.result(), QDialog::Accepted);
    EXPECT_EQ(f.state.part.profileBendCount, 4);
    EXPECT_EQ(f.state.part.profile[4].index, -1);
}

TEST(ProfileWindow, PointerPreviewsAndPaintsWithoutCommitting) {
    Fixture f;
    f.window.show();
    for (const char* v : {"2", "0", "120", "90", "60", "-90", "80", "135"}) f.enter(QString::fromLatin1(v));
    f.enter(QStringLiteral("40"));  // four segments; the fifth angle is asked
    const auto profile = f.state.part.profile;
    const int bends = f.state.part.profileBendCount;
    ASSERT_EQ(bends, 3);

    // Point the mouse straight up from the end of the last segment.
    const SketchEntity& last = f.state.part.sketch[3];
    const ScreenPoint end = f.window.drawing().view().map(last.x2, last.y2);
    QWidget* canvas = f.child("Bevel1");
    QMouseEvent move(QEvent::MouseMove, QPointF(end.x, end.y - 80), canvas->mapToGlobal(QPointF(end.x, end.y - 80)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    EXPECT_EQ(f.text("StaticText3"), QStringLiteral("Angle courant :"));
    EXPECT_FALSE(f.child<QLineEdit>("Edit2")->text().isEmpty());
    EXPECT_NE(f.child<QLineEdit>("Edit2")->text(), QStringLiteral("0.0"));
    EXPECT_EQ(f.state.part.profile, profile);
    EXPECT_EQ(f.state.part.profileBendCount, bends);

    const QImage& image = f.window.bitmap();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(2, 2), f.window.palette().color(QPalette::Window));
    int red = 0, green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(255, 0, 0);
            green += c == QColor(0, 128, 0);
        }
    EXPECT_GT(red, 300);   // four segments of at least 40 pixels
    EXPECT_GT(green, 50);  // the arc and the rubber line

    // Kept as the picture of the window in the documentation when asked for.
    const QByteArray shotDir = qgetenv("ZELPOR_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) f.window.grab().save(QString::fromLocal8Bit(shotDir) + QStringLiteral("/profile-drawing.png"));
}

}  // namespace
}  // namespace zelpor

namespace zelpor {
namespace {

int CountColour(const QImage& image, QRect area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// Sketches kept in a part may hold every entity type; the window draws them all.
TEST(ProfileWindow, PaintsEveryEntityType) {
    Fixture f;
    f.window.FormActivate();  // one pixel per millimetre, origin at (1, 456)
    PartRecord& p = f.state.part;
    auto add = [&p](std::int32_t type, std::int32_t colour) -> SketchEntity& {
        SketchEntity& e = p.sketch[static_cast<std::size_t>(++p.sketchLast)];
        e = SketchEntity{};
        e.type = type;
        e.colour = colour;
        return e;
    };
    SketchEntity& solid = add(kLine, 0x0000FF);
    solid.x1 = 10, solid.y1 = 400, solid.x2 = 210, solid.y2 = 400;
    SketchEntity& dotted = add(kLine, 0x0000FF);
    dotted.style.assign("DOT");
    dotted.x1 = 10, dotted.y1 = 300, dotted.x2 = 210, dotted.y2 = 300;
    SketchEntity& circle = add(kCircle, 0xFF0000);  // blue
    circle.x1 = 400, circle.y1 = 300, circle.radius = 30;
    SketchEntity& arc = add(kArc, 0x00FFFF);  // yellow, upper half
    arc.x1 = 600, arc.y1 = 300, arc.radius = 40, arc.startAngle = 0, arc.endAngle = 180;
    SketchEntity& text = add(kText, 0xFFFFFF);
    text.x1 = 100, text.y1 = 150, text.textHeight = 30, text.textIndex = 2;
    p.sketchTexts[2].assign("PLI");
    SketchEntity& lost = add(kText, 0xFF00FF);
    lost.x1 = 300, lost.y1 = 150, lost.textHeight = 30, lost.textIndex = 99;  // outside the text table
    add(5, 0x00FF00).x2 = 300;  // unknown type: ignored
    f.window.FormPaint();

    const QImage& img = f.window.bitmap();
    const int solidPixels = CountColour(img, QRect(0, 56, 799, 1), QColor(255, 0, 0));
    const int dottedPixels = CountColour(img, QRect(0, 156, 799, 1), QColor(255, 0, 0));
    EXPECT_GE(solidPixels, 199);
    EXPECT_GT(dottedPixels, 20);
    EXPECT_LT(dottedPixels, solidPixels * 3 / 4);
    EXPECT_GT(CountColour(img, QRect(370, 125, 61, 61), QColor(0, 0, 255)), 100);
    EXPECT_EQ(CountColour(img, QRect(396, 151, 9, 9), QColor(0, 0, 255)), 0);  // not filled
    const QColor yellow(255, 255, 0);
    EXPECT_GT(CountColour(img, QRect(555, 110, 91, 45), yellow), 60);  // above the centre
    EXPECT_EQ(CountColour(img, QRect(555, 158, 91, 45), yellow), 0);   // nothing below
    int lettering = 0;
    for (int y = 280; y < 350; ++y)
        for (int x = 50; x < 200; ++x) lettering += qRed(img.pixel(x, y)) > 200 && qBlue(img.pixel(x, y)) > 200;
    EXPECT_GT(lettering, 30);
    EXPECT_EQ(CountColour(img, QRect(0, 0, 799, 453), QColor(255, 0, 255)), 0);
    EXPECT_EQ(CountColour(img, QRect(0, 0, 799, 453), QColor(0, 255, 0)), 0);
}

}  // namespace
}  // namespace zelpor
