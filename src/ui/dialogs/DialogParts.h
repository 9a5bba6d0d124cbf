#pragma once

#include <QString>
#include <string>

class QDialog;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace zelpor {

class MessageService;
struct AppState;

// The help line every job and part dialog shows at its foot.
QString HelpLine();

// What the four job and part dialogs share: where they work (Label2), the help
// line (Label3), "OK" answering Enter and "Annuler" answering Escape.
struct DialogFrame {
    QLabel* label2 = nullptr;
    QLabel* label3 = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Label2 at the top of `layout`; call AddFooter once the dialog's own fields are in.
QLabel* AddWhereLabel(QDialog* dialog, QVBoxLayout* layout);
// The OK / Annuler row and the help line. OK is the default button (Enter in
// the fields); a button that has the focus takes Enter itself. "Annuler" goes
// through the dialog's reject() so Escape and the button agree.
void AddFooter(QDialog* dialog, QVBoxLayout* layout, DialogFrame& frame);

// Saves the current part as a dialog opens and tells the user when the file
// could not be written, instead of losing the edits silently.
void SavePartOnOpening(AppState& state, MessageService& messages, QWidget* parent);

// A message for a part file that could not be written.
void ReportPartNotWritten(MessageService& messages, QWidget* parent, const std::string& path);

}  // namespace zelpor
