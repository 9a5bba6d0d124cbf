#pragma once

#include <QDialog>

#include "core/calc/MaterialTable.h"

class QLineEdit;
class QListWidget;

namespace zelpor {

struct AppState;
class MessageService;
class FunctionButtonPanel;
class StatusPanel;

// The materials editor ("Outils" > "Matières"): the names of "material.dat"
// with their force coefficient, which can also be typed as a tensile
// strength Rm. F1 adds a material, F4 deletes one, a name changed in its
// field and taken with Enter renames it, F8 saves and closes; Escape closes
// without saving.
class MaterialWindow final : public QDialog {
    Q_OBJECT
public:
    MaterialWindow(AppState& state, MessageService& messages, QWidget* parent = nullptr);

    void FormActivate();
    void addMaterial();     // F1
    void deleteMaterial();  // F4
    bool saveAndClose();    // F8
    const MaterialList& list() const { return m_list; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* makeField(const QString& caption, const char* name, int row, const QString& unit);
    bool functionKey(int key);
    bool fieldKey(QWidget* field, QKeyEvent* key);
    void fillList(int select);
    void showSelected();
    bool nameEntered();
    void coefficientTyped();
    void rmTyped();
    int selected() const;
    void refuse(const std::string& why);

    AppState& m_state;
    MessageService& m_messages;
    MaterialList m_list;
    bool m_modified = false;
    bool m_adding = false;

    QListWidget* m_names = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_coefficient = nullptr;
    QLineEdit* m_rm = nullptr;
    FunctionButtonPanel* m_buttons = nullptr;
    StatusPanel* m_status = nullptr;
};

// Opens the editor modally; true when the table was saved.
bool OpenMaterialEditor(AppState& state, MessageService& messages, QWidget* parent);

}  // namespace zelpor
