#pragma once

#include "recording/LeadSettings.h"

#include <string>

namespace velundia {

// Display slot of a channel: how many channels before it are shown (checked). Channels past
// MaxChannels are not looked at.
int displaySlotOf(const LeadSettings& leads, int channel);
// Channel of the n-th shown lead (n from 1), looking only at channels 0..channelCount-1;
// -1 when fewer than n leads are shown.
int nthShownChannel(const LeadSettings& leads, int channelCount, int n);
// The gain factor a user reads for a gain step: 2 to the power step, "1" .. "128";
// empty for a step outside 0..7.
std::string gainFactorText(int gainStep);

}  // namespace velundia
