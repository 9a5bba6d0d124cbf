#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "common/WindowSet.h"
#include "core/sequence/SequenceFixtures.h"
#include "sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tools/ToolLibraryWindow.h"
#include "workspace/AppState.h"

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

    SequenceWindowTest() {
        windows.punchLibrary = &punchLibrary;
        windows.dieLibrary = &dieLibrary;
        windows.sequence = &window;
        state.workspace.pathCustomers = dir.folder() + "Affaires/";
        state.workspace.customer = "ATELIER";
        state.workspace.part = "CAPOT";
        state.workspace.pathTools = dir.folder() + "Outils/";
        std::filesystem::create_directories(dir.path() / "Outils");
        test::WriteAll(state.punchFilePath("P88-67"), EncodePunch(test::PunchP88_67()));
        test::WriteAll(state.dieFilePath("V16"), EncodeDie(test::DieV16()));
    }

    void loadTools() {
        state.punch.name = "P88-67";
        state.die.name = "V16";
        ASSERT_TRUE(LoadPunchFile(state.punch, state.punchFilePath("P88-67")));
        ASSERT_TRUE(LoadDieFile(state.die, state.dieFilePath("V16")));
    }

    QPushButton* button(int i) { return window.findChild<QPushButton*>(QStringLiteral("Bouton%1").arg(i)); }
    QString status() { return window.findChild<QStatusBar*>(QStringLiteral("StatusBar2"))->currentMessage(); }
    void click(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }

    // Runs the window modally; `inside` acts as the user while it is open and
    // should end with "Retour".
    int runModal(const std::function<void()>& inside) {
        // Waits until the window's own modal loop runs (a library may be open first).
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

    QRgb pixelAt(float x, float y) {
        const ViewTransform& v = window.program().scene().view;
        return window.bitmap().pixel(v.mapX(x), v.mapY(y)) & 0xFFFFFF;
    }
    int countColour(QRgb colour) {
        int count = 0;
        const QImage& img = window.bitmap();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) count += (img.pixel(x, y) & 0xFFFFFF) == colour;
        return count;
    }
};

TEST_F(SequenceWindowTest, LayoutBeforeTheFirstOpening) {
    EXPECT_EQ(window.objectName(), QStringLiteral("TFormSequence"));
    EXPECT_EQ(window.size(), QSize(795, 571));
    QWidget* panel2 = window.findChild<QWidget*>(QStringLiteral("Panel2"));
    ASSERT_NE(panel2, nullptr);
    EXPECT_EQ(panel2->geometry(), QRect(-8, 0, 803, 457));
    // The back buffer is made when the window first opens, at the area's size.
    EXPECT_TRUE(window.bitmap().isNull());
    const int xs[] = {11, 107, 203, 299, 408, 504, 599, 695};
    for (int i = 1; i <= 8; ++i) {
        ASSERT_NE(button(i), nullptr);
        EXPECT_EQ(button(i)->geometry(), QRect(xs[i - 1], 4, 89, 42));
    }
    EXPECT_EQ(button(8)->text(), QStringLiteral("Retour"));
    EXPECT_FALSE(button(8)->isHidden());
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(button(i)->isHidden()) << i;
}

