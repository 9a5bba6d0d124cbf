#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <map>

#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tools/ToolLibraryWindow.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

OutlineElement Line(float x1, float y1, float x2, float y2) {
    OutlineElement e;
    e.type = kLine;
    e.colour = Rgb(0, 0, 255);  // drawn red whatever is stored
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

// A V punch of the given height hanging from y = 0.
PunchRecord VPunch(int version, float height, float angle) {
    PunchRecord p;
    p.version = version;
    p.versionIndex = 2;
    p.height = height;
    p.angle = angle;
    p.outline[0] = Line(-20, 0, 20, 0);
    p.outline[1] = Line(20, 0, 0, -height);
    p.outline[2] = Line(0, -height, -20, 0);
    p.lastElement = 2;
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
    d.outline[0] = Line(-30, 0, 30, 0);
    d.outline[1] = Line(30, 0, 30, height);
    d.outline[2] = Line(30, height, opening / 2, height);
    d.outline[3] = Line(opening / 2, height, -opening / 2, height);
    d.outline[4] = Line(-opening / 2, height, -30, height);
    d.outline[5] = Line(-30, height, -30, 0);
    d.lastElement = 5;
    return d;
}

struct Library {
    test::TempDir dir;
    AppState state;
    test::ScriptedMessages messages;
    Library() { state.workspace.pathTools = dir.folder(); }
    void punch(const std::string& name, const PunchRecord& p) { test::WriteAll(dir.file(name), EncodePunch(p)); }
    void die(const std::string& name, const DieRecord& d) { test::WriteAll(dir.file(name), EncodeDie(d)); }
};

QToolButton* Button(QWidget& w, int n) { return w.findChild<QToolButton*>(QStringLiteral("Bouton%1").arg(n)); }
QString Text(QWidget& w, const QString& name) {
    if (auto* e = w.findChild<QLineEdit*>(name)) return e->text();
    return w.findChild<QLabel*>(name)->text();
}
QTabBar* Tabs(QWidget& w) { return w.findChild<QTabBar*>(); }

int Count(const QImage& img, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += img.pixel(x, y) == colour;
    return n;
}

TEST(ToolLibraryWindow, OneToolShowsItsValuesAndDisablesBothSteps) {
    Library lib;
    lib.punch("P88.pun", VPunch(3, 95.5f, 88));
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zelpor_2       Liste Poincon"));
    EXPECT_EQ(w.objectName(), QStringLiteral("TFormListPoincon"));
    ASSERT_EQ(Tabs(w)->count(), 1);
    EXPECT_EQ(Tabs(w)->tabText(0), QStringLiteral("P88"));
    EXPECT_EQ(Button(w, 1)->text(), QStringLiteral("Outil precedante"));
    EXPECT_EQ(Button(w, 2)->text(), QStringLiteral("Outil suivante"));
    EXPECT_EQ(Button(w, 8)->text(), QStringLiteral("Retour"));
    EXPECT_FALSE(Button(w, 1)->isEnabled());
    EXPECT_FALSE(Button(w, 2)->isEnabled());
    for (int n = 3; n <= 7; ++n) EXPECT_TRUE(Button(w, n)->isHidden()) << n;

    EXPECT_EQ(Text(w, QStringLiteral("Edit1")), QStringLiteral("3"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit2")), QStringLiteral("2"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), QStringLiteral("95.50"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit4")), QStringLiteral("88.00"));
    EXPECT_EQ(Text(w, QStringLiteral("Designation4")), QStringLiteral("Angle du poin\u00E7on"));
    EXPECT_EQ(Text(w, QStringLiteral("Unite4")), QStringLiteral("\u00B0"));
    EXPECT_EQ(Text(w, QStringLiteral("Unite3")), QStringLiteral("mm"));
    EXPECT_EQ(Text(w, QStringLiteral("Unite1")), QString());
    EXPECT_EQ(Text(w, QStringLiteral("Numero4")), QStringLiteral("4"));
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("Edit5")), nullptr);
    EXPECT_TRUE(w.findChild<QLineEdit*>(QStringLiteral("Edit4"))->font().bold());
    EXPECT_EQ(w.size(), QSize(795, 572));
}

