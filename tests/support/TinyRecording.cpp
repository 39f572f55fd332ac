#include "tests/support/TinyRecording.h"

#include <algorithm>

namespace velundia::testing {

TinyRecording TinyRecording::constant(const std::vector<std::string>& leadNames, int samples, int value) {
    TinyRecording t;
    Recording& r = *t.recording;
    r.channelCount = static_cast<int>(leadNames.size());
    r.shownCount = r.channelCount;
    r.totalSamples = samples;
    r.loadedSamples = std::min(samples, MaxSamples);
    r.channelTable.setRowCount(r.channelCount + 1);
    for (int c = 0; c < r.channelCount; ++c) {
        r.channelTable.setCell(0, c + 1, std::to_string(c + 1));
        r.channelTable.setCell(1, c + 1, leadNames[static_cast<std::size_t>(c)]);
        t.fill(c, value, 0, r.loadedSamples);
        t.leads.shown[static_cast<std::size_t>(c)] = 1;
        t.leads.colour[static_cast<std::size_t>(c)] = 0xFFFFFF;
    }
    t.leads.gainStep.fill(4);
    t.leads.gainDivisor.fill(8);
    t.leads.clipWidth.fill(50);
    return t;
}

void TinyRecording::setSamples(int channel, std::initializer_list<int> values, int from) {
    int16_t* row = recording->sampleMatrix.row(channel);
    for (int v : values) row[from++] = static_cast<int16_t>(v);
}

void TinyRecording::fill(int channel, int value, int from, int to) {
    int16_t* row = recording->sampleMatrix.row(channel);
    std::fill(row + from, row + to, static_cast<int16_t>(value));
}

void TinyRecording::hide(int channel) {
    if (leads.shown[static_cast<std::size_t>(channel)]) {
        leads.shown[static_cast<std::size_t>(channel)] = 0;
        --recording->shownCount;
    }
}

}  // namespace velundia::testing
