#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QToolButton>

#include "app/FirstPaintProbe.h"
#include "common/FunctionPanel.h"

namespace zelpor {
namespace {

// The glyphs of the function buttons are read when first painted; they must
// still be the style's own pictures, in every size a button asks for.
TEST(StartupCost, FunctionButtonGlyphIsTheStylesPicture) {
    FunctionButtonPanel panel;
    panel.setButton(8, QStringLiteral("Retour"), QStyle::SP_DialogCancelButton);
    const QIcon icon = panel.button(8)->icon();
    ASSERT_FALSE(icon.isNull());
    const QIcon expected = panel.style()->standardIcon(QStyle::SP_DialogCancelButton);
    for (int size : {16, 24, 32}) {
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const auto image = [&](const QIcon& i) { return i.pixmap(size, size, mode).toImage().convertToFormat(QImage::Format_ARGB32); };
            EXPECT_TRUE(image(icon) == image(expected)) << size << " " << mode;
        }
    }
}

TEST(StartupCost, FirstPaintProbeOnlyWhenAskedAndClosesThePaintedWindow) {
    qunsetenv(FirstPaintProbe::kVariable);
    EXPECT_EQ(FirstPaintProbe::InstallIfRequested(), nullptr);

    qputenv(FirstPaintProbe::kVariable, "1");
    FirstPaintProbe* probe = FirstPaintProbe::InstallIfRequested();
    qunsetenv(FirstPaintProbe::kVariable);
    ASSERT_NE(probe, nullptr);
    QWidget window;
    window.resize(120, 80);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    delete probe;  // later windows of this run are left alone

    QWidget other;
    other.show();
    QTest::qWait(50);
    EXPECT_TRUE(other.isVisible());
}

}  // namespace
}  // namespace zelpor