TEST(ToolLibraryWindow, SteppingToEitherEndDisablesThatButton) {
    Library lib;
    lib.punch("A.pun", VPunch(1, 60, 30));
    lib.punch("B.pun", VPunch(2, 70, 60));
    lib.punch("C.pun", VPunch(3, 80, 88));
    lib.punch("not-a-punch.die", VPunch(9, 9, 9));
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    w.show();
    QTabBar* tabs = Tabs(w);
    ASSERT_EQ(tabs->count(), 3);
    const std::map<QString, QString> heights{{QStringLiteral("A"), QStringLiteral("60.00")},
                                             {QStringLiteral("B"), QStringLiteral("70.00")},
                                             {QStringLiteral("C"), QStringLiteral("80.00")}};
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), heights.at(tabs->tabText(0)));
    EXPECT_FALSE(Button(w, 1)->isEnabled());
    EXPECT_TRUE(Button(w, 2)->isEnabled());

    QTest::mouseClick(Button(w, 2), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), heights.at(tabs->tabText(1)));
    EXPECT_TRUE(Button(w, 1)->isEnabled());
    EXPECT_TRUE(Button(w, 2)->isEnabled());

    QTest::mouseClick(Button(w, 2), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), heights.at(tabs->tabText(2)));
    EXPECT_TRUE(Button(w, 1)->isEnabled());
    EXPECT_FALSE(Button(w, 2)->isEnabled());

    QTest::mouseClick(Button(w, 1), Qt::LeftButton);
    QTest::mouseClick(Button(w, 1), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(Button(w, 1)->isEnabled());
    EXPECT_TRUE(Button(w, 2)->isEnabled());

    // The keyboard on the tabs does the same as the buttons.
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), heights.at(tabs->tabText(1)));
    EXPECT_TRUE(Button(w, 1)->isEnabled());

    // Closing and reopening lists each tool once, the first one selected.
    w.hide();
    w.show();
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(Button(w, 1)->isEnabled());
}

TEST(ToolLibraryWindow, ValideOnAnEmptyLibraryWarnsAndLeavesTheHolder) {
    for (ToolKind kind : {ToolKind::Punch, ToolKind::Die}) {
        Library lib;
        lib.state.punch.name = "KEEP";
        lib.state.die.name = "KEEP";
        lib.state.punch.selectionRequest = lib.state.die.selectionRequest = true;
        ToolLibraryWindow w(lib.state, kind, lib.messages);
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(Button(w, 8)->text(), QStringLiteral("Valide"));
            EXPECT_EQ(Tabs(w)->count(), 0);
            EXPECT_FALSE(Button(w, 1)->isEnabled());
            EXPECT_FALSE(Button(w, 2)->isEnabled());
            EXPECT_EQ(Text(w, QStringLiteral("Edit1")), QString());  // blank, never read
            QTest::mouseClick(Button(w, 8), Qt::LeftButton);
        });
        EXPECT_EQ(w.exec(), QDialog::Rejected);
        ASSERT_EQ(lib.messages.shown.size(), 1u);
        EXPECT_EQ(lib.messages.lastText(), kind == ToolKind::Punch
                                               ? QStringLiteral("Votre biblioteque de poin\u00E7on est vide")
                                               : QStringLiteral("Votre biblioteque de matrice est vide"));
        EXPECT_EQ(lib.state.punch.name, "KEEP");
        EXPECT_EQ(lib.state.die.name, "KEEP");
        EXPECT_TRUE(lib.state.punch.selectionRequest);
    }
}

