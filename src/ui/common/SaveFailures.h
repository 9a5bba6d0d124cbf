#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace zelpor {

class MessageService;

// One wording for every file the program could not write: what was lost and
// the full path, so the user can see which disk or folder to look at.
QString PartNotSavedText(const std::string& path);
QString ConfigurationNotSavedText(const std::string& path);
QString ParametersNotSavedText(const std::string& path);

// A warning with the program's title.
void ReportNotSaved(MessageService& messages, QWidget* parent, const QString& text);

// On closing with unsaved files: lists them and asks whether to close anyway.
// True closes; false keeps the window open so the user can retry.
bool ConfirmCloseUnsaved(MessageService& messages, QWidget* parent, const QStringList& failures);

}  // namespace zelpor
