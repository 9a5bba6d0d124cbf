#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <tuple>

#include "common/FunctionPanel.h"
#include "common/WindowSet.h"
#include "params/ParameterWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

// Twelve entries as an installation would ship them (row 10 unused), with
// random bytes everywhere the editor must not touch.
ParameterTable SampleTable() {
    ParameterTable t;
    DecodeParameterTable(t, test::RandomBytes(ParameterTable::kFileSize, 7));
    const struct { int number; const char* designation; const char* unit; int decimals; float value, lower, upper;
                   bool modifiable = true, yesNo = false; } rows[] = {
        {1, "Version du logiciel", "", 0, 2, 0, 100, false}, {2, "Longueur maxi de pliage", "mm", 1, 3000, 0, 4000},
        {3, "Course maxi axe Y", "mm", 2, 120, -10, 250}, {4, "Force maxi de la presse", "T", 1, 100, 0, 1000},
        {5, "Vitesse d'approche", "mm/s", 1, 12, 0, 200}, {6, "Temporisation en bas", "s", 2, 0.5f, 0, 10},
        {7, "Bombage automatique", "", 0, 1, 0, 9, true, true}, {8, "Recul axe X", "mm", 5000, 5, 0, 100},
        {9, "Nombre de cycles", "", -7, 12345, 0, 99999}, {0, "inutilis\xE9", "", 0, 0, 0, 0},
        {11, "D\xE9" "compression", "mm", 2, 1.25f, 0, 5}, {12, "Graissage", "", 0, 0, 0, 1, true, true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        MachineParameter& e = t.entries[i];
        std::tie(e.number, e.decimals, e.value, e.lower, e.upper) = std::tuple(r.number, r.decimals, r.value, r.lower, r.upper);
        e.designation.assign(r.designation);
        e.unit.assign(r.unit);
        e.modifiable = r.modifiable ? 1 : 0;
        e.yesNo = r.yesNo ? 1 : 0;
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

    explicit Editor(bool withFile = true) {
        state.workspace.pathTools = (dir.path() / "Tools" / "").string();
        original = EncodeParameterTable(SampleTable());
        if (withFile) {
            std::filesystem::create_directory(dir.path() / "Tools");
            test::WriteAll(paramFile(), original);
        }
        EXPECT_EQ(window.loadTable(), withFile);
    }
    std::string paramFile() const { return (dir.path() / "Tools" / "Param.dat").string(); }
    void open() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLineEdit* field(int row) { return window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(row)); }
    QString text(const char* name, int row) {
        QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(name) + QString::number(row));
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        if (auto* b = qobject_cast<QToolButton*>(w)) return b->text();
        return qobject_cast<QLabel*>(w)->text();
    }
    QString status() { return window.findChild<StatusPanel*>()->text(); }
    QToolButton* button(int n) { return window.findChild<QToolButton*>(QStringLiteral("Bouton%1").arg(n)); }
    float value(int row) { return window.table().entries[static_cast<std::size_t>(row - 1)].value; }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    // Moves the focus from row 1 down to `row` with the arrow key, as the user does.
    void goTo(int row) {
        for (int r = 1; r < row; ++r) key(Qt::Key_Down);
        ASSERT_EQ(QApplication::focusWidget(), field(row));
    }
    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }
};