TEST(ToolLibraryWindow, ValideHandsTheCaptionToTheHolderAndNothingElse) {
    Library lib;
    lib.die("V12.die", BlockDie(40, 12));
    lib.die("V25.die", BlockDie(60, 25));
    lib.state.die.selectionRequest = true;
    lib.state.die.name = "OLD";
    lib.state.die.record = BlockDie(99, 99);
    const DieRecord inUse = lib.state.die.record;
    ToolLibraryWindow w(lib.state, ToolKind::Die, lib.messages);
    QString chosen;
    QTimer::singleShot(0, [&] {
        QTabBar* tabs = Tabs(w);
        QTest::keyClick(tabs, Qt::Key_Right);
        chosen = tabs->tabText(tabs->currentIndex());
        EXPECT_EQ(Text(w, QStringLiteral("Edit5")),
                  chosen == QStringLiteral("V12") ? QStringLiteral("12.00") : QStringLiteral("25.00"));
        QTest::mouseClick(Button(w, 8), Qt::LeftButton);
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    EXPECT_EQ(lib.state.die.name, chosen.toStdString());
    EXPECT_FALSE(chosen.isEmpty());
    EXPECT_EQ(lib.state.die.record, inUse);
    EXPECT_TRUE(lib.messages.shown.empty());

    // Browsing ("Retour") never names a tool.
    lib.state.die.selectionRequest = false;
    lib.state.die.name = "OLD";
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(Button(w, 8)->text(), QStringLiteral("Retour"));
        QTest::mouseClick(Button(w, 8), Qt::LeftButton);
    });
    w.exec();
    EXPECT_EQ(lib.state.die.name, "OLD");
}

// Chosen from the keyboard alone, as the operator does when the sequence
// window asks for a punch: F2 / F1 step, Enter is "Valide"; F8 leaves too.
TEST(ToolLibraryWindow, KeyboardStepsAndValidates) {
    Library lib;
    lib.punch("P1.pun", VPunch(1, 60, 88));
    lib.punch("P2.pun", VPunch(2, 70, 86));
    lib.punch("P3.pun", VPunch(3, 80, 30));
    lib.state.punch.selectionRequest = true;
    lib.state.punch.name = "OLD";
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    std::vector<QString> names;
    QTimer::singleShot(0, [&] {
        QTabBar* tabs = Tabs(w);
        for (int i = 0; i < tabs->count(); ++i) names.push_back(tabs->tabText(i));
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QTest::keyClick(keys, Qt::Key_F2);
        QTest::keyClick(keys, Qt::Key_F2);
        EXPECT_EQ(tabs->currentIndex(), 2);
        EXPECT_FALSE(Button(w, 2)->isEnabled());
        EXPECT_TRUE(Button(w, 1)->isEnabled());
        EXPECT_EQ(Text(w, QStringLiteral("Edit1")), names.empty() ? QString() : names[2].mid(1));
        QTest::keyClick(keys, Qt::Key_F1);
        EXPECT_EQ(tabs->currentIndex(), 1);
        QTest::keyClick(keys, Qt::Key_Return);
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(lib.state.punch.name, names[1].toStdString());

    lib.state.punch.selectionRequest = false;
    lib.state.punch.name = "OLD";
    QTimer::singleShot(0, [&] {
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QTest::keyClick(keys, Qt::Key_F2);
        QTest::keyClick(keys, Qt::Key_F8);
    });
    w.exec();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(lib.state.punch.name, "OLD");
}

TEST(ToolLibraryWindow, DieTableAndDrawing) {
    Library lib;
    lib.die("V16.DIE.die", BlockDie(40, 16));  // listed as V16, looked for as V16.die
    lib.die("V16.die", BlockDie(40, 16));
    ToolLibraryWindow w(lib.state, ToolKind::Die, lib.messages);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zelpor_2       Liste Matice"));
    EXPECT_EQ(Tabs(w)->count(), 2);
    EXPECT_EQ(Text(w, QStringLiteral("Designation4")), QStringLiteral("Angle du V\u00E9"));
    EXPECT_EQ(Text(w, QStringLiteral("Designation5")), QStringLiteral("Ouverture du v\u00E9"));
    EXPECT_EQ(Text(w, QStringLiteral("Designation6")), QStringLiteral("Rayon entr\u00E9e matrice"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit2")), QStringLiteral("4"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit4")), QStringLiteral("86.00"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit5")), QStringLiteral("16.00"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit6")), QStringLiteral("1.50"));
    EXPECT_EQ(Text(w, QStringLiteral("Unite6")), QStringLiteral("mm"));
    EXPECT_FALSE(w.findChild<QLineEdit*>(QStringLiteral("Edit4"))->font().bold());

    // Top face at mid-height, the die below it, nothing above.
    const QImage img = w.renderDrawing();
    ASSERT_EQ(img.size(), QSize(201, 449));
    EXPECT_GT(Count(img, kRed, QRect(0, 224, 201, 1)), 100);
    EXPECT_EQ(Count(img, kRed, QRect(0, 0, 201, 223)), 0);
    EXPECT_GT(Count(img, kRed, QRect(0, 225, 201, 224)), 100);
    EXPECT_EQ(img.pixel(100, 300), kGrey);
    // Drawing twice (a repaint) does not lower the die again.
    EXPECT_EQ(w.renderDrawing(), img);
    w.ShowTool();
    EXPECT_EQ(w.renderDrawing(), img);
}

