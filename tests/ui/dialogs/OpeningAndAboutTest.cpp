#include "DialogFixture.h"
#include "core/part/PartRecord.h"

namespace zelpor::test {
namespace {

using Opening = DialogFixture;

// Each job and part dialog saves what the main window holds before anything
// else, so that even a cancelled dialog cannot lose an edit. Then the folder
// each window names; the about box, unlike the others, saves nothing.
TEST_F(Opening, DialogsSaveTheCurrentPartEvenWhenCancelledAndShowTheirTexts) {
    makeJob("J");
    state.workspace.customer = "J";
    state.workspace.part = "P";
    float thickness = 1.0f;
    for (QDialog* dialog :
         std::vector<QDialog*>{newCustom.get(), newPart.get(), selectCustom.get(), selectPart.get()}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        EXPECT_TRUE(child<QPushButton>(dialog, "OKBtn")->isDefault());
        std::filesystem::remove(partPath("J", "P"));
        state.part.thickness = thickness += 1.0f;
        execWith(*dialog,
                 [&] { QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape); });
        const auto bytes = ReadAll(partPath("J", "P"));
        ASSERT_EQ(bytes.size(), 10741u);
        PartRecord read;
        DecodePart(read, bytes);
        EXPECT_FLOAT_EQ(read.thickness, thickness);
    }
    EXPECT_TRUE(messages.shown.empty());

    const QString jobs = QString::fromStdString(state.workspace.pathCustomers);
    const struct {
        QWidget* w;
        QString folder;
    } folders[] = {{newCustom.get(), jobs + "J"},
                   {newPart.get(), jobs + "J"},
                   {selectCustom.get(), jobs},
                   {selectPart.get(), jobs + "J"}};
    for (const auto& f : folders) EXPECT_EQ(label(f.w, "Label2"), f.folder) << f.w->objectName().toStdString();
    std::filesystem::remove(partPath("J", "P"));
    EXPECT_EQ(execWith(*about, [&] { QTest::keyClick(about.get(), Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(partPath("J", "P")));
}

}  // namespace
}  // namespace zelpor::test