TEST_F(SequenceWindowTest, ThreeBendsWalkedThroughAndSaved) {
    loadTools();
    // A U-channel with a lip: side 60, base 100, side 60, lip 20.
    test::SetProfile(state.part, 2, {60, 100, 60, 20}, {90, 90, 135});
    ComputeSequenceCorrections(state.part, 16);  // from an earlier opening

    const int result = runModal([&] {
        EXPECT_EQ(window.bitmap().size(), QSize(803, 457));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Zelpor2     Sequence -> CAPOT"));
        EXPECT_EQ(status(), QStringLiteral("Longueur développée: 230.74mm"));
        EXPECT_EQ(button(1)->text(), QStringLiteral("Validation pli"));
        EXPECT_EQ(button(4)->text(), QStringLiteral("Pivote Piece"));
        EXPECT_TRUE(button(1)->isVisible() && button(1)->isEnabled());
        EXPECT_TRUE(button(7)->isVisible() && button(7)->isEnabled());
        EXPECT_EQ(button(7)->text(), QStringLiteral("Angle suivant"));
        EXPECT_FALSE(button(6)->isVisible());

        // The stop is drawn filled, its left face at side 100 less half the correction.
        const float stopX = 100 + state.part.profile[0].correction / 2;
        EXPECT_EQ(pixelAt(stopX + 5, 10), qRgb(128, 0, 0) & 0xFFFFFF);

        click(4);
        EXPECT_EQ(status(), QStringLiteral("Piece pivoté"));
        EXPECT_EQ(state.part.profile[0].pivot, 1);
        click(4);
        EXPECT_EQ(status(), QString());
        EXPECT_EQ(state.part.profile[0].pivot, 0);

        click(1);  // bend 0 is done last
        EXPECT_FALSE(button(1)->isEnabled());
        EXPECT_FALSE(button(4)->isEnabled());
        EXPECT_GT(countColour(qRgb(255, 255, 0) & 0xFFFFFF), 0);  // its number "1/1"

        click(7);
        click(7);
        EXPECT_EQ(window.program().step(), 2);
        EXPECT_FALSE(button(7)->isEnabled());
        EXPECT_TRUE(button(6)->isVisible() && button(6)->isEnabled());
        EXPECT_EQ(button(6)->text(), QStringLiteral("Angle précedant"));
        EXPECT_TRUE(button(1)->isEnabled());
        click(1);  // the lip before it

        click(6);
        EXPECT_EQ(window.program().step(), 1);
        EXPECT_TRUE(button(7)->isEnabled());
        click(4);  // the base bend with the part turned around
        EXPECT_EQ(status(), QStringLiteral("Piece pivoté"));
        click(1);  // and first of all

        click(6);
        EXPECT_EQ(window.program().step(), 0);
        EXPECT_FALSE(button(6)->isEnabled());
        EXPECT_FALSE(button(1)->isEnabled());
        click(8);
    });
    EXPECT_EQ(result, QDialog::Accepted);

    const PartRecord& part = state.part;
    EXPECT_EQ(part.lastBend, 2);
    EXPECT_EQ(part.currentBend, 0);
    EXPECT_EQ(part.profile[0].order, 2);
    EXPECT_EQ(part.profile[1].order, 0);
    EXPECT_EQ(part.profile[2].order, 1);
    EXPECT_EQ(part.profile[1].pivot, 1);
    EXPECT_EQ(part.profile[0].pivot, 0);
    EXPECT_EQ(part.profile[3].order, -1);
    EXPECT_FLOAT_EQ(part.bends[0].angle, 90);
    EXPECT_FLOAT_EQ(part.bends[1].angle, 135);
    EXPECT_FLOAT_EQ(part.bends[2].angle, 90);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(part.bends[i].punch.str(), "P88-67");
        EXPECT_EQ(part.bends[i].die.str(), "V16");
        EXPECT_FLOAT_EQ(part.bends[i].opening, 10);
    }

    // The window does not save; the main window does, and the file holds the program.
    const std::string file = state.workspace.partFilePath();
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_EQ(state.writeCurrentPart(), 1);
    EXPECT_EQ(std::filesystem::file_size(file), PartRecord::kFileSize);
    PartRecord reread;
    ASSERT_TRUE(ReadPart(reread, state.workspace.pathCustomers, "ATELIER", "CAPOT.pie"));
    EXPECT_EQ(reread.profile, part.profile);
    EXPECT_EQ(reread.bends, part.bends);
    EXPECT_EQ(reread.lastBend, 2);
    EXPECT_EQ(reread.currentBend, 0);
}

