#include "interaction/LeadSelection.h"

#include "recording/Constants.h"

#include <algorithm>

namespace velundia {

int displaySlotOf(const LeadSettings& leads, int channel) {
    const int end = std::clamp(channel, 0, MaxChannels);
    return static_cast<int>(std::count_if(leads.shown.begin(), leads.shown.begin() + end,
                                          [](int32_t flag) { return flag != 0; }));
}

int nthShownChannel(const LeadSettings& leads, int channelCount, int n) {
    if (n < 1) return -1;
    const int end = std::clamp(channelCount, 0, MaxChannels);
    int seen = 0;
    for (int c = 0; c < end; ++c)
        if (leads.shown[static_cast<std::size_t>(c)] && ++seen == n) return c;
    return -1;
}

std::string gainFactorText(int gainStep) {
    if (gainStep < 0 || gainStep >= static_cast<int>(GainTable.size())) return {};
    return std::to_string(1 << gainStep);
}

}  // namespace velundia
