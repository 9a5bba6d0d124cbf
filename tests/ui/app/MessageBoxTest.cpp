#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/MessageService.h"

namespace zelpor {
namespace {

// The questions the program asks ("Confirmer la suppression ", "Piece existe
// écraser", closing with unsaved work) answer in French, and the keys keep
// their meaning: Enter takes the default button, Escape the "no" side.
TEST(MessageBox, StandardButtonsSpeakFrench) {
    const struct { QMessageBox::StandardButtons buttons; QStringList texts; Qt::Key key; QMessageBox::StandardButton answer; } cases[] = {
        {QMessageBox::Ok | QMessageBox::Cancel, {QStringLiteral("OK"), QStringLiteral("Annuler")}, Qt::Key_Escape, QMessageBox::Cancel},
        {QMessageBox::Yes | QMessageBox::No, {QStringLiteral("&Oui"), QStringLiteral("&Non")}, Qt::Key_Return, QMessageBox::Yes},
    };
    for (const auto& c : cases) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            for (QPushButton* b : box->findChildren<QPushButton*>()) shown << b->text();
            QTest::keyClick(box, c.key);
        });
        DialogMessageService messages;
        EXPECT_EQ(messages.show(nullptr, QMessageBox::Question, QString(), QStringLiteral("?"), c.buttons), c.answer);
        shown.sort();
        QStringList expected = c.texts;
        expected.sort();
        EXPECT_EQ(shown, expected);
    }
}

}  // namespace
}  // namespace zelpor
