#include "ui/print/DocumentPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace zelpor {

namespace {

constexpr double kMarginMm = 15;
constexpr double kFooterHeight = 24;  // pixels below the text for the page number
constexpr double kMmPerInch = 25.4;

double MmToPixels(double mm) { return mm * kDocumentDpi / kMmPerInch; }

}  // namespace

DocumentPage DocumentPageSize() {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return {MmToPixels(a4.width() - 2 * kMarginMm), MmToPixels(a4.height() - 2 * kMarginMm) - kFooterHeight};
}

void SetDocumentPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

double DocumentScale(const QPagedPaintDevice& device) { return device.logicalDpiX() / kDocumentDpi; }

QFont DocumentFont(int pixelSize, bool bold) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);  // any spacing turns ligatures off
    return font;
}

void DrawPageFooter(QPainter& painter, const QString& footer, int page, int pages) {
    const DocumentPage size = DocumentPageSize();
    painter.setFont(DocumentFont(10));
    painter.setPen(Qt::black);
    const QRectF band(0, size.height + 6, size.width, kFooterHeight - 6);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, footer);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1/%2").arg(page).arg(pages));
}

int PaintDocument(QTextDocument& document, QPagedPaintDevice& device, const QString& footer) {
    SetDocumentPageLayout(device);
    const DocumentPage page = DocumentPageSize();
    document.setDocumentMargin(0);
    document.setPageSize(QSizeF(page.width, page.height));
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double scale = DocumentScale(device);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.save();
        painter.translate(0, -i * page.height);
        document.drawContents(&painter, QRectF(0, i * page.height, page.width, page.height));
        painter.restore();
        DrawPageFooter(painter, footer, i + 1, pages);
        painter.restore();
    }
    painter.end();
    return pages;
}

QByteArray PdfBytes(const QString& title, const PagePainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kDocumentDpi) * 3);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zelpor_2"));
        SetDocumentPageLayout(writer);
        if (paint(writer) == 0) return {};
    }
    buffer.close();
    return bytes;
}

}  // namespace zelpor
