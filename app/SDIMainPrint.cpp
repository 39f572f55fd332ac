// Output: the printed report, printer set-up and the clipboard copy. None of them changes the
// program's state or redraws anything.
#include "app/SDIMain.h"

#include "app/Dialogs.h"
#include "output/PrintJob.h"
#include "output/PrintReport.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

namespace velundia {

void TSDIAppForm::PrintECGClick(QObject*) {
    // Every print starts at one copy, whatever was chosen the time before.
    printer().setCopyCount(1);
    if (dialogs().confirmPrint(this, printer())) PrintReport();
}

void TSDIAppForm::PrintSetup1Click(QObject*) {
    // What is chosen there stays on the printer the print dialog uses; the answer is not needed.
    dialogs().setUpPrinter(this, printer());
}

void TSDIAppForm::Copy1Click(QObject*) {
    // The traces as last rendered: the measurements live only on the OverlaySurface and the
    // lead names are controls of their own, so neither is on the copy.
    if (!TraceSurface) return;
    QGuiApplication::clipboard()->setImage(TraceSurface->toImage());
}

void TSDIAppForm::PrintLeadNameClick(QObject*) { flipCheck(PrintLeadName); }

// A printer that cannot start or finish the job throws; the error leaves the handler and the
// application shows it.
void TSDIAppForm::PrintReport() {
    const ViewControls controls = currentControls();
    printReportJob(printer(), windowTitle().toStdString(),
                   PrintInputs{recording_, leads_, settings_, controls, PrintLeadName->isChecked()});
}

}  // namespace velundia
