#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/Application.h"
#include "profiletable/ProfileTableWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;

QWidget* FocusedField() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal->focusWidget() : nullptr;
}

// Alt+F4 in a row closes the table as Escape does; it is not F4 (insert a row).
TEST(TableAltF4, ClosesTheWindowWithoutInsertingARow) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd{dir.path()};
    test::ScriptedMessages messages;
    Application app{dir.file("zelpor"), "", &messages};
    app.state().workspace.customer = "Job";
    app.state().workspace.part = "Bac";
    ProfileTableWindow window(app.state(), app.windows(), messages, ProfileTableWindow::Start::NewProfile);
    bool rowInserted = true;
    QTimer::singleShot(0, &window, [&] {
        for (const char* value : {"2", "0", "100", "90"}) {
            QTest::keyClicks(FocusedField(), QString::fromLatin1(value));
            QTest::keyClick(FocusedField(), Qt::Key_Return);
        }
        ASSERT_EQ(FocusedField(), window.field({Field::Length, 1}));
        QTest::keyClick(FocusedField(), Qt::Key_F4, Qt::AltModifier);
        rowInserted = window.field({Field::Length, 2}) != nullptr && window.field({Field::Length, 2})->isVisible();
        QTimer::singleShot(50, &window, [&window] {
            if (window.isVisible()) window.done(-1);  // never hang on a failure
        });
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_FALSE(rowInserted);
}

}  // namespace
}  // namespace zelpor
