#include "ui/common/MessageService.h"

#include <QAbstractButton>

namespace zelpor {
namespace {

// The shop's systems are French: the standard buttons speak French too, as
// the system's own message boxes do there.
void FrenchButtonTexts(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } texts[] = {{QMessageBox::Ok, "OK"},
                 {QMessageBox::Cancel, "Annuler"},
                 {QMessageBox::Yes, "&Oui"},
                 {QMessageBox::No, "&Non"}};
    for (const auto& t : texts)
        if (QAbstractButton* b = box.button(t.button)) b->setText(QString::fromUtf8(t.text));
}

}  // namespace

QMessageBox::StandardButton DialogMessageService::show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                       const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    FrenchButtonTexts(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace zelpor
