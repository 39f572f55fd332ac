// The divider: arming, clearing and the pointer over the trace box. The logic draws the
// overlay onto PaintBox1's canvas; here the picture is only marked as the one to show.
#include "app/SDIMain.h"

#include "app/PictureBox.h"
#include "interaction/Divider.h"

#include <QCheckBox>

namespace velundia {

namespace {
PointerButton pointerButton(MouseButton button) {
    switch (button) {
        case MouseButton::Right: return PointerButton::Right;
        case MouseButton::Middle: return PointerButton::Middle;
        case MouseButton::Left: break;
    }
    return PointerButton::Left;
}

// Only Shift and Alt mean anything to the divider (removal); Ctrl is ignored.
PointerModifiers pointerModifiers(ShiftState shift) { return PointerModifiers{shift.shift, shift.alt}; }
}  // namespace

void TSDIAppForm::SpeedButtonS1Click(QObject*) {
    // The surfaces exist from the window's first resize on, before the button can be reached.
    if (!surfacesExist()) return;
    const bool wasArmed = measurements_.dividerArmed;
    toggleDivider(measurements_, overlayScene());
    if (wasArmed) PaintBox1->picturePresented();  // disarming presented the overlay
    syncDividerCaption();
}

void TSDIAppForm::SpeedButtonS3Click(QObject*) {
    clearMeasurements(measurements_);
    syncDividerCaption();
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::PaintBox1MouseDown(QObject*, MouseButton Button, ShiftState Shift, int X, int Y) {
    if (CheckBox3->isChecked() || !surfacesExist()) return;
    // A press while armed only places an end and draws nothing; the next move shows it.
    const bool edits = !measurements_.dividerArmed;
    pointerPress(measurements_, pointerButton(Button), pointerModifiers(Shift), X, Y, overlayScene());
    if (edits) PaintBox1->picturePresented();
    syncDividerCaption();
}

void TSDIAppForm::PaintBox1MouseMove(QObject*, ShiftState, int X, int Y) {
    if (CheckBox3->isChecked() || !surfacesExist()) return;
    pointerMove(measurements_, X, Y, overlayScene());
    PaintBox1->picturePresented();
    syncDividerCaption();
}

void TSDIAppForm::PaintBox1MouseUp(QObject*, MouseButton Button, ShiftState, int, int) {
    if (CheckBox3->isChecked()) return;
    pointerRelease(measurements_, pointerButton(Button));
    syncDividerCaption();
}

}  // namespace velundia
