#include <QListWidget>

#include <functional>

#include "core/calc/MaterialTable.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

class MaterialEditor : public MainWindowTest {
protected:
    void SetUp() override {
        writeTools();
        start(SamplePart(1));
    }
    // Opens "Outils" > "Matières" and acts in it as the user.
    void edit(const std::function<void(QWidget*)>& inside) {
        QTimer::singleShot(0, [inside] {
            QWidget* w = QApplication::activeModalWidget();
            ASSERT_TRUE(w);
            s_window = w;
            QApplication::setActiveWindow(w);
            inside(w);
            if (w->isVisible()) static_cast<QDialog*>(w)->done(QDialog::Rejected);
        });
        action("Matieres1")->trigger();
    }
    // Keys go to the field in hand of the editor.
    static QWidget* Target() { return s_window->focusWidget() ? s_window->focusWidget() : s_window; }
    static void Key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(Target(), k);
    }
    static void Type(const char* text) { QTest::keyClicks(Target(), QString::fromUtf8(text)); }
    static inline QWidget* s_window = nullptr;
    std::vector<std::uint8_t> table() { return ReadAll(m_ws.pathTools + "material.dat"); }
};

TEST_F(MaterialEditor, MaterialAddedByItsRmIsSavedAndChangesTheForceWhenChosen) {
    edit([](QWidget*) {
        Key(Qt::Key_F1);
        Type("S355");
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        Type("500");  // Rm in MPa
        Key(Qt::Key_F8);
    });
    const auto bytes = table();
    ASSERT_EQ(bytes.size(), 900u);
    const MaterialList list = DecodeMaterialList(bytes);
    ASSERT_EQ(list.names(), (std::vector<std::string>{"Acier", "S355"}));
    EXPECT_FLOAT_EQ(list.records[1].coefficient, 253.0f);

    key(Qt::Key_Down, 4);
    ASSERT_EQ(focused(), "CBmatiere");
    auto* materials = find<QComboBox>("CBmatiere");
    materials->setCurrentIndex(1);
    key(Qt::Key_Return);
    EXPECT_EQ(state().part.material.str(), "S355");
    EXPECT_EQ(text("Eforce"), "18.09");
}

TEST_F(MaterialEditor, RenamingTheOpenPartsMaterialAsksAndBadEntriesAreRefused) {
    const auto before = table();
    m_messages.answers = {QMessageBox::No};
    edit([&](QWidget* w) {
        Key(Qt::Key_Return);  // from the list to the name
        Key(Qt::Key_Backspace, 5);
        Type("Acier S235");
        Key(Qt::Key_Return);  // "No": nothing renamed
        EXPECT_EQ(w->findChild<QListWidget*>()->item(0)->text(), QStringLiteral("Acier"));
        Key(Qt::Key_Backspace, 5);
        Type("Acier S235");
        Key(Qt::Key_Return);  // asked again; the default answer is yes
        Key(Qt::Key_F1);
        Type("Cuivre");
        Key(Qt::Key_Return);
        Key(Qt::Key_F8);  // no coefficient yet: refused, nothing written
        EXPECT_EQ(m_messages.lastText(), QStringLiteral("Le coefficient doit \u00EAtre un nombre positif"));
        EXPECT_EQ(table(), before);
        Key(Qt::Key_F4);  // delete "Cuivre" (confirmed)
        Key(Qt::Key_F8);
    });
    EXPECT_EQ(m_messages.shown[0].text,
              QStringLiteral("La pi\u00E8ce ouverte est en Acier. La renommer aussi dans la pi\u00E8ce ?"));
    EXPECT_EQ(DecodeMaterialList(table()).names(), (std::vector<std::string>{"Acier S235"}));
    EXPECT_EQ(state().part.material.str(), "Acier S235");
    EXPECT_NEAR(bend(0).force, 16.09, 5e-3);  // same coefficient under its new name
}

TEST_F(MaterialEditor, FailedSaveIsReportedWithThePathAndLeavesTheOldTable) {
    const auto before = table();
    const std::string file = m_ws.pathTools + "material.dat";
    edit([&](QWidget* w) {
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);  // as a locked file on the shop's share
        Key(Qt::Key_F1);
        Type("Inox");
        Key(Qt::Key_Return);
        Type("350");
        Key(Qt::Key_F8);
        EXPECT_TRUE(w->isVisible());  // the user can still retry or leave
        EXPECT_TRUE(m_messages.lastText().contains(QString::fromStdString(m_ws.pathTools + "material.dat")));
        Key(Qt::Key_Escape);  // leave without saving (confirmed)
    });
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(table(), before);
}

}  // namespace
}  // namespace zelpor::test
