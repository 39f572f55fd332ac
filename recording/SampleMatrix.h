#pragma once

#include "recording/Constants.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velundia {

// MaxChannels x MaxSamples raw signed 16-bit samples, channel-major: the MaxSamples
// samples of one channel are contiguous. Values are the file's numbers, unscaled.
class SampleMatrix {
public:
    SampleMatrix() : data_(static_cast<std::size_t>(MaxChannels) * MaxSamples, 0) {}

    int16_t* row(int channel) { return data_.data() + static_cast<std::size_t>(channel) * MaxSamples; }
    const int16_t* row(int channel) const {
        return data_.data() + static_cast<std::size_t>(channel) * MaxSamples;
    }
    int16_t at(int channel, int sample) const { return row(channel)[sample]; }
    void clear() { std::fill(data_.begin(), data_.end(), int16_t{0}); }

private:
    std::vector<int16_t> data_;
};

}  // namespace velundia
