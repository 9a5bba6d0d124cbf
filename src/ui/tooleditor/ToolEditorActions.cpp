// What the keys and buttons of the tool editor do.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "core/text/Numbers.h"
#include "ui/tooleditor/PointGrid.h"
#include "ui/tooleditor/ToolEditorWindow.h"
#include "core/tools/ToolShapes.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

const QString kTitle = QStringLiteral("Zelpor_2");

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString Quoted(const std::string& name) {
    return QStringLiteral("\u00AB ") + FromLocal(name) + QStringLiteral(" \u00BB");
}

}  // namespace

bool ToolEditorWindow::functionKey(int key) {
    switch (key) {
    case Qt::Key_F1: newTool(); return true;
    case Qt::Key_F2: copyTool(); return true;
    case Qt::Key_F3: renameTool(); return true;
    case Qt::Key_F4: deleteTool(); return true;
    case Qt::Key_F5: generate(); return true;
    case Qt::Key_F6: insertPoint(); return true;
    case Qt::Key_F7: deletePoint(); return true;
    case Qt::Key_F8: saveAndClose(); return true;
    default: return false;
    }
}

void ToolEditorWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && functionKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

bool ToolEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (plain && functionKey(key->key())) return true;
        if (widget->parentWidget() == this && fieldKey(widget, key)) return true;
    }
    // The grid paints its own cells; the fields of the window are painted here.
    if (widget && widget->parentWidget() == this && widget != m_list) {
        if (event->type() == QEvent::FocusIn) PaintField(widget, true);
        if (event->type() == QEvent::FocusOut) PaintField(widget, false);
    }
    return QDialog::eventFilter(watched, event);
}

