// The controls of the drawing pages and the text pages: names, places, captions, hints, tags,
// ranges and start values.
#include "app/ClickLabel.h"
#include "tests/gui/GuiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <climits>

namespace velundia::testing {
namespace {

using ControlsTest = WindowTest;

constexpr int NoTag = INT_MIN;

TEST_F(ControlsTest, ToolStripAndLeadColumnControls) {
    struct Case {
        const char* name;
        QRect geometry;  // width -1: sized to its text
        const char* text;
        int tag;
        const char* hint;
    };
    const char* sweep = "画面のスウィープスピードを変更します";
    const char* colour = "現在選択されている誘導の描画色を変更します";
    const Case cases[] = {
        {"RadioButton1", {0, 4, 49, 17}, "0.25", -4, sweep},
        {"RadioButton2", {48, 4, 41, 17}, "0.5", -2, sweep},
        {"RadioButton6", {88, 4, 25, 17}, "1", 1, sweep},
        {"RadioButton8", {120, 4, 25, 17}, "2", 2, sweep},
        {"RadioButton9", {152, 4, 25, 17}, "4", 4, sweep},
        {"ScrollBar3", {184, 4, 65, 16}, nullptr, NoTag, "ブラシの太さを変更します"},
        {"Label109", {252, 4, -1, 0}, "1", NoTag, ""},
        {"CheckBox1", {264, 4, 49, 17}, "clip", NoTag, "電位の位置を変更できるようにする"},
        {"SpeedButtonS1", {312, 4, 41, 17}, "|<-->|", NoTag, "ディバイダーを使います"},
        {"SpeedButtonS3", {360, 4, 25, 17}, "AC", NoTag, ""},
        {"SpeedButton1", {8, 0, 23, 22}, "", 16777215, colour},
        {"SpeedButton5", {104, 0, 23, 22}, "", 12632256, colour},
        {"SpeedButton10", {224, 0, 23, 22}, "", 32896, colour},
        {"SpeedButton12", {248, 0, 23, 22}, "", 0, colour},
        {"CheckBox5", {280, 4, 17, 17}, "", NoTag, "丸いブラシを使う（速度低下します）"},
        {"CheckBox4", {296, 4, 17, 17}, "", NoTag, "大きい電位は上下を切る"},
        {"CheckBox2", {312, 4, 17, 17}, "", NoTag, "ルーラを表示する"},
        {"CheckBox6", {328, 4, 17, 17}, "", NoTag, "ディバイダーの数字にグレーのバックをつける"},
        {"CheckBox3", {344, 4, 17, 17}, "", NoTag, "１２誘導を表示する"},
        {"Label66", {372, 4, -1, 0}, "25", NoTag, ""},
        {"ComboBox1", {0, 0, 137, 24}, nullptr, NoTag, "右の画面に表示する誘導を選択します"},
        {"Label49", {0, 24, -1, 0}, "lead", NoTag, "現在選択されている誘導です"},
        {"Label65", {64, 24, -1, 0}, "Gain =", NoTag, ""},
        {"Label64", {116, 24, -1, 0}, "25", NoTag, "全体の電位の高さを示します"},
        {"ScrollBar1", {0, 40, 113, 16}, nullptr, NoTag, "電位の大きさを個別に変更します"},
        {"Label50", {116, 40, -1, 0}, "16", NoTag, "全体の電位の高さを示します"},
        {"ScrollBar4", {0, 60, 113, 16}, nullptr, NoTag, "大きい電位の上下を切る幅を調節します"},
        {"Label63", {116, 60, -1, 0}, "40", NoTag, "現在選択されている誘導の上下を切る幅を示します"},
        {"ScrollBarX", {0, 60, 647, 16}, nullptr, NoTag, "電位を表示する範囲を移動できます"},
        {"ScrollBarG", {3, 0, 16, 345}, nullptr, NoTag, "電位の大きさを調節します"},
        {"CheckListBox1", {0, 0, 73, 345}, nullptr, NoTag,
         "誘導を選択、またチェックボックスをクリックすると誘導の表示・非表示"},
        {"ScrollBar2", {73, 0, 16, 345}, nullptr, NoTag, "選択された誘導の表示する位置を移動できます"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QWidget* control = child<QWidget>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->pos(), c.geometry.topLeft());
        if (c.geometry.width() >= 0) {
            EXPECT_EQ(control->size(), c.geometry.size());
        }
        if (c.text) {
            EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(c.text));
        }
        if (c.tag != NoTag) {
            EXPECT_EQ(control->property("tag").toInt(), c.tag);
        }
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.hint));
        EXPECT_EQ(control->statusTip(), QString::fromUtf8(c.hint));
    }
    EXPECT_TRUE(child<QRadioButton>("RadioButton6")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(child<QScrollArea>("ScrollBox1")->isHidden());
    EXPECT_TRUE(child<QScrollBar>("ScrollBar2")->isHidden());
    EXPECT_EQ(child<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_EQ(child<QListWidget>("CheckListBox1")->count(), 0);
}

TEST_F(ControlsTest, ScrollBarRangesAndStartPositions) {
    struct Case {
        const char* name;
        Qt::Orientation orientation;
        int minimum, maximum, value, singleStep, pageStep;
    };
    const Case cases[] = {
        {"ScrollBar3", Qt::Horizontal, 1, 5, 1, 1, 1},      {"ScrollBar1", Qt::Horizontal, 0, 7, 4, 1, 1},
        {"ScrollBar4", Qt::Horizontal, 10, 200, 50, 1, 10}, {"ScrollBarG", Qt::Vertical, 1, 50, 25, 1, 1},
        {"ScrollBarX", Qt::Horizontal, 0, 0, 0, 10, 100},    {"ScrollBarE0", Qt::Horizontal, 0, 2, 2, 1, 1},
        {"ScrollBarE11", Qt::Horizontal, 0, 2, 2, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QScrollBar* bar = child<QScrollBar>(c.name);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->orientation(), c.orientation);
        EXPECT_EQ(bar->minimum(), c.minimum);
        EXPECT_EQ(bar->maximum(), c.maximum);  // ScrollBarX: no file loaded, so nothing to scroll
        EXPECT_EQ(bar->value(), c.value);
        EXPECT_EQ(bar->singleStep(), c.singleStep);
        EXPECT_EQ(bar->pageStep(), c.pageStep);
    }
    EXPECT_EQ(child<QScrollBar>("ScrollBar2")->maximum(), 341 - 40);
}

TEST_F(ControlsTest, LeadLabelsStartHiddenWithTheirNumbersAndTags) {
    for (int n = 1; n <= 69; ++n) {
        const auto* label = child<ClickLabel>(QStringLiteral("LabelE%1").arg(n).toLatin1().constData());
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->isHidden());
        EXPECT_EQ(label->text(), QString::number(n));
        EXPECT_EQ(label->property("tag").toInt(), n - 1);
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignRight));
        EXPECT_EQ(label->toolTip(), QString::fromUtf8("誘導を選択します"));
    }
}

