#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "ui/app/Application.h"
#include "core/part/PartRecord.h"
#include "ui/profile/ProfileWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {
namespace {

// The whole route of a graphic part, driven with keys: a three-bend profile
// typed in the drawing window, F8, then in the sequence window bend 1
// validated, bend 2 pivoted and validated, bend 3 validated after stepping
// back and forth, and "Retour". The program of the part is then bend 3, 2, 1.
TEST(DrawToSequence, ThreeBendProfileBecomesAProgramAndSurvivesTheFile) {
    test::TempDir dir;
    test::ScopedWorkingDirectory cwd(dir.path());
    test::ScriptedMessages messages;
    Application app(dir.file("zelpor"), "", &messages);  // first start: sample tools
    AppState& state = app.state();
    state.workspace.customer = "Job";
    state.workspace.part = "Bracket";
    state.punch.name = "P88-67";
    state.die.name = "V16";
    ASSERT_TRUE(LoadPunchFile(state.punch, state.punchFilePath("P88-67")));
    ASSERT_TRUE(LoadDieFile(state.die, state.dieFilePath("V16")));
    state.part.currentBend = state.part.lastBend = -1;

    ProfileWindow* drawing = app.windows().profile;
    QTimer::singleShot(0, drawing, [&] {
        auto* entry = drawing->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        for (const char* value : {"2", "0", "100", "90", "50", "90", "80", "-90", "40"}) {
            entry->selectAll();
            QTest::keyClicks(entry, QString::fromLatin1(value));
            QTest::keyClick(entry, Qt::Key_Return);
        }
        QTimer::singleShot(0, drawing, [&] {
            QWidget* sequence = QApplication::activeModalWidget();
            ASSERT_TRUE(sequence);
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F7, Qt::Key_F4, Qt::Key_F1, Qt::Key_F7, Qt::Key_F6, Qt::Key_F7,
                                Qt::Key_F7, Qt::Key_F1, Qt::Key_F8})
                QTest::keyClick(sequence, key);
        });
        QTest::keyClick(entry, Qt::Key_F8);
    });
    ASSERT_EQ(drawing->exec(), QDialog::Accepted);

    const PartRecord& p = state.part;
    ASSERT_EQ(p.profileBendCount, 3);
    EXPECT_EQ(p.lastBend, 2);
    const int orders[] = {2, 1, 0};
    const int pivots[] = {0, 1, 0};
    const float angles[] = {90, 90, -90};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(p.profile[k].order, orders[k]);
        EXPECT_EQ(p.profile[k].pivot, pivots[k]);
        EXPECT_FLOAT_EQ(p.profile[k].angle, angles[k]);
        EXPECT_NEAR(p.profile[k].correction, -4.0177, 1e-3);  // fresh bends: from the die already loaded
        // Bend record at program position order_k holds this bend's angle.
        const BendRecord& bend = p.bends[static_cast<std::size_t>(orders[k])];
        EXPECT_FLOAT_EQ(bend.angle, angles[k]);
        EXPECT_EQ(bend.die.str(), "V16");
        EXPECT_EQ(bend.punch.str(), "P88-67");
    }

    // Saved and read back, the program is the same, byte for byte.
    ASSERT_EQ(state.writeCurrentPart(), 1);
    PartRecord again;
    ASSERT_TRUE(ReadPart(again, state.workspace.pathCustomers, "Job", "Bracket.pie"));
    EXPECT_EQ(EncodePart(again), EncodePart(p));
}

}  // namespace
}  // namespace zelpor
