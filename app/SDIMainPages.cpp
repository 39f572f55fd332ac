#include "app/SDIMain.h"

#include "app/ClickLabel.h"
#include "app/PageDocking.h"
#include "app/PictureBox.h"
#include "app/ProgramIcon.h"
#include "app/WidgetHelpers.h"
#include "view/TwelveLeadSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace velundia {

namespace {

QFrame* panel(QWidget* parent, const char* name, int frameStyle = QFrame::NoFrame, int lineWidth = 1) {
    QFrame* frame = named(new QFrame(parent), name);
    frame->setFrameStyle(frameStyle);
    frame->setLineWidth(lineWidth);
    return frame;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int x, int y, const char* hint = nullptr) {
    QLabel* control = named(new QLabel(QString::fromUtf8(caption), parent), name);
    control->move(x, y);
    control->adjustSize();
    if (hint) setHint(control, QString::fromUtf8(hint));
    return control;
}

QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, int minimum, int maximum,
                      int position, const char* hint = nullptr) {
    QScrollBar* bar = named(new QScrollBar(orientation, parent), name);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setPageStep(1);  // a click beside the thumb moves one step unless the bar says otherwise
    if (hint) setHint(bar, QString::fromUtf8(hint));
    return bar;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, QRect geometry, bool checked,
                    const char* hint) {
    QCheckBox* box = named(new QCheckBox(QString::fromUtf8(caption), parent), name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    setHint(box, QString::fromUtf8(hint));
    return box;
}

// Vertical position of ScrollBox1 at start: the sheet's top 329 pixels lie above the view.
constexpr int SheetScrollStart = 329;

}  // namespace

void TSDIAppForm::createIcecgPage(QWidget* page) {
    Panel1 = panel(page, "Panel1");
    Panel19 = panel(Panel1, "Panel19");
    Panel2 = panel(page, "Panel2");
    Panel14 = panel(Panel2, "Panel14");
    Panel15 = panel(Panel2, "Panel15");
    Panel9 = panel(page, "Panel9");
    Panel11 = panel(Panel9, "Panel11");
    Panel17 = panel(Panel11, "Panel17", QFrame::Panel | QFrame::Sunken, InnerBevelWidth);
    Panel12 = panel(Panel9, "Panel12");
    Panel18 = panel(Panel12, "Panel18", QFrame::Panel | QFrame::Raised, 1);
    Panel16 = panel(Panel9, "Panel16", QFrame::Panel | QFrame::Sunken, InnerBevelWidth);
    createToolStrip();
    createLeadColumn();
    createDrawingArea();
}

