#include <QClipboard>

#include "core/text/Numbers.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

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
    ASSERT_EQ(focused(), "Edit4");
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
    key(Qt::Key_Return, 5);
    ASSERT_EQ(focused(), "Evitesse");
    keys("1.2.3");  // an unreadable speed stores its fallback, 10
    key(Qt::Key_Return);
    keys("0,5");
    EXPECT_EQ(text("Etemps_force"), "05");
    closeWindow();
    const auto bytes = ReadAll(partPath());
    ASSERT_EQ(bytes.size(), PartRecord::kFileSize);
    const std::pair<std::size_t, float> floats[] = {{255, 1.5f},           {kBendsAt, 750},      {kBendsAt + 108, 90},
                                                    {kBendsAt + 116, 150}, {kBendsAt + 132, 10}, {kBendsAt + 136, 5}};
    for (auto [offset, value] : floats) EXPECT_EQ(FloatAt(bytes, offset), value) << offset;
    EXPECT_NEAR(FloatAt(bytes, kBendsAt + 112), y, 1e-4);
    EXPECT_EQ(FloatAt(bytes, kBendsAt + 120), x.toFloat());
}

}  // namespace
}  // namespace zelpor::test
