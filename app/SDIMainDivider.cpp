// The divider: arming, clearing and the pointer over the trace box.
#include "app/SDIMain.h"

namespace velundia {

void TSDIAppForm::SpeedButtonS1Click(QObject*) {}

void TSDIAppForm::SpeedButtonS3Click(QObject*) {}

void TSDIAppForm::PaintBox1MouseDown(QObject*, MouseButton, ShiftState, int, int) {}

void TSDIAppForm::PaintBox1MouseMove(QObject*, ShiftState, int, int) {}

void TSDIAppForm::PaintBox1MouseUp(QObject*, MouseButton, ShiftState, int, int) {}

}  // namespace velundia
