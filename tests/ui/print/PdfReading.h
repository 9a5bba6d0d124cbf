#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/TempDir.h"

namespace zelpor::test {

// Runs one of poppler's tools; its standard output, empty when it failed.
inline QByteArray RunPoppler(const QString& tool, const QStringList& arguments) {
    QProcess run;
    run.start(tool, arguments);
    return run.waitForFinished(30000) && run.exitCode() == 0 ? run.readAllStandardOutput() : QByteArray();
}

// The text of a PDF as pdftotext reads it, pages in order.
inline QString PdfText(const std::string& pdf) {
    return QString::fromUtf8(RunPoppler(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")}));
}

// Page 1 of a PDF rendered by pdftoppm at 48 dpi (a null image when it failed).
inline QImage PdfFirstPage(const std::string& pdf, const TempDir& dir) {
    const QString stem = QString::fromStdString(dir.file("page"));
    RunPoppler(QStringLiteral("pdftoppm"), QStringLiteral("-r 48 -f 1 -l 1 -singlefile -png").split(' ')
                                               << QString::fromStdString(pdf) << stem);
    return QImage(stem + QStringLiteral(".png"));
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
