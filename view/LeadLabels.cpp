#include "view/LeadLabels.h"

#include "view/TraceGeometry.h"

namespace velundia {

namespace {
constexpr Colour Red = 0x0000FF;
constexpr Colour Black = 0x000000;
// Labels stand 4 pixels above their row centre; the lead column starts 2 pixels above the
// trace box, so a 16-pixel label is centred 2 pixels below its trace.
constexpr int LabelRaise = 4;
}  // namespace

std::array<LeadLabelPlacement, LeadLabelCount> PlaceLeadLabels(const Recording& recording, const LeadSettings& leads,
                                                               const ViewControls& controls) {
    std::array<LeadLabelPlacement, LeadLabelCount> labels{};
    const double rh = rowHeight(controls.traceHeight, recording.shownCount);
    int channel = -1;
    for (int number = 1; number <= LeadLabelCount; ++number) {
        LeadLabelPlacement& label = labels[static_cast<std::size_t>(number - 1)];
        if (number > recording.shownCount) continue;
        do {
            ++channel;
        } while (channel < MaxChannels && !leads.shown[static_cast<std::size_t>(channel)]);
        // More leads counted than flagged: the remaining labels stay hidden.
        if (channel >= MaxChannels) break;
        label.visible = true;
        label.top = controls.moveMode ? leads.position[static_cast<std::size_t>(number - 1)] - LabelRaise
                                      : static_cast<int>(number * rh - rh * 0.5 - LabelRaise);
        label.caption = recording.channelTable.cell(1, channel + 1);
        label.colour = controls.listSelection == channel ? Red : Black;
    }
    return labels;
}

}  // namespace velundia