TEST(ToolLibraryWindow, PunchHangsFromTheTopEdge) {
    Library lib;
    lib.punch("P.pun", VPunch(1, 100, 30));
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    w.show();
    const QImage img = w.renderDrawing();
    EXPECT_GT(Count(img, kRed, QRect(0, 0, 201, 1)), 80);      // the shank on the top edge
    EXPECT_EQ(Count(img, kRed, QRect(0, 226, 201, 223)), 0);   // the lower half stays empty
    EXPECT_GT(Count(img, kRed, QRect(95, 200, 11, 25)), 0);    // the tip near mid-height
}

TEST(ToolLibraryWindow, OutOfRangeOutlineDrawsNothing) {
    Library lib;
    PunchRecord bad = VPunch(5, 50, 45);
    bad.lastElement = 4000;
    lib.punch("BAD.pun", bad);
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    w.show();
    EXPECT_EQ(Text(w, QStringLiteral("Edit1")), QStringLiteral("5"));
    const QImage img = w.renderDrawing();
    EXPECT_EQ(Count(img, kGrey, img.rect()), 201 * 449);

    // A read-only file is not listed.
    lib.punch("AAA.pun", VPunch(7, 70, 30));
    std::filesystem::permissions(lib.dir.file("BAD.pun"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    w.hide();
    w.show();
    ASSERT_EQ(Tabs(w)->count(), 1);
    EXPECT_EQ(Text(w, QStringLiteral("Edit1")), QStringLiteral("7"));
}

TEST(ToolLibraryWindow, TabWithoutReadableFileKeepsThePreviousTool) {
    Library lib;
    lib.punch("AAA.pun", VPunch(7, 70, 30));
    lib.punch("ZZZ.old.pun", VPunch(9, 90, 30));  // listed as ZZZ, looked for as ZZZ.pun
    ToolLibraryWindow w(lib.state, ToolKind::Punch, lib.messages);
    w.show();
    QTabBar* tabs = Tabs(w);
    ASSERT_EQ(tabs->count(), 2);
    const int aaa = tabs->tabText(0) == QStringLiteral("AAA") ? 0 : 1;
    tabs->setCurrentIndex(aaa);
    const QImage shown = w.renderDrawing();
    tabs->setCurrentIndex(1 - aaa);
    EXPECT_EQ(tabs->tabText(1 - aaa), QStringLiteral("ZZZ"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit1")), QStringLiteral("7"));
    EXPECT_EQ(Text(w, QStringLiteral("Edit3")), QStringLiteral("70.00"));
    EXPECT_EQ(w.renderDrawing(), shown);
}

}  // namespace
}  // namespace zelpor
