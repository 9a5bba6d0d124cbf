#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "ui/dialogs/DialogParts.h"

class QListWidget;
class QListWidgetItem;

namespace zelpor {

struct AppState;
class MessageService;

// What the job and the part selection share: a list filled on opening with
// the current entry preselected; "OK" or a double click takes the selected
// entry and reads the part, "Annuler" leaves everything as it was.
class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    void FormActivate();
    void OKBtnClick();
    void ListBox1DblClick();

    QListWidget* list() const { return m_list; }

protected:
    SelectionDialog(AppState& state, MessageService& messages, QWidget* parent);
    void showEvent(QShowEvent* event) override;

    virtual std::string whereText() const = 0;
    virtual std::vector<std::string> entries() const = 0;
    virtual const std::string& currentEntry() const = 0;
    virtual void choose(const std::string& entry) = 0;

    AppState& m_state;
    MessageService& m_messages;

private:
    DialogFrame m_frame;
    QListWidget* m_list = nullptr;
    std::vector<std::string> m_entries;  // as on disk; the list shows them converted
};

}  // namespace zelpor
