// The window side of the view: what the handlers reset, in which order, and what reaches the
// trace box, the strip and the sheet.
#include "app/ClickLabel.h"
#include "app/PictureBox.h"
#include "tests/gui/GuiFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace velundia::testing {
namespace {

constexpr Colour Green = 0x00FF00;
constexpr Colour Yellow = 0x00FFFF;  // red 255, green 255 as 0x00BBGGRR

class ViewHandlersTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        open(writeFile(leadsFile({"A", "B", "C", "D"}, 10000, {"GREEN", "YELLOW", "WHITE", "WHITE"}), "four.dat"));
        ASSERT_TRUE(dialogs->messages.empty());
    }
    // Scrolled away from the start and in move mode, so that a reset of either shows.
    void scrollAndEnterMoveMode() {
        child<QScrollBar>("ScrollBarX")->setValue(500);
        child<QCheckBox>("CheckBox1")->setChecked(true);
        ASSERT_EQ(child<QScrollBar>("ScrollBarX")->value(), 500);
        ASSERT_TRUE(child<QAction>("Move")->isChecked());
    }
    void expectViewReset() {
        EXPECT_EQ(child<QScrollBar>("ScrollBarX")->value(), 0);
        EXPECT_FALSE(child<QCheckBox>("CheckBox1")->isChecked());
        EXPECT_FALSE(child<QAction>("Move")->isChecked());
        EXPECT_TRUE(child<QScrollBar>("ScrollBar2")->isHidden());
    }
    Colour traceBoxPixel(int x, int y) const {
        const RasterSurface* picture = child<PictureBox>("PaintBox1")->picture();
        return picture ? picture->pixel(x, y) : 0xDEAD;
    }
};

TEST_F(ViewHandlersTest, TheTraceBoxShowsTheLeadsAfterAnOpen) {
    // Four shown leads in 341 rows: centres 37, 113, 189, 265; flat traces of zeros.
    EXPECT_EQ(traceBoxPixel(100, 37), Green);
    EXPECT_EQ(traceBoxPixel(100, 113), Yellow);
    EXPECT_EQ(traceBoxPixel(100, 60), 0u);
    const auto* first = child<ClickLabel>("LabelE1");
    const auto* fourth = child<ClickLabel>("LabelE4");
    EXPECT_FALSE(first->isHidden());
    EXPECT_EQ(first->text(), QStringLiteral("A"));
    EXPECT_EQ(first->geometry(), QRect(30, 33, 105, 16));
    EXPECT_EQ(fourth->y(), 261);
    EXPECT_TRUE(child<ClickLabel>("LabelE5")->isHidden());
}

TEST_F(ViewHandlersTest, ARightClickOnALeadLabelOpensTheGainMenu) {
    auto* label = child<ClickLabel>("LabelE2");
    auto* popup = child<QMenu>("PopupMenu1");
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 8), label->mapToGlobal(QPoint(100, 8)));
    QCoreApplication::sendEvent(label, &event);
    EXPECT_TRUE(popup->isVisible());
    popup->close();
}

TEST_F(ViewHandlersTest, AResizeResetsTheFirstVisibleSampleAndEndsMoveMode) {
    scrollAndEnterMoveMode();
    resizeWindow({900, 650});
    expectViewReset();
    EXPECT_EQ(child<QScrollBar>("ScrollBarX")->maximum(), 10000 - 720);
    EXPECT_EQ(child<QScrollBar>("ScrollBar2")->maximum(), 441 - 40);
    EXPECT_EQ(child<ClickLabel>("LabelE1")->y(), static_cast<int>(441 / 4.5 * 0.5) - 4);
}

TEST_F(ViewHandlersTest, APageChangeByTheUserRebuildsResetsAndEndsMoveMode) {
    scrollAndEnterMoveMode();
    const int rebuildsBefore = window->surfaceRebuilds();
    auto* pages = child<QTabWidget>("PageControl1");
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(2).center());
    ASSERT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(window->surfaceRebuilds(), rebuildsBefore + 1);
    expectViewReset();
    // Shown with the rebuilt surfaces, the trace box draws itself again.
    QCoreApplication::processEvents();
    EXPECT_EQ(traceBoxPixel(100, 37), Green);
}

