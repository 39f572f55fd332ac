#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/Canvas.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

#include <string>

namespace velundia {

// Page geometry of the printed report, in printer dots; real values in double precision.
struct PrintGeometry {
    double usableWidth = 0;   // pageWidth - pageWidth * 0.05
    double usableHeight = 0;  // pageHeight - pageHeight * 0.05
    double rowHeight = 0;     // usableHeight / (shownCount + 0.5)
    double printScale = 0;    // usableWidth / W: printer dots per trace-box pixel
    double lineUnit = 0;      // usableWidth * 0.001
    int usableWidthDots = 0;  // trunc(usableWidth)
    int leftMargin = 0;       // trunc(pageWidth * 0.05), halved when no names are printed
    int topMargin = 0;        // trunc(pageHeight * 0.05 * 0.5)
    int traceWidth = 0;       // trunc(lineUnit): width of one trace stroke
    int tickWidth = 0;        // trunc(lineUnit * 0.5): width of the short ruler ticks
};

PrintGeometry printGeometry(double pageWidth, double pageHeight, double traceBoxWidth, int shownCount,
                            bool printLeadNames);

// What the print reads of the program's state; it changes none of it.
struct PrintInputs {
    const Recording& recording;
    const LeadSettings& leads;
    const ViewSettings& settings;
    const ViewControls& controls;  // W, pos, G, ruler, move mode, twelve-lead, calibration steps
    bool printLeadNames;           // the Tool menu's "誘導名も印刷する" mark
};

// Name of the print job in the printer queue: "VELUNDIA < caption > ".
std::string printJobTitle(const std::string& caption);

// The page after the document has begun: canvas settings, then the lead rows and the ruler,
// or the twelve-lead sheet. The page size is the canvas's (printable dots).
void PrintReport(Canvas& page, const PrintInputs& inputs);

}  // namespace velundia
