#include "ui/dialogs/NewCustomDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/WindowSet.h"
#include "core/jobs/JobsAndParts.h"
#include "core/io/Files.h"
#include "core/workspace/AppState.h"

namespace zelpor {

NewCustomDialog::NewCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormNewCustom"));
    setWindowTitle(QStringLiteral("Nouvelle Affaire"));

    auto* layout = new QVBoxLayout(this);
    m_frame.label2 = AddWhereLabel(this, layout);

    auto* form = new QFormLayout;
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    auto* label1 = new QLabel(QStringLiteral("Affaire :"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_edit1);
    form->addRow(label1, m_edit1);
    layout->addLayout(form);

    AddFooter(this, layout, m_frame);
    connect(m_frame.ok, &QPushButton::clicked, this, &NewCustomDialog::OKBtnClick);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void NewCustomDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void NewCustomDialog::FormActivate() {
    SavePartOnOpening(m_state, m_messages, this);
    const Workspace& ws = m_state.workspace;
    m_frame.label2->setText(FromLocal(ws.pathCustomers + ws.customer));
    m_frame.label3->setText(HelpLine());
    m_edit1->setFocus();
    m_edit1->selectAll();
}

void NewCustomDialog::OKBtnClick() {
    const std::string name = ToLocal(m_edit1->text());
    const NameProblem problem = CheckName(name);
    if (problem != NameProblem::None) {
        m_messages.show(this, QMessageBox::Warning, QString(), QString::fromStdString(NameProblemText(problem, true)),
                        QMessageBox::Ok);
        m_edit1->setFocus();
        return;
    }
    if (JobExists(m_state.workspace.pathCustomers, name)) {
        m_messages.show(this, QMessageBox::Warning, QStringLiteral("Zelpor_2"), QStringLiteral("Affaire existe"),
                        QMessageBox::Ok);
        done(QDialog::Rejected);
        return;
    }
    if (!createJobFolder(name)) {
        m_edit1->setFocus();
        return;
    }
    m_state.workspace.customer = name;
    done(QDialog::Accepted);
}

// The folder is the job: when it cannot be made the job does not exist, so
// the user is told and the current job stays as it was.
bool NewCustomDialog::createJobFolder(const std::string& name) {
    const std::string& root = m_state.workspace.pathCustomers;
    if (!FolderExists(root)) CreateFolder(root);
    const std::string folder = root + name;
    CreateFolder(folder);
    if (FolderExists(folder)) return true;
    m_messages.show(
        this, QMessageBox::Warning, QStringLiteral("Zelpor_2"),
        QStringLiteral("Le dossier de l'affaire n'a pas pu \u00eatre cr\u00e9\u00e9 : ") + FromLocal(folder),
        QMessageBox::Ok);
    return false;
}

void NewCustomDialog::CancelBtnClick() {
    if (!m_state.workspace.hasJob()) {
        m_messages.show(this, QMessageBox::Warning, QString(), QStringLiteral("Nom d'affaire obligatoire"),
                        QMessageBox::Ok);
        m_edit1->setFocus();
        return;
    }
    done(QDialog::Rejected);
}

void NewCustomDialog::reject() { CancelBtnClick(); }

}  // namespace zelpor
