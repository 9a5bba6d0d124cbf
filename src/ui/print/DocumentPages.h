#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace zelpor {

// The documents are laid out at 96 pixels per inch on A4 portrait with
// margins of 15 mm; text sizes are given in pixels so the layout is the same
// on paper, in a PDF and on any screen.
inline constexpr double kDocumentDpi = 96;

// Page size of the layout, without the footer line.
struct DocumentPage {
    double width = 0;
    double height = 0;
};
DocumentPage DocumentPageSize();

// Sets A4 portrait and the margins on `device`, lays `document` out in pages
// and paints them with "<footer>   Page i/n" at the bottom of each.
// Returns the number of pages, 0 when the device could not be painted.
int PaintDocument(QTextDocument& document, QPagedPaintDevice& device, const QString& footer);

// The document as the bytes of a PDF file (empty on failure).
QByteArray DocumentPdf(QTextDocument& document, const QString& title, const QString& footer);

}  // namespace zelpor
