#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleFactory>
#include <memory>

#include "ui/app/KeyboardMenuStyle.h"
#include "support/TempDir.h"

namespace zelpor::test {
namespace {

// What a widget looks like under `style`, painted twice (the second paint
// comes from the kept picture).
QImage Look(QWidget& w, QStyle* style) {
    w.setStyle(style);
    w.resize(113, 28);
    (void)w.grab();
    return w.grab().toImage();
}

// Text fields drawn from kept pictures look exactly as the style draws them,
// for every look the program's fields take, and fields the cache must leave
// to their owner (a spin box's) still look as the style draws them.
TEST(LineEditPanelCache, FieldsLookExactlyAsTheStyleDrawsThem) {
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    KeyboardMenuStyle cached(QStringLiteral("Fusion"));
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const struct {
        const char* look;
        QColor base;
        bool enabled, framed;
    } cases[] = {{"at rest", QColor(191, 205, 219), true, true},
                 {"in hand", QColor(0, 128, 128), true, true},
                 {"disabled", QColor(191, 205, 219), false, true},
                 {"without frame", QColor(0, 128, 128), true, false}};
    for (const auto& c : cases) {
        QLineEdit field(QStringLiteral("90.00"));
        QPalette pal = field.palette();
        pal.setColor(QPalette::Base, c.base);
        field.setPalette(pal);
        field.setEnabled(c.enabled);
        field.setFrame(c.framed);
        const QImage expected = Look(field, plain.get());
        EXPECT_EQ(Look(field, &cached), expected) << c.look;
    }
    QSpinBox spin;
    spin.setValue(12);
    const QImage expected = Look(spin, plain.get());
    EXPECT_EQ(Look(spin, &cached), expected) << "spin box";
}

}  // namespace
}  // namespace zelpor::test
