#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/Application.h"
#include "common/FunctionPanel.h"
#include "common/WindowSet.h"
#include "params/ParameterWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

struct Spec {
    int number;
    const char* designation;
    const char* unit;
    int decimals;
    float value, lower, upper;
    bool modifiable = true;
    bool yesNo = false;
};

// Twelve entries as an installation would ship them (row 10 unused), with
// random bytes everywhere the editor must not touch.
ParameterTable SampleTable() {
    ParameterTable t;
    DecodeParameterTable(t, test::RandomBytes(ParameterTable::kFileSize, 7));
    const Spec specs[] = {
        {1, "Version du logiciel", "", 0, 2, 0, 100, false},
        {2, "Longueur maxi de pliage", "mm", 1, 3000, 0, 4000},
        {3, "Course maxi axe Y", "mm", 2, 120, -10, 250},
        {4, "Force maxi de la presse", "T", 1, 100, 0, 1000},
        {5, "Vitesse d'approche", "mm/s", 1, 12, 0, 200},
        {6, "Temporisation en bas", "s", 2, 0.5f, 0, 10},
        {7, "Bombage automatique", "", 0, 1, 0, 9, true, true},
        {8, "Recul axe X", "mm", 5000, 5, 0, 100},
        {9, "Nombre de cycles", "", -7, 12345, 0, 99999},
        {0, "inutilis\xE9", "", 0, 0, 0, 0},
        {11, "D\xE9" "compression", "mm", 2, 1.25f, 0, 5},
        {12, "Graissage", "", 0, 0, 0, 1, true, true},
    };
    for (std::size_t i = 0; i < std::size(specs); ++i) {
        MachineParameter& e = t.entries[i];
        const Spec& s = specs[i];
        e.number = s.number;
        e.designation.assign(s.designation);
        e.unit.assign(s.unit);
        e.decimals = s.decimals;
        e.value = s.value;
        e.lower = s.lower;
        e.upper = s.upper;
        e.modifiable = s.modifiable ? 1 : 0;
        e.yesNo = s.yesNo ? 1 : 0;
    }
    return t;
}

struct Editor {
    test::TempDir dir;
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    std::vector<std::uint8_t> original;
    ParameterWindow window{state, windows, messages};

    Editor() {
        state.workspace.pathTools = dir.folder();
        original = EncodeParameterTable(SampleTable());
        test::WriteAll(paramFile(), original);
        EXPECT_TRUE(window.loadTable());
    }
    std::string paramFile() const { return dir.file("Param.dat"); }
    void open() {
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLineEdit* field(int row) { return window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(row)); }
    QString label(const char* name, int row) {
        return window.findChild<QLabel*>(QString::fromLatin1(name) + QString::number(row))->text();
    }
    QString status() { return window.findChild<StatusPanel*>()->text(); }
    float value(int row) { return window.table().entries[static_cast<std::size_t>(row - 1)].value; }
    QToolButton* button(int n) { return window.findChild<QToolButton*>(QStringLiteral("Bouton%1").arg(n)); }
    // Moves the focus from row 1 down to `row` with the arrow key.
    void goTo(int row) {
        for (int r = 1; r < row; ++r) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(QApplication::focusWidget(), field(row));
    }
    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }
};

TEST(ParameterWindow, ShowsTheFirstTwelveEntries) {
    Editor ed;
    ed.open();
    EXPECT_EQ(ed.window.windowTitle(), QStringLiteral("Zelpor_2       Parametres"));
    EXPECT_EQ(ed.window.size(), QSize(795, 572));
    EXPECT_EQ(ed.button(1)->text(), QStringLiteral("Page suivante"));
    EXPECT_EQ(ed.button(2)->text(), QStringLiteral("Page precedante"));
    EXPECT_EQ(ed.button(8)->text(), QStringLiteral("Retour"));
    EXPECT_FALSE(ed.button(1)->isEnabled());
    EXPECT_FALSE(ed.button(2)->isEnabled());
    EXPECT_TRUE(ed.button(8)->isEnabled());
    for (int n = 3; n <= 7; ++n) EXPECT_TRUE(ed.button(n)->isHidden());

    EXPECT_EQ(ed.label("Numero", 2), QStringLiteral("2"));
    EXPECT_EQ(ed.label("Designation", 2), QStringLiteral("Longueur maxi de pliage"));
    EXPECT_EQ(ed.label("Designation", 11), QStringLiteral("D\u00E9compression"));
    EXPECT_EQ(ed.label("Unite", 5), QStringLiteral("mm/s"));
    EXPECT_EQ(ed.field(2)->text(), QStringLiteral("3000.0"));
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("120.00"));
    EXPECT_EQ(ed.field(6)->text(), QStringLiteral("0.50"));
    EXPECT_EQ(ed.field(7)->text(), QStringLiteral("1"));
    // Decimal counts outside any sense are shown with 0 to 6 decimals.
    EXPECT_EQ(ed.field(8)->text(), QStringLiteral("5.000000"));
    EXPECT_EQ(ed.field(9)->text(), QStringLiteral("12345"));
    // The unused entry leaves its row empty.
    EXPECT_EQ(ed.label("Numero", 10), QString());
    EXPECT_EQ(ed.field(10)->text(), QString());

    // The first field has the focus, in teal, with its message.
    EXPECT_EQ(QApplication::focusWidget(), ed.field(1));
    EXPECT_EQ(ed.field(1)->palette().color(QPalette::Base), QColor(0, 128, 128));
    EXPECT_EQ(ed.status(), QStringLiteral("\tlecture seulement"));
    QTest::keyClick(ed.field(1), Qt::Key_Down);
    EXPECT_NE(ed.field(1)->palette().color(QPalette::Base), QColor(0, 128, 128));
    EXPECT_EQ(ed.status(), QStringLiteral("Mini : 0.0\t\tMaxi : 4000.0"));
    QTest::keyClick(ed.field(2), Qt::Key_Down);
    QTest::keyClick(ed.field(3), Qt::Key_Down);
    EXPECT_EQ(ed.status(), QStringLiteral("Mini : 0\t\tMaxi : 1000"));
    QTest::keyClick(ed.field(4), Qt::Key_Down);
    QTest::keyClick(ed.field(5), Qt::Key_Down);
    QTest::keyClick(ed.field(6), Qt::Key_Down);
    EXPECT_EQ(ed.status(), QStringLiteral("0 pour Non \t\t1 pour Oui"));
    ed.window.close();
}

