#include <QClipboard>

#include "core/text/Numbers.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using Nav = MainWindowTest;

// Starts on the part field, then the bend keys and buttons on three bends.
// Showing a bend brings a stale Y in line and rounds the settings to their text.
TEST_F(Nav, StartThenBendKeysAndButtonsOnThreeBends) {
    writeDie("V16.DIE", 16, 88, 2);
    PartRecord p = SamplePart(3);
    p.bends[0].angle = 90;
    p.bends[0].y = 7.777f;
    p.bends[0].retract = 1.234f;
    start(p);
    EXPECT_EQ(focused(), "Edit2");
    for (auto [name, value] : {std::pair{"Edit1", "JOB"}, {"Edit2", "P1"}, {"Edit3", "3/3"}, {"Edit4", "2.00"}})
        EXPECT_EQ(text(name), value) << name;
    EXPECT_EQ(main()->statusText(), "Commentaire : Support moteur");

    key(Qt::Key_Down);
    QStringList shown;
    for (Qt::Key k : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F1, Qt::Key_F3, Qt::Key_F3, Qt::Key_F2}) {
        key(k);
        shown << text("Edit3");
    }
    EXPECT_EQ(shown.join(' '), "3/3 4/4 1/4 2/4 3/4 2/4");
    button(1)->click();
    EXPECT_EQ(text("Edit3"), "1/4");
    EXPECT_EQ(text("Eangle"), "90.00");  // the button shows the bend at once
    EXPECT_NEAR(bend(0).y, 4.118, 5e-4);
    EXPECT_EQ(bend(0).retract, 1.23f);
    button(4)->click();  // inserts, one step on
    EXPECT_EQ(text("Edit3"), "2/5");
    EXPECT_EQ(focused(), "Edit3");
    closeWindow();

    // A part without bends gets its first from F4.
    p.currentBend = p.lastBend = -1;
    start(p);
    key(Qt::Key_Down);
    key(Qt::Key_F4);
    EXPECT_EQ(text("Edit3"), "1/1");
}

// The keys the window hands to the field rules, each on a path of real
// widgets: a start, a key, a count and the fields met after each key.
TEST_F(Nav, FocusPaths) {
    start(SamplePart(1));
    const struct {
        const char* from;
        Qt::Key key;
        int times;
        const char* path;
    } rows[] = {
        {"Edit2", Qt::Key_Down, 7, "Edit3 Edit4 Edit5 CBmatiere CBpoincon CBmatice Edit1"},
        {"Eangle", Qt::Key_Right, 2, "Eforce Eforce"},  // the right-hand column ignores Right
        {"Eangle", Qt::Key_Up, 11,
         "Evit_decomp Edecompress Etemps_force Evitesse Eforce Etemps_next Eretract Eaxe1 Epmh Eaxey Eangle"},
        {"Etemps_next", Qt::Key_Left, 1, "Edit3"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.from);
        find(r.from)->setFocus();
        EXPECT_EQ(walk(r.key, r.times).join(' '), r.path);
    }

    // Enter in an emptied Y stays there; Down too.
    find("Edit2")->setFocus();
    key(Qt::Key_Right);  // part field: Right goes to "Y"
    ASSERT_EQ(focused(), "Eaxey");
    EXPECT_EQ(main()->statusText(), "× Calcul automatique ");
    key(Qt::Key_Backspace);  // caret at the start: the value goes
    EXPECT_EQ(walk(Qt::Key_Return, 1).join(' '), "Eaxey");
    EXPECT_EQ(walk(Qt::Key_Down, 1).join(' '), "Eaxey");
    EXPECT_EQ(walk(Qt::Key_Up, 1).join(' '), "Eangle");
    EXPECT_EQ(main()->statusText(), "");
}

