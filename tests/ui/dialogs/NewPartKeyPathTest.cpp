#include <QRadioButton>

#include "DialogFixture.h"

namespace zelpor::test {
namespace {

// The key path of the first-steps guide (name, Tab, Tab, Down, Enter, Enter)
// must give a numeric part at every opening of the dialog in one run, now that
// the table type is offered as well.
struct NewPartKeyPath : DialogFixture {
    NewPartKeyPath() {
        makeJob("J");
        state.workspace.customer = "J";
        state.workspace.part = "OLD";
    }
    QRadioButton* radio(int n) {
        return child<QRadioButton>(newPart.get(), QStringLiteral("RadioButton%1").arg(n).toLatin1().constData());
    }
};

TEST_F(NewPartKeyPath, TabTabDownGivesTheNumericSequenceAtEveryOpening) {
    NewPartDialog::ProgramTypes types;
    types.tableEnabled = true;
    for (const char* name : {"P1", "P2", "P3"}) {
        SCOPED_TRACE(name);
        newPart->setProgramTypes(types);
        showActive(newPart.get());
        child<QLineEdit>(newPart.get(), "Edit1")->clear();  // the box keeps the last name
        QTest::keyClicks(newPart->focusWidget(), QString::fromLatin1(name));
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
        EXPECT_TRUE(radio(3)->isChecked());
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Return);
        QTest::keyClick(newPart->focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(newPart->isVisible());
        EXPECT_EQ(newPart->result(), NewPartDialog::NumericSequence);
        const auto bytes = ReadAll(partPath("J", name));
        ASSERT_EQ(bytes.size(), 10741u);
        EXPECT_EQ(bytes[298], 0);  // no graphic profile
    }
    // The table type stays one more Down away.
    newPart->setProgramTypes(types);
    showActive(newPart.get());
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
    QTest::keyClick(newPart->focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(radio(2)->isChecked());
    newPart->done(QDialog::Rejected);
}

}  // namespace
}  // namespace zelpor::test
