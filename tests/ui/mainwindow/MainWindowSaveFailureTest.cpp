#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

namespace fs = std::filesystem;

class SaveFailure : public MainWindowTest {
protected:
    void SetUp() override { start(SamplePart(1)); }
    QString partFailure() const {
        return QString::fromStdString("La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans " + partPath() +
                                      ".\nFermer quand m\u00EAme ?");
    }
};

TEST_F(SaveFailure, ReadOnlyPartKeepsTheWindowOpenUntilItCanBeSaved) {
    writePart(SamplePart(1));
    const auto before = ReadAll(partPath());
    start();
    key(Qt::Key_Down, 2);
    keys("3");  // a new thickness, the work that must not be lost
    fs::permissions(partPath(), fs::perms::owner_read | fs::perms::group_read);
    m_messages.answers = {QMessageBox::No};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, partFailure());
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
TEST_F(SaveFailure, ImpossiblePathsCloseOnlyWhenTheUserAgrees) {
    const std::string ini = state().iniPath;
    for (const std::string& path : {ini, partPath()}) {
        fs::remove(path);
        fs::create_directory(path);
    }
    m_messages.answers = {QMessageBox::No, QMessageBox::Yes};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text,
              QString::fromStdString("La configuration n'a pas pu \u00EAtre enregistr\u00E9e dans " + ini + ".\n") +
                  partFailure());
    EXPECT_TRUE(main()->isVisible());
    main()->close();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(m_messages.shown.size(), 2u);
}

}  // namespace
}  // namespace zelpor::test
