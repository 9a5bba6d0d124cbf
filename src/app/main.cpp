#include <QApplication>
#include <iostream>
#include <QStandardPaths>

#include "app/Application.h"
#include "platform/FirstPaintProbe.h"
#include "platform/TerminationSignals.h"
#include "cli/CommandLine.h"
#include "mainwindow/MainWindow.h"

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
