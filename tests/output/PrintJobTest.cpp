#include "output/PrintJob.h"
#include "output/PrinterCanvas.h"

#include "tests/support/TinyRecording.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace velundia {
namespace {

using testing::TinyRecording;

class PrintJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TinyRecording tiny = TinyRecording::constant({"I", "II", "III"}, 3000, 500);
    ViewSettings settings;
    ViewControls controls;

    PrintInputs inputs() const { return PrintInputs{*tiny.recording, tiny.leads, settings, controls, true}; }
    static void toPdf(QPrinter& printer, const QString& path) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
};

TEST_F(PrintJobTest, PageSizeIsThePrintableAreaInDeviceDots) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, dir.filePath("size.pdf"));
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    QPainter painter(&printer);
    PrinterCanvas page(painter);
    EXPECT_EQ(page.width(), paint.width());
    EXPECT_EQ(page.height(), paint.height());
    EXPECT_GT(page.width(), 3000);  // printer dots, not screen pixels
}

TEST_F(PrintJobTest, WritesOnePageTitledWithTheCaption) {
    QPrinter printer(QPrinter::HighResolution);
    const QString path = dir.filePath("report.pdf");
    toPdf(printer, path);
    printReportJob(printer, "/data/case.dat", inputs());

    EXPECT_EQ(printer.docName().toStdString(), "VELUNDIA < /data/case.dat > ");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
}

TEST_F(PrintJobTest, AJobThatCannotStartThrowsItsReason) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, dir.filePath("missing/dir/report.pdf"));
    try {
        printReportJob(printer, "x", inputs());
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("missing/dir/report.pdf"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace velundia
