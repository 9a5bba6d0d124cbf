#include <csignal>

#include "ui/platform/TerminationSignals.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

namespace fs = std::filesystem;

using SignalClose = MainWindowTest;

// A session that ends while the part cannot be written has nobody to answer
// "Fermer quand même ?": the program says where on standard error and ends,
// the old file left as it was. Before, the question kept it running.
TEST_F(SignalClose, FailedSaveIsReportedOnStderrAndTheProgramEnds) {
    writePart(SamplePart(1));
    start();
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

}  // namespace
}  // namespace zelpor::test
