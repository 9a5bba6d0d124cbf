#include "print/SheetOutput.h"

#include <QTextDocument>

#include "print/DocumentPages.h"
#include "print/SheetDocuments.h"
#include "report/ReportText.h"

namespace zelpor {

QByteArray SetupSheetPdf(const SetupSheet& sheet, const PartRecord& part) {
    const auto doc = SetupSheetDocument(sheet, part);
    const QString title = SetupSheetTitle(sheet);
    return DocumentPdf(*doc, title, title);
}

QByteArray JobListPdf(const JobList& list, std::time_t now) {
    const auto doc = JobListDocument(list, QString::fromStdString(ShownDate(now)));
    const QString title = JobListTitle(list);
    return DocumentPdf(*doc, title, title);
}

}  // namespace zelpor
