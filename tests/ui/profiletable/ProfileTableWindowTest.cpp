#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstring>
#include <vector>

#include "ui/app/Application.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/profile/ProfileWindow.h"
#include "ui/profiletable/ProfileTableWindow.h"
#include "core/sequence/ProfileChange.h"
#include "core/sequence/SequenceProgram.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "support/ByteDiff.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;

// A first start in a fresh folder (sample tools installed), a job and a part,
// the punch P88-67 and the die V16 in use.
struct Start {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    test::ScriptedMessages messages;
    Application app{dir.file("zelpor"), "", &messages};
    AppState& state = app.state();

    Start() {
        state.workspace.customer = "Job";
        state.workspace.part = "Stairs";
        EXPECT_TRUE(state.loadPunch("P88-67") && state.loadDie("V16"));
        state.part.currentBend = state.part.lastBend = -1;
    }
    std::vector<std::uint8_t> savedPart() {
        EXPECT_EQ(state.writeCurrentPart(), 1);
        return test::ReadAll(state.workspace.partFilePath());
    }
};
struct TableWindowTest : ::testing::Test, Start {};

// The field with the keyboard, also while the platform has not made the
// modal window active yet.
QWidget* Focused() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal->focusWidget() : nullptr;
}

void Keys(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(Focused(), key);
}

void TypeAndEnter(const char* text) {
    QTest::keyClicks(Focused(), QString::fromLatin1(text));
    QTest::keyClick(Focused(), Qt::Key_Return);
}

// F8 in the window; once the sequence window it opens is up: `inside`, then "Retour".
void FinishThroughSequence(QObject* window, std::function<void(QWidget*)> inside = {}) {
    QTimer::singleShot(0, window, [inside] {
        QWidget* sequence = QApplication::activeModalWidget();
        ASSERT_EQ(sequence->objectName(), QStringLiteral("TFormSequence"));
        if (inside) inside(sequence);
        QTest::keyClick(sequence, Qt::Key_F8);
    });
    QTest::keyClick(Focused(), Qt::Key_F8);
}

template <typename T = std::int32_t>
T At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

TEST_F(TableWindowTest, TwelveSegmentsTypedWithKeysBecomeElevenBendsValidatedInTheSequence) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::NewProfile);
    QString status;
    QTimer::singleShot(0, &window, [&] {
        TypeAndEnter("2,0");  // thickness: the comma is a point
        TypeAndEnter("90");   // orientation
        for (int k = 0; k < 12; ++k) {
            TypeAndEnter(("-" + std::to_string(10 + 5 * k)).c_str());  // a length takes no minus
            if (k < 11 && k % 2) Keys({Qt::Key_F1});                   // -90°
            else if (k < 11) TypeAndEnter("90");                       // Enter after the last angle opens the next row
        }
        status = window.statusText();
        FinishThroughSequence(&window, [&](QWidget* sequence) {
            QTest::keyClick(sequence, Qt::Key_F1);
            QTest::keyClick(sequence, Qt::Key_F2);  // "Annule validation" (its bytes are checked in core)
            for (int k = 0; k < 11; ++k) {
                QTest::keyClick(sequence, Qt::Key_F1);
                QTest::keyClick(sequence, Qt::Key_F7);
            }
        });
    });
    ASSERT_EQ(window.exec(), QDialog::Accepted);

    const double developed = 450 + 11 * ComputeSequenceCorrection(90, 16, 2);
    EXPECT_TRUE(status.endsWith(QString::fromStdString(DevelopedLengthText(developed)))) << status.toStdString();
    const std::vector<std::uint8_t> file = savedPart();
    EXPECT_EQ(std::tuple(At(file, 4003), At(file, 294), At(file, 4607)), std::tuple(11, 10, 13));
    for (std::size_t k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        const std::size_t entry = 4007 + 24 * k, line = 4631 + 108 * k;
        EXPECT_EQ(At<float>(file, entry), static_cast<float>(10 + 5 * k));
        EXPECT_EQ(At(file, entry + 8), k < 11 ? static_cast<int>(k) : -1);
        const double length = std::hypot(At<float>(file, line + 80) - At<float>(file, line + 72),
                                         At<float>(file, line + 84) - At<float>(file, line + 76));
        EXPECT_EQ(std::tuple(At(file, line), std::lround(length)), std::tuple(1, 10 + 5 * static_cast<long>(k)));
        if (k == 11) break;
        const int order = At(file, entry + 16);  // validated first to last: the first bend typed is the last bent
        EXPECT_EQ(order, 10 - static_cast<int>(k));
        EXPECT_EQ(state.part.bends[static_cast<std::size_t>(order)].angle, k % 2 ? -90.0f : 90.0f);
    }
}

