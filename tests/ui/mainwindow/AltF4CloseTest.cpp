#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using AltF4 = MainWindowTest;

// Alt+F4 closes the window from every field, as the title bar does; in the
// bend field it must not be taken for F4 (insert a bend).
TEST_F(AltF4, InTheBendFieldClosesAndSavesWithoutInsertingABend) {
    writeTools();
    start(SamplePart(3));
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit3");
    QTest::keyClick(main()->focusWidget(), Qt::Key_F4, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_EQ(text("Edit3"), "3/3");
    EXPECT_FALSE(main()->isVisible());
    const auto bytes = ReadAll(partPath());
    ASSERT_EQ(bytes.size(), 10741u);
    std::int32_t last = 0;
    std::memcpy(&last, bytes.data() + 294, 4);
    EXPECT_EQ(last, 2);
}

}  // namespace
}  // namespace zelpor::test