TEST_F(ControlsTest, CalibrationPageGroups) {
    const char* leads[] = {"I", "II", "III", "aVR", "aVL", "aVF", "V1", "V2", "V3", "V4", "V5", "V6"};
    const int captionTop[] = {24, 88, 160};
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE(n);
        const int column = n / 3;
        const int row = n % 3;
        const auto* caption = child<QLabel>(QStringLiteral("Label%1").arg(51 + n).toLatin1().constData());
        const auto* bar = child<QScrollBar>(QStringLiteral("ScrollBarE%1").arg(n).toLatin1().constData());
        const auto* factor = child<QLabel>(QStringLiteral("LabelA%1").arg(n).toLatin1().constData());
        ASSERT_TRUE(caption && bar && factor);
        EXPECT_EQ(caption->text(), QString::fromLatin1(leads[n]));
        EXPECT_EQ(caption->pos(), QPoint(48 + 136 * column, captionTop[row]));
        EXPECT_EQ(bar->geometry(), QRect(40 + 136 * column, captionTop[row] + 24, 121, 16));
        EXPECT_EQ(bar->property("tag").toInt(), n);
        EXPECT_EQ(factor->text(), QStringLiteral("x1"));
        EXPECT_EQ(factor->pos(), QPoint(112 + 136 * column, captionTop[row] + 48));
    }
}

TEST_F(ControlsTest, HeaderPageRowsAndEmptyChannelGrid) {
    const auto* first = child<QLabel>("Label1");
    const auto* row19 = child<QLabel>("Label19");
    const auto* lastValue = child<QLabel>("Label48");
    ASSERT_TRUE(first && row19 && lastValue);
    EXPECT_EQ(first->text(), QStringLiteral("file type"));
    EXPECT_EQ(first->pos(), QPoint(40, 8));
    EXPECT_EQ(row19->text(), QStringLiteral("systime export ends  HH:MM:SS"));
    EXPECT_EQ(row19->pos(), QPoint(40, 8 + 18 * 16));
    EXPECT_EQ(lastValue->pos(), QPoint(400, 8 + 23 * 16));
    EXPECT_TRUE(lastValue->text().isEmpty());
    const auto* progress = child<QProgressBar>("ProgressBar1");
    EXPECT_TRUE(progress->isHidden());
    EXPECT_EQ(progress->geometry().bottom(), 445);

    const auto* grid = child<QTableWidget>("SGChannel");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->rowCount() + 1, 8);  // the title row is the grid's header
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(3), 80);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(grid->model()->headerData(0, Qt::Horizontal).toString().isEmpty());
}

}  // namespace
}  // namespace velundia::testing