bool ToolEditorWindow::fieldKey(QWidget* field, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (field == m_list) {
        if (!enter) return false;
        m_name->setFocus(Qt::TabFocusReason);
        return true;
    }
    const std::vector<QWidget*> order = fieldOrder();
    const auto at = std::find(order.begin(), order.end(), field);
    if (at == order.end()) return false;
    if (field == m_name && enter) {
        nameEntered();
        return true;
    }
    if (enter || key->key() == Qt::Key_Down) {
        if (field == m_name && m_nameMode != NameMode::Shown) return true;  // the name is taken with Enter
        if (at + 1 == order.end()) m_grid->focusCell(0, 0);
        else (*(at + 1))->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key->key() == Qt::Key_Up) {
        if (at == order.begin()) {
            if (m_list->isEnabled()) m_list->setFocus(Qt::TabFocusReason);
        } else {
            (*(at - 1))->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    if (field == m_shape && key->key() == Qt::Key_PageDown) {
        m_shape->showPopup();
        return true;
    }
    if (field == m_name || field == m_shape) return false;
    return RefuseNonNumberKey(key);
}

void ToolEditorWindow::listChosen(int row) {
    if (row < 0 || row >= m_list->count()) return;
    const std::string name = ToLocal(m_list->item(row)->text());
    if (name == m_loadedName && m_nameMode == NameMode::Shown && m_modified) return;
    if (!leaveCurrent()) {
        // Stay on the tool being edited.
        const QSignalBlocker block(m_list);
        const auto found = m_list->findItems(FromLocal(m_loadedName), Qt::MatchExactly);
        m_list->setCurrentItem(found.isEmpty() ? nullptr : found.front());
        return;
    }
    ToolDraft loaded;
    if (!LoadToolDraft(toolsFolder(), m_kind, name, loaded)) {
        m_status->setText(QStringLiteral("Fichier illisible : ") +
                          FromLocal(ToolFilePath(toolsFolder(), name, m_kind)));
        return;
    }
    m_draft = loaded;
    m_loadedName = name;
    m_modified = false;
    setNameMode(NameMode::Shown);
    showDraft();
    m_status->setText(QString());
}

// Before another tool is shown: changes are saved, dropped, or the user stays.
bool ToolEditorWindow::leaveCurrent() {
    if (!m_modified) return true;
    const std::string name = m_nameMode == NameMode::NewTool ? ToLocal(m_name->text()) : m_loadedName;
    const auto answer =
        m_messages.show(this, QMessageBox::Question, kTitle,
                        QStringLiteral("Enregistrer les modifications de ") + Quoted(name) + QStringLiteral(" ?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) return save();
    if (answer == QMessageBox::No) {
        m_modified = false;
        return true;
    }
    return false;
}

void ToolEditorWindow::nameEntered() {
    const std::string typed = ToLocal(m_name->text());
    if (m_nameMode == NameMode::Shown) {
        m_version->setFocus(Qt::TabFocusReason);
        return;
    }
    if (const std::string why = ToolNameProblemText(typed); !why.empty()) {
        m_status->setText(Utf8(why));
        m_messages.warn(this, Utf8(why), kTitle);
        return;
    }
    if (m_nameMode == NameMode::NewTool) {
        m_draft.name = typed;
        m_modified = true;
        m_version->setFocus(Qt::TabFocusReason);
        return;
    }
    // Renaming acts on the file at once.
    ToolFileResult result = RenameToolFile(toolsFolder(), m_kind, m_loadedName, typed, false);
    if (result == ToolFileResult::Exists) {
        if (!m_messages.ask(
                this,
                QStringLiteral("L'outil ") + Quoted(typed) + QStringLiteral(" existe d\u00E9j\u00E0. Le remplacer ?"),
                kTitle))
            return;
        result = RenameToolFile(toolsFolder(), m_kind, m_loadedName, typed, true);
    }
    if (result != ToolFileResult::Done) {
        m_messages.warn(this,
                        QStringLiteral("L'outil n'a pas pu \u00EAtre renomm\u00E9 : ") +
                            FromLocal(ToolFilePath(toolsFolder(), m_loadedName, m_kind)),
                        kTitle);
        return;
    }
    setNameMode(NameMode::Shown);
    m_loadedName = typed;
    refreshList(typed);
    m_status->setText(QStringLiteral("Outil renomm\u00E9 : ") + FromLocal(typed));
    m_list->setFocus(Qt::TabFocusReason);
}

bool ToolEditorWindow::save() {
    readFields();
    if (m_nameMode == NameMode::NewTool) m_draft.name = ToLocal(m_name->text());
    if (const std::string why = ToolNameProblemText(m_draft.name); !why.empty()) {
        m_status->setText(Utf8(why));
        m_messages.warn(this, Utf8(why), kTitle);
        m_name->setFocus(Qt::TabFocusReason);
        return false;
    }
    if (const ToolCheck check = CheckTool(m_draft); !check.ok()) {
        const QString why = Utf8(ToolProblemText(m_draft, check));
        m_status->setText(why);
        m_messages.warn(this, why, kTitle);
        if (check.point > 0) m_grid->focusCell(check.point - 1, 0);
        return false;
    }
    FileError error = FileError::None;
    ToolFileResult result = SaveToolDraft(toolsFolder(), m_draft, false, m_loadedName, &error);
    if (result == ToolFileResult::Exists) {
        if (!m_messages.ask(this,
                            QStringLiteral("L'outil ") + Quoted(m_draft.name) +
                                QStringLiteral(" existe d\u00E9j\u00E0. Le remplacer ?"),
                            kTitle))
            return false;
        result = SaveToolDraft(toolsFolder(), m_draft, true, m_loadedName, &error);
    }
    const std::string path = ToolFilePath(toolsFolder(), m_draft.name, m_kind);
    if (result != ToolFileResult::Done) {
        ReportNotSaved(m_messages, this,
                       QStringLiteral("L'outil n'a pas pu \u00EAtre enregistr\u00E9 dans ") + FromLocal(path) +
                           QStringLiteral(" ; l'ancien fichier est intact."));
        return false;
    }
    m_loadedName = m_draft.name;
    m_modified = false;
    setNameMode(NameMode::Shown);
    refreshList(m_loadedName);
    m_status->setText(QStringLiteral("Outil enregistr\u00E9 : ") + FromLocal(path));
    return true;
}

void ToolEditorWindow::newTool() {
    if (!leaveCurrent()) return;
    m_draft = EmptyDraft(m_kind);
    m_loadedName.clear();
    m_modified = false;
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(-1);
    }
    setNameMode(NameMode::NewTool);
    showDraft();
    m_name->setFocus(Qt::TabFocusReason);
    m_status->setText(QStringLiteral("Nouveau ") + toolTitle().toLower() +
                      QStringLiteral(" : son nom, puis Entr\u00E9e"));
}

void ToolEditorWindow::copyTool() {
    readFields();
    const ToolDraft copy = m_draft;
    if (!leaveCurrent()) return;
    m_draft = copy;
    m_draft.name.clear();
    m_loadedName.clear();
    setNameMode(NameMode::NewTool);
    m_modified = true;
    m_name->clear();
    m_name->setFocus(Qt::TabFocusReason);
    m_status->setText(QStringLiteral("Copie : le nom de la copie, puis Entr\u00E9e"));
}

void ToolEditorWindow::renameTool() {
    if (m_loadedName.empty() || m_nameMode != NameMode::Shown) {
        QApplication::beep();
        return;
    }
    if (!leaveCurrent()) return;
    setNameMode(NameMode::Rename);
    m_name->setFocus(Qt::TabFocusReason);
    m_name->selectAll();
    m_status->setText(QStringLiteral("Nouveau nom de ") + FromLocal(m_loadedName) +
                      QStringLiteral(", puis Entr\u00E9e"));
}

void ToolEditorWindow::deleteTool() {
    if (m_loadedName.empty()) {
        // A new tool not yet saved is simply dropped.
        m_modified = false;
        setNameMode(NameMode::Shown);
        FormActivate();
        return;
    }
    const auto answer =
        m_messages.show(this, QMessageBox::Question, FromLocal(m_loadedName),
                        QStringLiteral("Confirmer la suppression "), QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    const int row = m_list->currentRow();
    if (DeleteToolFile(toolsFolder(), m_kind, m_loadedName) != ToolFileResult::Done) {
        m_messages.warn(this,
                        QStringLiteral("L'outil n'a pas pu \u00EAtre supprim\u00E9 : ") +
                            FromLocal(ToolFilePath(toolsFolder(), m_loadedName, m_kind)),
                        kTitle);
        return;
    }
    m_status->setText(QStringLiteral("Outil supprim\u00E9 : ") + FromLocal(m_loadedName));
    m_loadedName.clear();
    m_modified = false;
    const std::vector<std::string> names = ListToolNames(toolsFolder(), m_kind);
    if (names.empty()) {
        refreshList({});
        newTool();
        return;
    }
    refreshList(names[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(names.size()) - 1))]);
    m_list->setFocus(Qt::TabFocusReason);
}

void ToolEditorWindow::generate() {
    readFields();
    const auto shape = static_cast<ToolShape>(m_shape->currentData().toInt());
    const auto width = ParseFloat(ToLatin1(m_width->text()));
    const GeneratedOutline g = GenerateOutline(shape, m_draft, width ? *width : 0.0f);
    if (!g.error.empty()) {
        QApplication::beep();
        m_status->setText(Utf8(g.error));
        return;
    }
    m_grid->setPoints(g.points);
    m_draft.points = g.points;
    m_modified = true;
    redraw();
    m_status->setText(QStringLiteral("Contour g\u00E9n\u00E9r\u00E9 : %1 points").arg(g.points.size()));
}

void ToolEditorWindow::insertPoint() {
    int row = m_grid->currentRow();
    if (row < 0) row = static_cast<int>(m_grid->points().size());
    if (row >= PointGrid::kRows || !m_grid->insertRow(row)) {
        QApplication::beep();
        m_status->setText(QStringLiteral("Le contour a d\u00E9j\u00E0 25 points"));
        return;
    }
    m_grid->focusCell(row, 0);
}

void ToolEditorWindow::deletePoint() {
    const int row = m_grid->currentRow();
    if (row < 0) {
        QApplication::beep();
        return;
    }
    m_grid->deleteRow(row);
    m_grid->focusCell(row, 0);
}

bool ToolEditorWindow::saveAndClose() {
    if ((m_modified || m_nameMode == NameMode::NewTool) && !save()) return false;
    QDialog::accept();
    return true;
}

void ToolEditorWindow::reject() {
    if (m_modified) {
        const std::string name = m_nameMode == NameMode::NewTool ? ToLocal(m_name->text()) : m_loadedName;
        if (!m_messages.ask(
                this, QStringLiteral("Abandonner les modifications de ") + Quoted(name) + QStringLiteral(" ?"), kTitle))
            return;
    }
    m_modified = false;
    QDialog::reject();
}

}  // namespace zelpor
