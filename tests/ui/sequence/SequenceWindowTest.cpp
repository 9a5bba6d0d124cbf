#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ui/common/WindowSet.h"
#include "core/collision/CollisionFixtures.h"
#include "ui/sequence/SequenceWindow.h"
#include "support/ByteDiff.h"
#include "support/Golden.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

// A job folder and a tools folder holding the sample punch P88-67 and die V16,
// and the windows the sequence window reaches.
struct SequenceWindowTest : ::testing::Test {
    test::TempDir dir;
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    ToolLibraryWindow punchLibrary{state, ToolKind::Punch, messages};
    ToolLibraryWindow dieLibrary{state, ToolKind::Die, messages};
    SequenceWindow window{state, windows, messages};
    PunchRecord punch = test::SamplePunchP88_67();  // the one `open` puts in use

    SequenceWindowTest() {
        windows.punchLibrary = &punchLibrary;
        windows.dieLibrary = &dieLibrary;
        windows.sequence = &window;
        state.workspace = {dir.folder() + "Affaires/", "ATELIER", "CAPOT", dir.folder() + "Outils/"};
        std::filesystem::create_directories(dir.path() / "Outils");
        test::WriteAll(state.punchFilePath("P88-67"), EncodePunch(punch));
        test::WriteAll(state.dieFilePath("V16"), EncodeDie(test::SampleDieV16()));
        EXPECT_TRUE(state.loadPunch("P88-67"));
    }
    QPushButton* button(int i) { return window.findChild<QPushButton*>(QStringLiteral("Bouton%1").arg(i)); }
    QString status() { return window.findChild<QStatusBar*>(QStringLiteral("StatusBar2"))->currentMessage(); }
    void click(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }

    // Runs the window modally once its own loop runs (a library may be open
    // first); `inside` acts as the user and should end with "Retour".
    int runModal(const std::function<void()>& inside) {
        std::function<void()> act = [&] {
            if (QApplication::activeModalWidget() != &window) {
                QTimer::singleShot(5, &window, act);
                return;
            }
            inside();
            if (window.isVisible()) window.reject();
        };
        QTimer::singleShot(0, &window, act);
        return window.exec();
    }
    // The window on `part` with the V16 die and `punch`, driven from the keyboard.
    void open(const PartRecord& part, const std::function<void()>& inside) {
        ASSERT_TRUE(state.loadDie("V16"));
        state.punch.record = punch;
        state.part = part;
        runModal([&] {
            window.activateWindow();
            inside();
        });
    }
    QString collision() { return window.findChild<QLabel*>(QStringLiteral("CollisionLabel"))->text(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, k); }
};

