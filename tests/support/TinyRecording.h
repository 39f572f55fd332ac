#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace velundia::testing {

// A recording put together in memory, as an open of such a file would leave the store:
// lead names in the channel table, counts, every channel shown unless hidden is given,
// LeadSettings as after an open (gain step 4, divisor 8, clip width 50, white).
struct TinyRecording {
    std::unique_ptr<Recording> recording = std::make_unique<Recording>();
    LeadSettings leads;

    // Channels named by leadNames; each sample row filled with constant `value` up to `samples`.
    static TinyRecording constant(const std::vector<std::string>& leadNames, int samples, int value);

    void setSamples(int channel, std::initializer_list<int> values, int from = 0);
    void fill(int channel, int value, int from, int to);  // samples [from, to)
    void hide(int channel);
    Recording& rec() { return *recording; }
};

}  // namespace velundia::testing
