// The divider through the window: pointer events on the trace box, what reaches its picture
// (and what never reaches the TraceSurface), the two buttons, and which changes of the view
// keep or drop the measurements.
#include "app/PictureBox.h"
#include "interaction/Overlay.h"
#include "tests/gui/GuiFixture.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace velundia::testing {
namespace {

// Trace box 620 x 341 with four flat leads at rows 37, 113, 189 and 265 on black.
class DividerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        open(writeFile(leadsFile({"A", "B", "C", "D"}, 10000, {"GREEN", "YELLOW", "WHITE", "WHITE"}), "four.dat"));
        ASSERT_TRUE(dialogs->messages.empty());
        child<QTabWidget>("PageControl1")->setCurrentIndex(2);  // ICECG
        QCoreApplication::processEvents();
        box = child<PictureBox>("PaintBox1");
        ASSERT_TRUE(box->isVisible());
        ASSERT_EQ(box->size(), QSize(620, 341));
    }

    void press(int x, int y, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(box, button, keys, QPoint(x, y));
    }
    void release(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(box, button, {}, QPoint(x, y));
    }
    // A move as the window system sends it, with or without a held button.
    void move(int x, int y, Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), box->mapToGlobal(QPointF(x, y)), Qt::NoButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
    void arm() { child<QToolButton>("SpeedButtonS1")->click(); }
    // Armed, two presses and a move away from it: one measurement from x1 to x2, bar at y.
    void measure(int x1, int x2, int y) {
        arm();
        press(x1, 40);
        release(x1, 40);
        press(x2, y);
        release(x2, y);
        move(600, 330);
    }

    Colour shown(int x, int y) const { return box->picture() ? box->picture()->pixel(x, y) : 0xDEAD; }
    // What the screen shows at a trace-box pixel once the pending repaints are done.
    Colour onScreen(int x, int y) const {
        QCoreApplication::processEvents();
        const QPoint at = box->mapTo(window.get(), QPoint(x, y));
        const QImage shot = window->screen()->grabWindow(window->winId(), at.x(), at.y(), 1, 1).toImage();
        const QRgb rgb = shot.pixel(0, 0);
        return static_cast<Colour>(qBlue(rgb) << 16 | qGreen(rgb) << 8 | qRed(rgb));
    }
    Colour traced(int x, int y) const { return window->traceSurface()->pixel(x, y); }
    QColor caption() const { return child<QToolButton>("SpeedButtonS1")->palette().color(QPalette::ButtonText); }
    int bar(int i) const { return barRow(window->measurements().entries[static_cast<std::size_t>(i)], 341); }
    // Pixels of one colour in a rectangle of the trace box's picture.
    static int countIn(const RasterSurface& surface, Colour colour, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += surface.pixel(x, y) == colour;
        return n;
    }
    int countShown(Colour colour, QRect area) const { return countIn(*box->picture(), colour, area); }
    // Both end lines over the full height and the bar between them, in one colour.
    void expectMeasurementShown(int x1, int x2, int yb, Colour colour) const {
        for (int y : {0, 60, 200, 340}) {
            EXPECT_EQ(shown(x1, y), colour) << "x " << x1 << " y " << y;
            EXPECT_EQ(shown(x2, y), colour) << "x " << x2 << " y " << y;
        }
        EXPECT_EQ(shown(x1 + 5, yb), colour);
        EXPECT_EQ(shown(x2 - 5, yb), colour);
    }

    PictureBox* box = nullptr;
};