void TSDIAppForm::createToolStrip() {
    struct SweepRow {
        QRadioButton* TSDIAppForm::*member;
        const char* name;
        int x;
        int width;
        const char* caption;
        int tag;  // the sweep code
    };
    static const SweepRow sweeps[] = {
        {&TSDIAppForm::RadioButton1, "RadioButton1", 0, 49, "0.25", -4},
        {&TSDIAppForm::RadioButton2, "RadioButton2", 48, 41, "0.5", -2},
        {&TSDIAppForm::RadioButton6, "RadioButton6", 88, 25, "1", 1},
        {&TSDIAppForm::RadioButton8, "RadioButton8", 120, 25, "2", 2},
        {&TSDIAppForm::RadioButton9, "RadioButton9", 152, 25, "4", 4},
    };
    for (const SweepRow& row : sweeps) {
        QRadioButton* button = named(new QRadioButton(QString::fromLatin1(row.caption), Panel1), row.name);
        button->setGeometry(row.x, 4, row.width, 17);
        setTag(button, row.tag);
        button->setChecked(row.tag == 1);
        setHint(button, QStringLiteral("画面のスウィープスピードを変更します"));
        this->*row.member = button;
    }
    ScrollBar3 = scrollBar(Panel1, "ScrollBar3", Qt::Horizontal, 1, 5, 1, "ブラシの太さを変更します");
    ScrollBar3->setGeometry(184, 4, 65, 16);
    Label109 = label(Panel1, "Label109", "1", 252, 4);
    CheckBox1 = checkBox(Panel1, "CheckBox1", "clip", QRect(264, 4, 49, 17), false, "電位の位置を変更できるようにする");
    SpeedButtonS1 = named(new QToolButton(Panel1), "SpeedButtonS1");
    SpeedButtonS1->setText(QStringLiteral("|<-->|"));
    SpeedButtonS1->setGeometry(312, 4, 41, 17);
    setHint(SpeedButtonS1, QStringLiteral("ディバイダーを使います"));
    SpeedButtonS3 = named(new QToolButton(Panel1), "SpeedButtonS3");
    SpeedButtonS3->setText(QStringLiteral("AC"));
    SpeedButtonS3->setGeometry(360, 4, 25, 17);

    // Panel19: the colour buttons, each tagged with its colour (0x00BBGGRR).
    struct ColourRow {
        const char* name;
        int colour;
    };
    static const ColourRow colours[] = {
        {"SpeedButton1", 16777215}, {"SpeedButton2", 65535},    {"SpeedButton3", 65280}, {"SpeedButton4", 16711935},
        {"SpeedButton5", 12632256}, {"SpeedButton6", 16711680}, {"SpeedButton7", 16776960}, {"SpeedButton8", 32768},
        {"SpeedButton9", 255},      {"SpeedButton10", 32896},
    };
    const QString colourHint = QStringLiteral("現在選択されている誘導の描画色を変更します");
    for (std::size_t k = 0; k < ColourButtons.size(); ++k) {
        QToolButton* button = named(new QToolButton(Panel19), colours[k].name);
        button->setAutoRaise(true);
        button->setGeometry(8 + 24 * static_cast<int>(k), 0, 23, 22);
        button->setIconSize(QSize(16, 16));
        button->setIcon(colourSwatch(static_cast<uint32_t>(colours[k].colour)));
        setTag(button, colours[k].colour);
        setHint(button, colourHint);
        ColourButtons[k] = button;
    }
    SpeedButton12 = named(new QToolButton(Panel19), "SpeedButton12");
    SpeedButton12->setAutoRaise(true);
    SpeedButton12->setGeometry(248, 0, 23, 22);
    SpeedButton12->setIconSize(QSize(16, 16));
    SpeedButton12->setIcon(manyColourPicture());
    setTag(SpeedButton12, 0);
    setHint(SpeedButton12, colourHint);

    CheckBox5 = checkBox(Panel19, "CheckBox5", "", QRect(280, 4, 17, 17), false, "丸いブラシを使う（速度低下します）");
    CheckBox4 = checkBox(Panel19, "CheckBox4", "", QRect(296, 4, 17, 17), false, "大きい電位は上下を切る");
    CheckBox2 = checkBox(Panel19, "CheckBox2", "", QRect(312, 4, 17, 17), true, "ルーラを表示する");
    CheckBox6 = checkBox(Panel19, "CheckBox6", "", QRect(328, 4, 17, 17), false,
                         "ディバイダーの数字にグレーのバックをつける");
    CheckBox3 = checkBox(Panel19, "CheckBox3", "", QRect(344, 4, 17, 17), false, "１２誘導を表示する");
    Label66 = label(Panel19, "Label66", "25", 372, 4);
}

