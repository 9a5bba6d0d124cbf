#include "ui/dialogs/NewCustomDialog.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using AltF4 = MainWindowTest;

// Alt+F4 reaches the program even without a window manager: a dialog closes
// as with "Annuler"; the main window closes and saves from every field, and
// in the bend field it must not be taken for F4 (insert a bend).
TEST_F(AltF4, ClosesADialogThenTheMainWindowFromTheBendFieldWithoutInsertingABend) {
    writeTools();
    start(SamplePart(3));
    NewCustomDialog* newJob = m_app->windows().newCustom;
    newJob->show();
    QTest::keyClick(newJob->focusWidget(), Qt::Key_F4, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_EQ(state().workspace.customer, "JOB");
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
    EXPECT_TRUE(m_messages.shown.empty());
}

}  // namespace
}  // namespace zelpor::test
