#include <QApplication>
#include <iostream>
#include <QStandardPaths>

#include "ui/app/Application.h"
#include "ui/platform/FirstPaintProbe.h"
#include "ui/platform/TerminationSignals.h"
#include "cli/CommandLine.h"
#include "ui/mainwindow/MainWindow.h"

int main(int argc, char* argv[]) {
    // A batch mode runs before any window exists, so it needs no display.
    if (zelpor::cli::IsBatchInvocation(argc, argv)) return zelpor::cli::RunBatch(argc, argv, std::cout, std::cerr);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelpor_2"));
    zelpor::Application program(QCoreApplication::applicationFilePath().toStdString(),
                                QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    zelpor::FirstPaintProbe::InstallIfRequested();
    program.start();
    zelpor::CloseOnTerminationSignals(program.windows().main);
    zelpor::CloseWhenWindowDestroyed closeOnDestroy(program.windows().main);
    zelpor::SaveWhenDisplayIsLost(program.state());
    const int code = QApplication::exec();
    zelpor::ProgramEndedNormally();
    return code;
}
