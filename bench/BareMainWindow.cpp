// The yardstick for the program's start-up: a plain Qt main window of the
// program's size with what every such window has (a menu bar with a few
// menus, a status bar and eight line edits) and nothing of the program. With
// ZELPOR_FIRST_PAINT set it says when it was first painted and closes, as the
// program does (bench/perf_report.py starts both alternately).
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "ui/platform/FirstPaintProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt main window"));
    for (const char* title : {"Menu", "Pieces", "Plis", "Outils", "Aide"})
        window.menuBar()->addMenu(QLatin1String(title))->addAction(QStringLiteral("Action"));
    window.statusBar()->showMessage(QStringLiteral("Pret"));
    auto* area = new QWidget(&window);
    area->setFixedSize(795, 552);
    for (int i = 0; i < 8; ++i) {
        auto* edit = new QLineEdit(area);
        edit->setGeometry(80, 40 + 35 * i, 140, 28);
    }
    window.setCentralWidget(area);
    zelpor::FirstPaintProbe::InstallIfRequested();
    window.show();
    return QApplication::exec();
}
