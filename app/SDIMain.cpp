#include "app/SDIMain.h"

#include "app/About.h"
#include "app/Dialogs.h"
#include "app/PageDocking.h"
#include "app/ProgramIcon.h"
#include "app/VelundiaApplication.h"
#include "app/WidgetHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velundia {

namespace {
constexpr int StatusBarHeight = 19;
// Fusion frames a tab page with 2 pixels on every side.
constexpr int TabPaneFrame = 2;
const char* const SaveDialogFilter = "すべてのファイル(*.*)|*.*";

void invert(QCheckBox* box) { box->setChecked(!box->isChecked()); }
}  // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent), dialogs_(std::make_unique<QtDialogs>()) {
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(QStringLiteral("VELUNDIA"));
    setWindowIcon(programIcon());
    setFont(systemBoldFont());
    ImageList1 = imageList();

    createMenus();
    StatusBar = named(new QStatusBar(this), "StatusBar");
    StatusBar->setFixedHeight(StatusBarHeight);
    setStatusBar(StatusBar);

    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    PageControl1 = named(new QTabWidget(central), "PageControl1");
    centralLayout->addWidget(PageControl1);
    TabSheet1 = named(new QWidget, "TabSheet1");
    TabSheet2 = named(new QWidget, "TabSheet2");
    TabSheet3 = named(new QWidget, "TabSheet3");
    TabSheet4 = named(new QWidget, "TabSheet4");
    PageControl1->addTab(TabSheet1, QStringLiteral("HEADER"));
    PageControl1->addTab(TabSheet2, QStringLiteral("CHANNEL DATA"));
    PageControl1->addTab(TabSheet3, QStringLiteral("ICECG"));
    PageControl1->addTab(TabSheet4, QStringLiteral("ECG-caliblation"));
    createHeaderPage(TabSheet1);
    createChannelPage(TabSheet2);
    createIcecgPage(TabSheet3);
    createCalibrationPage(TabSheet4);
    setCentralWidget(central);
    PageControl1->setCurrentIndex(0);
    applyCentralMargins();

    bindEvents();

    setMinimumSize(DesignWindowSize);
    resize(DesignWindowSize);
    dockPages(DesignWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(DesignWindowSize.width() / 2, DesignWindowSize.height() / 2));
    }
}

// The controls outlive the window's state during destruction; none of their last signals
// (a page control losing its pages, a list being emptied) may reach a handler.
TSDIAppForm::~TSDIAppForm() {
    for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

void TSDIAppForm::setDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }

// The margins around the page control make every page's client area DesignPageSize at the
// design window size, whatever heights the menu bar and tab bar take with the fonts at hand.
void TSDIAppForm::applyCentralMargins() {
    const int menuHeight = std::max(menuBar()->sizeHint().height(), menuBar()->heightForWidth(DesignWindowSize.width()));
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, PageControl1);
    const int tabOverhead = PageControl1->tabBar()->sizeHint().height() - overlap + 2 * TabPaneFrame;
    const int horizontal = std::max(0, DesignWindowSize.width() - 2 * TabPaneFrame - DesignPageSize.width());
    const int vertical =
        std::max(0, DesignWindowSize.height() - menuHeight - StatusBarHeight - tabOverhead - DesignPageSize.height());
    const int top = std::min(horizontal / 2, vertical);
    centralWidget()->layout()->setContentsMargins(horizontal / 2, top, horizontal - horizontal / 2, vertical - top);
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    dockPages(event->size());
    FormResize(this);
}

void TSDIAppForm::setPageFromCode(int index) {
    settingPageFromCode = true;
    PageControl1->setCurrentIndex(index);
    settingPageFromCode = false;
}

// A click on an item's check box makes that item current first (running CheckListBox1Click
// when it changes), then CheckListBox1ClickCheck runs. Focus from the keyboard must not make
// the first item current by itself, as the list would: nothing is selected until the user does.
bool TSDIAppForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CheckListBox1 && event->type() == QEvent::FocusIn) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::MouseFocusReason && CheckListBox1->currentRow() < 0) {
            CheckListBox1->viewport()->update();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TSDIAppForm::flipCheck(QAction* item) { item->setChecked(!item->isChecked()); }

// A checkable item toggles itself when chosen; here only the handlers set its mark, so the
// toggle is undone before the handler runs.
void TSDIAppForm::bindMenuItem(QAction* item, void (TSDIAppForm::*handler)(QObject*)) {
    connect(item, &QAction::triggered, this, [this, item, handler](bool checked) {
        if (item->isCheckable()) item->setChecked(!checked);
        VelundiaApplication::runHandler([&] { (this->*handler)(item); });
    });
}

// In the printer's own dots, as the printed report's geometry counts them (a screen-resolution
// printer would round the page to 96 dots per inch and print every stroke at width 0).
QPrinter& TSDIAppForm::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

// --- shell handlers ---

void TSDIAppForm::FileNew1Execute(QObject*) {}

void TSDIAppForm::FileSave1Execute(QObject*) {
    dialogs_->chooseSaveFile(this, QString::fromUtf8(SaveDialogFilter));  // the answer is not used
}

void TSDIAppForm::FileExit1Execute(QObject*) { close(); }

void TSDIAppForm::HelpAbout1Execute(QObject*) {
    if (!AboutBox) return;
    AboutBox->exec();
    activateWindow();  // the keyboard comes back here also where no window manager hands it back
}

void TSDIAppForm::FormResize(QObject*) { RebuildSurfaces(); }

void TSDIAppForm::PageControl1Change(QObject*) { RebuildSurfaces(); }

// --- Tool menu: each item inverts its check box; the box's handler does the rest ---

void TSDIAppForm::ClipClick(QObject*) { invert(CheckBox4); }
void TSDIAppForm::BrClick(QObject*) { invert(CheckBox5); }
void TSDIAppForm::RooClick(QObject*) { invert(CheckBox2); }
void TSDIAppForm::GBackClick(QObject*) { invert(CheckBox6); }
void TSDIAppForm::TwelveClick(QObject*) { invert(CheckBox3); }

}  // namespace velundia
