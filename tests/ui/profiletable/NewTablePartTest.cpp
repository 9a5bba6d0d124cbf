#include <QRadioButton>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

// F2 in the part field: "Profil de piece en tableau" can be chosen, and the
// new part's profile is then typed in the table window.
TEST_F(MainWindowTest, ANewPartOfTypeTableOpensTheProfileTable) {
    start(SamplePart(3));
    bool tableEnabled = false;
    QString opened;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        tableEnabled = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->isEnabled();
        dialog->done(81);
        QTimer::singleShot(0, [&] {
            opened = QApplication::activeModalWidget()->objectName();
            AnswerModal(QDialog::Rejected);
        });
    });
    key(Qt::Key_F2);
    EXPECT_TRUE(tableEnabled);
    EXPECT_EQ(opened, "FormProfileTable");
    EXPECT_EQ(focused(), "Edit2");  // back at the part, as after any new part
    closeWindow();
}

}  // namespace
}  // namespace zelpor::test
