#include <QTabBar>

#include "ui/tools/ToolLibraryWindow.h"
#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

using ToolFolderChanges = MainWindowTest;

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

// A tool file copied into or deleted from the tools folder while the program
// runs shows (or goes) the next time the list or the library is opened.
TEST_F(ToolFolderChanges, ListsAndLibraryFollowTheToolsFolder) {
    writeTools();
    start(SamplePart(1));
    find<QWidget>("CBmatiere")->setFocus();
    key(Qt::Key_Down);
    auto* punches = find<QComboBox>("CBpoincon");
    writePunch("P10-50.PUN", 60);
    std::filesystem::remove(m_ws.pathTools + "P30-67.PUN");
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    EXPECT_EQ(Items(punches).join(' '), "P10-50 P88-67");
    EXPECT_EQ(punches->currentText(), "P88-67");

    ToolLibraryWindow library(state(), ToolKind::Punch, m_messages);
    auto tabs = [&] {
        library.show();
        QStringList names;
        for (int i = 0; i < library.findChild<QTabBar*>()->count(); ++i)
            names << library.findChild<QTabBar*>()->tabText(i);
        library.hide();
        return names.join(' ');
    };
    EXPECT_EQ(tabs(), "P10-50 P88-67");
    writePunch("P30-67.PUN", 30);
    EXPECT_EQ(tabs(), "P10-50 P30-67 P88-67");
    std::filesystem::remove(m_ws.pathTools + "P88-67.PUN");
    EXPECT_EQ(tabs(), "P10-50 P30-67");
}

}  // namespace
}  // namespace zelpor::test
