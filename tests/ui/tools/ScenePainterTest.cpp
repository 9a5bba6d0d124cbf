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

OutlineElement Element(std::int32_t type, float x1, float y1, float x2 = 0, float y2 = 0,
                       std::int32_t colour = 0xFF0000) {
    OutlineElement e;
    e.type = type;
    e.colour = colour;
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    return e;
}

// Every element type in one picture: a filled square (the fill stops at its
// border), a two-pixel sheet line, a hollow circle, an arc from 0 to 90
// (counter-clockwise: the upper right quadrant only) and one from 180 to 90
// (three quadrants), text upright and rotated (anchored at its top left moved
// left by its height), a line a thousand kilometres long clipped rather than
// wrapped, and a fill seed outside the buffer that fills nothing.
TEST(ScenePainter, EveryElementTypeMatchesItsGoldenImage) {
    std::vector<OutlineElement> e;
    const float square[][2] = {{-90, -90}, {-50, -90}, {-50, -50}, {-90, -50}};
    for (int i = 0; i < 4; ++i)
        e.push_back(Element(kLine, square[i][0], square[i][1], square[(i + 1) % 4][0], square[(i + 1) % 4][1]));
    e.push_back(Element(kFill, -70, -70));
    e.push_back(Element(kLine, -90, 90, 90, 90, 0x0000FF));
    e.back().name.assign("Piece");
    e.push_back(Element(kCircle, 50, -50, 0, 0, 0x00FFFF));
    e.back().r = 30;
    e.push_back(Element(kArc, 0, 0, 0, 0, 0x00FF00));
    e.back().r = 40, e.back().a1 = 0, e.back().a2 = 90;
    e.push_back(Element(kArc, 0, 0, 0, 0, 0xFF00FF));
    e.back().r = 20, e.back().a1 = 180, e.back().a2 = 90;
    e.push_back(Element(kText, -60, 60, 0, 0, 0xFFFFFF));
    e.back().h = 15, e.back().textIndex = 0;
    e.push_back(Element(kText, 80, -10, 0, 0, 0xFFFF00));
    e.back().h = 12, e.back().a1 = 90, e.back().textIndex = 1;
    e.push_back(Element(kLine, -1e9f, -95, 1e9f, -95));
    e.push_back(Element(kFill, 5000, 5000));
    Scene texts;
    texts.texts = {"PLI", "V16"};
    EXPECT_TRUE(test::MatchesGolden(Draw(e, &texts), "scene-painter-elements", 60));
}

// Unknown types, text indexes outside the table and text without a table
// (a loaded tool's empty slots) draw nothing.
TEST(ScenePainter, UnknownTypesAndTextIndexesDrawNothing) {
    std::vector<OutlineElement> elements;
    for (std::int32_t type : {0, 2, 5, 6, 8, 10, -1, 1000}) {
        OutlineElement e = Element(type, -40, -40, 40, 40);
        e.r = 30, e.a2 = 180, e.h = 20;
        elements.push_back(e);
    }
    for (std::int32_t index : {2, -1, 1 << 30}) {
        elements.push_back(Element(kText, 0, 0));
        elements.back().h = 20, elements.back().textIndex = index;
    }
    Scene texts;
    texts.texts = {"ABC", "X"};
    QImage blank(200, 200, QImage::Format_RGB32);
    blank.fill(kGrey);
    EXPECT_EQ(Draw(elements, &texts), blank);
    OutlineElement text = Element(kText, 0, 0);
    text.h = 20, text.textIndex = 0;
    EXPECT_EQ(Draw(std::span(&text, 1)), blank);
}

}  // namespace
}  // namespace zelpor
