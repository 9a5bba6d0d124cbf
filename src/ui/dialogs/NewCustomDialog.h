#pragma once

#include <QDialog>

#include "ui/dialogs/DialogParts.h"

class QLineEdit;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// New-job dialog: a job is a folder under the jobs root. exec() returns
// QDialog::Accepted when the job was created and made current, else
// QDialog::Rejected. While no job exists it cannot be left without one.
class NewCustomDialog final : public QDialog {
    Q_OBJECT
public:
    NewCustomDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Handlers, public so that callers and tests act exactly as the user does.
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();

    QLineEdit* nameBox() const { return m_edit1; }

public Q_SLOTS:
    void reject() override;  // Escape, "Annuler" and the title-bar close

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool createJobFolder(const std::string& name);

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    DialogFrame m_frame;
    QLineEdit* m_edit1 = nullptr;  // "Affaire :"
};

}  // namespace zelpor
