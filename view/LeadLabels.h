#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/Canvas.h"
#include "view/ViewControls.h"

#include <array>
#include <string>

namespace velundia {

constexpr int LeadLabelCount = 69;  // LabelE1 .. LabelE69

struct LeadLabelPlacement {
    bool visible = false;
    int top = 0;          // lead-column pixels
    int left = 30;
    int width = 105;      // text right-aligned, ending at x = 135
    std::string caption;  // lead name; meaningful only when visible
    Colour colour = 0;    // red (255) for the list's selected channel, else black
};

// Placement of LabelE1..LabelE69: label n stands beside display slot n - 1.
std::array<LeadLabelPlacement, LeadLabelCount> PlaceLeadLabels(const Recording& recording, const LeadSettings& leads,
                                                               const ViewControls& controls);

}  // namespace velundia