TEST(ParameterWindow, TypingPastTheUpperLimitShowsTheLimitAndKeepsTheLastValue) {
    Editor ed;
    ed.open();
    ed.goTo(4);
    ed.type("1");
    EXPECT_EQ(ed.field(4)->text(), QStringLiteral("1"));  // typing at the start replaced "100.0"
    EXPECT_FLOAT_EQ(ed.value(4), 1);
    ed.type("50");
    EXPECT_FLOAT_EQ(ed.value(4), 150);
    EXPECT_EQ(ed.status(), QString());
    ed.type("0");
    EXPECT_EQ(ed.field(4)->text(), QStringLiteral("1000.00"));
    EXPECT_EQ(ed.status(), QStringLiteral("valeur limite haute "));
    EXPECT_FLOAT_EQ(ed.value(4), 150);
    // The caret went back to the start: the next digit starts a new value.
    ed.type("7");
    EXPECT_EQ(ed.field(4)->text(), QStringLiteral("7"));
    EXPECT_FLOAT_EQ(ed.value(4), 7);
    ed.window.close();
}

TEST(ParameterWindow, PointAloneStoresZeroWithTheConversionMessage) {
    Editor ed;
    ed.open();
    ed.goTo(2);
    ed.type(".");
    EXPECT_FLOAT_EQ(ed.value(2), 0);
    EXPECT_EQ(ed.status(), QStringLiteral("d\u00E9faut de convertion EConvertError "));
    EXPECT_EQ(ed.field(2)->text(), QStringLiteral("0.00"));
    ed.window.close();
}

TEST(ParameterWindow, MinusOnlyAtTheStartAndNoLetters) {
    Editor ed;
    ed.open();
    ed.goTo(3);
    ed.type("12-");
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("12"));
    EXPECT_FLOAT_EQ(ed.value(3), 12);
    ed.type("a,+");
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("12"));
    // At the start the minus begins a new value; nothing is stored until a digit follows.
    QTest::keyClick(ed.field(3), Qt::Key_Home);
    ed.type("-");
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("-"));
    EXPECT_FLOAT_EQ(ed.value(3), 12);
    ed.type("5");
    EXPECT_FLOAT_EQ(ed.value(3), -5);
    ed.type("0");
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("-10.00"));
    EXPECT_EQ(ed.status(), QStringLiteral("valeur limite basse "));
    EXPECT_FLOAT_EQ(ed.value(3), -5);
    ed.window.close();
}

TEST(ParameterWindow, ReadOnlyRowIgnoresEverything) {
    Editor ed;
    ed.open();
    ed.type("5");
    QTest::keyClick(ed.field(1), Qt::Key_Backspace);
    QTest::keyClick(ed.field(1), Qt::Key_Delete);
    EXPECT_EQ(ed.field(1)->text(), QStringLiteral("2"));
    EXPECT_FLOAT_EQ(ed.value(1), 2);
    ed.window.close();
}

TEST(ParameterWindow, YesNoRowSevenTurnsOtherNumbersIntoZero) {
    Editor ed;
    ed.open();
    ed.goTo(7);
    ed.type("5");
    EXPECT_FLOAT_EQ(ed.value(7), 0);
    EXPECT_EQ(ed.field(7)->text(), QStringLiteral("0"));
    ed.type("1");
    EXPECT_FLOAT_EQ(ed.value(7), 1);
    EXPECT_EQ(ed.field(7)->text(), QStringLiteral("1"));
    ed.window.close();
}

