#include "ui/dialogs/NewPartDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <ctime>

#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/WindowSet.h"
#include "ui/dialogs/NewCustomDialog.h"
#include "core/workspace/AppState.h"

namespace zelpor {

// The two questions the "OK" algorithm asks the user, answered by this dialog.
class NewPartDialog::Prompts final : public NewPartPrompts {
public:
    explicit Prompts(NewPartDialog& dialog) : m_dialog(dialog) {}

    void openNewJob() override {
        NewCustomDialog* newJob = m_dialog.m_windows.newCustom;
        if (!newJob) return;
        const bool created = newJob->exec() == QDialog::Accepted;
        m_dialog.showJob();
        // The job just created is the one the part goes into: the next "OK"
        // must not ask for a job again.
        if (created) m_dialog.m_checkBox1->setChecked(true);
    }
    bool confirmOverwrite() override {
        return m_dialog.m_messages.show(&m_dialog, QMessageBox::Question, QString(),
                                        QStringLiteral("Piece existe \u00e9craser"),
                                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

private:
    NewPartDialog& m_dialog;
};

namespace {

QRadioButton* AddRadio(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& caption) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1StringView(name));
    layout->addWidget(radio);
    return radio;
}

}  // namespace

NewPartDialog::NewPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormNewPart"));
    setWindowTitle(QStringLiteral("Nouvelle piece"));

    auto* layout = new QVBoxLayout(this);
    m_frame.label2 = AddWhereLabel(this, layout);

    auto* partGroup = new QGroupBox(QStringLiteral("Piece"), this);
    partGroup->setObjectName(QStringLiteral("GroupBox1"));
    auto* partLayout = new QVBoxLayout(partGroup);
    m_edit1 = new QLineEdit(partGroup);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    partLayout->addWidget(m_edit1);
    layout->addWidget(partGroup);

    m_checkBox1 = new QCheckBox(QStringLiteral("Affaire en cours"), this);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(m_checkBox1);

    auto* typeGroup = new QGroupBox(QStringLiteral("Type de programme"), this);
    typeGroup->setObjectName(QStringLiteral("RadioGroup1"));
    auto* typeLayout = new QVBoxLayout(typeGroup);
    m_graphic = AddRadio(typeGroup, typeLayout, "RadioButton1", QStringLiteral("profil de piece graphique"));
    // The numeric sequence sits right under the graphic profile, so that one
    // Down from the checked type chooses it whether or not the table is offered.
    m_numeric = AddRadio(typeGroup, typeLayout, "RadioButton3", QStringLiteral("sequence de pliage num\u00e9rique"));
    m_table = AddRadio(typeGroup, typeLayout, "RadioButton2", QStringLiteral("Profil de piece en tableau"));
    layout->addWidget(typeGroup);

    auto* commentGroup = new QGroupBox(QStringLiteral("Commentaire"), this);
    commentGroup->setObjectName(QStringLiteral("GroupBox2"));
    auto* commentLayout = new QVBoxLayout(commentGroup);
    m_edit2 = new QLineEdit(commentGroup);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    commentLayout->addWidget(m_edit2);
    layout->addWidget(commentGroup);

    AddFooter(this, layout, m_frame);
    connect(m_frame.ok, &QPushButton::clicked, this, &NewPartDialog::OKBtnClick);

    // Any key that changes a box counts as typed in it.
    connect(m_edit1, &QLineEdit::textEdited, this, [this] { m_flags.nameTyped = true; });
    connect(m_edit2, &QLineEdit::textEdited, this, [this] { m_flags.commentTyped = true; });
    m_edit1->installEventFilter(this);
    m_edit2->installEventFilter(this);

    setTabOrder(m_edit1, m_checkBox1);
    setTabOrder(m_checkBox1, m_graphic);
    setTabOrder(m_graphic, m_numeric);
    setTabOrder(m_numeric, m_table);
    setTabOrder(m_table, m_edit2);
    setTabOrder(m_edit2, m_frame.ok);
    setTabOrder(m_frame.ok, m_frame.cancel);

