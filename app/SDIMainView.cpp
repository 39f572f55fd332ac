#include "app/SDIMain.h"

#include "app/PictureBox.h"
#include "app/WidgetHelpers.h"
#include "interaction/Divider.h"
#include "interaction/Overlay.h"
#include "view/LeadLabels.h"
#include "view/OverviewStrip.h"
#include "view/TraceGeometry.h"
#include "view/TraceRenderer.h"
#include "view/TwelveLeadSheet.h"

#include "app/ClickLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace velundia {

namespace {
constexpr int LeadLabelHeight = 16;
constexpr int MoveBarMargin = 40;  // ScrollBar2 reaches trace-box height - 40
}  // namespace

ViewControls TSDIAppForm::currentControls() const {
    ViewControls c;
    c.traceWidth = PaintBox1->width();
    c.traceHeight = PaintBox1->height();
    c.stripWidth = PaintBox3->width();
    c.stripHeight = PaintBox3->height();
    c.firstSample = ScrollBarX->value();
    c.globalGain = ScrollBarG->value();
    c.ruler = CheckBox2->isChecked();
    c.twelveLead = CheckBox3->isChecked();
    c.moveMode = CheckBox1->isChecked();
    c.overviewLead = ComboBox1->currentIndex();
    c.listSelection = CheckListBox1->currentRow();
    for (std::size_t n = 0; n < ScrollBarE.size(); ++n) c.calibrationSteps[n] = ScrollBarE[n]->value();
    return c;
}

OverlayScene TSDIAppForm::overlayScene() {
    return OverlayScene{*OverlaySurface,    *TraceSurface,       *OverlaySurface,
                        PaintBox1->width(), PaintBox1->height(), settings_};
}

void TSDIAppForm::setScrollRangeX() {
    ScrollBarX->setMaximum(scrollMaximum(recording_.loadedSamples, visibleWindow(PaintBox1->width(), settings_)));
}

void TSDIAppForm::clearMeasurementList() {
    measurements_.count = 0;
    measurements_.firstPointPending = false;
    measurements_.dividerArmed = false;
    syncDividerCaption();
}

void TSDIAppForm::syncDividerCaption() {
    setFontColour(SpeedButtonS1, colourFromPacked(dividerCaptionColour(measurements_)));
}

// --- drawing steps ---

void TSDIAppForm::RebuildSurfaces() {
    ++surfaceRebuilds_;
    TraceSurface.reset();
    OverviewSurface.reset();
    OverlaySurface = nullptr;
    OverviewSurface = std::make_unique<RasterSurface>(PaintBox3->width(), PaintBox3->height());
    // The OverlaySurface is the trace box's own picture: every composition on it is presented
    // before its handler returns, so one buffer serves both and a scroll step copies the
    // whole picture once less.
    OverlaySurface = &PaintBox1->canvas();
    TraceSurface = CheckBox3->isChecked() ? std::make_unique<RasterSurface>(SheetWidth, SheetHeight)
                                          : std::make_unique<RasterSurface>(PaintBox1->width(), PaintBox1->height());
    // What the boxes show was drawn from the old surfaces; their paint handlers draw anew.
    PaintBox1->requestPaintHandler();
    PaintBox3->requestPaintHandler();
    setScrollRangeX();
    ScrollBarX->setValue(0);
    ScrollBar2->setMaximum(PaintBox1->height() - MoveBarMargin);
    CheckBox1->setChecked(false);
    PlaceLeadLabels();
}

void TSDIAppForm::RenderTraces() {
    if (!TraceSurface) return;
    velundia::RenderTraces(*TraceSurface, recording_, leads_, settings_, currentControls());
    if (CheckBox3->isChecked()) {
        Image1->canvas().draw(0, 0, *TraceSurface);
        Image1->picturePresented();
    }
}

void TSDIAppForm::RenderOverview() {
    if (!OverviewSurface) return;
    velundia::RenderOverview(*OverviewSurface, recording_, leads_, currentControls());
    PaintBox3->canvas().draw(0, 0, *OverviewSurface);
    PaintBox3->picturePresented();
}

