#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <vector>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "profile/ProfileWindow.h"
#include "profiletable/ProfileTableWindow.h"
#include "sequence/ProfileChange.h"
#include "sequence/SequenceProgram.h"
#include "sequence/SequenceWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tools/ToolRecords.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;

// A first start in a fresh folder (sample tools installed), a job and a part,
// the punch P88-67 and the die V16 in use.
struct TableWindowTest : ::testing::Test {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    test::ScriptedMessages messages;
    Application app{dir.file("zelpor"), "", &messages};
    AppState& state = app.state();

    TableWindowTest() {
        state.workspace.customer = "Job";
        state.workspace.part = "Stairs";
        state.punch.name = "P88-67";
        state.die.name = "V16";
        EXPECT_TRUE(LoadPunchFile(state.punch, state.punchFilePath("P88-67")));
        EXPECT_TRUE(LoadDieFile(state.die, state.dieFilePath("V16")));
        state.part.currentBend = state.part.lastBend = -1;
        state.part.graphicProfile = 1;
    }

    std::vector<std::uint8_t> savedPart() {
        EXPECT_EQ(state.writeCurrentPart(), 1);
        return test::ReadAll(state.workspace.partFilePath());
    }
};

// The field with the keyboard: the application's, or the modal window's own
// while the platform has not made it active yet.
QWidget* Focused() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal->focusWidget() : nullptr;
}

void TypeAndEnter(const char* text) {
    QTest::keyClicks(Focused(), QString::fromLatin1(text));
    QTest::keyClick(Focused(), Qt::Key_Return);
}

// Once the sequence window is up: the keys, then "Retour" if still open.
void InSequence(QObject* context, std::vector<Qt::Key> keys, std::function<void(QWidget*)> check = {}) {
    QTimer::singleShot(0, context, [keys, check] {
        QWidget* sequence = QApplication::activeModalWidget();
        ASSERT_TRUE(sequence);
        ASSERT_EQ(sequence->objectName(), QStringLiteral("TFormSequence"));
        for (Qt::Key key : keys) QTest::keyClick(sequence, key);
        if (check) check(sequence);
        if (sequence->isVisible()) QTest::keyClick(sequence, Qt::Key_F8);
    });
}

std::int32_t I32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

TEST_F(TableWindowTest, TwelveSegmentsTypedWithKeysBecomeElevenBendsValidatedInTheSequence) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::NewProfile);
    QString statusBeforeFinishing;
    QTimer::singleShot(0, &window, [&] {
        TypeAndEnter("2");   // thickness
        TypeAndEnter("90");  // orientation
        for (int k = 0; k < 12; ++k) {
            TypeAndEnter(std::to_string(10 + 5 * k).c_str());
            if (k < 11) TypeAndEnter(k % 2 ? "-90" : "90");  // Enter after the last angle opens the next row
        }
        statusBeforeFinishing = window.statusText();
        std::vector<Qt::Key> keys;
        for (int k = 0; k < 11; ++k) keys.insert(keys.end(), {Qt::Key_F1, Qt::Key_F7});
        InSequence(&window, keys);
        QTest::keyClick(Focused(), Qt::Key_F8);
    });
    ASSERT_EQ(window.exec(), QDialog::Accepted);

    const double developed = 450 + 11 * ComputeSequenceCorrection(90, 16, 2);
    EXPECT_TRUE(statusBeforeFinishing.endsWith(QString::fromStdString(DevelopedLengthText(developed))))
        << statusBeforeFinishing.toStdString();
    const std::vector<std::uint8_t> file = savedPart();
    ASSERT_EQ(file.size(), PartRecord::kFileSize);
    EXPECT_EQ(I32At(file, 4003), 11);  // bend count
    EXPECT_EQ(I32At(file, 294), 10);   // eleven bends in the list
    EXPECT_EQ(I32At(file, 4607), 13);  // twelve segments, the arc and the line of the next angle
    for (std::size_t k = 0; k < 11; ++k) {
        SCOPED_TRACE(k);
        const std::size_t entry = 4007 + 24 * k;
        EXPECT_EQ(I32At(file, entry + 8), static_cast<int>(k));
        // Validated first to last: the first bend typed is the last bent.
        const int order = I32At(file, entry + 16);
        EXPECT_EQ(order, 10 - static_cast<int>(k));
        const BendRecord& bend = state.part.bends[static_cast<std::size_t>(order)];
        EXPECT_EQ(bend.angle, k % 2 ? -90.0f : 90.0f);
        EXPECT_EQ(bend.die.str(), "V16");
    }
    EXPECT_EQ(I32At(file, 4007 + 24 * 11 + 8), -1);
}

