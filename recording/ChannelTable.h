#pragma once

#include <array>
#include <string>
#include <vector>

namespace velundia {

constexpr int ChannelTableColumns = 8;
constexpr int ChannelTableInitialRows = 8;  // the empty grid before any open, title row included

// Titles of row 0: "CH No.", "LEAD", "GAIN", "LPF", "HPF", "SAMPLING", "SCALE", "COLOR".
const std::array<const char*, ChannelTableColumns>& channelTableTitles();

// The cells of the CHANNEL DATA grid: row 0 holds the titles, row r = channel + 1 holds
// r in column 0 and the texts of leadName .. colourName in columns 1..7.
// It is the store of the channel table that every other layer reads.
struct ChannelTable {
    using Row = std::array<std::string, ChannelTableColumns>;
    std::vector<Row> rows = std::vector<Row>(ChannelTableInitialRows);

    int rowCount() const { return static_cast<int>(rows.size()); }
    void setRowCount(int count);  // keeps the rows that remain; new rows are empty

    // Empty text outside the table; writes outside the table are ignored.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    // Lead name of a 0-based channel: column 1 of row channel + 1.
    const std::string& leadName(int channel) const { return cell(1, channel + 1); }
};

}  // namespace velundia