// The same profile typed in the drawing window or in the table window.
std::vector<std::uint8_t> TypedPart(bool inTable) {
    Start start;
    ProfileTableWindow table(start.state, start.app.windows(), start.messages, ProfileTableWindow::Start::NewProfile);
    QDialog* window = inTable ? static_cast<QDialog*>(&table) : start.app.windows().profile;
    QTimer::singleShot(0, window, [&] {
        for (const char* key : {"2", "0", "100", "90", "50", "-90", "80", "135", "40"}) {
            if (!inTable) qobject_cast<QLineEdit*>(Focused())->selectAll();
            TypeAndEnter(key);
        }
        FinishThroughSequence(window);
    });
    EXPECT_EQ(window->exec(), QDialog::Accepted);
    return start.savedPart();
}

TEST(TableAndDrawing, TheSameFourSegmentsGiveTheSamePartFile) {
    const std::vector<std::uint8_t> drawn = TypedPart(false);
    EXPECT_EQ(At(drawn, 4003), 3);
    EXPECT_TRUE(test::SameBytes(TypedPart(true), drawn));
}

// A validated three-bend graphic part: program 2, 0, 1, bend 0 pivoted.
struct ChangeTest : TableWindowTest {
    ChangeTest() {
        state.part.graphicProfile = 1;
        ApplyProfileTable(state.part, {2, 0, {{100, 90}, {50, 90}, {80, -90}, {40, 180}}}, false, 16.0f);
        ComputeSequenceCorrections(state.part, 16.0f);
        state.part.profile[0].pivot = 1;
        for (int step : {1, 0, 2}) EXPECT_TRUE(ValidateBend(state.part, step, "V16", "P88-67"));
    }
};

TEST_F(ChangeTest, ALengthChangedFromTheMenuKeepsTheProgramAndIsSaved) {
    const PartRecord before = state.part;
    QString status;
    QTimer::singleShot(0, app.windows().main, [&] {
        auto* window = qobject_cast<ProfileTableWindow*>(QApplication::activeModalWidget());
        Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
        TypeAndEnter("95");
        status = window->statusText();
        FinishThroughSequence(window);
    });
    app.windows().main->findChild<QAction*>(QStringLiteral("ModifieProfilTableau1"))->trigger();

    const double developed = DevelopedLength(before) + 15;
    EXPECT_TRUE(status.endsWith(QString::fromStdString(DevelopedLengthText(developed)))) << status.toStdString();
    // Saved as the same change made in core: order, pivots and bend records kept.
    PartRecord expected = before;
    ApplyProfileTable(expected, {2, 0, {{100, 90}, {50, 90}, {95, -90}, {40, 180}}}, true, 16.0f);
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, state.workspace.pathCustomers, "Job", "Stairs.pie"));
    EXPECT_TRUE(test::SameBytes(EncodePart(saved), EncodePart(expected)));
}

TEST_F(ChangeTest, InsertingOrDeletingAsksOnceAndThenClearsTheOrder) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::CurrentProfile);
    QTimer::singleShot(0, &window, [&] {
        Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});  // second length
        messages.answers = {QMessageBox::No};
        Keys({Qt::Key_F5, Qt::Key_F4, Qt::Key_F5});  // refused; then a row before the second, gone again
        EXPECT_EQ(std::pair(messages.shown.size(), window.field({Field::Length, 1})->text()),
                  std::pair(std::size_t{2}, QStringLiteral("50")));
        FinishThroughSequence(&window);
    });
    ASSERT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(state.part.profileBendCount, state.part.profile[1].order, state.part.lastBend),
              std::tuple(3, -1, -1));
}

// Alt+F4 in a row closes the table as Escape does; it is not F4 (insert a row).
TEST_F(TableWindowTest, AltF4ClosesTheWindowWithoutInsertingARow) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::NewProfile);
    bool rowInserted = true;
    QTimer::singleShot(0, &window, [&] {
        for (const char* value : {"2", "0", "100", "90"}) TypeAndEnter(value);
        ASSERT_EQ(Focused(), window.field({Field::Length, 1}));
        QTest::keyClick(Focused(), Qt::Key_F4, Qt::AltModifier);
        rowInserted = window.field({Field::Length, 2}) != nullptr && window.field({Field::Length, 2})->isVisible();
        QTimer::singleShot(50, &window, [&window] {
            if (window.isVisible()) window.done(-1);  // never hang on a failure
        });
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_FALSE(rowInserted);
}

}  // namespace
}  // namespace zelpor
