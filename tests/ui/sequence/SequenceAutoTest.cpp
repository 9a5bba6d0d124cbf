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
#include "sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"
#include "support/ByteDiff.h"

namespace zelpor {
namespace {

// The sequence window opened on a typed profile, the V16 die and a punch
// loaded, the operator driving it from the keyboard.
struct SequenceAutoTest : ::testing::Test {
    test::TempDir dir;
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    SequenceWindow window{state, windows, messages};

    void open(const PartRecord& part, const std::function<void()>& inside,
              const PunchRecord& punch = test::SamplePunchP88_67()) {
        state.workspace = {dir.folder() + "Affaires/", "ATELIER", "CAPOT", dir.folder() + "Outils/"};
        state.punch.name = "P88-67";
        state.punch.record = punch;
        state.die.name = "V16";
        state.die.record = test::SampleDieV16();
        state.part = part;
        std::function<void()> act = [&] {
            if (QApplication::activeModalWidget() != &window) return QTimer::singleShot(5, &window, act);
            window.activateWindow();
            inside();
            if (window.isVisible()) window.reject();
        };
        QTimer::singleShot(0, &window, act);
        window.exec();
    }
    QString status() { return window.findChild<QStatusBar*>(QStringLiteral("StatusBar2"))->currentMessage(); }
    QString collision() { return window.findChild<QLabel*>(QStringLiteral("CollisionLabel"))->text(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, k); }
};

// F3 finds the order for a U channel on a gooseneck and stores it as the
// validations by hand would, byte for byte.
TEST_F(SequenceAutoTest, F3StoresTheOrderLikeValidationsByHand) {
    const PartRecord part = test::TypedProfile(2, {30, 40, 30}, {90, 90});
    using S = SequenceProgram;  // bend 1 pivoted and made last, then bend 0
    const PartRecord byHand = test::ByHand(part, {&S::pivot, &S::validate, &S::next, &S::validate},
                                           test::GooseneckPunch());
    open(part, [&] {
        key(Qt::Key_F3);
        EXPECT_EQ(status(), QStringLiteral("Séquence auto: 2 plis sans collision"));
        EXPECT_EQ(collision(), QString());
    }, test::GooseneckPunch());
    EXPECT_TRUE(test::SameBytes(EncodePart(state.part), EncodePart(byHand)));
    EXPECT_TRUE(messages.shown.empty());
}

// A colliding bend is drawn in the warning colour and named beside the
// status; validating it asks first, and "Non" leaves it as it was.
TEST_F(SequenceAutoTest, CollidingBendShownAndConfirmed) {
    const std::string text = "Collision poinçon à 104°";
    open(test::TypedProfile(2, {30, 40, 30}, {90, 90}), [&] {
        EXPECT_EQ(collision().toStdString(), text);
        const QImage& image = window.bitmap();
        int warning = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) warning += (image.pixel(x, y) & 0xFFFFFF) == 0xFF8000;
        EXPECT_GT(warning, 50);
        messages.answers = {QMessageBox::No};
        key(Qt::Key_F1);
        EXPECT_EQ(messages.lastText().toStdString(), text + ".\nValider ce pli malgré la collision ?");
        EXPECT_EQ(state.part.profile[0].order, -1);
        key(Qt::Key_F1);  // "Oui" this time
        EXPECT_EQ(state.part.profile[0].order, 0);
    });
    EXPECT_EQ(messages.shown.size(), 2u);
}

// Without any order free of collision nothing is stored: the operator is
// shown the least bad order and what goes wrong in it.
TEST_F(SequenceAutoTest, NoOrderWithoutCollision) {
    const PartRecord part = test::TypedProfile(2, {20, 20, 100}, {-90, 90});
    open(part, [&] {
        window.findChild<QPushButton*>(QStringLiteral("Bouton3"))->click();
        EXPECT_EQ(status(), QStringLiteral("Aucune séquence sans collision"));
    });
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("Aucune séquence sans collision\n\n1  pli 2")));
    EXPECT_TRUE(messages.lastText().endsWith(QStringLiteral("Collision matrice à 180°")));
    EXPECT_TRUE(test::SameBytes(EncodePart(state.part), EncodePart(part)));
}

}  // namespace
}  // namespace zelpor