// The same profile typed in the drawing window and in the table window.
std::vector<std::uint8_t> TypedPart(bool inTable) {
    const char* keys[] = {"2", "0", "100", "90", "50", "-90", "80", "135", "40"};
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    test::ScriptedMessages messages;
    Application app(dir.file("zelpor"), "", &messages);
    AppState& state = app.state();
    state.workspace.customer = "Job";
    state.workspace.part = "Same";
    state.punch.name = "P88-67";
    state.die.name = "V16";
    EXPECT_TRUE(LoadPunchFile(state.punch, state.punchFilePath("P88-67")));
    EXPECT_TRUE(LoadDieFile(state.die, state.dieFilePath("V16")));
    QDialog* window = inTable ? static_cast<QDialog*>(new ProfileTableWindow(
                                    state, app.windows(), messages, ProfileTableWindow::Start::NewProfile))
                              : app.windows().profile;
    QTimer::singleShot(0, window, [&] {
        for (const char* key : keys) {
            if (!inTable) qobject_cast<QLineEdit*>(Focused())->selectAll();
            TypeAndEnter(key);
        }
        InSequence(window, {});
        QTest::keyClick(Focused(), Qt::Key_F8);
    });
    EXPECT_EQ(window->exec(), QDialog::Accepted);
    if (inTable) delete window;
    EXPECT_EQ(state.writeCurrentPart(), 1);
    return test::ReadAll(state.workspace.partFilePath());
}

TEST(TableAndDrawing, TheSameFourSegmentsGiveTheSamePartFile) {
    const std::vector<std::uint8_t> drawn = TypedPart(false);
    ASSERT_EQ(drawn.size(), PartRecord::kFileSize);
    EXPECT_EQ(I32At(drawn, 4003), 3);
    EXPECT_EQ(TypedPart(true), drawn);
}

// A validated three-bend profile: program 2, 0, 1, bend 0 pivoted.
struct ChangeTest : TableWindowTest {
    ChangeTest() {
        ApplyProfileTable(state.part, {2, 0, {{100, 90}, {50, 90}, {80, -90}, {40, 180}}}, false, 16.0f);
        ComputeSequenceCorrections(state.part, 16.0f);
        state.part.profile[0].pivot = 1;
        for (int step : {1, 0, 2}) EXPECT_TRUE(ValidateBend(state.part, step, "V16", "P88-67"));
    }
};

TEST_F(ChangeTest, ALengthChangedFromTheMenuKeepsTheProgramAndIsSaved) {
    const PartRecord before = state.part;
    QAction* entry = app.windows().main->findChild<QAction*>(QStringLiteral("ModifieProfilTableau1"));
    ASSERT_TRUE(entry);
    QString status;
    QTimer::singleShot(0, app.windows().main, [&] {
        auto* window = qobject_cast<ProfileTableWindow*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        EXPECT_EQ(window->field({Field::Angle, 2})->text(), QStringLiteral("-90"));
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(Focused(), key);
        EXPECT_EQ(Focused(), window->field({Field::Length, 2}));
        TypeAndEnter("95");
        status = window->statusText();
        InSequence(window, {});
        QTest::keyClick(Focused(), Qt::Key_F8);
    });
    entry->trigger();

    const double developed = DevelopedLength(before) + 15;
    EXPECT_TRUE(status.endsWith(QString::fromStdString(DevelopedLengthText(developed)))) << status.toStdString();
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, state.workspace.pathCustomers, "Job", "Stairs.pie"));
    EXPECT_EQ(saved.profile[2].length, 95.0f);
    EXPECT_NEAR(DevelopedLength(saved), developed, 1e-3);
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(saved.profile[k].order, before.profile[k].order);
        EXPECT_EQ(saved.profile[k].pivot, before.profile[k].pivot);
    }
    EXPECT_EQ(saved.bends, before.bends);
    EXPECT_EQ(saved.lastBend, 2);
}

