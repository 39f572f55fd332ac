// The lead controls through the window: selecting by list and label, showing and hiding,
// the per-lead gain, colour and clip width, and the reorder that ends move mode.
#include "app/ClickLabel.h"
#include "app/PictureBox.h"
#include "tests/gui/GuiFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velundia::testing {
namespace {

constexpr Colour Green = 0x00FF00;
constexpr Colour Yellow = 0x00FFFF;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Marker = 0x123456;  // never drawn by the program

class LeadsTest : public WindowTest {
protected:
    // Channel c holds the constant sample c + 1 (drawn on its row centre) so its row can be
    // followed through a reorder. "III" and "aVR" are hidden after an open.
    void openLeads(const std::vector<std::string>& names, const std::vector<std::string>& colours = {}) {
        ExportFileBuilder builder = leadsFile(names, 1000, colours);
        for (std::size_t c = 0; c < names.size(); ++c) builder.samples[c].assign(1000, static_cast<int16_t>(c + 1));
        open(writeFile(builder, QStringLiteral("leads%1.dat").arg(++files)));
        ASSERT_TRUE(dialogs->messages.empty());
        auto* pages = child<QTabWidget>("PageControl1");
        if (pages->currentIndex() != 2) pages->setCurrentIndex(2);  // as the user picks ICECG
        QCoreApplication::processEvents();
    }

    QListWidget* list() const { return child<QListWidget>("CheckListBox1"); }
    ClickLabel* label(int n) const {
        return child<ClickLabel>(QStringLiteral("LabelE%1").arg(n).toLatin1().constData());
    }
    QScrollBar* bar(const char* name) const { return child<QScrollBar>(name); }
    QString caption(const char* name) const { return child<QLabel>(name)->text(); }
    QCheckBox* moveBox() const { return child<QCheckBox>("CheckBox1"); }

    // A click on the item's text: it becomes current.
    void select(int row) { list()->setCurrentRow(row); }
    // A click on the item's check box.
    void mark(int row, bool on) { list()->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }
    void clickLabel(int n) { QTest::mouseClick(label(n), Qt::LeftButton, {}, QPoint(100, 8)); }

    // A pixel set straight onto a control's picture: it survives until the program draws there.
    void markPicture(const char* box) {
        RasterSurface& canvas = child<PictureBox>(box)->canvas();
        canvas.setBrushColour(Marker);
        canvas.fillRect(0, 0, 1, 1);
    }
    bool pictureMarked(const char* box) const { return pixel(box, 0, 0) == Marker; }
    Colour pixel(const char* box, int x, int y) const {
        const RasterSurface* picture = child<PictureBox>(box)->picture();
        return picture ? picture->pixel(x, y) : 0xDEAD;
    }

    bool isRed(int n) const { return label(n)->palette().color(QPalette::WindowText) == QColor(Qt::red); }
    int redLabels() const {
        int red = 0;
        for (int n = 1; n <= 69; ++n) red += !label(n)->isHidden() && isRed(n);
        return red;
    }
    int checkedGainItem() const {
        int found = -1;
        for (int k = 0; k < 8; ++k) {
            if (!child<QAction>(QStringLiteral("NN%1").arg(k).toLatin1().constData())->isChecked()) continue;
            if (found >= 0) return -2;  // more than one
            found = k;
        }
        return found;
    }
    QStringList listTexts() const {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row) texts << list()->item(row)->text();
        return texts;
    }
    std::vector<bool> listMarks() const {
        std::vector<bool> marks;
        for (int row = 0; row < list()->count(); ++row) marks.push_back(list()->item(row)->checkState() == Qt::Checked);
        return marks;
    }
    QStringList gridColumn(int column) const {
        auto* grid = child<QTableWidget>("SGChannel");
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row) texts << grid->item(row, column)->text();
        return texts;
    }
    QStringList chooserItems() const {
        auto* chooser = child<QComboBox>("ComboBox1");
        QStringList texts;
        for (int i = 0; i < chooser->count(); ++i) texts << chooser->itemText(i);
        return texts;
    }
    // Enters move mode, puts the lead of `row` at bar position `barPosition`.
    void placeLead(int row, int barPosition) {
        if (!moveBox()->isChecked()) moveBox()->setChecked(true);
        select(row);
        bar("ScrollBar2")->setValue(barPosition);
    }
    // The new channel order, as the list, the grid, the chooser and the store all must show it.
    void expectOrder(const QStringList& names) {
        EXPECT_EQ(listTexts(), names);
        EXPECT_EQ(gridColumn(1), names);
        EXPECT_EQ(chooserItems(), names);
        for (int c = 0; c < names.size(); ++c)
            EXPECT_EQ(QString::fromStdString(window->recording().channelTable.leadName(c)), names[c]) << c;
        QStringList numbers;
        for (int c = 1; c <= names.size(); ++c) numbers << QString::number(c);
        EXPECT_EQ(gridColumn(0), numbers);  // "CH No." stays in place
        EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), names.size() >= 3 ? 2 : -1);
    }
    int sampleOf(int channel) const { return window->recording().sampleMatrix.at(channel, 0); }

    int files = 0;
};