TEST(ParameterWindow, ShowsTheFirstTwelveEntriesWithTheirLimitsAndMovesBetweenThem) {
    Editor ed;
    ed.open();
    const struct { const char* name; int row; QString text; } shown[] = {
        {"Numero", 2, QStringLiteral("2")},
        {"Designation", 2, QStringLiteral("Longueur maxi de pliage")},
        {"Designation", 11, QStringLiteral("D\u00E9compression")}, {"Unite", 5, QStringLiteral("mm/s")},
        {"Edit", 2, QStringLiteral("3000.0")}, {"Edit", 3, QStringLiteral("120.00")}, {"Edit", 7, QStringLiteral("1")},
        {"Edit", 8, QStringLiteral("5.000000")},  // absurd decimals: at most 6
        {"Numero", 10, QString()}, {"Edit", 10, QString()},  // unused entry
    };
    for (const auto& s : shown) EXPECT_EQ(ed.text(s.name, s.row), s.text) << s.name << s.row;
    EXPECT_TRUE(ed.button(1)->isEnabled() && !ed.button(2)->isEnabled());  // entries 13-48 are in use
    // The focused field is teal and the status line gives its limits (the
    // texts themselves are the core's).
    EXPECT_EQ(QApplication::focusWidget(), ed.field(1));
    EXPECT_EQ(ed.field(1)->palette().color(QPalette::Base), QColor(0, 128, 128));
    ed.key(Qt::Key_Down);
    EXPECT_EQ(ed.status(), QStringLiteral("Mini : 0.0\t\tMaxi : 4000.0"));
    EXPECT_NE(ed.field(1)->palette().color(QPalette::Base), QColor(0, 128, 128));

    // The arrows wrap between the first and the last row.
    ed.field(1)->setFocus(Qt::OtherFocusReason);
    ed.key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), ed.field(12));
    ed.key(Qt::Key_Return);  // rows 8 to 12 have no handlers: Enter stays
    EXPECT_EQ(QApplication::focusWidget(), ed.field(12));
    EXPECT_EQ(ed.status(), QString());
    const struct { int from; Qt::Key key; int to; } moves[] = {
        {7, Qt::Key_Return, 8}, {5, Qt::Key_Up, 4}, {4, Qt::Key_Enter, 5}};
    for (const auto& m : moves) {
        ed.field(m.from)->setFocus(Qt::OtherFocusReason);
        ed.key(m.key);
        EXPECT_EQ(QApplication::focusWidget(), ed.field(m.to)) << m.from;
    }
    ed.window.close();
}

// The rule itself is checked without the window; here what the keys add:
// refused characters, a read-only row, the caret going back to the start
// after a value was put back to its limit, and a row with no handler.
TEST(ParameterWindow, TypedValuesAreCheckedAsTheyAreTyped) {
    Editor ed;
    ed.open();
    ed.type("5");  // row 1 is read-only
    ed.key(Qt::Key_Backspace);
    EXPECT_EQ(ed.field(1)->text(), QStringLiteral("2"));

    ed.goTo(3);
    ed.type("12-a,+");  // a minus inside the text, letters and signs are refused
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("12"));
    EXPECT_FLOAT_EQ(ed.value(3), 12);
    ed.key(Qt::Key_Home);
    ed.type("-50");  // at the start the minus begins a new value
    EXPECT_EQ(ed.field(3)->text(), QStringLiteral("-10.00"));
    EXPECT_EQ(ed.status(), QStringLiteral("valeur limite basse "));
    EXPECT_FLOAT_EQ(ed.value(3), -5);

    ed.key(Qt::Key_Down);
    ed.type("150");  // typing at the start replaced "100.0"
    EXPECT_FLOAT_EQ(ed.value(4), 150);
    EXPECT_EQ(ed.status(), QString());
    ed.type("0");
    EXPECT_EQ(ed.field(4)->text(), QStringLiteral("1000.00"));
    EXPECT_FLOAT_EQ(ed.value(4), 150);
    ed.type("7");  // the caret went back to the start: a new value begins
    EXPECT_EQ(ed.field(4)->text(), QStringLiteral("7"));

    ed.field(11)->setFocus(Qt::OtherFocusReason);
    ed.type("7");  // display-only row: neither checked nor stored
    EXPECT_FLOAT_EQ(ed.value(11), 1.25f);
    EXPECT_EQ(ed.field(11)->text(), QStringLiteral("1.25"));
    ed.window.close();
}

// "Retour" by its key F8, at once: the same bytes, random ones included.
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

// Closing by the system saves too: a missing file is created; a read-only
// one is reported and kept.
TEST(ParameterWindow, MissingFileIsCreatedOnCloseAndReadOnlyOneIsReportedAndKept) {
    Editor ed(false);
    ed.window.show();
    EXPECT_EQ(ed.field(1)->text(), QString());
    ed.window.close();
    const std::vector<std::uint8_t> zeros(ParameterTable::kFileSize, 0);
    EXPECT_EQ(test::ReadAll(ed.paramFile()), zeros);
    EXPECT_TRUE(ed.messages.shown.empty());

    std::filesystem::permissions(ed.paramFile(), std::filesystem::perms::owner_read);
    ed.window.show();
    ed.window.close();
    ASSERT_EQ(ed.messages.shown.size(), 1u);
    EXPECT_EQ(ed.messages.lastText(),
              QString::fromStdString("Les param\u00E8tres machine n'ont pas pu \u00EAtre enregistr\u00E9s dans " +
                                     ed.paramFile() + "."));
    EXPECT_EQ(ed.messages.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(test::ReadAll(ed.paramFile()), zeros);
}

}  // namespace
}  // namespace zelpor