void TSDIAppForm::DrawViewportFrame() {
    if (!OverviewSurface || recording_.totalSamples == 0) return;
    velundia::DrawViewportFrame(PaintBox3->canvas(), *OverviewSurface, recording_, settings_, currentControls());
    PaintBox3->picturePresented();
}

void TSDIAppForm::PlaceLeadLabels() {
    const auto placements = velundia::PlaceLeadLabels(recording_, leads_, currentControls());
    for (std::size_t i = 0; i < LabelE.size(); ++i) {
        ClickLabel* lead = LabelE[i];
        const LeadLabelPlacement& p = placements[i];
        if (!p.visible) {
            lead->hide();
            continue;
        }
        lead->setGeometry(p.left, p.top, p.width, LeadLabelHeight);
        lead->setText(fromFileText(p.caption));
        setFontColour(lead, colourFromPacked(p.colour));
        lead->show();
    }
}

void TSDIAppForm::PresentOverlay() {
    if (!surfacesExist()) return;
    velundia::PresentOverlay(measurements_, overlayScene());
    if (!measurements_.overlayComposeOnly) PaintBox1->picturePresented();
}

// --- handlers of the global view settings ---

void TSDIAppForm::RadioButtonS1Click(QObject* Sender) {
    const int tag = tagOf(Sender);
    settings_.sweepNumerator = tag > 0 ? tag : 1;
    settings_.sweepDenominator = tag > 0 ? 1 : -tag;
    setScrollRangeX();
    ScrollBarX->setValue(0);
    clearMeasurementList();
    RenderTraces();
    PresentOverlay();
    RenderOverview();
    DrawViewportFrame();
}

void TSDIAppForm::ScrollBarGChange(QObject*) {
    RenderTraces();
    RenderOverview();
    DrawViewportFrame();
    PresentOverlay();
    const QString shown = QString::number(50 - ScrollBarG->value());  // the user reads 50 - divisor
    setCaption(Label64, shown);
    setCaption(Label66, shown);
}

void TSDIAppForm::ScrollBar3Change(QObject*) {
    settings_.brushWidth = ScrollBar3->value();
    setCaption(Label109, QString::number(ScrollBar3->value()));
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::CheckBox5Click(QObject*) {
    settings_.brushShape = CheckBox5->isChecked() ? 2 : 1;
    RenderTraces();
    PresentOverlay();
    flipCheck(Br);
}

void TSDIAppForm::CheckBox2Click(QObject*) {
    RenderTraces();
    PresentOverlay();
    flipCheck(Roo);
}

void TSDIAppForm::CheckBox4Click(QObject*) {
    settings_.clippingOn = CheckBox4->isChecked() ? 1 : 0;
    RenderTraces();
    PresentOverlay();
    flipCheck(Clip);
}

void TSDIAppForm::CheckBox6Click(QObject*) {
    settings_.numberBackClear = CheckBox6->isChecked() ? 0 : 1;
    PresentOverlay();
    flipCheck(GBack);
}

void TSDIAppForm::CheckBox3Click(QObject*) {
    RebuildSurfaces();
    const bool sheet = CheckBox3->isChecked();
    PaintBox1->setVisible(!sheet);
    Image1->setVisible(sheet);
    ScrollBox1->setVisible(sheet);
    RenderTraces();
    RenderOverview();
    DrawViewportFrame();
    flipCheck(Twelve);
}

void TSDIAppForm::ScrollBarE0Change(QObject* Sender) {
    const auto n = static_cast<std::size_t>(tagOf(Sender));
    if (n >= ScrollBarE.size()) return;
    setCaption(LabelA[n], QString::fromLatin1(calibrationCaption(ScrollBarE[n]->value())));
    RenderTraces();
}

// --- scrolling and painting ---

void TSDIAppForm::ScrollBarXChange(QObject*) {
    RenderTraces();
    DrawViewportFrame();
    PresentOverlay();
}

void TSDIAppForm::PaintBox1Paint(QObject*) {
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::PaintBox3Paint(QObject*) {
    RenderOverview();
    DrawViewportFrame();
}

}  // namespace velundia
