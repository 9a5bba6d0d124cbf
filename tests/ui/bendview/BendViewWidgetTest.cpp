#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "bendview/BendScene.h"
#include "bendview/BendViewWidget.h"
#include "support/SampleTools.h"
#include "support/TempDir.h"
#include "workspace/AppState.h"

namespace zelpor {
namespace {

using test::SetProfile;

bool Same(const ViewTransform& a, const ViewTransform& b) {
    return a.worldOriginX == b.worldOriginX && a.worldOriginY == b.worldOriginY &&
           a.viewportOriginX == b.viewportOriginX && a.viewportOriginY == b.viewportOriginY &&
           a.worldExtentX == b.worldExtentX && a.worldExtentY == b.worldExtentY &&
           a.viewportExtentX == b.viewportExtentX && a.viewportExtentY == b.viewportExtentY;
}

// A U channel of 2 mm sheet: 60 mm, 90 degrees, 120 mm, 90 degrees, 60 mm,
// with the sample punch P88-67 and die V16 loaded from their files.
class BendViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.workspace.pathTools = m_dir.folder();
        test::WriteAll(m_state.punchFilePath("P88-67"), EncodePunch(test::SamplePunchP88_67()));
        test::WriteAll(m_state.dieFilePath("V16"), EncodeDie(test::SampleDieV16()));
        ASSERT_TRUE(LoadPunchFile(m_state.punch, m_state.punchFilePath("P88-67")));
        ASSERT_TRUE(LoadDieFile(m_state.die, m_state.dieFilePath("V16")));
        PartRecord& part = m_state.part;
        part.thickness = 2;
        part.bends[0].opening = 20;
        part.bends[1].opening = 25;
        unplaced();
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_widget));
        m_widget.rebuild();
    }

    // Both bends still to be placed; the last one is at the punch.
    void unplaced() {
        m_state.part.currentBend = -1;
        m_state.part.lastBend = 1;
        SetProfile(m_state.part, {{60, 90, -1}, {120, 90, -1}, {60, 0, -1}});
    }
    // Both bends placed; the second of the program is at the punch.
    void placed() {
        m_state.part.currentBend = 1;
        m_state.part.lastBend = 1;
        SetProfile(m_state.part, {{60, 90, 0}, {120, 90, 1}, {60, 0, -1}});
    }

    QColor pixelAt(const ViewTransform& v, float x, float y) {
        const ScreenPoint p = v.map(x, y);
        return m_widget.frame().pixelColor(p.x, p.y);
    }

    void saveScreenshot(const char* name) {
        const char* folder = std::getenv("ZELPOR_SCREENSHOT_DIR");
        if (!folder) return;
        std::filesystem::create_directories(folder);
        m_widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
    }

    test::TempDir m_dir;
    AppState m_state;
    BendViewWidget m_widget{m_state};
};

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGrey(128, 128, 128);

TEST_F(BendViewTest, DrawsTheBendFittedToTheArea) {
    EXPECT_EQ(m_widget.objectName(), QStringLiteral("PaintBox1"));
    EXPECT_EQ(m_widget.size(), QSize(559, 408));
    const ViewTransform& v = m_widget.view();
    ViewTransform fitted = v;
    ASSERT_TRUE(FitBendView(m_widget.scene().extent, 559, 408, fitted));
    EXPECT_TRUE(Same(v, fitted));
    EXPECT_EQ(v.viewportOriginX, 279);
    EXPECT_EQ(v.viewportOriginY, 204);

    const double depth = 2 - m_widget.scene().elements.back().y1;  // the flank starts at thickness - Y
    EXPECT_NEAR(depth, 4.118, 1e-3);
    EXPECT_EQ(m_widget.frame().pixelColor(2, 2), kGrey);
    EXPECT_EQ(pixelAt(v, 12, 0), kRed);   // top face of the die, on the zero line
    EXPECT_EQ(pixelAt(v, 0, -60), kRed);  // its foot
    EXPECT_EQ(pixelAt(v, -60, static_cast<float>(2 - depth + 60)), kBlue);  // on the 135 degree flank
    EXPECT_EQ(pixelAt(v, 13, static_cast<float>(2 - depth + 67 - 20)), kRed);  // punch side
    saveScreenshot("bend-view.png");

    placed();
    m_widget.rebuild();
    EXPECT_EQ(pixelAt(m_widget.view(), -60, 2), kBlue);     // flat on the die
    EXPECT_EQ(pixelAt(m_widget.view(), -120, 40), kBlue);   // the first bend, done before, stands up
    EXPECT_EQ(pixelAt(m_widget.view(), 0, 22), kRed);       // tip open by the first bend's opening
    EXPECT_EQ(pixelAt(m_widget.view(), 0, 12), kGrey);
    saveScreenshot("bend-view-placed.png");
}

