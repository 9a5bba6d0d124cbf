#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <tuple>

#include "ui/bendview/BendViewWidget.h"
#include "support/Golden.h"
#include "support/SampleTools.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

auto All(const ViewTransform& v) {
    return std::tuple(v.worldOriginX, v.worldOriginY, v.viewportOriginX, v.viewportOriginY, v.worldExtentX,
                      v.worldExtentY, v.viewportExtentX, v.viewportExtentY);
}
bool Same(const ViewTransform& a, const ViewTransform& b) { return All(a) == All(b); }

// A U channel of 2 mm sheet: 60 mm, 90 degrees, 120 mm, 90 degrees, 60 mm,
// with the sample punch P88-67 and die V16. Both bends are still to be
// placed; the last one is at the punch.
class BendViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.punch.record = test::SamplePunchP88_67();
        m_state.die.record = test::SampleDieV16();
        m_state.part.thickness = 2;
        m_state.part.currentBend = -1;
        m_state.part.lastBend = 1;
        test::SetProfile(m_state.part, {{60, 90, -1}, {120, 90, -1}, {60, 0, -1}});
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_widget));
        m_widget.rebuild();
    }
    void click(Qt::MouseButton b, ScreenPoint p) { QTest::mouseClick(&m_widget, b, Qt::NoModifier, QPoint(p.x, p.y)); }

    AppState m_state;
    BendViewWidget m_widget{m_state};
};

// The bend fitted to the area (the golden picture holds the fit): die and
// punch in red, the sheet in blue. Tool circles are not part of the bend
// picture: a circle of radius 10 about the die's mid-height and an arc on it;
// the arc shows, the circle does not.
TEST_F(BendViewTest, BendFittedToTheAreaWithToolArcsButNoToolCircles) {
    DieRecord& die = m_state.die.record;
    OutlineElement& circle = die.outline[static_cast<std::size_t>(++die.lastElement)];
    circle.type = kCircle, circle.x1 = 0, circle.y1 = 30, circle.r = 10;
    OutlineElement& arc = die.outline[static_cast<std::size_t>(++die.lastElement)] = circle;
    arc.type = kArc, arc.a1 = 90, arc.a2 = 180;
    m_widget.rebuild();
    EXPECT_TRUE(test::MatchesGolden(m_widget.frame(), "bend-view-u-channel"));
}

TEST_F(BendViewTest, ZoomWindowByTwoClicksThenZoomTout) {
    QSignalSpy zoomAll(&m_widget, &BendViewWidget::zoomAllEnabledChanged);
    const ViewTransform before = m_widget.view();
    const QImage beforeFrame = m_widget.frame();
    const ScreenPoint c1 = before.map(-40, 45), c2 = before.map(40, -15);

    m_widget.onZoomWindow();
    click(Qt::LeftButton, c1);
    QTest::mouseMove(&m_widget, QPoint(c2.x - 10, c2.y - 10));
    EXPECT_EQ(m_widget.frame(), beforeFrame);  // the rectangle is drawn over, not into, the drawing
    click(Qt::LeftButton, c2);
    ViewTransform expected = before;
    ASSERT_EQ(ZoomToRectangle(expected, c1, c2), RectangleZoom::Zoomed);
    EXPECT_TRUE(Same(m_widget.view(), expected));
    EXPECT_TRUE(m_widget.zoomAllEnabled());

    // "Zoom Tout" goes back to the whole drawing, as first fitted, and is disabled again.
    m_widget.onZoomAll();
    EXPECT_TRUE(Same(m_widget.view(), before));
    ASSERT_EQ(zoomAll.size(), 2);
    EXPECT_FALSE(zoomAll.last().at(0).toBool() || m_widget.zoomAllEnabled());
}

TEST_F(BendViewTest, PanKeepsTheGrabbedPointUnderThePointer) {
    QSignalSpy status(&m_widget, &BendViewWidget::statusMessage);
    const ViewTransform before = m_widget.view();
    m_widget.onPan();
    ASSERT_EQ(status.size(), 1);
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("Clic droit enfoncé et deplacement de la sourie"));
    QTest::mouseMove(&m_widget, QPoint(300, 250));  // no button: no pan
    EXPECT_TRUE(Same(m_widget.view(), before));

    const WorldPoint grabbed = ScreenToWorld(before, 200, 150);
    QTest::mousePress(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    QTest::mouseMove(&m_widget, QPoint(100, 40));
    QTest::mouseMove(&m_widget, QPoint(260, 190));
    EXPECT_EQ(ScreenToWorld(m_widget.view(), 260, 190), grabbed);
    const ScreenPoint die = m_widget.view().map(0, -60);  // the frame was drawn again with the moved view
    EXPECT_EQ(m_widget.frame().pixelColor(die.x, die.y), QColor(255, 0, 0));

    QTest::mouseRelease(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(260, 190));
    const ViewTransform after = m_widget.view();
    QTest::mousePress(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(260, 190));
    QTest::mouseMove(&m_widget, QPoint(10, 10));
    EXPECT_TRUE(Same(m_widget.view(), after));  // pan ended with the release
}

}  // namespace
}  // namespace zelpor
