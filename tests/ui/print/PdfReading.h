#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/TempDir.h"

namespace zelpor::test {

// The text of a PDF as poppler's pdftotext reads it, pages in order.
inline QString PdfText(const std::string& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    return run.waitForFinished(30000) && run.exitCode() == 0 ? QString::fromUtf8(run.readAllStandardOutput())
                                                             : QString();
}

// Page 1 of a PDF rendered by pdftoppm at 48 dpi.
inline QImage PdfFirstPage(const std::string& pdf, const TempDir& dir) {
    QProcess run;
    const QString stem = QString::fromStdString(dir.file("page"));
    run.start(QStringLiteral("pdftoppm"), QStringLiteral("-r 48 -f 1 -l 1 -singlefile -png").split(' ')
                                              << QString::fromStdString(pdf) << stem);
    return run.waitForFinished(30000) && run.exitCode() == 0 ? QImage(stem + QStringLiteral(".png")) : QImage();
}

// Pixels of `image` inside `area` (fractions of the page) that are far from
// white and lean to the given colour channel: 'r' or 'b'.
inline int InkPixels(const QImage& image, QRectF area, char channel) {
    int count = 0;
    const QRect box(static_cast<int>(area.left() * image.width()), static_cast<int>(area.top() * image.height()),
                    static_cast<int>(area.width() * image.width()), static_cast<int>(area.height() * image.height()));
    for (int y = box.top(); y <= box.bottom() && y < image.height(); ++y)
        for (int x = box.left(); x <= box.right() && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int r = c.red(), g = c.green(), b = c.blue();
            const bool ink = channel == 'r' ? r > g + 60 && r > b + 60 : b > r + 60 && b > g + 60;
            if (ink) ++count;
        }
    return count;
}

}  // namespace zelpor::test
