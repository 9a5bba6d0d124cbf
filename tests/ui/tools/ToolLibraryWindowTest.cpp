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
    PunchRecord p;
    p.version = version;
    p.versionIndex = 2;
    p.height = height;
    p.angle = angle;
    p.lastElement = test::OutlinePolyline(p.outline, {{-20, 0}, {20, 0}, {0, -height}});
    return p;
}

// A block die of the given height with its V at the top.
DieRecord BlockDie(float height, float opening) {
    DieRecord d;
    d.version = 1;
    d.versionIndex = 4;
    d.height = height;
    d.vAngle = 86;
    d.vOpening = opening;
    d.entryRadius = 1.5f;
    d.lastElement = test::OutlinePolyline(
        d.outline, {{-30, 0}, {30, 0}, {30, height}, {opening / 2, height}, {-opening / 2, height}, {-30, height}});
    return d;
}

// A tools folder and the library window over it.
struct Library {
    test::TempDir dir;
    AppState state;
    test::ScriptedMessages messages;
    std::unique_ptr<ToolLibraryWindow> window;
    Library() { state.workspace.pathTools = dir.folder(); }
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
TEST(ToolLibraryWindow, SteppingToEitherEndDisablesThatButton) {
    Library lib;
    lib.punch("A.pun", VPunch(1, 60, 30));
    lib.punch("B.pun", VPunch(2, 70, 60));
    lib.punch("C.pun", VPunch(3, 80, 88));
    lib.punch("not-a-punch.die", VPunch(9, 9, 9));
    ToolLibraryWindow& w = lib.open(ToolKind::Punch);
    w.show();
    QTest::keyClick(lib.tabs(), Qt::Key_F2);
    QTest::keyClick(lib.tabs(), Qt::Key_F2);
    lib.expectAt(2, true, false);
    QTest::mouseClick(lib.button(1), Qt::LeftButton);
    lib.expectAt(1, true, true);
    EXPECT_EQ(lib.text("Edit1") + " " + lib.text("Edit3"), QStringLiteral("2 70.00"));  // tool B
    // Browsing ("Retour", F8) closes without naming a tool.
    lib.state.punch.name = "OLD";
    QTest::keyClick(lib.tabs(), Qt::Key_F2);
    QTest::keyClick(lib.tabs(), Qt::Key_F8);
    EXPECT_EQ(lib.state.punch.name, "OLD");
}

TEST(ToolLibraryWindow, ValideOnAnEmptyLibraryWarnsAndLeavesTheHolder) {
    Library lib;
    lib.state.die.name = "KEEP";
    lib.state.die.selectionRequest = true;
    ToolLibraryWindow& w = lib.open(ToolKind::Die);
    QTimer::singleShot(0, [&] {
        lib.expectAt(-1, false, false);
        QTest::mouseClick(lib.button(8), Qt::LeftButton);
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    ASSERT_EQ(lib.messages.shown.size(), 1u);
    EXPECT_EQ(lib.messages.lastText(), QStringLiteral("Votre biblioteque de matrice est vide"));
    EXPECT_EQ(lib.state.die.name, "KEEP");
}

// The fit itself is proved on the numbers; here that the window draws with
// it: the die stands below the middle, the punch hangs from the top edge.
TEST(ToolLibraryWindow, DieStandsBelowTheMiddlePunchHangsFromTheTop) {
    Library lib;
    lib.die("V16.die", BlockDie(40, 16));
    lib.punch("P.pun", VPunch(1, 100, 30));
    ToolLibraryWindow& die = lib.open(ToolKind::Die);
    die.show();
    const QImage img = die.renderDrawing();
    EXPECT_TRUE(test::MatchesGolden(img, "tool-library-die"));
    ToolLibraryWindow& punch = lib.open(ToolKind::Punch);
    punch.show();
    EXPECT_TRUE(test::MatchesGolden(punch.renderDrawing(), "tool-library-punch"));
}

// A damaged outline draws nothing; a tab whose file cannot be found (listed
// as ZZZ, looked for as ZZZ.pun) keeps the previous tool on screen.
TEST(ToolLibraryWindow, DamagedOrUnreadableFilesAreSafe) {
    Library lib;
    PunchRecord bad = VPunch(5, 50, 45);
    bad.lastElement = 4000;
    lib.punch("BAD.pun", bad);
    lib.punch("AAA.pun", VPunch(7, 70, 30));
    lib.punch("ZZZ.old.pun", VPunch(9, 90, 30));
    ToolLibraryWindow& w = lib.open(ToolKind::Punch);
    w.show();
    auto select = [&](const QString& name) {  // the listing order is the folder's
        for (int i = 0; i < 3; ++i)
            if (lib.tabs()->tabText(i) == name) lib.tabs()->setCurrentIndex(i);
    };
    select(QStringLiteral("BAD"));
    EXPECT_EQ(lib.text("Edit1"), QStringLiteral("5"));
    QImage blank(w.renderDrawing().size(), QImage::Format_RGB32);
    blank.fill(qRgb(128, 128, 128));
    EXPECT_EQ(w.renderDrawing().convertToFormat(QImage::Format_RGB32), blank);
    select(QStringLiteral("AAA"));
    const QImage shown = w.renderDrawing();
    select(QStringLiteral("ZZZ"));
    EXPECT_EQ(lib.text("Edit1"), QStringLiteral("7"));
    EXPECT_EQ(w.renderDrawing(), shown);
}

}  // namespace
}  // namespace zelpor