// F8 (or the "Plis" menu) trades the panels for the drawing and back. In the
// drawing Right is no way out of the thickness field: it moves the caret, so
// what is typed next goes after the first digit. The force follows, but its
// hidden field keeps the old text until the numbers show again.
TEST_F(Nav, F8SwitchesToTheDrawingAndBack) {
    writeTools();
    PartRecord p = SamplePart(1);
    p.bends[0].force = 5;
    start(p);
    key(Qt::Key_F8);  // the part level does not switch
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    key(Qt::Key_Down);
    key(Qt::Key_F8);
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
    EXPECT_TRUE(find<QWidget>("PaintBox1")->isVisible());
    key(Qt::Key_Right);  // no settings to go to in the drawing
    EXPECT_EQ(focused(), "Edit3");
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    keys("5");
    EXPECT_EQ(state().part.thickness, 25.0f);
    EXPECT_NE(bend(0).force, 5.0f);
    EXPECT_EQ(text("Eforce"), "5.00");
    key(Qt::Key_Up);
    key(Qt::Key_F8);
    EXPECT_EQ(text("Eforce"), QString::fromStdString(FormatFixed(bend(0).force, 2)));
    EXPECT_EQ(main()->viewMode(), ViewMode::Numeric);
    action("Graphique1")->trigger();
    EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
}

using Entry = MainWindowTest;

// Die V 16 / 88° / radius 2. A new thickness runs the chain (X kept as
// shown); each keystroke in "Angle" stores and recomputes Y at once; letters,
// commas, pasted text and an empty field store nothing. Typing in a field
// entered with the keys replaces its text. All of it reaches the part file.
TEST_F(Entry, TypedValuesAreStoredAtOnceAndReachThePartFile) {
    writeDie("V16.DIE", 16, 88, 2);
    PartRecord p = SamplePart(1);
    p.bends[0].angle = 90;
    p.bends[0].speed = 20;
    start(p);
    key(Qt::Key_Down, 2);
    keys("1,5");
    EXPECT_EQ(text("Edit4"), "15");
    key(Qt::Key_Backspace);
    keys(".5");
    const double y = ComputeYDepth(90, 1.5f, 2, 16, 88);
    const QString x = QString::fromStdString(FormatFixed(ComputeBendDeduction(1.5f, 16, 90), 2));
    EXPECT_EQ(text("Eaxe1"), x);
    key(Qt::Key_Return);
    keys("750");

    key(Qt::Key_Up, 4);  // job field
    key(Qt::Key_Right);  // "Angle"
    ASSERT_EQ(focused(), "Eangle");
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(main()->focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Eangle"), "90.00");
    keys("9");
    EXPECT_EQ(bend(0).angle, 9.0f);
    EXPECT_EQ(text("Eaxey"), QString::fromStdString(FormatFixed(ComputeYDepth(9, 1.5f, 2, 16, 88), 2)));
    key(Qt::Key_Backspace);
    EXPECT_EQ(bend(0).angle, 9.0f);  // an empty text stores nothing
    keys("1.2.3");                   // unreadable: flat
    EXPECT_EQ(bend(0).angle, 180.0f);
    EXPECT_EQ(text("Eaxey"), "0.00");
    key(Qt::Key_Backspace, 5);
    keys("90a");
    EXPECT_EQ(text("Eangle"), "90");
    EXPECT_EQ(text("Eaxey"), QString::fromStdString(FormatFixed(y, 2)));
    key(Qt::Key_Return, 2);  // Y, Ouverture
    keys("150");
    key(Qt::Key_Return, 5);  // "Vitesse"
    keys("1.2.3");           // an unreadable speed stores its fallback, 10
    closeWindow();
    const auto bytes = ReadAll(partPath());
    ASSERT_EQ(bytes.size(), PartRecord::kFileSize);
    const std::pair<std::size_t, float> floats[] = {
        {255, 1.5f}, {kBendsAt, 750}, {kBendsAt + 108, 90}, {kBendsAt + 116, 150}, {kBendsAt + 132, 10}};
    for (auto [offset, value] : floats) EXPECT_EQ(FloatAt(bytes, offset), value) << offset;
    EXPECT_NEAR(FloatAt(bytes, kBendsAt + 112), y, 1e-4);
    EXPECT_EQ(FloatAt(bytes, kBendsAt + 120), x.toFloat());
}

}  // namespace
}  // namespace zelpor::test
