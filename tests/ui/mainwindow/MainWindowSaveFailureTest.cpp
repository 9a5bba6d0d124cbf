#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

namespace fs = std::filesystem;

class SaveFailure : public MainWindowTest {
protected:
    // Types a new thickness, the work that must not be lost.
    void typeThickness() {
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        ASSERT_EQ(focused(), "Edit4");
        keys("3");
        ASSERT_EQ(state().part.thickness, 3.0f);
    }
    QString partText() const {
        return QString::fromStdString("La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans " + partPath() + ".");
    }
    static const QString& question() {
        static const QString q = QStringLiteral("\nFermer quand m\u00EAme ?");
        return q;
    }
};

TEST_F(SaveFailure, ReadOnlyPartKeepsTheWindowOpenUntilItCanBeSaved) {
    writePart(SamplePart(1));
    const auto before = ReadAll(partPath());
    start();
    typeThickness();
    fs::permissions(partPath(), fs::perms::owner_read | fs::perms::group_read);
    m_messages.answers = {QMessageBox::No};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(m_messages.shown[0].title, "Zelpor_2");
    EXPECT_EQ(m_messages.shown[0].text, partText() + question());
    EXPECT_EQ(m_messages.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(main()->isVisible());  // "No": the part is still on screen
    EXPECT_EQ(ReadAll(partPath()), before);
    EXPECT_EQ(state().part.thickness, 3.0f);

    // The user makes the file writable again and closes: the typed value is saved.
    fs::permissions(partPath(), fs::perms::owner_read | fs::perms::owner_write);
    main()->close();
    EXPECT_EQ(m_messages.shown.size(), 1u);
    EXPECT_FALSE(main()->isVisible());
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, m_ws.pathCustomers, m_ws.customer, "P1.pie"));
    EXPECT_EQ(saved.thickness, 3.0f);
    EXPECT_EQ(saved.comment.str(), "Support moteur");
}

TEST_F(SaveFailure, ImpossiblePartPathClosesOnlyWhenTheUserAgrees) {
    writePart(SamplePart(1));
    start();
    fs::remove(partPath());
    fs::create_directory(partPath());  // a folder where the file should go
    m_messages.answers = {QMessageBox::No, QMessageBox::Yes};
    main()->close();
    EXPECT_TRUE(main()->isVisible());
    main()->close();
    EXPECT_FALSE(main()->isVisible());
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[1].text, partText() + question());
    EXPECT_TRUE(fs::is_directory(partPath()));
}

TEST_F(SaveFailure, UnwritableConfigurationIsNamedWithThePart) {
    writePart(SamplePart(1));
    start();
    typeThickness();
    const std::string ini = state().iniPath;
    fs::remove(ini);
    fs::create_directory(ini);
    fs::remove(partPath());
    fs::create_directory(partPath());
    m_messages.answers = {QMessageBox::No};
    main()->close();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text,
              QString::fromStdString("La configuration n'a pas pu \u00EAtre enregistr\u00E9e dans " + ini + ".\n") +
                  partText() + question());
    EXPECT_TRUE(main()->isVisible());
    fs::remove(ini);
    fs::remove(partPath());
    main()->close();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(m_messages.shown.size(), 1u);
    PartRecord saved;
    ASSERT_TRUE(ReadPart(saved, m_ws.pathCustomers, m_ws.customer, "P1.pie"));
    EXPECT_EQ(saved.thickness, 3.0f);
    EXPECT_TRUE(fs::is_regular_file(ini));
}

}  // namespace
}  // namespace zelpor::test
