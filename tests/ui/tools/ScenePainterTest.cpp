#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

#include "common/ScenePainter.h"

namespace zelpor {
namespace {

const QColor kGrey(128, 128, 128);
const QRgb kGreyRgb = kGrey.rgb();

// A 200 x 200 back buffer with the world origin in its centre, 1 px per mm, y up.
struct Canvas {
    QImage image{200, 200, QImage::Format_RGB32};
    ViewTransform t = ViewTransform::Identity(100, 100);
    Canvas() { image.fill(kGrey); }
    QRgb at(int x, int y) const { return image.pixel(x, y); }
    int countNot(QRgb colour, QRect area) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) != colour;
        return n;
    }
    int countOf(QRgb colour, QRect area) const {
        return area.width() * area.height() - countNot(colour, area);
    }
};

OutlineElement Element(std::int32_t type, float x1, float y1) {
    OutlineElement e;
    e.type = type;
    e.colour = Rgb(255, 0, 0);
    e.x1 = x1;
    e.y1 = y1;
    return e;
}

TEST(ScenePainter, LineInItsColourAndWidth) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    OutlineElement e = Element(kLine, -50, 10);
    e.x2 = 50;
    e.y2 = 10;
    p.drawElements(std::span(&e, 1));
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(c.at(50, 90), red);   // y = 10 is 10 px above the centre
    EXPECT_EQ(c.at(149, 90), red);
    EXPECT_EQ(c.at(100, 89), kGreyRgb);
    EXPECT_EQ(c.at(100, 91), kGreyRgb);
    EXPECT_EQ(c.countOf(red, c.image.rect()), 101);

    // Sheet lines ("Piece") are two pixels wide.
    Canvas wide;
    ScenePainter pw(wide.image, wide.t);
    e.name.assign("Piece");
    pw.drawElements(std::span(&e, 1));
    EXPECT_GT(wide.countOf(red, wide.image.rect()), 190);
}

TEST(ScenePainter, ArcRunsCounterClockwiseFromStartToEnd) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    OutlineElement e = Element(kArc, 0, 0);
    e.r = 50;
    e.a1 = 0;
    e.a2 = 90;  // the upper right quadrant only
    p.drawElements(std::span(&e, 1));
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_GT(c.countOf(red, QRect(100, 45, 60, 60)), 50);        // upper right
    EXPECT_EQ(c.countOf(red, QRect(40, 40, 55, 55)), 0);          // upper left
    EXPECT_EQ(c.countOf(red, QRect(40, 105, 55, 55)), 0);         // lower left
    EXPECT_EQ(c.countOf(red, QRect(105, 105, 55, 55)), 0);        // lower right

    // From 90 to 0 the arc goes the long way round: three quadrants.
    Canvas back;
    ScenePainter pb(back.image, back.t);
    e.a1 = 90;
    e.a2 = 0;
    pb.drawElements(std::span(&e, 1));
    EXPECT_GT(back.countOf(red, QRect(40, 40, 55, 55)), 50);
    EXPECT_GT(back.countOf(red, QRect(40, 105, 55, 55)), 50);
    EXPECT_GT(back.countOf(red, QRect(105, 105, 55, 55)), 50);
    EXPECT_EQ(back.countOf(red, QRect(105, 45, 50, 50)), 0);
}

TEST(ScenePainter, CircleIsHollow) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    OutlineElement e = Element(kCircle, 0, 0);
    e.r = 30;
    p.drawElements(std::span(&e, 1));
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_GT(c.countOf(red, c.image.rect()), 150);
    EXPECT_EQ(c.at(100, 100), kGreyRgb);
    EXPECT_EQ(c.countOf(red, QRect(80, 80, 40, 40)), 0);
}

TEST(ScenePainter, FillStopsAtTheBorderColour) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    std::vector<OutlineElement> square;
    const float pts[][2] = {{-20, -20}, {20, -20}, {20, 20}, {-20, 20}};
    for (int i = 0; i < 4; ++i) {
        OutlineElement e = Element(kLine, pts[i][0], pts[i][1]);
        e.x2 = pts[(i + 1) % 4][0];
        e.y2 = pts[(i + 1) % 4][1];
        square.push_back(e);
    }
    square.push_back(Element(kFill, 5, 5));
    p.drawElements(square);
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(c.countNot(red, QRect(81, 81, 39, 39)), 0);  // the whole inside
    EXPECT_EQ(c.at(75, 100), kGreyRgb);                    // outside stays grey
    EXPECT_EQ(c.at(100, 125), kGreyRgb);
    EXPECT_EQ(c.countOf(red, c.image.rect()), 41 * 41);
}

