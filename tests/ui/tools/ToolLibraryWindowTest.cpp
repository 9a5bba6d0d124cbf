#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "support/Golden.h"
#include "support/SampleTools.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

// A V punch of the given height hanging from y = 0.
PunchRecord VPunch(int version, float height, float angle) {
    PunchRecord p{.version = version, .versionIndex = 2, .height = height, .angle = angle};
    p.lastElement = test::OutlinePolyline(p.outline, {{-20, 0}, {20, 0}, {0, -height}});
    return p;
}

// A block die of the given height with its V at the top.
DieRecord BlockDie(float height, float opening) {
    DieRecord d{
        .version = 1, .versionIndex = 4, .height = height, .vAngle = 86, .vOpening = opening, .entryRadius = 1.5f};
    d.lastElement = test::OutlinePolyline(
        d.outline, {{-30, 0}, {30, 0}, {30, height}, {opening / 2, height}, {-opening / 2, height}, {-30, height}});
    return d;
}

// A tools folder and the library window over it.
struct ToolLibrary : ::testing::Test {
    test::TempDir dir;
    AppState state;
    test::ScriptedMessages messages;
    std::unique_ptr<ToolLibraryWindow> window;
    ToolLibrary() { state.workspace.pathTools = dir.folder(); }
    void punch(const std::string& name, const PunchRecord& p) { test::WriteAll(dir.file(name), EncodePunch(p)); }
    void die(const std::string& name, const DieRecord& d) { test::WriteAll(dir.file(name), EncodeDie(d)); }
    ToolLibraryWindow& open(ToolKind kind) {
        window = std::make_unique<ToolLibraryWindow>(state, kind, messages);
        return *window;
    }
    QToolButton* button(int n) { return window->findChild<QToolButton*>(QStringLiteral("Bouton%1").arg(n)); }
    QString text(const char* name) {
        if (auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QTabBar* tabs() { return window->findChild<QTabBar*>(); }
    // Previous / next enabled, and the tab shown.
    void expectAt(int tab, bool previous, bool next) {
        EXPECT_EQ(tabs()->currentIndex(), tab);
        EXPECT_EQ(button(1)->isEnabled(), previous) << tab;
        EXPECT_EQ(button(2)->isEnabled(), next) << tab;
    }
};

// F2 and the buttons step; at either end that step's button is disabled.
TEST_F(ToolLibrary, SteppingToEitherEndDisablesThatButton) {
    punch("A.pun", VPunch(1, 60, 30));
    punch("B.pun", VPunch(2, 70, 60));
    punch("C.pun", VPunch(3, 80, 88));
    open(ToolKind::Punch).show();
    QTest::keyClick(tabs(), Qt::Key_F2);
    QTest::keyClick(tabs(), Qt::Key_F2);
    expectAt(2, true, false);
    QTest::mouseClick(button(1), Qt::LeftButton);
    expectAt(1, true, true);
    EXPECT_EQ(text("Edit1") + " " + text("Edit3"), QStringLiteral("2 70.00"));  // tool B
    // Browsing ("Retour", F8) closes without naming a tool.
    state.punch.name = "OLD";
    QTest::keyClick(tabs(), Qt::Key_F2);
    QTest::keyClick(tabs(), Qt::Key_F8);
    EXPECT_EQ(state.punch.name, "OLD");
}

TEST_F(ToolLibrary, ValideOnAnEmptyLibraryWarnsAndLeavesTheHolder) {
    state.die.name = "KEEP";
    state.die.selectionRequest = true;
    QTimer::singleShot(0, [&] {
        expectAt(-1, false, false);
        QTest::mouseClick(button(8), Qt::LeftButton);
    });
    EXPECT_EQ(open(ToolKind::Die).exec(), QDialog::Rejected);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), QStringLiteral("Votre biblioteque de matrice est vide"));
    EXPECT_EQ(state.die.name, "KEEP");
}

// The fit itself is proved on the numbers; here that the window draws with
// it: the die stands below the middle, the punch hangs from the top edge.
TEST_F(ToolLibrary, DieStandsBelowTheMiddlePunchHangsFromTheTop) {
    die("V16.die", BlockDie(40, 16));
    punch("P.pun", VPunch(1, 100, 30));
    open(ToolKind::Die).show();
    EXPECT_TRUE(test::MatchesGolden(window->renderDrawing(), "tool-library-die"));
    open(ToolKind::Punch).show();
    EXPECT_TRUE(test::MatchesGolden(window->renderDrawing(), "tool-library-punch"));
}

// A damaged outline draws nothing; a tab whose file cannot be found (listed
// as ZZZ, looked for as ZZZ.pun) keeps the previous tool on screen.
TEST_F(ToolLibrary, DamagedOrUnreadableFilesAreSafe) {
    PunchRecord bad = VPunch(5, 50, 45);
    bad.lastElement = 4000;
    punch("BAD.pun", bad);
    punch("AAA.pun", VPunch(7, 70, 30));
    punch("ZZZ.old.pun", VPunch(9, 90, 30));
    ToolLibraryWindow& w = open(ToolKind::Punch);
    w.show();
    auto select = [&](const QString& name) {  // the listing order is the folder's
        for (int i = 0; i < 3; ++i)
            if (tabs()->tabText(i) == name) tabs()->setCurrentIndex(i);
    };
    select(QStringLiteral("BAD"));
    EXPECT_EQ(text("Edit1"), QStringLiteral("5"));
    QImage blank(w.renderDrawing().size(), QImage::Format_RGB32);
    blank.fill(qRgb(128, 128, 128));
    EXPECT_EQ(w.renderDrawing().convertToFormat(QImage::Format_RGB32), blank);
    select(QStringLiteral("AAA"));
    const QImage shown = w.renderDrawing();
    select(QStringLiteral("ZZZ"));
    EXPECT_EQ(text("Edit1"), QStringLiteral("7"));
    EXPECT_EQ(w.renderDrawing(), shown);
}

}  // namespace
}  // namespace zelpor
