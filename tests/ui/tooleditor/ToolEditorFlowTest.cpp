#include <QTabBar>

#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/tooleditor/ModalKeys.h"
#include "ui/tooleditor/ToolEditorWindow.h"
#include "core/tools/ToolEditing.h"

namespace zelpor::test {
namespace {

using Points = std::vector<OutlinePoint>;

// In a library chosen for the sequence: F2 to the tab of `name`, then F8 "Valide".
void ChooseInLibrary(QWidget* library, const QString& name) {
    auto* tabs = library->findChild<QTabBar*>();
    for (int i = 0; i < tabs->count() && tabs->tabText(tabs->currentIndex()) != name; ++i) Key(library, Qt::Key_F2);
    Key(library, Qt::Key_F8);
}

class ToolEditorFlow : public MainWindowTest {};

// Keys alone: a punch generated from its figures, a die typed point by point;
// both are chosen for a bend in the sequence window's libraries and in the
// main window's lists, in the same run.
TEST_F(ToolEditorFlow, KeysAloneMakeAPunchAndADieThatBendsUseAtOnce) {
    writeTools();
    start(SamplePart(1));
    WhileModal([&] { action("ProgrammationPoincons1")->trigger(); },
               [&](QWidget* editor) {
                   Key(editor, Qt::Key_F1);
                   // Name, version, version index, height, angle; the shape stays "Poinçon droit".
                   Fields(editor, {"P90-80", "", "", "80", "90", ""});
                   Key(editor, Qt::Key_F5);
                   Key(editor, Qt::Key_F8);
               });
    WhileModal([&] { action("ProgrammationMatrices1")->trigger(); },
               [&](QWidget* editor) {
                   Key(editor, Qt::Key_F1);
                   // Name, version, index, height, angle, opening, radius, shape and width, then the points.
                   Fields(editor, {"V20", "",   "",   "60", "90", "20", "2",  "",    "",   "-25", "0", "25",
                                   "0",   "25", "60", "10", "60", "0",  "50", "-10", "60", "-25", "60"});
                   Key(editor, Qt::Key_F8);
               });
    EXPECT_TRUE(m_messages.shown.empty()) << m_messages.lastText().toStdString();

    const auto pun = ReadAll(m_ws.pathTools + "P90-80.PUN");
    const auto die = ReadAll(m_ws.pathTools + "V20.DIE");
    ASSERT_EQ(pun.size(), 2020u);
    ASSERT_EQ(die.size(), 2032u);
    PunchRecord p;
    DecodePunch(p, pun);
    EXPECT_EQ(std::tie(p.version, p.versionIndex, p.height, p.angle), std::make_tuple(1, 1, 80.0f, 90.0f));
    EXPECT_EQ(DraftFromPunch(p, "").points, (Points{{-13, 0}, {13, 0}, {13, -67}, {0, -80}, {-13, -67}}));
    DieRecord d;
    DecodeDie(d, die);
    EXPECT_EQ(std::tie(d.height, d.vAngle, d.vOpening, d.entryRadius), std::make_tuple(60.0f, 90.0f, 20.0f, 2.0f));
    EXPECT_EQ(DraftFromDie(d, "").points,
              (Points{{-25, 0}, {25, 0}, {25, 60}, {10, 60}, {0, 50}, {-10, 60}, {-25, 60}}));

    // The sample tools have no outline: the sequence window asks for a die and a punch.
    QStringList seen;
    WhileModal([&] { action("VisualiseGraphique1")->trigger(); },
               [&](QWidget* w) {
                   seen << w->objectName();
                   if (w->objectName() == QStringLiteral("TFormListMatrice")) ChooseInLibrary(w, QStringLiteral("V20"));
                   else if (w->objectName() == QStringLiteral("TFormListPoincon"))
                       ChooseInLibrary(w, QStringLiteral("P90-80"));
                   else {
                       // The sequence shows the chosen tools, read from their new files.
                       EXPECT_EQ(state().die.name + state().punch.name, "V20P90-80");
                       EXPECT_EQ(state().die.record.vOpening, 20.0f);
                       Key(w, Qt::Key_F8);
                   }
               });
    EXPECT_EQ(seen, (QStringList{"TFormListMatrice", "TFormListPoincon", "TFormSequence"}));

    // The main window's lists offer them as well.
    key(Qt::Key_Down, 5);
    ASSERT_EQ(focused(), "CBpoincon");
    find<QComboBox>("CBpoincon")->setCurrentText(QStringLiteral("P90-80"));
    key(Qt::Key_Return);
    find<QComboBox>("CBmatice")->setCurrentText(QStringLiteral("V20"));
    key(Qt::Key_Return);
    EXPECT_EQ(bend(0).punch.str() + bend(0).die.str(), "P90-80V20");
    EXPECT_NEAR(bend(0).force, 0.286 * 225 * 4 / 20, 5e-3);  // 1000 mm of 2 mm "Acier" on the V20
}

}  // namespace
}  // namespace zelpor::test