// The whole program decided from the keyboard: function keys press the
// buttons of their number, Enter the button that has the focus.
TEST_F(SequenceWindowTest, KeyboardAlone) {
    loadTools();
    test::SetProfile(state.part, 2, {60, 100, 60}, {90, 135});
    const int result = runModal([&] {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(keys, Qt::Key_F6);  // hidden at the first bend: nothing
        EXPECT_EQ(window.program().step(), 0);
        QTest::keyClick(keys, Qt::Key_F4);
        EXPECT_EQ(state.part.profile[0].pivot, 1);
        EXPECT_EQ(status(), QStringLiteral("Piece pivoté"));
        QTest::keyClick(keys, Qt::Key_F1);
        EXPECT_EQ(state.part.profile[0].order, 0);
        EXPECT_FALSE(button(1)->isEnabled());
        QTest::keyClick(keys, Qt::Key_F4);  // disabled once validated
        EXPECT_EQ(state.part.profile[0].pivot, 1);
        QTest::keyClick(keys, Qt::Key_F7);
        EXPECT_EQ(window.program().step(), 1);
        EXPECT_FALSE(button(7)->isEnabled());
        EXPECT_TRUE(button(6)->isEnabled());
        button(1)->setFocus();
        ASSERT_TRUE(button(1)->hasFocus());
        QTest::keyClick(button(1), Qt::Key_Return);
        EXPECT_EQ(state.part.profile[1].order, 0);
        EXPECT_EQ(state.part.profile[0].order, 1);
        EXPECT_FLOAT_EQ(state.part.bends[0].angle, 135);
        EXPECT_FLOAT_EQ(state.part.bends[1].angle, 90);
        QTest::keyClick(button(1), Qt::Key_F8);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(state.part.lastBend, 1);
}

TEST_F(SequenceWindowTest, EveryOpeningStartsAtTheFirstBend) {
    loadTools();
    test::SetProfile(state.part, 2, {60, 100, 60}, {90, 90});
    runModal([&] {
        click(7);
        click(8);
    });
    EXPECT_EQ(window.program().step(), 1);
    runModal([&] {
        EXPECT_EQ(window.program().step(), 0);
        EXPECT_FALSE(button(6)->isVisible());
        EXPECT_TRUE(button(7)->isEnabled());
        click(8);
    });
}

TEST_F(SequenceWindowTest, MissingDieOpensTheDieLibraryAndGoesOnWithoutOne) {
    state.punch.name = "P88-67";
    ASSERT_TRUE(LoadPunchFile(state.punch, state.punchFilePath("P88-67")));
    test::SetProfile(state.part, 2, {100, 50}, {90});
    QString libraryShown;
    QTimer::singleShot(0, &window, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        libraryShown = modal->objectName();
        modal->close();  // the user closes the library without choosing
    });
    runModal([&] {
        // No die: corrections from a V of 0, the part and the stop still shown.
        EXPECT_EQ(status(), QStringLiteral("Longueur développée: 146.79mm"));
        click(8);
    });
    EXPECT_EQ(libraryShown, QStringLiteral("TFormListMatrice"));
    EXPECT_TRUE(state.die.selectionRequest);
    EXPECT_FALSE(state.punch.selectionRequest);
    EXPECT_NEAR(state.part.profile[0].correction, -3.2088, 1e-4);
    int dieLines = 0, partLines = 0;
    for (const auto& e : window.program().scene().scene.elements) {
        dieLines += e.name.str() == "Die";
        partLines += e.name.str() == "Piece";
    }
    EXPECT_EQ(dieLines, 0);
    EXPECT_EQ(partLines, 4);
}

TEST_F(SequenceWindowTest, ScreenshotsOfThreeSteps) {
    loadTools();
    test::SetProfile(state.part, 2, {60, 100, 60, 20}, {90, 90, 135});
    ComputeSequenceCorrections(state.part, 16);
    const QByteArray target = qgetenv("ZELPOR_SCREENSHOT_DIR");
    std::vector<QImage> shots;
    runModal([&] {
        // Worked backwards from the finished channel: the base bend is done last...
        click(7);
        shots.push_back(window.grab().toImage());
        click(1);
        // ...the lip before it, with the short lip against the stop...
        click(7);
        shots.push_back(window.grab().toImage());
        click(1);
        // ...and the first side first of all. Back on the base bend: the
        // part lies flat on the die with the two earlier bends made.
        click(6);
        click(6);
        click(1);
        click(7);
        EXPECT_EQ(window.program().scene().scene.texts,
                  (std::vector<std::string>{"3/3", "1/3", "2/3"}));
        shots.push_back(window.grab().toImage());
        click(8);
    });
    ASSERT_EQ(shots.size(), 3u);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        EXPECT_EQ(shots[i].size(), QSize(795, 571));
        const QString name = QStringLiteral("sequence-%1.png").arg(i + 1);
        EXPECT_TRUE(shots[i].save(QString::fromStdString(dir.file(name.toStdString()))));
        if (!target.isEmpty()) shots[i].save(QString::fromLocal8Bit(target) + QStringLiteral("/") + name);
    }
}

}  // namespace
}  // namespace zelpor