TEST(ParameterWindow, ArrowsAndEnterWrapBetweenRows) {
    Editor ed;
    ed.open();
    QTest::keyClick(ed.field(1), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(12));
    // Rows 8 to 12 have no handlers: Enter stays, the message of row 1 went away.
    QTest::keyClick(ed.field(12), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(12));
    EXPECT_EQ(ed.status(), QString());
    ed.field(7)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ed.field(7), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(8));
    ed.field(5)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ed.field(5), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(4));
    QTest::keyClick(ed.field(4), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(5));
    // Typed text in a display-only row is neither checked nor stored.
    ed.field(11)->setFocus(Qt::OtherFocusReason);
    ed.type("7");
    EXPECT_FLOAT_EQ(ed.value(11), 1.25f);
    EXPECT_EQ(ed.field(11)->text(), QStringLiteral("1.25"));
    ed.window.close();
}

TEST(ParameterWindow, F8RightAfterOpeningRewritesTheSameBytes) {
    Editor ed;
    test::WriteAll(ed.paramFile(), std::vector<std::uint8_t>(10, 0xAB));  // proves the file is rewritten
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F8);
    });
    EXPECT_EQ(ed.window.exec(), QDialog::Rejected);
    EXPECT_EQ(test::ReadAll(ed.paramFile()), ed.original);
}

TEST(ParameterWindow, EveryCloseSavesTheEdits) {
    Editor ed;
    ed.open();
    ed.goTo(5);
    ed.type("42");
    ed.window.close();  // the system close
    ParameterTable saved;
    ASSERT_TRUE(LoadParameterTable(saved, ed.dir.folder()));
    EXPECT_FLOAT_EQ(saved.entries[4].value, 42);

    // Reopened, the edit is still there; "Retour" saves again.
    ed.open();
    EXPECT_EQ(ed.field(5)->text(), QStringLiteral("42.0"));
    ed.goTo(6);
    ed.type("3");
    QTest::mouseClick(ed.button(8), Qt::LeftButton);
    EXPECT_FALSE(ed.window.isVisible());
    ASSERT_TRUE(LoadParameterTable(saved, ed.dir.folder()));
    EXPECT_FLOAT_EQ(saved.entries[5].value, 3);
    EXPECT_TRUE(ed.messages.shown.empty());
}

TEST(ParameterWindow, MissingFileGivesEmptyRowsAndIsCreatedOnClose) {
    test::TempDir dir;
    AppState state;
    state.workspace.pathTools = (dir.path() / "Tools" / "").string();
    WindowSet windows;
    test::ScriptedMessages messages;
    ParameterWindow w(state, windows, messages);
    EXPECT_FALSE(w.loadTable());
    w.show();
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QString());
    w.close();
    EXPECT_EQ(test::ReadAll((dir.path() / "Tools" / "Param.dat").string()),
              std::vector<std::uint8_t>(ParameterTable::kFileSize, 0));
}

TEST(ParameterWindow, UnwritableFileIsReported) {
    Editor ed;
    std::filesystem::remove(ed.paramFile());
    std::filesystem::create_directory(ed.paramFile());  // a folder where the file should be
    ed.window.show();
    ed.window.close();
    ASSERT_EQ(ed.messages.shown.size(), 1u);
    EXPECT_EQ(ed.messages.lastText(),
              QString::fromStdString("Les param\u00E8tres machine n'ont pas pu \u00EAtre enregistr\u00E9s dans " +
                                     ed.paramFile() + "."));
    EXPECT_EQ(ed.messages.shown[0].icon, QMessageBox::Warning);
}

TEST(ParameterWindow, ReadOnlyFileIsReportedAndKeptByteForByte) {
    Editor ed;
    ed.open();
    ed.goTo(5);
    ed.type("42");
    std::filesystem::permissions(ed.paramFile(), std::filesystem::perms::owner_read);
    ed.window.close();
    ASSERT_EQ(ed.messages.shown.size(), 1u);
    EXPECT_TRUE(ed.messages.lastText().endsWith(QString::fromStdString(ed.paramFile() + ".")));
    EXPECT_EQ(test::ReadAll(ed.paramFile()), ed.original);
}

TEST(ParameterWindow, StartUpLoadsTheTableFromTheToolsFolder) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    std::filesystem::create_directories(dir.path() / "Tools");
    test::WriteAll((dir.path() / "Tools" / "Param.dat").string(), EncodeParameterTable(SampleTable()));
    test::ScriptedMessages messages;
    Application app(dir.file("zelpor"), "", &messages);
    EXPECT_EQ(app.windows().parameters->table(), SampleTable());
}

}  // namespace
}  // namespace zelpor
