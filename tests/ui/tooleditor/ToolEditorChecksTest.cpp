#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "support/SampleTools.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/tooleditor/ModalKeys.h"
#include "ui/tooleditor/ToolEditorWindow.h"
#include "ui/tools/ToolLibraryWindow.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

namespace fs = std::filesystem;

// A die editor on a tools folder holding V16 and V24.
struct DieEditor : ::testing::Test {
    test::TempDir dir;
    AppState state;
    test::ScriptedMessages messages;
    std::unique_ptr<ToolEditorWindow> editor;
    std::vector<std::uint8_t> v16 = EncodeDie(test::SampleDieV16());

    DieEditor() {
        state.workspace.pathTools = dir.folder();
        test::WriteAll(dir.file("V16.die"), v16);
        DieRecord v24 = test::SampleDieV16();
        v24.height = 70;
        test::WriteAll(dir.file("V24.DIE"), EncodeDie(v24));
        editor = std::make_unique<ToolEditorWindow>(state, ToolKind::Die, messages);
        editor->show();
        QApplication::setActiveWindow(editor.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    QLineEdit* field(const char* name) { return editor->findChild<QLineEdit*>(QLatin1String(name)); }
    void Key(Qt::Key k, int times = 1) { test::Key(editor.get(), k, times); }
    void Type(const char* text) { test::Keys(editor.get(), text); }
    // Replaces the text of a field as the user does: click in, select all, type.
    void retype(const char* name, const char* text) {
        field(name)->setFocus();
        field(name)->selectAll();
        Type(text);
    }
};

// Every rule is checked in core; here a figure, a figure checked against the
// outline and a point reach it, and a refusal shows its message, keeps the
// window and writes nothing.
TEST_F(DieEditor, ChecksRefuseWithTheirMessageAndWriteNothing) {
    const struct {
        const char *field, *typed, *message;
    } cases[] = {
        {"EditHauteur", "0", "La hauteur doit \u00EAtre un nombre positif"},
        {"EditAngle", "80",
         "L'angle du v\u00E9 ne correspond pas au contour : fond du v\u00E9 attendu en x = 0, y = 50.47"},
        {"EditY6", "", "Point 6 : coordonn\u00E9e non num\u00E9rique"},
    };
    for (const auto& c : cases) {
        const QString before = field(c.field)->text();
        retype(c.field, c.typed);
        if (*c.typed == '\0') Key(Qt::Key_Delete);
        Key(Qt::Key_F8);
        EXPECT_EQ(messages.lastText(), QString::fromUtf8(c.message)) << c.field;
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(test::ReadAll(dir.file("V16.die")), v16) << c.field;
        retype(c.field, before.toLatin1().constData());
    }
    // Back to the figures of the file: F8 saves the same bytes and closes.
    Key(Qt::Key_F8);
    EXPECT_EQ(test::ReadAll(dir.file("V16.die")), v16);
}

TEST_F(DieEditor, DrawingIsTheLibrarysAndAFailedSaveLeavesTheOldFile) {
    ToolLibraryWindow library(state, ToolKind::Die, messages);
    library.show();
    EXPECT_EQ(editor->renderDrawing(), library.renderDrawing());  // V16 in both
    retype("EditHauteur", "70");                                  // the drawing follows every keystroke
    EXPECT_NE(editor->renderDrawing(), library.renderDrawing());

    // Generating a single V for the new height, then a save that cannot be written.
    Key(Qt::Key_F5);
    fs::permissions(dir.file("V16.die"), fs::perms::owner_read);
    Key(Qt::Key_F8);
    EXPECT_EQ(messages.lastText(), QStringLiteral("L'outil n'a pas pu \u00EAtre enregistr\u00E9 dans ") +
                                       QString::fromStdString(dir.file("V16.die")) +
                                       QStringLiteral(" ; l'ancien fichier est intact."));
    fs::permissions(dir.file("V16.die"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::ReadAll(dir.file("V16.die")), v16);
    Key(Qt::Key_F8);  // the disk is back: saved
    DieRecord saved;
    DecodeDie(saved, test::ReadAll(dir.file("V16.die")));
    EXPECT_EQ(saved.height, 70.0f);
    EXPECT_EQ(saved.outline[5].y1, 61.72f);  // the groove's bottom, 8.28 below the top face
}

TEST_F(DieEditor, CopyAndDeleteAskBeforeTouchingAnExistingFile) {
    Key(Qt::Key_F2);  // copy V16 under a new name
    Type("V24");
    Key(Qt::Key_Return);
    messages.answers = {QMessageBox::No};
    Key(Qt::Key_F8);  // "V24" exists: not replaced
    EXPECT_EQ(messages.lastText(), QStringLiteral("L'outil \u00AB V24 \u00BB existe d\u00E9j\u00E0. Le remplacer ?"));
    EXPECT_NE(test::ReadAll(dir.file("V24.DIE")), v16);
    retype("EditNom", "V12");  // the name rule itself is checked in core
    Key(Qt::Key_F8);
    EXPECT_EQ(test::ReadAll(dir.file("V12.DIE")), v16);

    editor->show();  // reopened: the list in the library order (renaming is checked in core)
    QApplication::setActiveWindow(editor.get());
    auto* list = editor->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("V12"));
    messages.answers = {QMessageBox::Cancel};
    Key(Qt::Key_F4);
    EXPECT_TRUE(fs::exists(dir.file("V12.DIE")));
    Key(Qt::Key_F4);  // confirmed
    EXPECT_FALSE(fs::exists(dir.file("V12.DIE")));
    EXPECT_EQ(editor->draft().name, "V16");
}

}  // namespace
}  // namespace zelpor
