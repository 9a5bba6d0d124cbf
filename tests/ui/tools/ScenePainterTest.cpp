#include <gtest/gtest.h>

#include <QImage>

#include "ui/common/ScenePainter.h"
#include "support/Golden.h"

namespace zelpor {
namespace {

const QRgb kGrey = qRgb(128, 128, 128);

// A 200 x 200 grey back buffer with the world origin in its centre, 1 px per mm, y up.
QImage Draw(std::span<const OutlineElement> elements, const Scene* texts = nullptr) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(kGrey);
    ScenePainter(image, ViewTransform::Identity(100, 100)).drawElements(elements, texts);
    return image;
}

// Every element type in one picture: a filled square (the fill stops at its
// border), a two-pixel sheet line, a hollow circle, an arc from 0 to 90
// (counter-clockwise: the upper right quadrant only) and one from 180 to 90
// (three quadrants), text upright and rotated (anchored at its top left moved
// left by its height), a line a thousand kilometres long clipped rather than
// wrapped, and a fill seed outside the buffer that fills nothing.
TEST(ScenePainter, EveryElementTypeMatchesItsGoldenImage) {
    const std::int32_t red = 0xFF0000;
    std::vector<OutlineElement> e;
    const float square[] = {-90, -90, -50, -90, -50, -50, -90, -50, -90, -90};
    for (const float* p = square; p < square + 8; p += 2)
        e.push_back({.type = kLine, .colour = red, .x1 = p[0], .y1 = p[1], .x2 = p[2], .y2 = p[3]});
    e.push_back({.type = kFill, .colour = red, .x1 = -70, .y1 = -70});
    e.push_back({.type = kLine, .colour = 0x0000FF, .x1 = -90, .y1 = 90, .x2 = 90, .y2 = 90});
    e.back().name.assign("Piece");
    e.push_back({.type = kCircle, .colour = 0x00FFFF, .x1 = 50, .y1 = -50, .r = 30});
    e.push_back({.type = kArc, .colour = 0x00FF00, .r = 40, .a1 = 0, .a2 = 90});
    e.push_back({.type = kArc, .colour = 0xFF00FF, .r = 20, .a1 = 180, .a2 = 90});
    e.push_back({.type = kText, .colour = 0xFFFFFF, .x1 = -60, .y1 = 60, .h = 15, .textIndex = 0});
    e.push_back({.type = kText, .colour = 0xFFFF00, .x1 = 80, .y1 = -10, .a1 = 90, .h = 12, .textIndex = 1});
    e.push_back({.type = kLine, .colour = red, .x1 = -1e9f, .y1 = -95, .x2 = 1e9f, .y2 = -95});
    e.push_back({.type = kFill, .colour = red, .x1 = 5000, .y1 = 5000});
    Scene texts;
    texts.texts = {"PLI", "V16"};
    EXPECT_TRUE(test::MatchesGolden(Draw(e, &texts), "scene-painter-elements", 60));
}

// Unknown types, text indexes outside the table and text without a table
// (a loaded tool's empty slots) draw nothing.
TEST(ScenePainter, UnknownTypesAndTextIndexesDrawNothing) {
    std::vector<OutlineElement> elements;
    for (std::int32_t type : std::initializer_list<std::int32_t>{0, 2, 5, 6, 8, 10, -1, 1000, kText, kText, kText})
        elements.push_back({.type = type, .x1 = -40, .y1 = -40, .x2 = 40, .y2 = 40, .r = 30, .a2 = 180, .h = 20});
    elements[8].textIndex = 2, elements[9].textIndex = -1, elements[10].textIndex = 1 << 30;
    Scene texts;
    texts.texts = {"ABC", "X"};
    QImage blank(200, 200, QImage::Format_RGB32);
    blank.fill(kGrey);
    EXPECT_EQ(Draw(elements, &texts), blank);
    elements[8].textIndex = 0;
    EXPECT_EQ(Draw(std::span(&elements[8], 1)), blank);
}

}  // namespace
}  // namespace zelpor
