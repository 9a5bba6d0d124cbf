#include "ui/common/SaveFailures.h"

#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"

namespace zelpor {

namespace {
const QString kTitle = QStringLiteral("Zelpor_2");
}

QString PartNotSavedText(const std::string& path) {
    return QStringLiteral("La pi\u00E8ce n'a pas pu \u00EAtre enregistr\u00E9e dans ") + FromLocal(path) +
           QStringLiteral(".");
}

QString ConfigurationNotSavedText(const std::string& path) {
    return QStringLiteral("La configuration n'a pas pu \u00EAtre enregistr\u00E9e dans ") + FromLocal(path) +
           QStringLiteral(".");
}

QString ParametersNotSavedText(const std::string& path) {
    return QStringLiteral("Les param\u00E8tres machine n'ont pas pu \u00EAtre enregistr\u00E9s dans ") +
           FromLocal(path) + QStringLiteral(".");
}

void ReportNotSaved(MessageService& messages, QWidget* parent, const QString& text) {
    messages.show(parent, QMessageBox::Warning, kTitle, text, QMessageBox::Ok);
}

bool ConfirmCloseUnsaved(MessageService& messages, QWidget* parent, const QStringList& failures) {
    const QString text = failures.join(QLatin1Char('\n')) + QStringLiteral("\nFermer quand m\u00EAme ?");
    return messages.show(parent, QMessageBox::Warning, kTitle, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace zelpor