TEST_F(ChangeTest, InsertingOrDeletingAsksAndThenClearsTheOrder) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::CurrentProfile);
    QTimer::singleShot(0, &window, [&] {
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(Focused(), key);
        ASSERT_EQ(Focused(), window.field({Field::Length, 1}));
        messages.answers = {QMessageBox::No};
        QTest::keyClick(Focused(), Qt::Key_F5);
        EXPECT_EQ(window.form().rowCount(), 4);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, QMessageBox::Question);
        QTest::keyClick(Focused(), Qt::Key_F4);  // agreed: a row before the second
        EXPECT_EQ(window.form().rowCount(), 5);
        EXPECT_EQ(Focused(), window.field({Field::Length, 1}));
        QTest::keyClick(Focused(), Qt::Key_F5);  // no second question
        EXPECT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(window.field({Field::Length, 1})->text(), QStringLiteral("50"));
        InSequence(&window, {});
        QTest::keyClick(Focused(), Qt::Key_F8);
    });
    ASSERT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(state.part.profileBendCount, 3);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(state.part.profile[k].order, -1);
    EXPECT_EQ(state.part.lastBend, -1);
}

TEST_F(TableWindowTest, EntryRulesOfTheDrawingWindow) {
    ProfileTableWindow window(state, app.windows(), messages, ProfileTableWindow::Start::NewProfile);
    QTimer::singleShot(0, &window, [&] {
        EXPECT_EQ(Focused(), window.field({Field::Thickness, 0}));
        TypeAndEnter("1,5");
        EXPECT_EQ(window.field({Field::Thickness, 0})->text(), QStringLiteral("1.5"));
        TypeAndEnter("-30");  // orientation: a minus is allowed
        TypeAndEnter("-12,5");  // length: the minus is refused, the comma is a point
        EXPECT_EQ(window.field({Field::Length, 0})->text(), QStringLiteral("12.5"));
        TypeAndEnter("-");
        EXPECT_EQ(messages.lastText(), QStringLiteral("Valeur incorrecte : \"-\" n'est pas un nombre"));
        EXPECT_EQ(Focused(), window.field({Field::Angle, 0}));
        QTest::keyClick(Focused(), Qt::Key_F1);  // -90°, and on to a new row
        EXPECT_EQ(window.field({Field::Angle, 0})->text(), QStringLiteral("-90"));
        EXPECT_EQ(Focused(), window.field({Field::Length, 1}));
        QTest::keyClick(Focused(), Qt::Key_Escape);
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(state.part.graphicProfile, 1);
    EXPECT_NE(state.part.thickness, 1.5f);  // leaving with Escape writes nothing
}

TEST_F(TableWindowTest, F2InTheSequenceTakesTheLastValidationBack) {
    ApplyProfileTable(state.part, {2, 0, {{100, 90}, {50, -90}, {30, 180}}}, false, 16.0f);
    std::vector<std::uint8_t> before, afterUndo;
    bool undoAfterValidation = false, undoAfterUndo = true;
    InSequence(app.windows().sequence, {}, [&](QWidget* sequence) {
        auto* undo = sequence->findChild<QPushButton*>(QStringLiteral("Bouton2"));
        EXPECT_EQ(undo->text(), QStringLiteral("Annule validation"));
        EXPECT_FALSE(undo->isEnabled());
        before = EncodePart(state.part);
        QTest::keyClick(sequence, Qt::Key_F7);
        QTest::keyClick(sequence, Qt::Key_F1);
        undoAfterValidation = undo->isVisible() && undo->isEnabled();
        QTest::keyClick(sequence, Qt::Key_F2);
        afterUndo = EncodePart(state.part);
        undoAfterUndo = undo->isEnabled();
    });
    app.windows().sequence->exec();
    EXPECT_TRUE(undoAfterValidation);
    EXPECT_FALSE(undoAfterUndo);
    EXPECT_EQ(afterUndo, before);
    EXPECT_NE(before, std::vector<std::uint8_t>());
}

}  // namespace
}  // namespace zelpor
