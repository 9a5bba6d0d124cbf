#pragma once

#include <QDialog>
#include <string>

#include "ui/dialogs/DialogParts.h"
#include "core/jobs/NewPart.h"
#include "core/part/PartRecord.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace zelpor {

struct AppState;
struct WindowSet;
class MessageService;

// New-part dialog. exec() returns the program type chosen (80 graphic profile,
// 81 table, 82 numeric bend sequence) once the part file is written, or 2 when
// cancelled; a cancelled dialog leaves the current part and its name as they were.
class NewPartDialog final : public QDialog {
    Q_OBJECT
public:
    // Result codes of exec(): the program type chosen, or cancelled.
    enum Code { Cancelled = 2, GraphicProfile = 80, TableProfile = 81, NumericSequence = 82 };

    // The caller sets the three radio buttons before showing the dialog.
    struct ProgramTypes {
        bool graphicEnabled = true;
        bool graphicChecked = true;
        bool tableEnabled = false;
        bool numericEnabled = true;
    };
    void setProgramTypes(const ProgramTypes& types);
    const ProgramTypes& programTypes() const { return m_types; }

    NewPartDialog(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent = nullptr);

    // Handlers, public so that callers and tests act exactly as the user does.
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();

    QLineEdit* nameBox() const { return m_edit1; }
    QLineEdit* commentBox() const { return m_edit2; }

public Q_SLOTS:
    void reject() override;  // "Annuler", Escape outside the two boxes, the title-bar close

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Prompts;

    ProgramType checkedType() const;
    void showJob();
    void tabToCheckedProgramType();
    void leaveCancelled();

    AppState& m_state;
    WindowSet& m_windows;
    MessageService& m_messages;
    ProgramTypes m_types;
    NewPartFlags m_flags;
    // What the dialog may change before the part is written, kept to put back on cancel.
    PartRecord m_partOnOpening;
    std::string m_nameOnOpening;
    bool m_opened = false;

    DialogFrame m_frame;
    QLineEdit* m_edit1 = nullptr;       // name, group "Piece"
    QCheckBox* m_checkBox1 = nullptr;   // "Affaire en cours"
    QRadioButton* m_graphic = nullptr;  // "profil de piece graphique"
    QRadioButton* m_table = nullptr;    // "Profil de piece en tableau"
    QRadioButton* m_numeric = nullptr;  // "sequence de pliage numérique"
    QLineEdit* m_edit2 = nullptr;       // comment, group "Commentaire"
};

}  // namespace zelpor
