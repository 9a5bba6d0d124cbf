#include "ui/print/SheetOutput.h"

#include <QTextDocument>

#include "ui/print/DocumentPages.h"
#include "ui/print/JobListPages.h"
#include "ui/print/SheetDocuments.h"
#include "core/report/ReportText.h"

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
