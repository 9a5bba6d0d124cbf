#include "ui/print/PrintDestinations.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ui/print/DocumentPages.h"

namespace zelpor {

PrintDestination DialogPrintDestinations::choose(QWidget* parent, const QString& title, const QString& suggestedName) {
    QMessageBox box(QMessageBox::Question, title, QStringLiteral("Imprimer ou enregistrer le document ?"),
                    QMessageBox::NoButton, parent);
    QPushButton* printer = box.addButton(QStringLiteral("&Imprimer..."), QMessageBox::AcceptRole);
    QPushButton* pdf = box.addButton(QStringLiteral("&PDF..."), QMessageBox::AcceptRole);
    QPushButton* csv = box.addButton(QStringLiteral("&CSV..."), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(printer);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == printer) return {PrintDestination::Kind::Printer, {}};
    if (clicked != pdf && clicked != csv) return {};
    const bool isPdf = clicked == pdf;
    const QString suffix = isPdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    const QString path =
        QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggestedName + suffix),
                                     isPdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return {};
    return {isPdf ? PrintDestination::Kind::Pdf : PrintDestination::Kind::Csv,
            path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix};
}

bool DialogPrintDestinations::print(QWidget* parent, const PagePainter& paint) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return paint(printer) > 0;
}

}  // namespace zelpor
