#include "ui/materials/MaterialWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <cmath>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "ui/common/WindowPlacement.h"
#include "core/part/PartRecord.h"
#include "core/text/Numbers.h"
#include "ui/tooleditor/PointGrid.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

const QString kTitle = QStringLiteral("Zelpor_2");
constexpr int kCaptionLeft = 300, kFieldLeft = 440, kUnitLeft = 546, kFirstRowTop = 16, kRowPitch = 32;

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString Fixed2(double v) { return std::isfinite(v) ? QString::fromStdString(FormatFixed(v, 2)) : QString(); }

}  // namespace

MaterialWindow::MaterialWindow(AppState& state, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_messages(messages) {
    setObjectName(QStringLiteral("TFormMatieres"));
    setWindowTitle(QStringLiteral("Zelpor_2       Mati\u00E8res"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(795, 572);

    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("ListeMatieres"));
    m_names->setGeometry(16, 16, 260, 449);
    m_names->installEventFilter(this);
    connect(m_names, &QListWidget::currentRowChanged, this, [this] { showSelected(); });

    m_name = makeField(QStringLiteral("Nom"), "EditNom", 0, {});
    m_name->setMaxLength(31);
    m_coefficient = makeField(QStringLiteral("Coefficient M"), "EditCoef", 1, {});
    m_rm = makeField(QStringLiteral("R\u00E9sistance Rm"), "EditRm", 2, QStringLiteral("MPa"));
    connect(m_coefficient, &QLineEdit::textEdited, this, &MaterialWindow::coefficientTyped);
    connect(m_rm, &QLineEdit::textEdited, this, &MaterialWindow::rmTyped);
    auto* note = new QLabel(QStringLiteral("M = 0.506 \u00D7 Rm : force en tonnes pour des longueurs en mm"), this);
    note->setGeometry(kCaptionLeft, kFirstRowTop + 3 * kRowPitch + 8, 480, 24);

    m_buttons = new FunctionButtonPanel(this);
    m_buttons->setGeometry(0, 476, 795, 74);
    for (int n : {2, 3, 5, 6, 7}) m_buttons->button(n)->hide();
    m_buttons->setButton(1, QStringLiteral("Nouvelle"), QStyle::SP_FileIcon);
    m_buttons->setButton(4, QStringLiteral("Supprimer"), QStyle::SP_TrashIcon);
    m_buttons->setButton(8, QStringLiteral("Enregistrer"), QStyle::SP_DialogSaveButton);
    connect(m_buttons->button(1), &QToolButton::clicked, this, &MaterialWindow::addMaterial);
    connect(m_buttons->button(4), &QToolButton::clicked, this, &MaterialWindow::deleteMaterial);
    connect(m_buttons->button(8), &QToolButton::clicked, this, &MaterialWindow::saveAndClose);
    m_status = new StatusPanel(this);
    m_status->setGeometry(0, 553, 795, 19);
}

QLineEdit* MaterialWindow::makeField(const QString& caption, const char* name, int row, const QString& unit) {
    const int y = kFirstRowTop + row * kRowPitch;
    auto* label = new QLabel(caption, this);
    label->setGeometry(kCaptionLeft, y, 136, 24);
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(kFieldLeft, y, 100, 24);
    field->setAutoFillBackground(true);
    PaintField(field, false);
    field->installEventFilter(this);
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setGeometry(kUnitLeft, y, 60, 24);
    return field;
}

void MaterialWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void MaterialWindow::FormActivate() {
    m_list = LoadMaterialList(m_state.workspace.pathTools);
    m_modified = false;
    m_adding = false;
    fillList(m_list.find(m_state.part.material.str()));
    m_names->setFocus(Qt::TabFocusReason);
}

void MaterialWindow::fillList(int select) {
    {
        const QSignalBlocker block(m_names);
        m_names->clear();
        for (const std::string& name : m_list.names()) m_names->addItem(FromLatin1(name));
        m_names->setCurrentRow(m_list.records.empty() ? -1 : std::max(select, 0));
    }
    showSelected();
}

int MaterialWindow::selected() const { return m_names->currentRow(); }

void MaterialWindow::showSelected() {
    m_adding = false;
    const int i = selected();
    if (i < 0) {
        m_name->clear();
        m_coefficient->clear();
        m_rm->clear();
        return;
    }
    const MaterialRecord& r = m_list.records[static_cast<std::size_t>(i)];
    m_name->setText(FromLatin1(r.name.str()));
    // A new material has no coefficient yet: its fields wait empty.
    const bool given = r.coefficient > 0;
    m_coefficient->setText(given ? Fixed2(r.coefficient) : QString());
    m_rm->setText(given ? Fixed2(RmFromCoefficient(r.coefficient)) : QString());
}

void MaterialWindow::refuse(const std::string& why) {
    m_status->setText(Utf8(why));
    m_messages.warn(this, Utf8(why), kTitle);
}

bool MaterialWindow::functionKey(int key) {
    switch (key) {
    case Qt::Key_F1: addMaterial(); return true;
    case Qt::Key_F4: deleteMaterial(); return true;
    case Qt::Key_F8: saveAndClose(); return true;
    default: return false;
    }
}

void MaterialWindow::keyPressEvent(QKeyEvent* event) {
    if (functionKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

bool MaterialWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (functionKey(key->key()) || fieldKey(widget, key)) return true;
    }
    if (widget && widget != m_names && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        PaintField(widget, event->type() == QEvent::FocusIn);
    return QDialog::eventFilter(watched, event);
}

bool MaterialWindow::fieldKey(QWidget* field, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (field == m_names) {
        if (!enter) return false;
        if (selected() >= 0) m_name->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (enter || key->key() == Qt::Key_Down) {
        if (field == m_name) {
            if (nameEntered()) m_coefficient->setFocus(Qt::TabFocusReason);
        } else if (field == m_coefficient) {
            m_rm->setFocus(Qt::TabFocusReason);
        } else {
            m_names->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    if (key->key() == Qt::Key_Up) {
        if (field == m_rm) m_coefficient->setFocus(Qt::TabFocusReason);
        else if (field == m_coefficient) m_name->setFocus(Qt::TabFocusReason);
        else if (!m_adding) m_names->setFocus(Qt::TabFocusReason);
        return true;
    }
    return field != m_name && RefuseNonNumberKey(key);
}

// Enter in the name field adds the new material or renames the selected one.
bool MaterialWindow::nameEntered() {
    const QString text = m_name->text();
    const std::string name = ToLatin1(text);
    if (FromLatin1(name) != text) {
        refuse(MaterialProblemText(MaterialProblem::NotLatin1));
        return false;
    }
    const int i = selected();
    if (!m_adding && i >= 0 && m_list.records[static_cast<std::size_t>(i)].name.str() == name) return true;
    if (const MaterialProblem p = CheckMaterialName(m_list, name, m_adding ? -1 : i); p != MaterialProblem::None) {
        refuse(MaterialProblemText(p));
        return false;
    }
    if (m_adding) {
        MaterialRecord r;
        r.name.assign(name);
        m_list.records.push_back(r);
        m_modified = true;
        fillList(static_cast<int>(m_list.records.size()) - 1);
        m_status->setText(QStringLiteral("Nouvelle mati\u00E8re : son coefficient, ou sa r\u00E9sistance Rm"));
        return true;
    }
    if (i < 0) return false;
    MaterialRecord& r = m_list.records[static_cast<std::size_t>(i)];
    const std::string old = r.name.str();
    const bool usedByPart = m_state.part.material.str() == old;
    if (usedByPart && !m_messages.ask(this,
                                      QStringLiteral("La pi\u00E8ce ouverte est en ") + FromLatin1(old) +
                                          QStringLiteral(". La renommer aussi dans la pi\u00E8ce ?"),
                                      kTitle)) {
        m_name->setText(FromLatin1(old));
        return false;
    }
    r.name = {};
    r.name.assign(name);
    if (usedByPart) SetMaterial(m_state.part, name);
    m_modified = true;
    fillList(i);
    m_status->setText(QStringLiteral("Mati\u00E8re renomm\u00E9e : ") + text);
    return true;
}

void MaterialWindow::coefficientTyped() {
    const int i = selected();
    if (i < 0 || m_adding) return;
    const auto v = ParseFloat(ToLatin1(m_coefficient->text()));
    m_list.records[static_cast<std::size_t>(i)].coefficient = v ? *v : NAN;
    m_rm->setText(v ? Fixed2(RmFromCoefficient(*v)) : QString());
    m_modified = true;
}

void MaterialWindow::rmTyped() {
    const int i = selected();
    if (i < 0 || m_adding) return;
    const auto rm = ParseNumber(ToLatin1(m_rm->text()));
    const float m = rm ? CoefficientFromRm(*rm) : NAN;
    m_list.records[static_cast<std::size_t>(i)].coefficient = m;
    m_coefficient->setText(Fixed2(m));
    m_modified = true;
}

void MaterialWindow::addMaterial() {
    if (m_list.records.size() >= static_cast<std::size_t>(kMaterialRecords)) {
        refuse(MaterialProblemText(MaterialProblem::TableFull));
        return;
    }
    {
        const QSignalBlocker block(m_names);
        m_names->setCurrentRow(-1);
    }
    showSelected();
    m_adding = true;
    m_name->setFocus(Qt::TabFocusReason);
    m_status->setText(QStringLiteral("Nouvelle mati\u00E8re : son nom, puis Entr\u00E9e"));
}

void MaterialWindow::deleteMaterial() {
    const int i = selected();
    if (i < 0) return;
    const std::string name = m_list.records[static_cast<std::size_t>(i)].name.str();
    if (m_messages.show(this, QMessageBox::Question, FromLatin1(name), QStringLiteral("Confirmer la suppression "),
                        QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    m_list.records.erase(m_list.records.begin() + i);
    m_modified = true;
    fillList(std::min(i, static_cast<int>(m_list.records.size()) - 1));
    m_names->setFocus(Qt::TabFocusReason);
}

bool MaterialWindow::saveAndClose() {
    if (!m_modified) {
        QDialog::accept();
        return true;
    }
    if (const int bad = FirstBadCoefficient(m_list); bad >= 0) {
        fillList(bad);
        refuse(MaterialProblemText(MaterialProblem::Coefficient));
        m_coefficient->setFocus(Qt::TabFocusReason);
        return false;
    }
    if (!SaveMaterialList(m_state.workspace.pathTools, m_list)) {
        ReportNotSaved(m_messages, this,
                       QStringLiteral("La table des mati\u00E8res n'a pas pu \u00EAtre enregistr\u00E9e dans ") +
                           FromLocal(MaterialFilePath(m_state.workspace.pathTools)) +
                           QStringLiteral(" ; l'ancien fichier est intact."));
        return false;
    }
    m_modified = false;
    QDialog::accept();
    return true;
}

void MaterialWindow::reject() {
    if (m_modified && !m_messages.ask(this, QStringLiteral("Abandonner les modifications des mati\u00E8res ?"), kTitle))
        return;
    m_modified = false;
    QDialog::reject();
}

bool OpenMaterialEditor(AppState& state, MessageService& messages, QWidget* parent) {
    MaterialWindow editor(state, messages, parent);
    CentreOnDesktop(editor);
    return editor.exec() == QDialog::Accepted;
}

}  // namespace zelpor
