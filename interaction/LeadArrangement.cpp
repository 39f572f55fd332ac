#include "interaction/LeadArrangement.h"

#include "recording/ChannelTable.h"
#include "recording/Constants.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace velundia {

namespace {

// Brings element `index` to the front; the elements before it move one place down.
template <typename Array>
void bringToFront(Array& values, int index) {
    std::rotate(values.begin(), values.begin() + index, values.begin() + index + 1);
}

// Moves everything that belongs to channel c to channel index 0; channels 0..c-1 move one down.
// Column 0 of the channel table ("CH No.") keeps its numbers.
void moveChannelToTop(Recording& recording, LeadSettings& leads, std::vector<LeadListItem>& leadList, int c) {
    SampleMatrix& samples = recording.sampleMatrix;
    if (recording.scratchRow.size() < static_cast<std::size_t>(MaxSamples))
        recording.scratchRow.resize(MaxSamples, 0);
    int16_t* scratch = recording.scratchRow.data();
    std::copy(samples.row(c), samples.row(c) + MaxSamples, scratch);
    for (int r = c; r > 0; --r) std::copy(samples.row(r - 1), samples.row(r - 1) + MaxSamples, samples.row(r));
    std::copy(scratch, scratch + MaxSamples, samples.row(0));

    bringToFront(leads.colour, c);
    bringToFront(leads.gainDivisor, c);
    bringToFront(leads.clipWidth, c);
    bringToFront(leads.gainStep, c);

    // Table row c + 1 belongs to channel c; row 0 holds the titles.
    auto& rows = recording.channelTable.rows;
    if (static_cast<std::size_t>(c) + 1 < rows.size()) {
        for (int column = 1; column < ChannelTableColumns; ++column) {
            std::string moved = std::move(rows[c + 1][column]);
            for (int r = c + 1; r > 1; --r) rows[r][column] = std::move(rows[r - 1][column]);
            rows[1][column] = std::move(moved);
        }
    }

    if (static_cast<std::size_t>(c) < leadList.size()) bringToFront(leadList, c);
}

}  // namespace

void ReorderLeadsByPosition(Recording& recording, LeadSettings& leads, std::vector<LeadListItem>& leadList,
                            int traceHeight) {
    const int channels = std::clamp(static_cast<int>(recording.channelCount), 0, MaxChannels);
    const int slots = std::clamp(static_cast<int>(recording.shownCount), 0, MaxChannels);

    // Channel of each display slot (0-based), from the shown flags as they are when the pass
    // begins: the pass moves channels but never these flags.
    std::array<int, MaxChannels> slotChannel{};
    int found = 0;
    for (int c = 0; c < channels && found < slots; ++c)
        if (leads.shown[static_cast<std::size_t>(c)]) slotChannel[static_cast<std::size_t>(found++)] = c;

    // slotShift[k]: channels moved in front of slot k's channel so far, i.e. how far it has
    // been pushed down from where the pass found it. Indexed like position, by 0-based slot.
    std::array<int, MaxChannels> slotShift{};

    // From the bottom up, so the last lead moved (the topmost) ends at index 0; on equal rows
    // the later slot moves last and so comes first.
    for (int y = traceHeight; y >= 1; --y) {
        for (int k = 0; k < found; ++k) {
            if (leads.position[static_cast<std::size_t>(k)] != y) continue;
            const int c = slotChannel[static_cast<std::size_t>(k)] + slotShift[static_cast<std::size_t>(k)];
            if (c < 0 || c >= channels) continue;
            moveChannelToTop(recording, leads, leadList, c);
            for (int j = 0; j < k; ++j) ++slotShift[static_cast<std::size_t>(j)];
        }
    }

    const int marks = std::min(channels, static_cast<int>(leadList.size()));
    for (int c = 0; c < marks; ++c) leads.shown[static_cast<std::size_t>(c)] = leadList[static_cast<std::size_t>(c)].checked ? 1 : 0;
}

}  // namespace velundia