TEST(ScenePainter, OnlyKnownTypesDraw) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    std::vector<OutlineElement> elements;
    for (std::int32_t type : {0, 2, 5, 6, 8, 10, -1, 1000}) {
        OutlineElement e = Element(type, -40, -40);
        e.x2 = 40;
        e.y2 = 40;
        e.r = 30;
        e.a2 = 180;
        e.h = 20;
        elements.push_back(e);
    }
    Scene texts;
    texts.texts = {"ABC"};
    p.drawElements(elements, &texts);
    EXPECT_EQ(c.countNot(kGreyRgb, c.image.rect()), 0);
}

TEST(ScenePainter, TextDrawsInItsPlaceAndOnlyWithAKnownIndex) {
    Scene scene;
    scene.texts = {"HHHH", "X"};
    OutlineElement e = Element(kText, 0, 0);
    e.h = 20;
    e.a1 = 0;
    e.textIndex = 0;

    Canvas c;
    ScenePainter p(c.image, c.t);
    p.drawElements(std::span(&e, 1), &scene);
    const QRgb red = qRgb(255, 0, 0);
    // The anchor is the top left of the text, moved left by its height:
    // the letters start near x = 80 and hang below y = 100.
    EXPECT_GT(c.countNot(kGreyRgb, QRect(80, 100, 100, 22)), 40);
    EXPECT_EQ(c.countNot(kGreyRgb, QRect(0, 0, 200, 98)), 0);
    EXPECT_EQ(c.countNot(kGreyRgb, QRect(0, 0, 76, 200)), 0);
    EXPECT_GT(c.countOf(red, c.image.rect()), 10);

    // Rotated by 90 degrees the text runs upwards from the anchor.
    Canvas up;
    ScenePainter pu(up.image, up.t);
    e.a1 = 90;
    pu.drawElements(std::span(&e, 1), &scene);
    EXPECT_GT(up.countNot(kGreyRgb, QRect(80, 10, 25, 92)), 40);
    EXPECT_EQ(up.countNot(kGreyRgb, QRect(0, 104, 200, 96)), 0);

    for (std::int32_t index : {2, -1, 1 << 30}) {
        Canvas none;
        ScenePainter pn(none.image, none.t);
        e.textIndex = index;
        pn.drawElements(std::span(&e, 1), &scene);
        EXPECT_EQ(none.countNot(kGreyRgb, none.image.rect()), 0) << index;
    }
    // Without a text table (a loaded tool's empty slots) nothing shows either.
    Canvas bare;
    ScenePainter pb(bare.image, bare.t);
    e.textIndex = 0;
    pb.drawElements(std::span(&e, 1));
    EXPECT_EQ(bare.countNot(kGreyRgb, bare.image.rect()), 0);
}

TEST(ScenePainter, LetteringFontIsTheIsoFaceWhenInstalled) {
    const QString family = LetteringFontFamily();
    EXPECT_FALSE(family.isEmpty());
    if (QFontDatabase::families().contains(QStringLiteral("osifont"), Qt::CaseInsensitive)) {
        EXPECT_EQ(family.toLower(), QStringLiteral("osifont"));
    }
}

TEST(ScenePainter, FarAwayGeometryIsClippedNotWrapped) {
    Canvas c;
    ScenePainter p(c.image, c.t);
    OutlineElement e = Element(kLine, -1e9f, 0);
    e.x2 = 1e9f;
    e.y2 = 0;
    p.drawElements(std::span(&e, 1));
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(c.countOf(red, QRect(0, 100, 200, 1)), 200);
    // A fill seed outside the buffer does nothing.
    OutlineElement f = Element(kFill, 5000, 5000);
    p.drawElements(std::span(&f, 1));
    EXPECT_EQ(c.countOf(red, c.image.rect()), 200);
}

}  // namespace
}  // namespace zelpor
