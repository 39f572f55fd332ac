#include "output/PrintJob.h"

#include "output/PrinterCanvas.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <stdexcept>

namespace velundia {

namespace {

std::string jobFailure(const QPrinter& printer, const char* what) {
    const QString file = printer.outputFileName();
    if (!file.isEmpty()) return std::string(what) + ": cannot write " + file.toStdString();
    return std::string(what) + " on the printer \"" + printer.printerName().toStdString() + "\"";
}

}  // namespace

void printReportJob(QPrinter& printer, const std::string& caption, const PrintInputs& inputs) {
    printer.setDocName(QString::fromStdString(printJobTitle(caption)));
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error(jobFailure(printer, "The print job could not be started"));
    PrinterCanvas page(painter);
    PrintReport(page, inputs);
    if (!painter.end()) throw std::runtime_error(jobFailure(printer, "The print job could not be finished"));
}

}  // namespace velundia