    setProgramTypes(m_types);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void NewPartDialog::setProgramTypes(const ProgramTypes& types) {
    m_types = types;
    // Auto-exclusive radio buttons cannot all be cleared while exclusive.
    for (QRadioButton* r : {m_graphic, m_table, m_numeric}) {
        r->setAutoExclusive(false);
        r->setChecked(false);
    }
    m_graphic->setEnabled(types.graphicEnabled);
    m_graphic->setChecked(types.graphicChecked);
    m_table->setEnabled(types.tableEnabled);
    m_numeric->setEnabled(types.numericEnabled);
    for (QRadioButton* r : {m_graphic, m_table, m_numeric}) r->setAutoExclusive(true);
}

void NewPartDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void NewPartDialog::FormActivate() {
    m_flags.commentTyped = false;
    m_flags.nameTyped = true;
    SavePartOnOpening(m_state, m_messages, this);
    m_partOnOpening = m_state.part;
    m_nameOnOpening = m_state.workspace.part;
    m_opened = true;
    m_frame.label3->setText(HelpLine());
    m_edit2->clear();
    showJob();
    m_checkBox1->setChecked(true);
    tabToCheckedProgramType();
    m_edit1->setFocus();
    m_edit1->selectAll();
}

// Tab enters a group of exclusive buttons at the one button that takes Tab
// focus, which is the button last focused: after a numeric part that was the
// numeric button while the graphic one is checked again. Each opening gives
// Tab focus back to the checked button, so the keys do the same every time.
void NewPartDialog::tabToCheckedProgramType() {
    for (QRadioButton* r : {m_graphic, m_table, m_numeric}) {
        const Qt::FocusPolicy policy = r->focusPolicy();
        r->setFocusPolicy(r->isChecked() ? static_cast<Qt::FocusPolicy>(policy | Qt::TabFocus)
                                         : static_cast<Qt::FocusPolicy>(policy & ~Qt::TabFocus));
    }
}

// Label2 and the "Affaire en cours" check box follow the current job.
void NewPartDialog::showJob() {
    const Workspace& ws = m_state.workspace;
    m_frame.label2->setText(FromLocal(ws.pathCustomers + ws.customer));
    m_checkBox1->setVisible(ws.hasJob());
    if (ws.hasJob()) m_checkBox1->setText(QStringLiteral("Affaire :") + FromLocal(ws.customer));
}

ProgramType NewPartDialog::checkedType() const {
    if (m_graphic->isChecked()) return ProgramType::GraphicProfile;
    if (m_table->isChecked()) return ProgramType::TableProfile;
    if (m_numeric->isChecked()) return ProgramType::NumericSequence;
    return ProgramType::None;
}

void NewPartDialog::OKBtnClick() {
    NewPartInput input;
    input.name = ToLocal(m_edit1->text());
    input.comment = ToLatin1(m_edit2->text());
    input.jobInUse = !m_checkBox1->isHidden() && m_checkBox1->isChecked();
    input.type = checkedType();
    input.now = static_cast<long long>(std::time(nullptr));

    Prompts prompts(*this);
    const NewPartResult r = NewPartOk(m_state, m_flags, input, prompts);
    if (!r.failedPath.empty()) ReportPartNotWritten(m_messages, this, r.failedPath);
    switch (r.outcome) {
    case NewPartOutcome::BadName:
        m_messages.show(this, QMessageBox::Warning, QString(),
                        QString::fromStdString(NameProblemText(r.nameProblem, false)), QMessageBox::Ok);
        m_edit1->setFocus();
        break;
    case NewPartOutcome::NoJob:
    case NewPartOutcome::KeptExisting: m_edit1->setFocus(); break;
    case NewPartOutcome::CommentShown:
        m_edit2->setText(FromLatin1(r.comment));
        m_edit2->setFocus();
        break;
    case NewPartOutcome::NoProgramType: break;
    case NewPartOutcome::Created:
        m_opened = false;
        done(r.code);
        break;
    }
}

void NewPartDialog::CancelBtnClick() {
    if (m_state.workspace.part.empty()) {
        m_messages.show(this, QMessageBox::Warning, QString(), QStringLiteral("Nom de piece obligatoire"),
                        QMessageBox::Ok);
        m_edit1->setFocus();
        return;
    }
    leaveCancelled();
}

void NewPartDialog::reject() { CancelBtnClick(); }

// A first "OK" already renamed the part and gave it a new header; nothing was
// written yet, so cancelling puts the part back as it was when the dialog opened.
void NewPartDialog::leaveCancelled() {
    if (m_opened) {
        m_state.part = m_partOnOpening;
        m_state.workspace.part = m_nameOnOpening;
    }
    m_opened = false;
    done(Cancelled);
}

bool NewPartDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_edit1 || watched == m_edit2) && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        leaveCancelled();  // Escape in either box leaves at once, part or not
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zelpor