// --- selection ---

TEST_F(LeadsTest, ALabelSelectsTheChannelOfItsShownLead) {
    openLeads({"A", "III", "C", "D", "E", "F"});  // channel 1 hidden
    struct Case {
        int label;
        int channel;
        const char* name;
    };
    const Case cases[] = {{2, 2, "C"}, {1, 0, "A"}, {5, 5, "F"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        clickLabel(c.label);
        EXPECT_EQ(list()->currentRow(), c.channel);
        EXPECT_EQ(window->viewSettings().currentLead, c.channel);
        EXPECT_EQ(caption("Label49"), QString::fromLatin1(c.name));
        EXPECT_TRUE(isRed(c.label));
        EXPECT_EQ(redLabels(), 1);
    }
    // Labels beyond the five shown leads are hidden; if one is clicked anyway, nothing changes.
    for (int n : {6, 69}) {
        window->LabelE1Click(label(n));
        EXPECT_EQ(list()->currentRow(), 5);
        EXPECT_EQ(window->viewSettings().currentLead, 5);
        EXPECT_EQ(caption("Label49"), QStringLiteral("F"));
    }
}

TEST_F(LeadsTest, SelectingLoadsTheLeadsValuesWithoutTouchingThem) {
    openLeads({"A", "B", "C", "D"});
    select(1);
    bar("ScrollBar1")->setValue(6);
    bar("ScrollBar4")->setValue(120);
    mark(1, false);  // B hidden: A, C, D in slots 0..2, centres 48, 146, 243
    select(0);
    EXPECT_EQ(bar("ScrollBar1")->value(), 4);
    EXPECT_EQ(bar("ScrollBar4")->value(), 50);

    select(1);
    EXPECT_EQ(caption("Label49"), QStringLiteral("B"));
    EXPECT_EQ(caption("Label50"), QStringLiteral("64"));
    EXPECT_EQ(caption("Label63"), QStringLiteral("120"));
    EXPECT_EQ(bar("ScrollBar1")->value(), 6);
    EXPECT_EQ(bar("ScrollBar4")->value(), 120);
    EXPECT_EQ(checkedGainItem(), 6);
    EXPECT_EQ(redLabels(), 0);  // a hidden lead has no label
    EXPECT_EQ(bar("ScrollBar2")->value(), 146 - 20);  // C's slot, the one B's bar would move

    // Again, by its label for a shown lead: every stored value stays, labels and overlay are redrawn.
    clickLabel(2);
    const LeadSettings before = window->leads();
    markPicture("PaintBox1");
    clickLabel(2);
    const LeadSettings& after = window->leads();
    EXPECT_EQ(after.gainStep, before.gainStep);
    EXPECT_EQ(after.gainDivisor, before.gainDivisor);
    EXPECT_EQ(after.clipWidth, before.clipWidth);
    EXPECT_EQ(after.colour, before.colour);
    EXPECT_EQ(after.position, before.position);
    EXPECT_EQ(after.shown, before.shown);
    EXPECT_FALSE(pictureMarked("PaintBox1"));
    EXPECT_TRUE(isRed(2));
}

TEST_F(LeadsTest, ATopSlotAbove20IsPutAt20InMoveMode) {
    openLeads({"A", "B", "C", "D", "E", "F", "G", "H", "J"});  // rh = 341 / 9.5: the top centre is 17
    ASSERT_EQ(window->leads().position[0], 17);
    placeLead(4, 150);
    select(0);
    EXPECT_EQ(bar("ScrollBar2")->value(), 0);
    EXPECT_EQ(window->leads().position[0], 20);
    EXPECT_EQ(label(1)->y(), 16);
    EXPECT_EQ(pixel("PaintBox1", 100, 20), White);
}

TEST_F(LeadsTest, TheChooserRedrawsOnlyTheStrip) {
    openLeads({"A", "B", "C", "D"}, {"GREEN", "YELLOW", "WHITE", "WHITE"});
    select(1);
    const int middle = child<PictureBox>("PaintBox3")->height() / 2;
    ASSERT_EQ(pixel("PaintBox3", 100, middle), White);  // C after the open
    markPicture("PaintBox1");
    auto* chooser = child<QComboBox>("ComboBox1");
    chooser->setCurrentIndex(0);
    window->ComboBox1Change(chooser);
    EXPECT_EQ(pixel("PaintBox3", 100, middle), Green);
    EXPECT_TRUE(pictureMarked("PaintBox1"));
    EXPECT_EQ(window->viewSettings().currentLead, 1);
    EXPECT_TRUE(isRed(2));
    EXPECT_EQ(caption("Label49"), QStringLiteral("B"));
}

// --- show and hide ---

TEST_F(LeadsTest, HidingTheLastLeadLeavesNoLabelsAndNoTraces) {
    openLeads({"A", "III"});
    mark(0, false);
    EXPECT_EQ(window->recording().shownCount, 0);
    EXPECT_EQ(window->leads().shown[0], 0);
    EXPECT_EQ(redLabels(), 0);
    EXPECT_TRUE(label(1)->isHidden());
    const RasterSurface* picture = child<PictureBox>("PaintBox1")->picture();
    ASSERT_NE(picture, nullptr);
    int lit = 0;
    for (int y = 0; y < picture->height() - 30; ++y)  // above the ruler
        for (int x = 0; x < picture->width(); ++x) lit += picture->pixel(x, y) != 0;
    EXPECT_EQ(lit, 0);

    mark(1, true);
    EXPECT_EQ(window->recording().shownCount, 1);
    EXPECT_FALSE(label(1)->isHidden());
    EXPECT_EQ(label(1)->text(), QStringLiteral("III"));
}

TEST_F(LeadsTest, HidingInMoveModeStoresTheFlagsThenLeavesMoveMode) {
    openLeads({"A", "B", "C", "D"});  // centres 37, 113, 189, 265
    placeLead(2, 0);                  // C to 20
    mark(0, false);
    // The reorder sees B, C, D in slots 0..2 at 37, 113, 20: D first, then B, C; A hidden last.
    EXPECT_FALSE(moveBox()->isChecked());
    EXPECT_FALSE(child<QAction>("Move")->isChecked());
    EXPECT_TRUE(bar("ScrollBar2")->isHidden());
    expectOrder({"D", "B", "C", "A"});
    EXPECT_EQ(listMarks(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(window->recording().shownCount, 3);
    EXPECT_EQ(label(1)->text(), QStringLiteral("D"));
    EXPECT_TRUE(label(4)->isHidden());
}

// --- per-lead gain, colour and clip width ---

TEST_F(LeadsTest, TheGainBarSetsDivisorReadingAndMenuMark) {
    openLeads({"A", "B", "C"});
    select(1);
    struct Case {
        int position;
        int divisor;
        const char* reading;
    };
    const Case cases[] = {{0, 128, "1"}, {7, 1, "128"}, {5, 4, "32"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        markPicture("PaintBox1");
        bar("ScrollBar1")->setValue(c.position);
        EXPECT_EQ(window->leads().gainStep[1], c.position);
        EXPECT_EQ(window->leads().gainDivisor[1], c.divisor);
        EXPECT_EQ(caption("Label50"), QString::fromLatin1(c.reading));
        EXPECT_EQ(checkedGainItem(), c.position);
        EXPECT_FALSE(pictureMarked("PaintBox1"));
    }
    EXPECT_EQ(window->leads().gainDivisor[0], 8);
    EXPECT_EQ(window->leads().gainDivisor[2], 8);

    bar("ScrollBar4")->setValue(130);
    EXPECT_EQ(window->leads().clipWidth[1], 130);
    EXPECT_EQ(caption("Label63"), QStringLiteral("130"));
    EXPECT_EQ(window->leads().clipWidth[0], 50);
}

TEST_F(LeadsTest, TheGainMenuActsOnTheCurrentLeadAndIgnoresTheCheckedItem) {
    openLeads({"A", "B", "C"});
    select(0);
    ASSERT_EQ(checkedGainItem(), 4);
    markPicture("PaintBox1");
    child<QAction>("NN4")->trigger();  // "x16" with the bar at 4
    EXPECT_TRUE(pictureMarked("PaintBox1"));
    EXPECT_EQ(checkedGainItem(), 4);

    // Opened on C's label, the menu still sets A's gain.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 8), label(3)->mapToGlobal(QPoint(100, 8)));
    QCoreApplication::sendEvent(label(3), &event);
    auto* popup = child<QMenu>("PopupMenu1");
    EXPECT_TRUE(popup->isVisible());
    child<QAction>("NN6")->trigger();
    popup->close();
    EXPECT_EQ(window->leads().gainStep[0], 6);
    EXPECT_EQ(window->leads().gainDivisor[0], 2);
    EXPECT_EQ(window->leads().gainStep[2], 4);
    EXPECT_EQ(caption("Label50"), QStringLiteral("64"));
    EXPECT_EQ(checkedGainItem(), 6);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_FALSE(pictureMarked("PaintBox1"));
}

TEST_F(LeadsTest, TheColourButtonsAndTheColourDialogColourTheCurrentLead) {
    openLeads({"A", "B", "C", "D"}, {"GREEN", "YELLOW", "WHITE", "WHITE"});  // B's centre 113
    select(1);
    struct Case {
        std::optional<QColor> answer;
        Colour expected;
    };
    const Case cases[] = {{std::nullopt, Yellow}, {QColor(0x12, 0x34, 0x56), 0x563412}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        dialogs->colourAnswer = c.answer;
        const int calls = dialogs->colourCalls;
        markPicture("PaintBox1");
        child<QToolButton>("SpeedButton12")->click();
        EXPECT_EQ(dialogs->colourCalls, calls + 1);
        EXPECT_EQ(dialogs->colourOffered, QColor(255, 255, 0));  // yellow as the dialog shows it
        EXPECT_EQ(static_cast<Colour>(window->leads().colour[1]), c.expected);
        EXPECT_FALSE(pictureMarked("PaintBox1"));  // redrawn also when cancelled
        EXPECT_EQ(pixel("PaintBox1", 100, 113), c.expected);
        dialogs->colourAnswer = QColor(255, 255, 0);
        child<QToolButton>("SpeedButton12")->click();  // back to yellow
    }
    child<QToolButton>("SpeedButton6")->click();
    EXPECT_EQ(window->leads().colour[1], 0xFF0000);
    EXPECT_EQ(pixel("PaintBox1", 100, 113), 0xFF0000u);
    EXPECT_EQ(window->leads().colour[0], static_cast<int32_t>(Green));
}

// --- arrangement ---

TEST_F(LeadsTest, LeavingMoveModeUntouchedPutsHiddenChannelsLast) {
    openLeads({"A", "III", "C", "aVR", "E"});
    child<QAction>("Move")->trigger();
    EXPECT_FALSE(bar("ScrollBar2")->isHidden());
    child<QAction>("Move")->trigger();
    EXPECT_TRUE(bar("ScrollBar2")->isHidden());
    expectOrder({"A", "C", "E", "III", "aVR"});
    EXPECT_EQ(listMarks(), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(window->leads().shown[3], 0);
    EXPECT_EQ(window->leads().shown[2], 1);
    EXPECT_EQ(window->recording().shownCount, 3);
    EXPECT_EQ(sampleOf(1), 3);  // C's samples
}

TEST_F(LeadsTest, ALeadMovedToTheTopTakesEverythingOfItsChannelAlong) {
    openLeads({"A", "B", "C"}, {"GREEN", "YELLOW", "WHITE"});
    select(2);
    bar("ScrollBar1")->setValue(6);
    bar("ScrollBar4")->setValue(120);
    placeLead(2, 0);  // C's centre 20, above A's 48
    moveBox()->setChecked(false);

    expectOrder({"C", "A", "B"});
    EXPECT_EQ(gridColumn(7), (QStringList{"WHITE", "GREEN", "YELLOW"}));
    EXPECT_EQ(sampleOf(0), 3);
    EXPECT_EQ(sampleOf(1), 1);
    EXPECT_EQ(static_cast<Colour>(window->leads().colour[0]), White);
    EXPECT_EQ(window->leads().gainStep[0], 6);
    EXPECT_EQ(window->leads().gainDivisor[0], 2);
    EXPECT_EQ(window->leads().clipWidth[0], 120);
    EXPECT_EQ(window->leads().gainStep[2], 4);
    EXPECT_EQ(pixel("PaintBox1", 100, 48), White);  // evenly spaced again, C on top
    EXPECT_EQ(pixel("PaintBox1", 100, 146), Green);
    // No new selection: the current row and currentLead keep their number, now naming B.
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_EQ(window->viewSettings().currentLead, 2);
    EXPECT_TRUE(isRed(3));
    EXPECT_EQ(label(3)->text(), QStringLiteral("B"));
}

TEST_F(LeadsTest, ReorderCases) {
    struct Move {
        int row;
        int bar;
    };
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::vector<Move> moves;
        QStringList order;
    };
    const Case cases[] = {
        // A and C both at 120, B at 146: the lower of the two in the list comes first.
        {"equal heights", {"A", "B", "C"}, {{0, 100}, {2, 100}}, {"C", "A", "B"}},
        // Slots 0..2 are B, C, D: D at 20 moves the channel of its own slot.
        {"hidden channel 0", {"III", "B", "C", "D"}, {{3, 0}}, {"D", "B", "C", "III"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openLeads(c.names);
        for (const Move& m : c.moves) placeLead(m.row, m.bar);
        moveBox()->setChecked(false);
        expectOrder(c.order);
        for (int channel = 0; channel < c.order.size(); ++channel) {
            const auto original = std::find(c.names.begin(), c.names.end(), c.order[channel].toStdString());
            EXPECT_EQ(sampleOf(channel), original - c.names.begin() + 1) << channel;
        }
    }
}

TEST_F(LeadsTest, AWindowMadeSmallerInMoveModeReordersWithTheNewHeight) {
    resizeWindow({900, 650});  // trace box 441 high: centres 49, 147, 245, 343
    openLeads({"A", "B", "C", "D"});
    ASSERT_EQ(child<PictureBox>("PaintBox1")->height(), 441);
    placeLead(0, bar("ScrollBar2")->maximum());  // A at 421
    resizeWindow(window->minimumSize());
    // In 341 rows A's bar is clamped to 301 (centre 321) before move mode ends; D at 343 lies
    // below the box and is not placed: B, C, A by height, then D.
    EXPECT_FALSE(moveBox()->isChecked());
    expectOrder({"B", "C", "A", "D"});
}

// --- a smaller file after a larger one ---

TEST_F(LeadsTest, ACurrentLeadBeyondASmallerFileReadsNothingOutside) {
    openLeads({"A", "B", "C", "D", "E", "F"});
    select(5);
    bar("ScrollBar1")->setValue(2);
    openLeads({"X", "Y", "Z"});
    ASSERT_EQ(list()->currentRow(), -1);
    ASSERT_EQ(window->viewSettings().currentLead, 5);

    child<QAction>("NN6")->trigger();
    EXPECT_EQ(window->leads().gainStep[5], 6);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(window->leads().gainStep[static_cast<std::size_t>(c)], 4) << c;

    // With no current item the selection keeps the lead it had: no name, its own gain, and
    // the slot after the three shown leads (the old file's flags beyond them do not count).
    const auto positions = window->leads().position;
    window->CheckListBox1Click(list());
    EXPECT_EQ(window->leads().position, positions);
    EXPECT_EQ(window->viewSettings().currentLead, 5);
    EXPECT_EQ(caption("Label49"), QString());
    EXPECT_EQ(caption("Label50"), QStringLiteral("64"));
    EXPECT_EQ(redLabels(), 0);
    EXPECT_EQ(bar("ScrollBar2")->value(), positions[3] - 20);
    window->LabelE1Click(label(4));
    EXPECT_EQ(list()->currentRow(), -1);
}

}  // namespace
}  // namespace velundia::testing
