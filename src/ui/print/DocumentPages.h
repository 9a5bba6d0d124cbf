#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
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

// A paging of something onto a device; returns the number of pages painted
// (0 when the device could not be painted).
using PagePainter = std::function<int(QPagedPaintDevice&)>;

// A4 portrait with the documents' margins.
void SetDocumentPageLayout(QPagedPaintDevice& device);
// The painter's scale from layout pixels to device pixels.
double DocumentScale(const QPagedPaintDevice& device);
// "<footer>   Page i/n" under the page's text, in layout pixels.
void DrawPageFooter(QPainter& painter, const QString& footer, int page, int pages);
// Fonts of the documents: pixel sizes, no ligatures (the PDF text stays searchable).
QFont DocumentFont(int pixelSize, bool bold = false);

// Sets A4 portrait and the margins on `device`, lays `document` out in pages
// and paints them with "<footer>   Page i/n" at the bottom of each.
// Returns the number of pages, 0 when the device could not be painted.
int PaintDocument(QTextDocument& document, QPagedPaintDevice& device, const QString& footer);

// What `paint` paints, as the bytes of a PDF file (empty on failure).
QByteArray PdfBytes(const QString& title, const PagePainter& paint);

}  // namespace zelpor