TEST_F(DividerTest, TwoClicksMakeAMeasurementThatReachesTheTraceBoxButNotTheTraceSurface) {
    EXPECT_TRUE(box->hasMouseTracking());  // moves arrive without a held button
    arm();
    EXPECT_EQ(caption(), QColor(Qt::red));
    EXPECT_TRUE(window->measurements().dividerArmed);

    move(100, 150);  // armed, no end yet: one red line under the pointer
    EXPECT_EQ(shown(100, 0), OverlayRed);
    EXPECT_EQ(onScreen(100, 50), OverlayRed);
    EXPECT_EQ(shown(100, 340), OverlayRed);

    press(100, 40);
    release(100, 40);
    move(200, 150);  // rubber band: both red lines, the red bar and the live number
    EXPECT_EQ(shown(100, 300), OverlayRed);
    EXPECT_EQ(shown(200, 10), OverlayRed);
    EXPECT_EQ(shown(120, 150), OverlayRed);
    EXPECT_GT(countShown(OverlayWhite, QRect(142, 142, 28, 16)), 10);

    press(200, 150);
    release(200, 150);
    EXPECT_EQ(window->measurements().count, 1);
    EXPECT_EQ(window->measurements().entries[0].interval, 100);
    EXPECT_FALSE(window->measurements().dividerArmed);
    EXPECT_EQ(caption(), QColor(Qt::black));

    move(600, 330);
    const int yb = bar(0);
    EXPECT_NEAR(yb, 150, 1);
    expectMeasurementShown(100, 200, yb, OverlayBlue);
    // "100" in white bold Arial 10 from (142, yb - 8), straight on the black picture.
    EXPECT_GT(countShown(OverlayWhite, QRect(142, yb - 8, 28, 16)), 10);
    EXPECT_EQ(countShown(OverlayGrey, QRect(142, yb - 8, 28, 16)), 0);
    // The TraceSurface holds only the traces.
    for (int y : {0, 60, 200, 340}) {
        EXPECT_NE(traced(100, y), OverlayBlue);
        EXPECT_NE(traced(200, y), OverlayBlue);
    }
    EXPECT_EQ(traced(100, 0), 0u);
    EXPECT_EQ(traced(120, yb), 0u);
    EXPECT_EQ(countIn(*window->traceSurface(), OverlayWhite, QRect(142, yb - 8, 28, 16)), 0);
    EXPECT_EQ(traced(150, 37), 0x00FF00u);

    child<QCheckBox>("CheckBox6")->setChecked(true);  // grey back: the number stands on a box
    EXPECT_EQ(shown(142, yb - 8), OverlayGrey);
}

TEST_F(DividerTest, HoverHighlightsDragMovesAnEndAndShiftPressRemoves) {
    measure(100, 200, 150);
    move(101, 300);  // 1 pixel beside the first end
    EXPECT_EQ(shown(100, 10), OverlayMagenta);
    EXPECT_EQ(shown(200, 10), OverlayMagenta);
    move(98, 300);  // 2 pixels beside: no hit
    EXPECT_EQ(shown(100, 10), OverlayBlue);

    move(100, 300);
    press(100, 300);
    move(130, 250, Qt::LeftButton);  // the end follows, drawn red, the bar to the pointer's height
    EXPECT_EQ(window->measurements().entries[0].x1, 130.0);
    EXPECT_EQ(window->measurements().entries[0].interval, 70);
    EXPECT_EQ(shown(130, 10), OverlayRed);
    EXPECT_EQ(shown(100, 10), 0u);
    EXPECT_EQ(bar(0), 250);
    release(130, 250);
    move(600, 330);
    expectMeasurementShown(130, 200, 250, OverlayBlue);

    move(165, 250);  // on the bar
    press(165, 250);
    move(185, 100, Qt::LeftButton);  // the whole measurement moves
    release(185, 100);
    EXPECT_EQ(window->measurements().entries[0].x1, 150.0);
    EXPECT_EQ(window->measurements().entries[0].x2, 220.0);

    move(150, 20);
    ASSERT_EQ(onScreen(220, 10), OverlayMagenta);
    press(150, 20, Qt::ShiftModifier);
    EXPECT_EQ(window->measurements().count, 0);
    EXPECT_EQ(shown(150, 10), 0u);  // redrawn at once without it
    EXPECT_EQ(shown(220, 10), 0u);
    EXPECT_EQ(onScreen(220, 10), 0u);
}