void TSDIAppForm::createLeadColumn() {
    ComboBox1 = named(new QComboBox(Panel14), "ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->setGeometry(0, 0, 137, 24);
    setHint(ComboBox1, QStringLiteral("右の画面に表示する誘導を選択します"));
    Label49 = label(Panel14, "Label49", "lead", 0, 24, "現在選択されている誘導です");
    Label65 = label(Panel14, "Label65", "Gain =", 64, 24);
    Label64 = label(Panel14, "Label64", "25", 116, 24, "全体の電位の高さを示します");
    ScrollBar1 = scrollBar(Panel14, "ScrollBar1", Qt::Horizontal, 0, 7, 4, "電位の大きさを個別に変更します");
    ScrollBar1->setGeometry(0, 40, 113, 16);
    Label50 = label(Panel14, "Label50", "16", 116, 40, "全体の電位の高さを示します");
    ScrollBar4 = scrollBar(Panel14, "ScrollBar4", Qt::Horizontal, 10, 200, 50, "大きい電位の上下を切る幅を調節します");
    ScrollBar4->setPageStep(10);
    ScrollBar4->setGeometry(0, 60, 113, 16);
    Label63 = label(Panel14, "Label63", "40", 116, 60, "現在選択されている誘導の上下を切る幅を示します");

    // The lead labels lie under the list and its bar, as labels lie under windowed controls:
    // their right-aligned names show to the right of them, and the list keeps its clicks.
    const QString labelHint = QStringLiteral("誘導を選択します");
    for (std::size_t i = 0; i < LabelE.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        ClickLabel* lead = new ClickLabel(Panel15);
        lead->setObjectName(QStringLiteral("LabelE%1").arg(n));
        lead->setText(QString::number(n));
        lead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setTag(lead, n - 1);
        setHint(lead, labelHint);
        lead->setGeometry(90 + 16 * (static_cast<int>(i) % 3), 16 * (static_cast<int>(i) / 3), 24, 16);
        lead->hide();
        LabelE[i] = lead;
    }
    CheckListBox1 = named(new QListWidget(Panel15), "CheckListBox1");
    CheckListBox1->setUniformItemSizes(true);
    CheckListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHint(CheckListBox1, QStringLiteral("誘導を選択、またチェックボックスをクリックすると誘導の表示・非表示"));
    ScrollBar2 = scrollBar(Panel15, "ScrollBar2", Qt::Vertical, 0, 100, 0, "選択された誘導の表示する位置を移動できます");
    ScrollBar2->hide();
}

void TSDIAppForm::createDrawingArea() {
    ScrollBarX = scrollBar(Panel11, "ScrollBarX", Qt::Horizontal, 0, 100, 0, "電位を表示する範囲を移動できます");
    ScrollBarX->setSingleStep(10);
    ScrollBarX->setPageStep(100);
    PaintBox3 = named(new PictureBox(Panel17), "PaintBox3");
    ScrollBarG = scrollBar(Panel12, "ScrollBarG", Qt::Vertical, 1, 50, 25, "電位の大きさを調節します");
    PaintBox1 = named(new PictureBox(Panel16), "PaintBox1");

    ScrollBox1 = named(new QScrollArea(Panel16), "ScrollBox1");
    ScrollBox1->setFrameStyle(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    Image1 = named(new PictureBox, "Image1");
    Image1->setFixedSize(SheetWidth, SheetHeight);
    Image1->setMouseTracking(false);
    ScrollBox1->setWidget(Image1);
    // The box is hidden, so its bars have no range yet; the range it gets when shown keeps 329.
    ScrollBox1->verticalScrollBar()->setRange(0, SheetHeight);
    ScrollBox1->verticalScrollBar()->setValue(SheetScrollStart);
    ScrollBox1->hide();
}

void TSDIAppForm::createCalibrationPage(QWidget* page) {
    static const char* const leadNames[SheetLeads] = {"I",  "II", "III", "aVR", "aVL", "aVF",
                                                      "V1", "V2", "V3",  "V4",  "V5",  "V6"};
    // Lead n stands in column n / 3 and row n % 3, as on the sheet.
    static const int captionTop[3] = {24, 88, 160};
    static const int barTop[3] = {48, 112, 184};
    static const int factorTop[3] = {72, 136, 208};
    for (int n = 0; n < SheetLeads; ++n) {
        const int column = n / 3;
        const int row = n % 3;
        const auto i = static_cast<std::size_t>(n);
        QLabel* caption = new QLabel(QString::fromLatin1(leadNames[n]), page);
        caption->setObjectName(QStringLiteral("Label%1").arg(51 + n));
        caption->move(48 + 136 * column, captionTop[row]);
        caption->adjustSize();
        CalibrationCaptions[i] = caption;

        QScrollBar* bar = new QScrollBar(Qt::Horizontal, page);
        bar->setObjectName(QStringLiteral("ScrollBarE%1").arg(n));
        bar->setRange(0, 2);
        bar->setValue(2);
        bar->setPageStep(1);
        bar->setGeometry(40 + 136 * column, barTop[row], 121, 16);
        setTag(bar, n);
        ScrollBarE[i] = bar;

        QLabel* factor = new QLabel(QString::fromLatin1(calibrationCaption(2)), page);
        factor->setObjectName(QStringLiteral("LabelA%1").arg(n));
        factor->move(112 + 136 * column, factorTop[row]);
        factor->adjustSize();
        LabelA[i] = factor;
    }
}

// The pages are placed from the window's size, not from their own, so a page that is not
// showing (and so not laid out by the page control) still has its controls at their sizes:
// the surfaces are built from the trace box and the strip while the HEADER page is up.
void TSDIAppForm::dockPages(QSize windowClient) {
    const QSize client = pageClientSize(windowClient);
    for (QWidget* page : {TabSheet1, TabSheet2, TabSheet3, TabSheet4}) page->resize(client);

    DockArea header(QRect(QPoint(0, 0), client));
    ProgressBar1->setGeometry(header.bottom(16));
    SGChannel->setGeometry(QRect(QPoint(0, 0), client));

    const IcecgDocking d = dockIcecgPage(client);
    Panel1->setGeometry(d.Panel1);
    Panel19->setGeometry(d.Panel19);
    Panel2->setGeometry(d.Panel2);
    Panel14->setGeometry(d.Panel14);
    Panel15->setGeometry(d.Panel15);
    CheckListBox1->setGeometry(d.CheckListBox1);
    ScrollBar2->setGeometry(d.ScrollBar2);
    Panel9->setGeometry(d.Panel9);
    Panel11->setGeometry(d.Panel11);
    ScrollBarX->setGeometry(d.ScrollBarX);
    Panel17->setGeometry(d.Panel17);
    PaintBox3->setGeometry(d.PaintBox3);
    Panel12->setGeometry(d.Panel12);
    Panel18->setGeometry(d.Panel18);
    ScrollBarG->setGeometry(d.ScrollBarG);
    Panel16->setGeometry(d.Panel16);
    PaintBox1->setGeometry(d.PaintBox1);
    ScrollBox1->setGeometry(d.PaintBox1);
}

}  // namespace velundia
