#include <gtest/gtest.h>

#include <QImage>

#include "common/ScenePainter.h"

namespace zelpor {
namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

int Count(const QImage& image, QRgb colour, int row = -1) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (row >= 0 && y != row) continue;
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
}

SketchEntity Entity(std::int32_t type, float x1, float y1, float x2 = 0, float y2 = 0) {
    SketchEntity e;
    e.type = type;
    e.colour = Rgb(255, 0, 0);
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    return e;
}

// The sketch goes through the same element drawing as the other pictures,
// with its own fields: the "DOT" style, the radius, the angles, the texts of
// the part. A damaged part's fills and stray text indexes draw nothing.
TEST(SketchPaint, EntitiesDrawnFromThePartWithTheirStyle) {
    PartRecord part;
    part.sketch[0] = Entity(kLine, -50, 20, 50, 20);
    part.sketch[1] = Entity(kLine, -50, -20, 50, -20);
    part.sketch[1].style.assign("DOT");
    part.sketch[2] = Entity(kArc, 0, 0);
    part.sketch[2].radius = 30;
    part.sketch[2].startAngle = 0;
    part.sketch[2].endAngle = 90;
    part.sketch[3] = Entity(kFill, 0, 0);
    part.sketch[4] = Entity(kText, -60, 60);
    part.sketch[4].textIndex = 7;
    part.sketch[4].textHeight = 12;
    part.sketchTexts[7].assign("Pli");
    part.sketch[5] = Entity(kText, -60, -60);
    part.sketch[5].textIndex = 500;  // outside the table
    part.sketch[5].textHeight = 12;
    part.sketchLast = 5;

    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(kGrey);
    ScenePainter(image, ViewTransform::Identity(100, 100)).drawSketch(part);
    EXPECT_EQ(Count(image, kRed, 80), 101);  // solid line at y = 20
    const int dotted = Count(image, kRed, 120);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 80);
    EXPECT_EQ(image.pixel(130, 100), kRed);  // the arc starts on the x axis
    EXPECT_EQ(image.pixel(100, 100), kGrey);  // no fill
    int textPixels = 0, strayPixels = 0;
    for (int y = 20; y < 60; ++y)
        for (int x = 0; x < 100; ++x) textPixels += image.pixel(x, y) != kGrey;
    for (int y = 150; y < 200; ++y)
        for (int x = 0; x < 100; ++x) strayPixels += image.pixel(x, y) != kGrey;
    EXPECT_GT(textPixels, 10);
    EXPECT_EQ(strayPixels, 0);
}

}  // namespace
}  // namespace zelpor
