#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <tuple>

#include "ui/common/FunctionPanel.h"
#include "ui/common/WindowSet.h"
#include "ui/params/ParameterWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

// Entries 1-16 in use, 30 a yes/no entry on page 3, 48 on page 4; every
// other byte random, unused entries included.
std::vector<std::uint8_t> PagedTable() {
    ParameterTable t;
    DecodeParameterTable(t, test::RandomBytes(ParameterTable::kFileSize, 11));
    for (auto& e : t.entries) e.number = 0;
    auto set = [&](int number, const char* designation, int decimals, float value, float lower, float upper,
                   bool modifiable, bool yesNo) {
        MachineParameter& e = t.entries[static_cast<std::size_t>(number - 1)];
        std::tie(e.number, e.decimals, e.value, e.lower, e.upper) = std::tuple(number, decimals, value, lower, upper);
        std::tie(e.modifiable, e.yesNo) = std::tuple(modifiable ? 1 : 0, yesNo ? 1 : 0);
        e.designation.assign(designation);
        e.unit.assign("mm");
    };
    for (int n = 1; n <= 12; ++n) set(n, "Machine", 0, 1, 0, 10, true, false);
    set(13, "Vitesse X", 0, 400, 50, 1000, true, false);
    set(14, "Axe R pr\xE9sent", 0, 1, 0, 1, false, true);
    set(15, "Col de cygne", 0, 410, 0, 1000, false, false);
    set(16, "Ouverture max", 1, 450, 0, 1000, true, false);
    set(30, "Graissage", 0, 1, 0, 1, true, true);
    set(48, "Pression", 2, 100, 0, 250, true, false);
    return EncodeParameterTable(t);
}

struct PagedEditor : ::testing::Test {
    test::TempDir dir;
    AppState state;
    WindowSet windows;
    test::ScriptedMessages messages;
    std::vector<std::uint8_t> original = PagedTable();
    std::unique_ptr<ParameterWindow> window;

    PagedEditor() {
        state.workspace.pathTools = dir.folder();
        test::WriteAll(dir.file("Param.dat"), original);
        window = std::make_unique<ParameterWindow>(state, windows, messages);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* field(int row) { return window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(row)); }
    QString label(const char* name, int row) {
        return window->findChild<QLabel*>(QString::fromLatin1(name) + QString::number(row))->text();
    }
    QString status() { return window->findChild<StatusPanel*>()->text(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }
};

TEST_F(PagedEditor, LaterPagesAreEditedWithTheirOwnLimitsAndSavedAtTheirOffsets) {
    // The focused field is teal; the arrows wrap from the first row to the last.
    EXPECT_EQ(field(1)->palette().color(QPalette::Base), QColor(0, 128, 128));
    key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), field(12));
    key(Qt::Key_F1);  // page 2: entries 13 to 24
    EXPECT_EQ(label("Designation", 2), QStringLiteral("Axe R pr\u00E9sent"));
    type("7");  // below the lower limit: the field shows the limit, caret at its start
    key(Qt::Key_End);
    type("0");
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field(2));
    type("0");  // a read-only entry keeps its value
    for (int i = 0; i < 2; ++i) key(Qt::Key_Down);
    type("1500");  // above the upper limit: the limit with the entry's one decimal
    EXPECT_EQ(std::pair(field(4)->text(), status()),
              std::pair(QStringLiteral("1000.0"), QStringLiteral("valeur limite haute ")));
    type("6");
    key(Qt::Key_Enter);  // past the last entry in use, back to the first
    EXPECT_EQ(QApplication::focusWidget(), field(1));

    key(Qt::Key_F1);  // page 3: only entry 30, row 6
    EXPECT_EQ(QApplication::focusWidget(), field(6));
    type("5");  // a yes/no entry within its limits still holds only 0 or 1
    type("0.5");
    key(Qt::Key_F1);  // page 4, the last
    EXPECT_FALSE(window->findChild<QToolButton*>(QStringLiteral("Bouton1"))->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field(12));
    type("99.5");
    for (int i = 0; i < 3; ++i) key(Qt::Key_F2);
    EXPECT_EQ(label("Numero", 1), QStringLiteral("1"));
    test::WriteAll(dir.file("Param.dat"), std::vector<std::uint8_t>(10, 0xAB));  // proves the file is rewritten
    key(Qt::Key_F8);

    EXPECT_FALSE(window->isVisible());
    std::vector<std::uint8_t> expected = original;
    for (auto [number, value] : {std::pair(13, 500.0f), {16, 6.0f}, {30, 0.0f}, {48, 99.5f}})
        std::memcpy(expected.data() + 164 * (number - 1) + 132, &value, 4);  // the entry's value
    const auto saved = test::ReadAll(dir.file("Param.dat"));
    ASSERT_EQ(saved.size(), 7872u);
    for (std::size_t at = 0; at < saved.size(); ++at)
        ASSERT_EQ(saved[at], expected[at]) << "entry " << at / 164 + 1 << ", byte " << at % 164;
}

// Closing by the system saves too: a missing file is created; a read-only
// one is reported and kept.
TEST_F(PagedEditor, MissingFileIsCreatedOnCloseAndReadOnlyOneIsReportedAndKept) {
    state.workspace.pathTools = (dir.path() / "Tools" / "").string();
    const std::string file = (dir.path() / "Tools" / "Param.dat").string();
    ParameterWindow other(state, windows, messages);
    EXPECT_FALSE(other.loadTable());
    other.show();
    other.close();
    const std::vector<std::uint8_t> zeros(ParameterTable::kFileSize, 0);
    EXPECT_EQ(test::ReadAll(file), zeros);

    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    other.show();
    other.close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(),
              QString::fromStdString("Les param\u00E8tres machine n'ont pas pu \u00EAtre enregistr\u00E9s dans " +
                                     file + "."));
    EXPECT_EQ(test::ReadAll(file), zeros);
}

}  // namespace
}  // namespace zelpor
