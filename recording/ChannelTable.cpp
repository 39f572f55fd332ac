#include "recording/ChannelTable.h"

#include <algorithm>
#include <utility>

namespace velundia {

const std::array<const char*, ChannelTableColumns>& channelTableTitles() {
    static const std::array<const char*, ChannelTableColumns> titles = {
        "CH No.", "LEAD", "GAIN", "LPF", "HPF", "SAMPLING", "SCALE", "COLOR"};
    return titles;
}

void ChannelTable::setRowCount(int count) { rows.resize(static_cast<std::size_t>(std::max(count, 0))); }

const std::string& ChannelTable::cell(int column, int row) const {
    static const std::string empty;
    if (column < 0 || column >= ChannelTableColumns || row < 0 || row >= rowCount()) return empty;
    return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ChannelTable::setCell(int column, int row, std::string text) {
    if (column < 0 || column >= ChannelTableColumns || row < 0 || row >= rowCount()) return;
    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

}  // namespace velundia
