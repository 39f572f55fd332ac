#pragma once

#include "output/PrintReport.h"

#include <string>

class QPrinter;

namespace velundia {

// One print job of one page on a printer (or Qt's PDF engine): sets the job title from the
// window caption, begins the document, PrintReport, ends the document.
// Throws std::runtime_error with the reason when the printer cannot start the job.
void printReportJob(QPrinter& printer, const std::string& caption, const PrintInputs& inputs);

}  // namespace velundia
