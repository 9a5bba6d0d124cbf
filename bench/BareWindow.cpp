// The yardstick for start-up: the least a Qt Widgets program can do to put a
// window on the screen. It links the same Qt libraries as the program, shows
// one window of the main window's size and, with ZELPOR_FIRST_PAINT set, says
// when that window was first painted and closes, exactly as the program does.
//
// With --text the window also shows one line of text: the font system that
// any window with a caption or a label starts is then part of the floor, and
// the report can tell how much of the program's start-up that is.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

#include "ui/platform/FirstPaintProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(800, 600);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("Zelpor_2"), &window);
        label->move(20, 20);
    }
    zelpor::FirstPaintProbe::InstallIfRequested();
    window.show();
    return QApplication::exec();
}
