#pragma once

// Golden images: a drawing is compared with tests/golden/<name>.png.
//
// After a deliberate change to a drawing, refresh its golden images with
//   ZELPOR_UPDATE_GOLDEN=1 build/bin/ui_tests --gtest_filter='<the tests>'
// look at the new PNGs and commit them with the change. A new golden test
// fails until its image has been written this way.
//
// Two pixels match when every channel is within kChannelTolerance; a few
// pixels may differ (text edges from another font build). On a failure the
// image drawn and a diff (differing pixels in magenta over a dimmed copy of
// the golden one) are written to a folder the failure message names.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zelpor::test {

inline constexpr int kChannelTolerance = 24;

inline std::string GoldenPath(const std::string& name) { return std::string(ZELPOR_GOLDEN_DIR) + "/" + name + ".png"; }

inline bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kChannelTolerance && std::abs(qGreen(a) - qGreen(b)) <= kChannelTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kChannelTolerance;
}

// Compares `image` with the golden image `name`; `maxDifferent` pixels may differ.
inline ::testing::AssertionResult MatchesGolden(const QImage& drawn, const std::string& name, int maxDifferent = 0) {
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    const std::string path = GoldenPath(name);
    const char* update = std::getenv("ZELPOR_UPDATE_GOLDEN");
    if (update != nullptr && *update != '\0' && *update != '0') {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        if (!image.save(QString::fromStdString(path), "PNG"))
            return ::testing::AssertionFailure() << "cannot write " << path;
        return ::testing::AssertionSuccess() << "golden image written: " << path;
    }
    const QImage golden = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    if (golden.isNull())
        return ::testing::AssertionFailure() << "no golden image " << path << " (write it with ZELPOR_UPDATE_GOLDEN=1)";

    const std::filesystem::path out = std::filesystem::temp_directory_path() / "zelpor-golden-failures";
    std::filesystem::create_directories(out);
    const QString actualPath = QString::fromStdString((out / (name + "-actual.png")).string());
    if (golden.size() != image.size()) {
        image.save(actualPath, "PNG");
        return ::testing::AssertionFailure()
               << name << ": drawn " << image.width() << "x" << image.height() << ", golden " << golden.width() << "x"
               << golden.height() << "; drawn image: " << actualPath.toStdString();
    }
    QImage diff(golden.size(), QImage::Format_RGB32);
    int different = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < golden.height(); ++y) {
        const auto* g = reinterpret_cast<const QRgb*>(golden.constScanLine(y));
        const auto* a = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
        for (int x = 0; x < golden.width(); ++x) {
            if (Near(g[x], a[x])) {
                const int grey = qGray(g[x]) / 3 + 170;
                d[x] = qRgb(grey, grey, grey);
                continue;
            }
            d[x] = qRgb(255, 0, 255);
            if (different++ == 0) firstX = x, firstY = y;
        }
    }
    if (different <= maxDifferent) return ::testing::AssertionSuccess();
    const QString diffPath = QString::fromStdString((out / (name + "-diff.png")).string());
    image.save(actualPath, "PNG");
    diff.save(diffPath, "PNG");
    return ::testing::AssertionFailure() << name << ": " << different << " of " << golden.width() * golden.height()
                                         << " pixels differ (at most " << maxDifferent << " may); first at (" << firstX
                                         << ", " << firstY << "): drawn "
                                         << QColor(image.pixel(firstX, firstY)).name().toStdString() << ", golden "
                                         << QColor(golden.pixel(firstX, firstY)).name().toStdString()
                                         << "; drawn image: " << actualPath.toStdString()
                                         << ", diff: " << diffPath.toStdString();
}

}  // namespace zelpor::test
