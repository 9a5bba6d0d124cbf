// The yardstick for start-up: the least a Qt Widgets program can do to put a
// window on the screen. It links the same Qt libraries as the program, shows
// one window of the main window's size and, with ZELPOR_FIRST_PAINT set, says
// when that window was first painted and closes, exactly as the program does.
#include <QApplication>
#include <QWidget>

#include "app/FirstPaintProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(800, 600);
    zelpor::FirstPaintProbe::InstallIfRequested();
    window.show();
    return QApplication::exec();
}
