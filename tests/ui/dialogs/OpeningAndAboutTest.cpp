#include <QAbstractButton>
#include <QGroupBox>

#include "DialogFixture.h"
#include "part/PartRecord.h"

namespace zelpor::test {
namespace {

using Opening = DialogFixture;

// The caption a user reads on a label, button or box.
QString text(QWidget* dialog, const char* name) {
    QWidget* w = dialog->findChild<QWidget*>(QLatin1StringView(name));
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return qobject_cast<QGroupBox*>(w)->title();
}

// Each job and part dialog saves what the main window holds before anything
// else, so that even a cancelled dialog cannot lose an edit. Then the texts
// each window shows; the about box, unlike the others, saves nothing.
TEST_F(Opening, DialogsSaveTheCurrentPartEvenWhenCancelledAndShowTheirTexts) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    float thickness = 1.0f;
    for (QDialog* dialog : std::vector<QDialog*>{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        EXPECT_TRUE(child<QPushButton>(dialog, "OKBtn")->isDefault());
        std::filesystem::remove(partPath("J", "P"));
        state.part.thickness = thickness += 1.0f;
        execWith(*dialog, [&] {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        });
        EXPECT_FALSE(dialog->isVisible());
        const auto bytes = ReadAll(partPath("J", "P"));
        ASSERT_EQ(bytes.size(), 10741u);
        PartRecord read;
        DecodePart(read, bytes);
        EXPECT_FLOAT_EQ(read.thickness, thickness);
    }
    EXPECT_TRUE(messages.shown.empty());

    const QString jobs = QString::fromStdString(state.workspace.pathCustomers);
    const struct { QWidget* w; const char* name; QString text; } texts[] = {
        {newCustom.get(), nullptr, QStringLiteral("Nouvelle Affaire")},
        {newPart.get(), nullptr, QStringLiteral("Nouvelle piece")},
        {selectCustom.get(), nullptr, QStringLiteral("Selection Affaire")},
        {selectPart.get(), nullptr, QStringLiteral("Selection Piece")},
        {about.get(), nullptr, QStringLiteral("A propos")},
        {newCustom.get(), "Label2", jobs + QStringLiteral("J")},
        {newPart.get(), "Label2", jobs + QStringLiteral("J")},
        {selectCustom.get(), "Label2", jobs},
        {selectPart.get(), "Label2", jobs + QStringLiteral("J")},
        {newCustom.get(), "Label3", kHelpLine}, {newPart.get(), "Label3", kHelpLine},
        {selectPart.get(), "Label3", kHelpLine},
        {newPart.get(), "CheckBox1", QStringLiteral("Affaire :J")},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(t.name ? text(t.w, t.name) : t.w->windowTitle(), t.text) << t.w->objectName().toStdString()
                                                                           << " " << (t.name ? t.name : "");
    }
    std::filesystem::remove(partPath("J", "P"));
    EXPECT_EQ(execWith(*about, [&] { QTest::keyClick(about.get(), Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "P")));
}

}  // namespace
}  // namespace zelpor::test