TEST_F(ViewHandlersTest, ASweepChangeClearsTheMeasurementsAndResetsTheScrollPosition) {
    child<QScrollBar>("ScrollBarX")->setValue(900);
    struct Case {
        const char* button;
        int numerator, denominator, maximum;
    };
    const Case cases[] = {{"RadioButton1", 1, 4, 10000 - 155},
                          {"RadioButton9", 4, 1, 10000 - 2480},
                          {"RadioButton6", 1, 1, 10000 - 620}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        child<QRadioButton>(c.button)->click();
        EXPECT_EQ(window->viewSettings().sweepNumerator, c.numerator);
        EXPECT_EQ(window->viewSettings().sweepDenominator, c.denominator);
        EXPECT_EQ(child<QScrollBar>("ScrollBarX")->maximum(), c.maximum);
        EXPECT_EQ(child<QScrollBar>("ScrollBarX")->value(), 0);
        EXPECT_EQ(window->measurements().count, 0);
        EXPECT_FALSE(window->measurements().dividerArmed);
        EXPECT_EQ(child<QToolButton>("SpeedButtonS1")->palette().color(QPalette::ButtonText), QColor(Qt::black));
        child<QScrollBar>("ScrollBarX")->setValue(300);
    }
}

TEST_F(ViewHandlersTest, GainBrushAndCalibrationBarsLabelTheirValues) {
    child<QScrollBar>("ScrollBarG")->setValue(1);
    EXPECT_EQ(child<QLabel>("Label64")->text(), QStringLiteral("49"));
    EXPECT_EQ(child<QLabel>("Label66")->text(), QStringLiteral("49"));
    child<QScrollBar>("ScrollBarG")->setValue(50);
    EXPECT_EQ(child<QLabel>("Label64")->text(), QStringLiteral("0"));

    child<QScrollBar>("ScrollBar3")->setValue(3);
    EXPECT_EQ(child<QLabel>("Label109")->text(), QStringLiteral("3"));
    EXPECT_EQ(window->viewSettings().brushWidth, 3);
    // Square brush of width 3: rows y .. y + 2 of the first lead.
    EXPECT_EQ(traceBoxPixel(100, 39), Green);

    struct Case {
        int position;
        const char* caption;
    };
    const Case cases[] = {{1, "x1/2"}, {0, "x1/4"}, {2, "x1"}};
    for (const Case& c : cases) {
        child<QScrollBar>("ScrollBarE4")->setValue(c.position);
        EXPECT_EQ(child<QLabel>("LabelA4")->text(), QString::fromLatin1(c.caption));
        EXPECT_EQ(child<QLabel>("LabelA5")->text(), QStringLiteral("x1"));
    }
}

TEST_F(ViewHandlersTest, TheTwelveLeadSwitchSwapsTheTraceBoxForTheSheet) {
    child<QScrollBar>("ScrollBarX")->setValue(400);
    child<QAction>("Twelve")->trigger();
    ASSERT_TRUE(child<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_EQ(child<QScrollBar>("ScrollBarX")->value(), 0);
    EXPECT_TRUE(child<PictureBox>("PaintBox1")->isHidden());
    EXPECT_FALSE(child<QScrollArea>("ScrollBox1")->isHidden());
    EXPECT_EQ(window->traceSurface()->width(), 1920);
    EXPECT_EQ(window->traceSurface()->height(), 1280);
    EXPECT_EQ(window->overlaySurface()->width(), 620);
    const RasterSurface* sheet = child<PictureBox>("Image1")->picture();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->pixel(4, 4), 0xFFFFFFu);  // paper between the grid lines
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QScrollArea>("ScrollBox1")->verticalScrollBar()->value(), 329);

    child<QCheckBox>("CheckBox3")->click();
    EXPECT_FALSE(child<QAction>("Twelve")->isChecked());
    EXPECT_FALSE(child<PictureBox>("PaintBox1")->isHidden());
    EXPECT_TRUE(child<QScrollArea>("ScrollBox1")->isHidden());
    EXPECT_EQ(window->traceSurface()->width(), 620);
}

TEST_F(ViewHandlersTest, TheListMakesAClickedItemCurrentBeforeItsCheckHandler) {
    auto* list = child<QListWidget>("CheckListBox1");
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    ASSERT_EQ(list->currentRow(), -1);
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list->currentRow(), -1);  // focus alone selects nothing
    list->item(1)->setCheckState(Qt::Unchecked);  // as a click on its check box does
    EXPECT_EQ(list->currentRow(), 1);
}

}  // namespace
}  // namespace velundia::testing