TEST_F(BendViewTest, ZoomWindowByTwoClicks) {
    placed();
    m_widget.rebuild();
    QSignalSpy zoomAll(&m_widget, &BendViewWidget::zoomAllEnabledChanged);
    const ViewTransform before = m_widget.view();
    const QImage beforeFrame = m_widget.frame();

    m_widget.ZoomFenetre1Click();
    EXPECT_TRUE(m_widget.zoomRectangleArmed());
    EXPECT_EQ(m_widget.cursor().shape(), Qt::BitmapCursor);
    const ScreenPoint c1 = before.map(-40, 45), c2 = before.map(40, -15);
    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(c1.x, c1.y));
    EXPECT_TRUE(m_widget.zoomRectangleDragging());
    EXPECT_FALSE(m_widget.zoomRectangleArmed());
    QTest::mouseMove(&m_widget, QPoint(c2.x - 10, c2.y - 10));
    // The rectangle shows on screen, the drawing itself is unchanged.
    const QImage shown = m_widget.grab().toImage().convertToFormat(beforeFrame.format());
    int changed = 0;
    for (int y = c1.y; y <= c2.y - 10; ++y) changed += shown.pixel(c1.x, y) != beforeFrame.pixel(c1.x, y);
    EXPECT_GT(changed, (c2.y - 10 - c1.y) / 4);  // a dotted edge
    EXPECT_EQ(shown.pixel(c1.x - 3, c1.y + 5), beforeFrame.pixel(c1.x - 3, c1.y + 5));
    EXPECT_EQ(m_widget.frame(), beforeFrame);
    EXPECT_TRUE(zoomAll.isEmpty());

    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(c2.x, c2.y));
    EXPECT_FALSE(m_widget.zoomRectangleDragging());
    EXPECT_EQ(m_widget.cursor().shape(), Qt::ArrowCursor);
    ViewTransform expected = before;
    ASSERT_EQ(ZoomToRectangle(expected, c1, c2), RectangleZoom::Zoomed);
    EXPECT_TRUE(Same(m_widget.view(), expected));
    EXPECT_FALSE(Same(m_widget.view(), before));
    EXPECT_GT(m_widget.view().scaleX(), before.scaleX() * 2);
    ASSERT_EQ(zoomAll.size(), 1);
    EXPECT_TRUE(zoomAll.last().at(0).toBool());
    EXPECT_TRUE(m_widget.zoomAllEnabled());
    EXPECT_EQ(pixelAt(m_widget.view(), 0, 22), kRed);
    saveScreenshot("bend-view-zoom.png");

    // "Zoom Tout" goes back to the whole drawing, as first fitted, and is disabled again.
    m_widget.ZoomTout1Click();
    EXPECT_TRUE(Same(m_widget.view(), before));
    ASSERT_EQ(zoomAll.size(), 2);
    EXPECT_FALSE(zoomAll.last().at(0).toBool());
    EXPECT_FALSE(m_widget.zoomAllEnabled());
}

TEST_F(BendViewTest, ZoomWindowWithoutWidthChangesNothing) {
    QSignalSpy zoomAll(&m_widget, &BendViewWidget::zoomAllEnabledChanged);
    const ViewTransform before = m_widget.view();
    m_widget.ZoomFenetre1Click();
    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    EXPECT_TRUE(Same(m_widget.view(), before));
    EXPECT_TRUE(zoomAll.isEmpty());
    EXPECT_FALSE(m_widget.zoomRectangleDragging());
}

