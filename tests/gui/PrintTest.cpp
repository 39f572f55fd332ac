// Print, printer set-up and clipboard copy through the window: the dialogs' printer, the job,
// the error of a printer that cannot start, and what the clipboard receives.
#include "app/PictureBox.h"
#include "app/VelundiaApplication.h"
#include "interaction/Overlay.h"
#include "tests/gui/GuiFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

namespace velundia::testing {
namespace {

class PrintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        path = writeFile(leadsFile({"I", "II", "V1"}, 10000, {"GREEN", "YELLOW", "WHITE"}), "three.dat");
        open(path);
        ASSERT_TRUE(dialogs->messages.empty());
        child<QTabWidget>("PageControl1")->setCurrentIndex(2);  // ICECG
        QCoreApplication::processEvents();
        pdf = folder.filePath("page.pdf");
    }

    void print(const QString& answer) {
        dialogs->printFile = answer;
        child<QAction>("PrintECG")->trigger();
    }
    // Pages of a PDF as Qt's engine writes them: one "/Type /Page" object per page.
    static int pdfPages(const QString& file) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) return -1;
        const QString text = QString::fromLatin1(in.readAll());
        return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    }
    QImage shownPicture() const { return child<PictureBox>("PaintBox1")->picture()->toImage(); }
    // One measurement from x 100 to 200 with its bar near y 150, drawn by the next move.
    void measure() {
        window->SpeedButtonS1Click(nullptr);
        window->PaintBox1MouseDown(nullptr, MouseButton::Left, {}, 100, 40);
        window->PaintBox1MouseDown(nullptr, MouseButton::Left, {}, 200, 150);
        window->PaintBox1MouseMove(nullptr, {}, 400, 300);
        ASSERT_EQ(window->measurements().count, 1);
    }
    QImage copied() {
        QGuiApplication::clipboard()->clear();
        child<QAction>("Copy1")->trigger();
        return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    }

    QString path;
    QString pdf;
};

TEST_F(PrintTest, AConfirmedPrintMakesOnePageTitledWithTheCaptionAtOneCopy) {
    child<QAction>("PrintSetup1")->trigger();
    ASSERT_EQ(dialogs->setUpCalls, 1);
    ASSERT_NE(dialogs->setUpDialogPrinter, nullptr);
    dialogs->setUpDialogPrinter->setCopyCount(3);  // as chosen the time before

    print(pdf);
    EXPECT_EQ(dialogs->printCalls, 1);
    EXPECT_EQ(dialogs->printDialogPrinter, dialogs->setUpDialogPrinter);  // one printer for both dialogs
    EXPECT_EQ(dialogs->copiesAtPrintDialog, 1);
    EXPECT_GE(dialogs->printDialogPrinter->resolution(), 300);  // printer dots, not screen pixels
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(window->windowTitle(), path);
    EXPECT_EQ(dialogs->printDialogPrinter->docName(), QStringLiteral("VELUNDIA < ") + path + QStringLiteral(" > "));

    QFile::remove(pdf);
    print(pdf);  // again: the same printer, a fresh job of one page
    EXPECT_EQ(dialogs->printCalls, 2);
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(PrintTest, ACancelledPrintPrintsNothing) {
    print(QString());
    EXPECT_EQ(dialogs->printCalls, 1);
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

TEST_F(PrintTest, PrintingChangesNoStateAndRedrawsNothing) {
    child<QCheckBox>("CheckBox1")->setChecked(true);  // move mode: the print reads the positions
    measure();
    const auto positions = window->leads().position;
    const QImage picture = shownPicture();
    const QImage traces = window->traceSurface()->toImage();

    print(pdf);
    ASSERT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(window->leads().position, positions);
    EXPECT_EQ(shownPicture(), picture);
    EXPECT_EQ(window->traceSurface()->toImage(), traces);
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(window->measurements().count, 1);
}

TEST_F(PrintTest, TheLeadNameMarkFlipsAndTwoClicksRestoreIt) {
    auto* mark = child<QAction>("PrintLeadName");
    ASSERT_TRUE(mark->isChecked());
    const QImage picture = shownPicture();
    mark->trigger();
    EXPECT_FALSE(mark->isChecked());
    mark->trigger();
    EXPECT_TRUE(mark->isChecked());
    EXPECT_EQ(shownPicture(), picture);
}

TEST_F(PrintTest, APrinterThatCannotStartReachesTheApplicationsErrorDisplay) {
    auto* application = static_cast<VelundiaApplication*>(QCoreApplication::instance());
    const auto previous = application->showError;
    QStringList shown;
    application->showError = [&](const QString& text) { shown << text; };
    const QString unwritable = folder.filePath(QStringLiteral("no-such-folder/page.pdf"));
    dialogs->printFile = unwritable;
    // Through the event loop, as a menu command runs.
    QMetaObject::invokeMethod(child<QAction>("PrintECG"), "trigger", Qt::QueuedConnection);
    QCoreApplication::processEvents();
    application->showError = previous;

    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(unwritable)) << shown[0].toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));
    print(pdf);  // the window goes on printing
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(PrintTest, CopyPlacesTheTraceSurfaceWithoutTheMeasurements) {
    measure();
    ASSERT_EQ(child<PictureBox>("PaintBox1")->picture()->pixel(100, 10), OverlayBlue);
    const QImage image = copied();
    EXPECT_EQ(image.size(), child<PictureBox>("PaintBox1")->size());
    EXPECT_EQ(image, window->traceSurface()->toImage());
    EXPECT_EQ(image.pixel(100, 10) & 0xFFFFFFu, 0u);  // no divider line
}

TEST_F(PrintTest, CopyWithTheTwelveLeadSheetPlacesTheWholeSheet) {
    child<QCheckBox>("CheckBox3")->setChecked(true);
    const QImage image = copied();
    EXPECT_EQ(image.size(), QSize(1920, 1280));
    EXPECT_EQ(image, window->traceSurface()->toImage());
}

}  // namespace
}  // namespace velundia::testing
