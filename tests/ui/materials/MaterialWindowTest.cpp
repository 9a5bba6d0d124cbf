#include <QListWidget>

#include "core/calc/MaterialTable.h"
#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/tooleditor/ModalKeys.h"

namespace zelpor::test {
namespace {

class MaterialEditor : public MainWindowTest {
protected:
    void SetUp() override {
        writeTools();
        start(SamplePart(1));
    }
    // Opens "Outils" > "Matières" and acts in it as the user, who closes it.
    void edit(const std::function<void(QWidget*)>& inside) {
        WhileModal([&] { action("Matieres1")->trigger(); }, inside);
    }
    std::vector<std::uint8_t> table() { return ReadAll(m_ws.pathTools + "material.dat"); }
};

TEST_F(MaterialEditor, MaterialAddedByItsRmIsSavedAndChangesTheForceWhenChosen) {
    edit([](QWidget* w) {
        Key(w, Qt::Key_F1);
        Fields(w, {"S355", ""});
        Keys(w, "500");  // Rm in MPa
        Key(w, Qt::Key_F8);
    });
    const auto bytes = table();
    ASSERT_EQ(bytes.size(), 900u);
    const MaterialList list = DecodeMaterialList(bytes);
    ASSERT_EQ(list.names(), (std::vector<std::string>{"Acier", "S355"}));
    EXPECT_FLOAT_EQ(list.records[1].coefficient, 253.0f);

    key(Qt::Key_Down, 4);
    ASSERT_EQ(focused(), "CBmatiere");
    find<QComboBox>("CBmatiere")->setCurrentIndex(1);
    key(Qt::Key_Return);
    EXPECT_EQ(state().part.material.str(), "S355");
    EXPECT_EQ(text("Eforce"), "18.09");
}

TEST_F(MaterialEditor, RenamingTheOpenPartsMaterialAsksAndBadEntriesAreRefused) {
    const auto before = table();
    m_messages.answers = {QMessageBox::No};
    edit([&](QWidget* w) {
        Key(w, Qt::Key_Return);  // from the list to the name
        Key(w, Qt::Key_Backspace, 5);
        Keys(w, "Acier S235");
        Key(w, Qt::Key_Return);  // "No": nothing renamed
        EXPECT_EQ(w->findChild<QListWidget*>()->item(0)->text(), QStringLiteral("Acier"));
        Key(w, Qt::Key_Backspace, 5);
        Keys(w, "Acier S235");
        Key(w, Qt::Key_Return);  // asked again; the default answer is yes
        Key(w, Qt::Key_F1);
        Fields(w, {"Cuivre"});
        Key(w, Qt::Key_F8);  // no coefficient yet: refused, nothing written
        EXPECT_EQ(m_messages.lastText(), QStringLiteral("Le coefficient doit \u00EAtre un nombre positif"));
        EXPECT_EQ(table(), before);
        Key(w, Qt::Key_F4);  // delete "Cuivre" (confirmed)
        Key(w, Qt::Key_F8);
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
        Key(w, Qt::Key_F1);
        Fields(w, {"Inox"});
        Keys(w, "350");
        Key(w, Qt::Key_F8);
        EXPECT_TRUE(w->isVisible());  // the user can still retry or leave
        EXPECT_TRUE(m_messages.lastText().contains(QString::fromStdString(m_ws.pathTools + "material.dat")));
        Key(w, Qt::Key_Escape);  // leave without saving (confirmed)
    });
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(table(), before);
}

}  // namespace
}  // namespace zelpor::test
