#include "DialogFixture.h"

namespace zelpor::test {
namespace {

using NewJob = DialogFixture;

// A fresh installation cannot leave without a job: Escape and "Annuler" are
// refused, and so are names that would leave the jobs folder.
TEST_F(NewJob, FreshInstallationCannotLeaveWithoutCreatingAJob) {
    state.workspace.customer = "?";
    bool stayed = true;
    const int result = execWith(*newCustom, [&] {
        ASSERT_EQ(QApplication::activeModalWidget(), newCustom.get());
        auto* edit1 = child<QLineEdit>(newCustom.get(), "Edit1");
        EXPECT_EQ(newCustom->focusWidget(), edit1);
        QTest::keyClick(edit1, Qt::Key_Escape);
        stayed = stayed && newCustom->isVisible();
        QTest::mouseClick(child<QPushButton>(newCustom.get(), "CancelBtn"), Qt::LeftButton);
        stayed = stayed && newCustom->isVisible();
        for (const char* name : {"../evil", "   "}) {
            edit1->clear();
            QTest::keyClicks(edit1, QString::fromUtf8(name));
            QTest::keyClick(edit1, Qt::Key_Return);
            stayed = stayed && newCustom->isVisible();
            EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("Nom invalide : "))) << name;
        }
        edit1->clear();
        QTest::keyClicks(edit1, QStringLiteral("Atelier 7"));
        QTest::keyClick(edit1, Qt::Key_Return);
    });
    EXPECT_TRUE(stayed);
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Nom d'affaire obligatoire"));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(state.workspace.customer, "Atelier 7");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), std::filesystem::directory_iterator()), 1);
    EXPECT_TRUE(std::filesystem::is_directory(root / "Atelier 7"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "evil"));
}

}  // namespace
}  // namespace zelpor::test
