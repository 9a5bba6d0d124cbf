#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QToolButton>

#include "ui/mainwindow/ToolStripIcons.h"
#include "support/TempDir.h"

namespace zelpor::test {
namespace {

// The tool strip's buttons show exactly the style's pictures, enabled and
// disabled, at the sizes a button shows on single and double density
// screens, before and after the theme has been asked.
TEST(ToolStripIcons, ShowTheStylesPicturesPixelForPixel) {
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    const struct {
        QStyle::StandardPixmap standard;
        const char* themeName;
        const char* builtInName;
    } cases[] = {{QStyle::SP_DialogOpenButton, "folder-open", "standardbutton-open"},
                 {QStyle::SP_DialogSaveButton, "document-save", "standardbutton-save"},
                 {QStyle::SP_FileDialogDetailedView, "view-list-details", "viewdetailed"}};
    for (const auto& c : cases) {
        QToolButton button;
        button.setGeometry(4, 3, 25, 24);
        button.setEnabled(false);
        SetToolStripIcon(&button, c.standard, c.themeName, c.builtInName);
        const QIcon expected = button.style()->standardIcon(c.standard);
        auto same = [&] {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                for (const int size : {16, 32})
                    EXPECT_EQ(button.icon().pixmap(size, mode).toImage(), expected.pixmap(size, mode).toImage())
                        << c.builtInName << " at " << size << " in mode " << mode;
        };
        same();
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
        QTest::qWait(10);  // the theme is asked after the first paint
        same();
    }
}

}  // namespace
}  // namespace zelpor::test
