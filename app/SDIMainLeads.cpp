// Lead selection, show and hide, per-lead gain, colour and clip width, lead arrangement.
#include "app/SDIMain.h"

#include "app/Dialogs.h"
#include "app/PictureBox.h"
#include "app/WidgetHelpers.h"
#include "interaction/LeadArrangement.h"
#include "interaction/LeadSelection.h"
#include "recording/Constants.h"

#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace velundia {

namespace {

// currentLead is only ever taken from a list row below MaxChannels, so it indexes every
// per-channel array; it may still lie beyond the channels of the file now loaded.
std::size_t at(int channel) { return static_cast<std::size_t>(channel); }

int32_t packedFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace

// --- selection ---

void TSDIAppForm::CheckListBox1Click(QObject*) { runSelectionSteps(); }

void TSDIAppForm::LabelE1Click(QObject* Sender) {
    const int number = tagOf(Sender) + 1;
    // Only the channels of the file count, so a label past the shown leads selects nothing.
    const int channel = nthShownChannel(leads_, recording_.channelCount, number);
    if (channel < 0) return;
    {
        const QSignalBlocker listBlocker(CheckListBox1);
        CheckListBox1->setCurrentRow(channel);
    }
    runSelectionSteps();
}

void TSDIAppForm::CheckListBox1ClickCheck(QObject*) {
    const int c = CheckListBox1->currentRow();
    if (c < 0 || c >= std::min<int>(recording_.channelCount, MaxChannels) || c >= CheckListBox1->count()) return;
    const bool marked = CheckListBox1->item(c)->checkState() == Qt::Checked;
    int32_t& shown = leads_.shown[at(c)];
    // The list reports every change of an item; only a new mark shows or hides the lead,
    // which keeps shownCount equal to the number of flags set.
    if (marked == (shown != 0)) return;
    shown = marked ? 1 : 0;
    recording_.shownCount += marked ? 1 : -1;
    CheckBox1->setChecked(false);  // leaves move mode (and reorders) with the new flags
    RenderTraces();
    PlaceLeadLabels();
    PresentOverlay();
}

void TSDIAppForm::LabelE1MouseMove(QObject*) {}

void TSDIAppForm::ComboBox1Change(QObject*) {
    RenderOverview();
    DrawViewportFrame();
}

void TSDIAppForm::runSelectionSteps() {
    const int row = CheckListBox1->currentRow();
    if (row >= 0 && row < MaxChannels) settings_.currentLead = row;
    const int lead = settings_.currentLead;
    loadingLeadControls = true;
    // The list has items only for the channels of the file.
    const int slot = displaySlotOf(leads_, std::min<int>(lead, recording_.channelCount));
    const int step = leads_.gainStep[at(lead)];
    for (std::size_t k = 0; k < NN.size(); ++k) NN[k]->setChecked(static_cast<int>(k) == step);
    setCaption(Label49, fromFileText(recording_.channelTable.leadName(lead)));  // empty beyond the table
    setCaption(Label50, QString::fromStdString(gainFactorText(step)));
    setCaption(Label63, QString::number(leads_.clipWidth[at(lead)]));
    ScrollBar1->setValue(step);
    ScrollBar4->setValue(leads_.clipWidth[at(lead)]);
    ScrollBar2->setValue(leads_.position[at(slot)] - 20);  // clamped: a centre stays 20 px inside the box
    PlaceLeadLabels();
    PresentOverlay();
    loadingLeadControls = false;
}

// --- per-lead gain, colour and clip width ---

void TSDIAppForm::ScrollBar1Change(QObject*) {
    const int step = ScrollBar1->value();
    const std::size_t lead = at(settings_.currentLead);
    leads_.gainDivisor[lead] = GainTable[at(step)];
    leads_.gainStep[lead] = step;
    setCaption(Label50, QString::fromStdString(gainFactorText(step)));
    for (std::size_t k = 0; k < NN.size(); ++k) NN[k]->setChecked(static_cast<int>(k) == leads_.gainStep[lead]);
    if (loadingLeadControls) return;
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::ScrollBar4Change(QObject*) {
    const int width = ScrollBar4->value();
    leads_.clipWidth[at(settings_.currentLead)] = width;
    setCaption(Label63, QString::number(width));
    if (loadingLeadControls) return;
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::SpeedButton1Click(QObject* Sender) {
    leads_.colour[at(settings_.currentLead)] = tagOf(Sender);  // the button's colour, 0x00BBGGRR
    RenderTraces();
    PresentOverlay();
}

void TSDIAppForm::SpeedButton12Click(QObject*) {
    int32_t& colour = leads_.colour[at(settings_.currentLead)];
    QColor chosen = colourFromPacked(static_cast<uint32_t>(colour));
    if (dialogs().chooseColour(this, chosen)) colour = packedFromColour(chosen);
    RenderTraces();
    PresentOverlay();
}

// The bar moves only when the step differs, so choosing the checked item does nothing.
void TSDIAppForm::setGainStepFromMenu(int step) { ScrollBar1->setValue(step); }

void TSDIAppForm::NN0Click(QObject*) { setGainStepFromMenu(0); }
void TSDIAppForm::NN1Click(QObject*) { setGainStepFromMenu(1); }
void TSDIAppForm::NN2Click(QObject*) { setGainStepFromMenu(2); }
void TSDIAppForm::NN3Click(QObject*) { setGainStepFromMenu(3); }
void TSDIAppForm::NN4Click(QObject*) { setGainStepFromMenu(4); }
void TSDIAppForm::NN5Click(QObject*) { setGainStepFromMenu(5); }
void TSDIAppForm::NN6Click(QObject*) { setGainStepFromMenu(6); }
void TSDIAppForm::NN7Click(QObject*) { setGainStepFromMenu(7); }

// --- lead arrangement (move mode) ---

void TSDIAppForm::MoveClick(QObject*) { CheckBox1->setChecked(!CheckBox1->isChecked()); }

void TSDIAppForm::CheckBox1Click(QObject*) {
    if (CheckBox1->isChecked()) {
        ScrollBar2->show();
    } else {
        ScrollBar2->hide();
        ReorderLeadsByPosition();
    }
    RenderTraces();
    PlaceLeadLabels();
    RenderOverview();
    DrawViewportFrame();
    PresentOverlay();
    flipCheck(Move);
}

void TSDIAppForm::ScrollBar2Change(QObject*) {
    const int slot = displaySlotOf(leads_, std::min<int>(settings_.currentLead, recording_.channelCount));
    leads_.position[at(slot)] = slotPositionFromBar(ScrollBar2->value());
    RenderTraces();
    PresentOverlay();
    PlaceLeadLabels();
}

// The lead list, the grid and the chooser are rewritten from code in the new channel order;
// none of their handlers runs, the list keeps its current row and currentLead its number.
void TSDIAppForm::ReorderLeadsByPosition() {
    std::vector<LeadListItem> items;
    items.reserve(static_cast<std::size_t>(CheckListBox1->count()));
    for (int row = 0; row < CheckListBox1->count(); ++row) {
        const QListWidgetItem* item = CheckListBox1->item(row);
        items.push_back({item->text().toLatin1().toStdString(), item->checkState() == Qt::Checked});
    }
    velundia::ReorderLeadsByPosition(recording_, leads_, items, PaintBox1->height());
    {
        const QSignalBlocker listBlocker(CheckListBox1);
        for (int row = 0; row < CheckListBox1->count(); ++row) {
            QListWidgetItem* item = CheckListBox1->item(row);
            item->setText(fromFileText(items[at(row)].name));
            item->setCheckState(items[at(row)].checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    fillChannelGrid();
    const QSignalBlocker comboBlocker(ComboBox1);
    ComboBox1->clear();
    for (int channel = 0; channel < recording_.channelCount; ++channel)
        ComboBox1->addItem(fromFileText(recording_.channelTable.leadName(channel)));
    // The box selects its first item by itself; with fewer than three channels it shows none.
    ComboBox1->setCurrentIndex(recording_.channelCount >= 3 ? 2 : -1);
}

}  // namespace velundia