TEST_F(DividerTest, ACClearsTheListAndAPlacedFirstEnd) {
    measure(100, 200, 150);
    arm();
    press(300, 40);
    ASSERT_TRUE(window->measurements().firstPointPending);
    child<QToolButton>("SpeedButtonS3")->click();
    EXPECT_EQ(window->measurements().count, 0);
    EXPECT_FALSE(window->measurements().dividerArmed);
    EXPECT_FALSE(window->measurements().firstPointPending);
    EXPECT_EQ(caption(), QColor(Qt::black));
    EXPECT_EQ(shown(100, 10), 0u);
    EXPECT_EQ(shown(100, 37), 0x00FF00u);  // the traces are there again, without marks
}

TEST_F(DividerTest, DisarmingAbandonsAFirstEndAndPresentsTheOverlay) {
    arm();
    press(300, 40);
    move(350, 100);
    ASSERT_EQ(onScreen(300, 10), OverlayRed);
    arm();  // second click disarms
    EXPECT_EQ(caption(), QColor(Qt::black));
    EXPECT_FALSE(window->measurements().dividerArmed);
    EXPECT_EQ(shown(300, 10), 0u);
    EXPECT_EQ(shown(350, 10), 0u);
    EXPECT_EQ(onScreen(300, 10), 0u);
}

TEST_F(DividerTest, ThePointerDoesNothingWhileTheTwelveLeadSheetIsOn) {
    measure(100, 200, 150);
    child<QCheckBox>("CheckBox3")->setChecked(true);
    arm();
    ASSERT_TRUE(window->measurements().dividerArmed);
    const ShiftState shift{true, false, false};
    window->PaintBox1MouseDown(nullptr, MouseButton::Left, {}, 300, 40);
    window->PaintBox1MouseDown(nullptr, MouseButton::Left, shift, 100, 40);  // would remove
    window->PaintBox1MouseMove(nullptr, {}, 350, 100);
    window->PaintBox1MouseUp(nullptr, MouseButton::Left, {}, 350, 100);
    EXPECT_EQ(window->measurements().count, 1);
    EXPECT_FALSE(window->measurements().firstPointPending);
    EXPECT_TRUE(window->measurements().dividerArmed);
    EXPECT_FALSE(window->measurements().dragging);
    EXPECT_EQ(caption(), QColor(Qt::red));
}

TEST_F(DividerTest, ScrollAndGainKeepTheMeasurementsAtTheirPixelsASweepChangeDropsThem) {
    measure(100, 200, 150);
    const int yb = bar(0);
    child<QScrollBar>("ScrollBarX")->setValue(300);
    expectMeasurementShown(100, 200, yb, OverlayBlue);
    child<QScrollBar>("ScrollBarG")->setValue(5);
    expectMeasurementShown(100, 200, yb, OverlayBlue);
    EXPECT_EQ(window->measurements().count, 1);

    arm();
    press(300, 40);  // a first end pending as well
    child<QRadioButton>("RadioButton9")->click();
    EXPECT_EQ(window->measurements().count, 0);
    EXPECT_FALSE(window->measurements().dividerArmed);
    EXPECT_FALSE(window->measurements().firstPointPending);
    EXPECT_EQ(caption(), QColor(Qt::black));
    EXPECT_EQ(shown(100, 10), 0u);
    EXPECT_EQ(shown(200, 10), 0u);
}

TEST_F(DividerTest, NineteenMeasurementsThenArmingAndMovingDisarms) {
    for (int i = 0; i < 19; ++i) measure(10 + 30 * i, 25 + 30 * i, 300);
    ASSERT_EQ(window->measurements().count, 19);
    arm();
    EXPECT_EQ(caption(), QColor(Qt::red));
    move(600, 20);
    EXPECT_EQ(caption(), QColor(Qt::black));
    EXPECT_FALSE(window->measurements().dividerArmed);
    press(600, 20);
    press(610, 20);
    EXPECT_EQ(window->measurements().count, 19);
}

}  // namespace
}  // namespace velundia::testing
