#include "print/DocumentPages.h"

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

int PaintDocument(QTextDocument& document, QPagedPaintDevice& device, const QString& footer) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    const DocumentPage page = DocumentPageSize();
    document.setDocumentMargin(0);
    document.setPageSize(QSizeF(page.width, page.height));
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double scale = device.logicalDpiX() / kDocumentDpi;
    QFont footerFont = document.defaultFont();
    footerFont.setPixelSize(10);
    footerFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);  // no ligatures in the searchable text
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.save();
        painter.translate(0, -i * page.height);
        document.drawContents(&painter, QRectF(0, i * page.height, page.width, page.height));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF band(0, page.height + 6, page.width, kFooterHeight - 6);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, footer);
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1/%2").arg(i + 1).arg(pages));
        painter.restore();
    }
    painter.end();
    return pages;
}

QByteArray DocumentPdf(QTextDocument& document, const QString& title, const QString& footer) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kDocumentDpi) * 3);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zelpor_2"));
        if (PaintDocument(document, writer, footer) == 0) return {};
    }
    buffer.close();
    return bytes;
}

}  // namespace zelpor
