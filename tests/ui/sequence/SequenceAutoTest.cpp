#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "common/WindowSet.h"
#include "core/collision/CollisionFixtures.h"
#include "sequence/AutoSequence.h"
#include "sequence/CollisionMarks.h"
#include "sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

// The sequence window opened on a profile with its tools already loaded, the
// operator driving it from the keyboard.
struct SequenceAutoTest : ::testing::Test {
    test::TempDir dir;
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    SequenceWindow window{state, windows, messages};

    void useTools(const PunchRecord& punch, const char* punchName) {
        state.workspace = {dir.folder() + "Affaires/", "ATELIER", "CAPOT", dir.folder() + "Outils/"};
        state.punch.name = punchName;
        state.punch.record = punch;
        state.die.name = "V16";
        state.die.record = test::SampleDieV16();
    }

    QPushButton* button(int i) { return window.findChild<QPushButton*>(QStringLiteral("Bouton%1").arg(i)); }
    QString status() { return window.findChild<QStatusBar*>(QStringLiteral("StatusBar2"))->currentMessage(); }
    QString collision() { return window.findChild<QLabel*>(QStringLiteral("CollisionLabel"))->text(); }
    void key(Qt::Key k) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, k);
    }

    void runModal(const std::function<void()>& inside) {
        std::function<void()> act = [&] {
            if (QApplication::activeModalWidget() != &window) {
                QTimer::singleShot(5, &window, act);
                return;
            }
            window.activateWindow();
            inside();
            if (window.isVisible()) window.reject();
        };
        QTimer::singleShot(0, &window, act);
        window.exec();
    }

    int warningPixels() {
        int count = 0;
        const QImage& image = window.bitmap();
        const QRgb warning = qRgb(255, 128, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (warning & 0xFFFFFF);
        return count;
    }
};

// F3 finds the order for a U channel on a gooseneck and stores it as the
// validations by hand would, byte for byte.
TEST_F(SequenceAutoTest, F3StoresTheOrderLikeValidationsByHand) {
    useTools(test::GooseneckPunch(), "COL");
    state.part = test::TypedProfile(2, {30, 40, 30}, {90, 90});
    PartRecord byHand = state.part;
    {
        TPoincon punch = state.punch;
        TMatrice die = state.die;
        SequenceProgram program(byHand, punch, die);
        program.activate({}, {});
        program.pivot();
        program.validate();  // bend 1 pivoted, made last
        program.next();
        program.validate();
    }
    runModal([&] {
        EXPECT_TRUE(button(3)->isVisible() && button(3)->isEnabled());
        EXPECT_EQ(button(3)->text(), QStringLiteral("Séquence auto"));
        key(Qt::Key_F3);
        EXPECT_EQ(status(), QStringLiteral("Séquence auto: 2 plis sans collision"));
        EXPECT_EQ(collision(), QString());
    });
    EXPECT_EQ(EncodePart(state.part), EncodePart(byHand));
    EXPECT_TRUE(messages.shown.empty());
}

// A colliding bend is drawn in the warning colour and named beside the
// status; validating it asks first, and "Non" leaves it as it was.
TEST_F(SequenceAutoTest, CollidingBendShownAndConfirmed) {
    useTools(test::SamplePunchP88_67(), "P88-67");
    state.part = test::TypedProfile(2, {30, 40, 30}, {90, 90});
    const CollisionSetup setup = PrepareCollisionSetup(state.punch.record, state.die.record, {});
    const BendCheck expected = CheckShownBend(setup, state.part, 0);
    ASSERT_TRUE(expected.collides());
    runModal([&] {
        EXPECT_EQ(collision(), QString::fromStdString(CollisionText(expected)));
        EXPECT_EQ(status(), QStringLiteral("Longueur développée: 91.96mm"));
        EXPECT_GT(warningPixels(), 50);
        messages.answers = {QMessageBox::No};
        key(Qt::Key_F1);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.lastText(), QString::fromStdString(CollisionText(expected)) +
                                           QStringLiteral(".\nValider ce pli malgré la collision ?"));
        EXPECT_EQ(state.part.profile[0].order, -1);
        key(Qt::Key_F1);  // "Oui" this time
        EXPECT_EQ(state.part.profile[0].order, 0);
    });
}

// Without any order free of collision nothing is stored: the operator is
// shown the least bad order and what goes wrong in it.
TEST_F(SequenceAutoTest, NoOrderWithoutCollision) {
    useTools(test::SamplePunchP88_67(), "P88-67");
    state.part = test::TypedProfile(2, {20, 20, 100}, {-90, 90});
    const std::vector<std::uint8_t> before = EncodePart(state.part);
    runModal([&] {
        button(3)->click();
        EXPECT_EQ(status(), QStringLiteral("Aucune séquence sans collision"));
    });
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("Aucune séquence sans collision\n\n1  pli 2")));
    EXPECT_TRUE(messages.lastText().endsWith(QStringLiteral("Collision matrice à 180°")));
    EXPECT_EQ(EncodePart(state.part), before);
}

}  // namespace
}  // namespace zelpor
