// The docking of the ICECG page: the trace box and the strip grow one for one with the window.
#include "app/PageDocking.h"
#include "app/PictureBox.h"
#include "tests/gui/GuiFixture.h"

#include <QFrame>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

namespace velundia::testing {
namespace {

TEST(IcecgDocking, DesignSizeAndGrowth) {
    struct Case {
        QSize page;
        QRect paintBox1;
        QRect paintBox3;
    };
    const Case cases[] = {
        {{784, 446}, {2, 2, 620, 341}, {2, 2, 643, 56}},
        {{884, 546}, {2, 2, 720, 441}, {2, 2, 743, 56}},
    };
    for (const Case& c : cases) {
        const IcecgDocking d = dockIcecgPage(c.page);
        EXPECT_EQ(d.PaintBox1, c.paintBox1);
        EXPECT_EQ(d.PaintBox3, c.paintBox3);
        EXPECT_EQ(d.Panel2.width(), 137);
        EXPECT_EQ(d.Panel11.height(), 76);
        EXPECT_EQ(d.Panel1, QRect(0, 0, c.page.width(), 25));
        EXPECT_EQ(d.Panel19, QRect(c.page.width() - 392, 0, 392, 25));
        EXPECT_EQ(d.Panel14, QRect(0, c.page.height() - 25 - 76, 137, 76));
        EXPECT_EQ(d.CheckListBox1, QRect(0, 0, 73, c.page.height() - 25 - 76));
        EXPECT_EQ(d.ScrollBar2, QRect(73, 0, 16, c.page.height() - 25 - 76));
        EXPECT_EQ(d.ScrollBarX.height(), 16);
        EXPECT_EQ(d.ScrollBarG, QRect(3, 0, 16, c.page.height() - 25 - 76));
        EXPECT_EQ(d.Panel18, QRect(19, 0, 4, c.page.height() - 25 - 76));
    }
}

using DockingTest = WindowTest;

TEST_F(DockingTest, TraceBoxAndStripGrowByWhatTheWindowGrows) {
    struct Case {
        QSize window;
        QSize page;
        QSize traceBox;
        QSize strip;
    };
    const Case cases[] = {
        {{800, 550}, {784, 446}, {620, 341}, {643, 56}},
        {{900, 650}, {884, 546}, {720, 441}, {743, 56}},
        {{800, 550}, {784, 446}, {620, 341}, {643, 56}},
    };
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.width());
        resizeWindow(c.window);
        EXPECT_EQ(child<PictureBox>("PaintBox1")->size(), c.traceBox);
        EXPECT_EQ(child<PictureBox>("PaintBox3")->size(), c.strip);
        EXPECT_EQ(child<QScrollArea>("ScrollBox1")->geometry(), child<PictureBox>("PaintBox1")->geometry());
        EXPECT_EQ(child<QFrame>("Panel2")->width(), 137);
        EXPECT_EQ(child<QFrame>("Panel11")->height(), 76);
        // The page control really gives the pages the client area the docking assumes.
        EXPECT_EQ(child<QTabWidget>("PageControl1")->findChild<QStackedWidget*>()->size(), c.page);
        ASSERT_NE(window->traceSurface(), nullptr);
        EXPECT_EQ(window->traceSurface()->width(), c.traceBox.width());
        EXPECT_EQ(window->overviewSurface()->width(), c.strip.width());
    }
}

TEST_F(DockingTest, TheWindowCannotBeMadeSmallerThanItsDesignSize) {
    EXPECT_EQ(window->minimumSize(), QSize(800, 550));
    window->resize(640, 480);
    EXPECT_EQ(window->size(), QSize(800, 550));
}

TEST_F(DockingTest, SurfacesExistAtStartWithTheBoxSizes) {
    ASSERT_NE(window->traceSurface(), nullptr);
    EXPECT_EQ(window->traceSurface()->width(), 620);
    EXPECT_EQ(window->traceSurface()->height(), 341);
    EXPECT_EQ(window->overlaySurface()->width(), 620);
    EXPECT_EQ(window->overviewSurface()->height(), 56);
}

}  // namespace
}  // namespace velundia::testing
