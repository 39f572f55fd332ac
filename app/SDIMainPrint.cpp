// Output: the printed report, printer set-up and the clipboard copy.
#include "app/SDIMain.h"

#include <QAction>

namespace velundia {

void TSDIAppForm::PrintECGClick(QObject*) {}

void TSDIAppForm::PrintSetup1Click(QObject*) {}

void TSDIAppForm::Copy1Click(QObject*) {}

void TSDIAppForm::PrintLeadNameClick(QObject*) { flipCheck(PrintLeadName); }

void TSDIAppForm::PrintReport() {}

}  // namespace velundia
