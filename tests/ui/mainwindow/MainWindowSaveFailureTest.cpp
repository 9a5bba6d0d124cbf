#include <csignal>

#include "ui/dialogs/NewCustomDialog.h"
#include "ui/platform/TerminationSignals.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

namespace fs = std::filesystem;

class Closing : public MainWindowTest {
protected:
    std::string partFailure() const {
        return "La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans " + partPath() + ".\nFermer quand m\u00EAme ?";
    }
};

// Alt+F4 reaches the program even without a window manager: a dialog closes
// as with "Annuler"; the main window closes and saves from every field, and
// in the bend field it must not be taken for F4 (insert a bend).
TEST_F(Closing, AltF4ClosesADialogThenTheMainWindowFromTheBendFieldWithoutInsertingABend) {
    writeTools();
    start(SamplePart(3));
    NewCustomDialog* newJob = m_app->windows().newCustom;
    newJob->show();
    QTest::keyClick(newJob->focusWidget(), Qt::Key_F4, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_EQ(state().workspace.customer, "JOB");
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Edit3");
    fs::remove(partPath());  // written again only by closing
    QTest::keyClick(main()->focusWidget(), Qt::Key_F4, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_FALSE(main()->isVisible());
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, m_ws.pathCustomers, m_ws.customer, "P1.pie"));
    EXPECT_EQ(saved.lastBend, 2);
    EXPECT_TRUE(m_messages.shown.empty());
}

// A session that ends while the part cannot be written has nobody to answer
// "Fermer quand même ?": the program says where on standard error and ends.
// Before, the question kept it running.
TEST_F(Closing, SignalWithAFailedSaveIsReportedOnStderrAndTheProgramEnds) {
    start(SamplePart(1));
    key(Qt::Key_Down, 2);
    keys("3");
    fs::remove(partPath());
    fs::create_directory(partPath());  // nothing can be written there
    CloseOnTerminationSignals(main());
    m_messages.answers = {QMessageBox::No, QMessageBox::No};
    testing::internal::CaptureStderr();
    std::raise(SIGTERM);
    for (int i = 0; i < 20 && main()->isVisible(); ++i) QTest::qWait(10);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_NE(err.find("zelpor: La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans " + partPath()),
              std::string::npos)
        << err;
}

TEST_F(Closing, ReadOnlyPartKeepsTheWindowOpenUntilItCanBeSaved) {
    start(SamplePart(1));
    const auto before = ReadAll(partPath());
    key(Qt::Key_Down, 2);
    keys("3");  // a new thickness, the work that must not be lost
    fs::permissions(partPath(), fs::perms::owner_read | fs::perms::group_read);
    m_messages.answers = {QMessageBox::No};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, QString::fromStdString(partFailure()));
    EXPECT_TRUE(main()->isVisible());  // "No": the part is still on screen
    EXPECT_EQ(ReadAll(partPath()), before);

    // The user makes the file writable again and closes: the typed value is saved.
    fs::permissions(partPath(), fs::perms::owner_read | fs::perms::owner_write);
    main()->close();
    EXPECT_EQ(m_messages.shown.size(), 1u);
    EXPECT_FALSE(main()->isVisible());
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, m_ws.pathCustomers, m_ws.customer, "P1.pie"));
    EXPECT_EQ(saved.thickness, 3.0f);
}

// Folders where the configuration and the part file should go: both failures
// are named in one question; the window closes only when the user agrees.
TEST_F(Closing, ImpossiblePathsCloseOnlyWhenTheUserAgrees) {
    start(SamplePart(1));
    const std::string ini = state().iniPath;
    for (const std::string& path : {ini, partPath()}) {
        fs::remove(path);
        fs::create_directory(path);
    }
    m_messages.answers = {QMessageBox::No, QMessageBox::Yes};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text.toStdString(),
              "La configuration n'a pas pu \u00EAtre enregistr\u00E9e dans " + ini + ".\n" + partFailure());
    EXPECT_TRUE(main()->isVisible());
    main()->close();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(m_messages.shown.size(), 2u);
}

}  // namespace
}  // namespace zelpor::test
