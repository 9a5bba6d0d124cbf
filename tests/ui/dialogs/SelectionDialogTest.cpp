#include <QListWidget>

#include "DialogFixture.h"
#include "core/part/PartRecord.h"

namespace zelpor::test {
namespace {

struct Selection : DialogFixture {
    // A part file whose thickness tells which one was read.
    void makePart(const std::string& job, const std::string& name, float thickness) {
        makeJob(job);
        PartRecord p;
        p.thickness = thickness;
        p.comment.assign(name);
        ASSERT_EQ(WritePart(p, state.workspace.pathCustomers, job, name + ".pie"), 1);
    }
    static QStringList texts(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

TEST_F(Selection, PartListShowsEveryFileWithoutExtensionAndOkReadsThePart) {
    makePart("J", "Alpha", 1.5f);
    makePart("J", "Bride", 3.0f);
    WriteAll((root / "J" / "notes.txt").string(), {'n'});
    state.workspace.customer = "J";
    state.workspace.part = "bride";  // another case than on disk
    state.part.thickness = 9.0f;
    auto* list = child<QListWidget>(selectPart.get(), "ListBox1");
    // Annuler after moving leaves the part alone.
    EXPECT_EQ(execWith(*selectPart,
                       [&] {
                           QTest::keyClick(list, Qt::Key_Down);
                           QTest::keyClick(list, Qt::Key_Escape);
                       }),
              QDialog::Rejected);
    EXPECT_EQ(state.workspace.part, "bride");
    EXPECT_FLOAT_EQ(state.part.thickness, 9.0f);

    selectPart->show();
    EXPECT_EQ(texts(list), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bride"), QStringLiteral("notes")}));
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(state.workspace.part, "Alpha");
    EXPECT_FLOAT_EQ(state.part.thickness, 1.5f);
}

// A real double click chooses a job and reads its part; a job without that
// part gives the header defaults and writes nothing.
TEST_F(Selection, JobListChoosesByDoubleClickOrEnter) {
    makePart("Alpha", "P", 1.0f);
    makePart("beta", "P", 2.0f);
    makeJob("Vide");
    state.workspace.customer = "ALPHA";
    state.workspace.part = "P";
    showActive(selectCustom.get());
    auto* list = child<QListWidget>(selectCustom.get(), "ListBox1");
    EXPECT_EQ(texts(list), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Vide")}));
    EXPECT_EQ(list->currentRow(), 0);
    const QRect rect = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(state.workspace.customer, "beta");
    EXPECT_FLOAT_EQ(state.part.thickness, 2.0f);

    state.part.currentBend = 3;
    EXPECT_EQ(execWith(*selectCustom,
                       [&] {
                           QTest::keyClick(list, Qt::Key_Down);
                           QTest::keyClick(list, Qt::Key_Return);
                       }),
              QDialog::Accepted);
    EXPECT_EQ(state.workspace.customer, "Vide");
    EXPECT_EQ(state.workspace.part, "P");
    EXPECT_FLOAT_EQ(state.part.thickness, 0.1f);
    EXPECT_EQ(state.part.currentBend, 0);
    EXPECT_TRUE(std::filesystem::is_empty(root / "Vide"));
}

}  // namespace
}  // namespace zelpor::test