// The button states themselves are the program's, and the route from the
// drawing is driven end to end elsewhere; here the drawing shows, function keys press the buttons of their number,
// Enter the button that has the focus, and the window leaves saving to the main window.
TEST_F(SequenceWindowTest, CaptionsDrawingAndKeys) {
    // A U-channel with a lip: side 60, base 100, side 60, lip 20.
    open(test::TypedProfile(2, {60, 100, 60, 20}, {90, 90, 135}), [&] {
        EXPECT_EQ(status(), QStringLiteral("Longueur d\u00E9velopp\u00E9e: 230.74mm"));
        EXPECT_TRUE(test::MatchesGolden(window.bitmap(), "sequence-u-channel-with-lip"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        key(Qt::Key_F6);      // hidden at the first bend: nothing
        key(Qt::Key_Escape);  // no cancel button: the window stays
        EXPECT_TRUE(window.isVisible());
        // Pivot; validate, pivot again (disabled once validated), on to the lip.
        for (Qt::Key k : {Qt::Key_F4, Qt::Key_F1, Qt::Key_F4, Qt::Key_F7, Qt::Key_F7}) key(k);
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Return);  // the lip before the first bend
        QTest::keyClick(button(1), Qt::Key_F6);
        EXPECT_EQ(window.program().step(), 1);
        click(8);
    });
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const PartRecord& part = state.part;
    EXPECT_EQ(part.lastBend, 1);
    const int orders[] = {1, -1, 0, -1}, pivots[] = {1, 0, 0, 0};
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(std::pair(part.profile[k].order, int{part.profile[k].pivot}), std::pair(orders[k], pivots[k])) << k;
    EXPECT_FLOAT_EQ(part.bends[0].angle, 135);
    EXPECT_EQ(part.bends[0].punch.str() + part.bends[0].die.str(), "P88-67V16");  // the tools loaded in the state
    EXPECT_FALSE(std::filesystem::exists(state.workspace.partFilePath()));
}

TEST_F(SequenceWindowTest, MissingDieOpensTheDieLibraryAndGoesOnWithoutOne) {
    test::SetProfile(state.part, 2, {100, 50}, {90});
    QString libraryShown;
    QTimer::singleShot(0, &window, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            libraryShown = modal->objectName();
            modal->close();  // the user closes the library without choosing
        }
    });
    runModal([&] { click(8); });
    EXPECT_EQ(libraryShown, QStringLiteral("TFormListMatrice"));
    EXPECT_TRUE(state.die.selectionRequest && !state.punch.selectionRequest);
    std::string names;
    for (const auto& e : window.program().scene().scene.elements) names += e.name.str()[0];
    EXPECT_EQ(names, "PPPPPbbbbbPPPP");  // no die: punch, stop and its fill, flanges and flat sheet
}

// F3 finds the order for a U channel on a gooseneck and stores it as the
// validations by hand would, byte for byte.
TEST_F(SequenceWindowTest, F3StoresTheOrderLikeValidationsByHand) {
    const PartRecord part = test::TypedProfile(2, {30, 40, 30}, {90, 90});
    punch = test::GooseneckPunch();
    using S = SequenceProgram;  // bend 1 pivoted and made last, then bend 0
    const PartRecord byHand = test::ByHand(part, {&S::pivot, &S::validate, &S::next, &S::validate}, punch);
    open(part, [&] {
        key(Qt::Key_F3);
        EXPECT_EQ(status(), QStringLiteral("Séquence auto: 2 plis sans collision"));
    });
    EXPECT_TRUE(test::SameBytes(EncodePart(state.part), EncodePart(byHand)));
    EXPECT_TRUE(messages.shown.empty());
}

// A colliding bend is named beside the status (its warning colour is in the
// golden pictures); validating it asks first, and "Non" leaves it as it was.
TEST_F(SequenceWindowTest, CollidingBendShownAndConfirmed) {
    const std::string text = "Collision poinçon à 104°";
    open(test::TypedProfile(2, {30, 40, 30}, {90, 90}), [&] {
        EXPECT_EQ(collision().toStdString(), text);
        messages.answers = {QMessageBox::No};
        key(Qt::Key_F1);
        EXPECT_EQ(messages.lastText().toStdString(), text + ".\nValider ce pli malgré la collision ?");
        EXPECT_EQ(state.part.profile[0].order, -1);
        key(Qt::Key_F1);  // "Oui" this time
        EXPECT_EQ(state.part.profile[0].order, 0);
    });
}

// Without any order free of collision nothing is stored: the operator is
// shown the least bad order and what goes wrong in it.
TEST_F(SequenceWindowTest, NoOrderWithoutCollision) {
    const PartRecord part = test::TypedProfile(2, {20, 20, 100}, {-90, 90});
    open(part, [&] { click(3); });
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("Aucune séquence sans collision\n\n1  pli 2")));
    EXPECT_TRUE(messages.lastText().endsWith(QStringLiteral("Collision matrice à 180°")));
    EXPECT_TRUE(test::SameBytes(EncodePart(state.part), EncodePart(part)));
}

}  // namespace
}  // namespace zelpor
