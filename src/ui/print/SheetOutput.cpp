#include "print/SheetOutput.h"

#include <QTextDocument>

#include "print/DocumentPages.h"
#include "print/JobListPages.h"
#include "print/SheetDocuments.h"
#include "report/ReportText.h"

namespace zelpor {

QByteArray SetupSheetPdf(const SetupSheet& sheet, const PartRecord& part) {
    const auto doc = SetupSheetDocument(sheet, part);
    const QString title = SetupSheetTitle(sheet);
    return PdfBytes(title, [&](QPagedPaintDevice& device) { return PaintDocument(*doc, device, title); });
}

QByteArray JobListPdf(const JobList& list, std::time_t now) {
    const QString title = JobListTitle(list);
    const QString printed = QString::fromStdString(ShownDate(now));
    return PdfBytes(title, [&](QPagedPaintDevice& device) { return PaintJobList(list, printed, device, title); });
}

}  // namespace zelpor
