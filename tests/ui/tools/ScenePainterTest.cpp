#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

#include "common/ScenePainter.h"

namespace zelpor {
namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

// A 200 x 200 grey back buffer with the world origin in its centre, 1 px per mm, y up.
struct Canvas {
    QImage image{200, 200, QImage::Format_RGB32};
    int count(QRgb colour, QRect area = QRect(0, 0, 200, 200)) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
        return n;
    }
    int drawn(QRect area = QRect(0, 0, 200, 200)) const { return area.width() * area.height() - count(kGrey, area); }
};

Canvas Draw(std::span<const OutlineElement> elements, const Scene* texts = nullptr) {
    Canvas c;
    c.image.fill(kGrey);
    ScenePainter(c.image, ViewTransform::Identity(100, 100)).drawElements(elements, texts);
    return c;
}
Canvas Draw(const OutlineElement& e, const Scene* texts = nullptr) { return Draw(std::span(&e, 1), texts); }

OutlineElement Element(std::int32_t type, float x1, float y1, float x2 = 0, float y2 = 0) {
    OutlineElement e;
    e.type = type;
    e.colour = Rgb(255, 0, 0);
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    return e;
}

TEST(ScenePainter, LinesCirclesAndArcs) {
    OutlineElement line = Element(kLine, -50, 10, 50, 10);
    Canvas c = Draw(line);
    EXPECT_EQ(c.count(kRed, QRect(50, 90, 100, 1)), 100);  // y = 10 is 10 px above the centre
    EXPECT_EQ(c.count(kRed), 101);
    line.name.assign("Piece");  // sheet lines are two pixels wide
    EXPECT_GT(Draw(line).count(kRed), 190);

    OutlineElement circle = Element(kCircle, 0, 0);
    circle.r = 30;
    c = Draw(circle);
    EXPECT_GT(c.count(kRed), 150);
    EXPECT_EQ(c.count(kRed, QRect(80, 80, 40, 40)), 0);  // hollow

    // Arcs run counter-clockwise: 0 to 90 is the upper right quadrant only,
    // 90 to 0 the other three.
    const QRect upperRight(105, 45, 50, 50), quadrants[] = {{40, 40, 55, 55}, {40, 105, 55, 55}, {105, 105, 55, 55}};
    OutlineElement arc = Element(kArc, 0, 0);
    arc.r = 50, arc.a1 = 0, arc.a2 = 90;
    c = Draw(arc);
    EXPECT_GT(c.count(kRed, upperRight), 50);
    for (QRect q : quadrants) EXPECT_EQ(c.count(kRed, q), 0);
    arc.a1 = 90, arc.a2 = 0;
    c = Draw(arc);
    EXPECT_EQ(c.count(kRed, upperRight), 0);
    for (QRect q : quadrants) EXPECT_GT(c.count(kRed, q), 50);
}

TEST(ScenePainter, FillStopsAtTheBorderAndFarGeometryIsClipped) {
    const float pts[][2] = {{-20, -20}, {20, -20}, {20, 20}, {-20, 20}};
    std::vector<OutlineElement> square;
    for (int i = 0; i < 4; ++i) square.push_back(Element(kLine, pts[i][0], pts[i][1], pts[(i + 1) % 4][0], pts[(i + 1) % 4][1]));
    square.push_back(Element(kFill, 5, 5));
    Canvas c = Draw(square);
    EXPECT_EQ(c.count(kRed), 41 * 41);
    EXPECT_EQ(c.count(kRed, QRect(80, 80, 41, 41)), 41 * 41);

    // A line a thousand kilometres long is clipped, not wrapped; a seed outside the buffer fills nothing.
    c = Draw(std::vector{Element(kLine, -1e9f, 0, 1e9f, 0), Element(kFill, 5000, 5000)});
    EXPECT_EQ(c.count(kRed, QRect(0, 100, 200, 1)), 200);
    EXPECT_EQ(c.count(kRed), 200);
}

TEST(ScenePainter, OnlyKnownTypesDraw) {
    std::vector<OutlineElement> elements;
    for (std::int32_t type : {0, 2, 5, 6, 8, 10, -1, 1000}) {
        OutlineElement e = Element(type, -40, -40, 40, 40);
        e.r = 30, e.a2 = 180, e.h = 20;
        elements.push_back(e);
    }
    Scene texts;
    texts.texts = {"ABC"};
    EXPECT_EQ(Draw(elements, &texts).drawn(), 0);
}

TEST(ScenePainter, TextDrawsInItsPlaceAndOnlyWithAKnownIndex) {
    Scene scene;
    scene.texts = {"HHHH", "X"};
    OutlineElement e = Element(kText, 0, 0);
    e.h = 20, e.a1 = 0, e.textIndex = 0;
    // The anchor is the top left of the text, moved left by its height:
    // the letters start near x = 80 and hang below y = 100.
    Canvas c = Draw(e, &scene);
    EXPECT_GT(c.drawn(QRect(80, 100, 100, 22)), 40);
    EXPECT_EQ(c.drawn(QRect(0, 0, 200, 98)), 0);
    EXPECT_EQ(c.drawn(QRect(0, 0, 76, 200)), 0);
    EXPECT_GT(c.count(kRed), 10);
    e.a1 = 90;  // rotated, the text runs upwards from the anchor
    c = Draw(e, &scene);
    EXPECT_GT(c.drawn(QRect(80, 10, 25, 92)), 40);
    EXPECT_EQ(c.drawn(QRect(0, 104, 200, 96)), 0);

    for (std::int32_t index : {2, -1, 1 << 30}) {
        e.textIndex = index;
        EXPECT_EQ(Draw(e, &scene).drawn(), 0) << index;
    }
    e.textIndex = 0;
    EXPECT_EQ(Draw(e).drawn(), 0);  // no text table (a loaded tool's empty slots)

    if (QFontDatabase::families().contains(QStringLiteral("osifont"), Qt::CaseInsensitive)) {
        EXPECT_EQ(LetteringFontFamily().toLower(), QStringLiteral("osifont"));
    }
}

}  // namespace
}  // namespace zelpor
