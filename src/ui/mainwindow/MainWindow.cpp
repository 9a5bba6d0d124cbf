#include "mainwindow/MainWindow.h"

#include <QCloseEvent>
#include <QLineEdit>

#include "common/Latin1.h"
#include "common/MessageService.h"
#include "common/WindowSet.h"
#include "SampleLibrary.h"
#include "io/Files.h"
#include "workspace/AppState.h"

namespace zelpor {

MainWindow::MainWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zelpor_2"));
    m_state.part.graphicProfile = 0;
    auto* central = new QWidget(this);
    central->setFixedSize(795, 552);
    setCentralWidget(central);
    m_edit1 = new QLineEdit(central);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(80, 40, 140, 28);
    m_edit2 = new QLineEdit(central);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setGeometry(80, 75, 140, 28);
}

void MainWindow::FormCreate() {
    WorkspaceLoadReport made;
    m_state.workspace = LoadWorkspace(m_state.iniPath, CurrentWorkingDirectory(), &made);
    if (made.createdToolsFolder) InstallSampleLibrary(m_state.workspace.pathTools);
    m_edit1->setText(FromLocal(m_state.workspace.customer));
    m_edit2->setText(FromLocal(m_state.workspace.part));
    m_state.readCurrentPart();
    if (!m_state.workspace.hasJob()) m_state.workspace.customer = kNoJob;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void MainWindow::FormClose() {
    SaveWorkspace(m_state.workspace, m_state.iniPath);
    m_state.writeCurrentPart();
}

}  // namespace zelpor