TEST_F(BendViewTest, PanKeepsTheGrabbedPointUnderThePointer) {
    QSignalSpy status(&m_widget, &BendViewWidget::statusMessage);
    m_widget.Pan1Click();
    ASSERT_EQ(status.size(), 1);
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("Clic droit enfoncé et deplacement de la sourie"));
    EXPECT_EQ(m_widget.cursor().shape(), Qt::OpenHandCursor);
    EXPECT_TRUE(m_widget.panActive());

    const ViewTransform before = m_widget.view();
    const WorldPoint grabbed = ScreenToWorld(before, 200, 150);
    QTest::mousePress(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    EXPECT_EQ(m_widget.cursor().shape(), Qt::ClosedHandCursor);
    for (const QPoint p : {QPoint(100, 40), QPoint(300, 350), QPoint(260, 190)}) {
        QTest::mouseMove(&m_widget, p);
        EXPECT_EQ(ScreenToWorld(m_widget.view(), p.x(), p.y()), grabbed);
    }
    EXPECT_NE(m_widget.view().worldOriginX, before.worldOriginX);
    EXPECT_EQ(m_widget.view().viewportExtentX, before.viewportExtentX);
    // The drawing moved with the pointer (to whole millimetres): the die's
    // foot is about 60 px further right and 40 px lower.
    const ScreenPoint foot = before.map(0, -60);
    bool red = false;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) red |= m_widget.frame().pixelColor(foot.x + 60 + dx, foot.y + 40 + dy) == kRed;
    EXPECT_TRUE(red);

    QTest::mouseRelease(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(260, 190));
    EXPECT_FALSE(m_widget.panActive());
    EXPECT_EQ(m_widget.cursor().shape(), Qt::ArrowCursor);
    const ViewTransform after = m_widget.view();
    QTest::mousePress(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(260, 190));
    QTest::mouseMove(&m_widget, QPoint(10, 10));
    QTest::mouseRelease(&m_widget, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(Same(m_widget.view(), after));  // pan ended with the release
}

TEST_F(BendViewTest, MovingWithoutTheRightButtonDoesNotPan) {
    const ViewTransform before = m_widget.view();
    m_widget.Pan1Click();
    QTest::mouseMove(&m_widget, QPoint(100, 100));
    QTest::mouseMove(&m_widget, QPoint(300, 250));
    EXPECT_TRUE(Same(m_widget.view(), before));
    QTest::mousePress(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    QTest::mouseMove(&m_widget, QPoint(50, 50));
    EXPECT_TRUE(Same(m_widget.view(), before));
    EXPECT_TRUE(m_widget.panActive());
    QTest::mouseRelease(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_FALSE(m_widget.panActive());
}

TEST_F(BendViewTest, BendWithoutGraphicKeepsTheView) {
    m_widget.ZoomFenetre1Click();
    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    QTest::mouseClick(&m_widget, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    const ViewTransform zoomed = m_widget.view();
    QSignalSpy zoomAll(&m_widget, &BendViewWidget::zoomAllEnabledChanged);

    m_state.part.currentBend = 5;
    m_state.part.lastBend = 5;
    m_widget.rebuild();
    ASSERT_EQ(m_widget.scene().elements.size(), 1u);
    EXPECT_EQ(m_widget.scene().textOf(m_widget.scene().elements[0]), "pli non graphique");
    EXPECT_TRUE(Same(m_widget.view(), zoomed));
    EXPECT_TRUE(zoomAll.isEmpty());

    // "Zoom Tout" on a scene without extent keeps the view, but is disabled.
    m_widget.ZoomTout1Click();
    EXPECT_TRUE(Same(m_widget.view(), zoomed));
    ASSERT_EQ(zoomAll.size(), 1);
    EXPECT_FALSE(zoomAll.last().at(0).toBool());
}

}  // namespace
}  // namespace zelpor
