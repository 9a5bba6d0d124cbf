#pragma once

#include <QString>

#include "ui/print/DocumentPages.h"

class QWidget;

namespace zelpor {

// Where a document goes: the printer (through the system's print dialog), a
// PDF file or a CSV file chosen in a file dialog.
struct PrintDestination {
    enum class Kind { Cancel, Printer, Pdf, Csv };
    Kind kind = Kind::Cancel;
    QString path;  // the chosen file for Pdf and Csv
};

// The choices are made through this interface so that tests can give them
// without running a modal loop, as they answer message boxes.
class PrintDestinations {
public:
    virtual ~PrintDestinations() = default;
    // Asks where `title` goes; `suggestedName` is the file name offered
    // (without extension).
    virtual PrintDestination choose(QWidget* parent, const QString& title, const QString& suggestedName) = 0;
    // Runs the system's print dialog and has `paint` paint the pages on the
    // chosen printer; false when cancelled or failed.
    virtual bool print(QWidget* parent, const PagePainter& paint) = 0;
};

// The real dialogs: a choice box ("Imprimer...", "PDF...", "CSV...",
// "Annuler"), then QPrintDialog or a file dialog.
class DialogPrintDestinations final : public PrintDestinations {
public:
    PrintDestination choose(QWidget* parent, const QString& title, const QString& suggestedName) override;
    bool print(QWidget* parent, const PagePainter& paint) override;
};

}  // namespace zelpor
