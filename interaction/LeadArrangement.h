#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"

#include <string>
#include <vector>

namespace velundia {

// An item of the lead list: the lead name and its check mark, in channel order.
struct LeadListItem {
    std::string name;
    bool checked = false;
};

// Position a display slot takes from the move-mode bar: bar position + 20.
inline int slotPositionFromBar(int barPosition) { return barPosition + 20; }

// Leaving move mode: the shown leads placed within 1..traceHeight come first, ordered by their
// row centre from the top (equal centres: the lower slot first); all other channels follow in
// their previous order. Samples (through scratchRow), colour, gain step and divisor, clip width,
// channel-table columns 1..7 and the list items move with their channel; "CH No." stays;
// the shown flags are rebuilt from the list's marks.
void ReorderLeadsByPosition(Recording& recording, LeadSettings& leads, std::vector<LeadListItem>& leadList,
                            int traceHeight);

}  // namespace velundia
