#include "interaction/LeadArrangement.h"

#include "tests/support/TinyRecording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velundia {
namespace {

using testing::TinyRecording;

// Channels whose every belonging is marked with their original index o: samples (o + 1) * 100
// with -(o + 1) in the last stored sample, colour, gain, clip width, table texts, list item.
struct Channels {
    TinyRecording tiny;
    std::vector<LeadListItem> list;
    std::vector<std::string> names;
    std::vector<bool> hidden;

    Channels(const std::vector<std::string>& leadNames, const std::vector<int>& hiddenChannels)
        : tiny(TinyRecording::constant(leadNames, 100, 0)), names(leadNames), hidden(leadNames.size(), false) {
        for (int c : hiddenChannels) {
            tiny.hide(c);
            hidden[static_cast<std::size_t>(c)] = true;
        }
        for (int c = 0; c < count(); ++c) {
            const auto u = static_cast<std::size_t>(c);
            tiny.fill(c, (c + 1) * 100, 0, MaxSamples - 1);
            tiny.rec().sampleMatrix.row(c)[MaxSamples - 1] = static_cast<int16_t>(-(c + 1));
            tiny.leads.colour[u] = 0x100 + c;
            tiny.leads.gainStep[u] = c % 8;
            tiny.leads.gainDivisor[u] = GainTable[u % 8];
            tiny.leads.clipWidth[u] = 10 + c;
            for (int column = 2; column < ChannelTableColumns; ++column)
                tiny.rec().channelTable.setCell(column, c + 1, names[u] + std::to_string(column));
            list.push_back({names[u], !hidden[u]});
        }
    }
    int count() const { return static_cast<int>(names.size()); }

    void reorder(const std::vector<int>& positions, int traceHeight) {
        std::copy(positions.begin(), positions.end(), tiny.leads.position.begin());
        ReorderLeadsByPosition(tiny.rec(), tiny.leads, list, traceHeight);
    }

    // Everything at index i belongs to original channel order[i]; "CH No." stays i + 1.
    void expectOrder(const std::vector<int>& order) {
        const Recording& r = tiny.rec();
        ASSERT_EQ(static_cast<int>(order.size()), count());
        for (int i = 0; i < count(); ++i) {
            const int o = order[static_cast<std::size_t>(i)];
            const auto u = static_cast<std::size_t>(i);
            const auto ou = static_cast<std::size_t>(o);
            SCOPED_TRACE(::testing::Message() << "index " << i << " should hold " << names[ou]);
            EXPECT_EQ(list[u].name, names[ou]);
            EXPECT_EQ(list[u].checked, !hidden[ou]);
            EXPECT_EQ(tiny.leads.shown[u], hidden[ou] ? 0 : 1);
            EXPECT_EQ(r.sampleMatrix.at(i, 0), (o + 1) * 100);
            EXPECT_EQ(r.sampleMatrix.at(i, MaxSamples - 1), -(o + 1));
            EXPECT_EQ(tiny.leads.colour[u], 0x100 + o);
            EXPECT_EQ(tiny.leads.gainStep[u], o % 8);
            EXPECT_EQ(tiny.leads.gainDivisor[u], GainTable[ou % 8]);
            EXPECT_EQ(tiny.leads.clipWidth[u], 10 + o);
            EXPECT_EQ(r.channelTable.cell(0, i + 1), std::to_string(i + 1));
            EXPECT_EQ(r.channelTable.leadName(i), names[ou]);
            for (int column = 2; column < ChannelTableColumns; ++column)
                EXPECT_EQ(r.channelTable.cell(column, i + 1), names[ou] + std::to_string(column));
        }
    }
};

std::vector<int> orderOf(const std::string& letters) {
    std::vector<int> order;
    for (char l : letters) order.push_back(l - 'A');
    return order;
}

TEST(ReorderLeadsByPosition, PlacesTheShownLeadsByHeightAndTheRestAfter) {
    struct Case {
        const char* name;
        std::string leads;
        std::vector<int> hidden;
        std::vector<int> positions;  // per display slot
        int traceHeight;
        std::string order;
    } cases[] = {
        // rows as RenderTraces spaces three leads in 341 px
        {"no move: hidden channels go last", "ABCD", {1}, {48, 146, 243}, 341, "ACDB"},
        {"C to the top", "ABC", {}, {48, 146, 20}, 341, "CAB"},
        {"equal heights: the lower in the list first", "ABC", {}, {100, 100, 200}, 341, "BAC"},
        {"hidden channel 0: each slot moves its own lead", "ABCD", {0}, {243, 146, 48}, 341, "DCBA"},
        {"moves push the unplaced leads down", "ABCD", {}, {10, 300, 20, 200}, 341, "ACDB"},
        {"smaller window: the lower leads keep their order", "ABCD", {}, {300, 50, 250, 100}, 200, "BDAC"},
        {"only 1..H is placed", "ABC", {}, {-3, 341, 342}, 341, "BAC"},
        // flags already updated by the hide, the heights still per slot
        {"a lead hidden in move mode", "ABCD", {1}, {150, 50, 100, 10}, 341, "CDAB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> names;
        for (char l : c.leads) names.emplace_back(1, l);
        Channels ch(names, c.hidden);
        const int shownBefore = ch.tiny.rec().shownCount;
        ch.reorder(c.positions, c.traceHeight);
        ch.expectOrder(orderOf(c.order));
        EXPECT_EQ(ch.tiny.rec().shownCount, shownBefore);
    }
}

TEST(ReorderLeadsByPosition, EightyChannelsTurnedUpsideDown) {
    std::vector<std::string> names;
    for (int c = 0; c < MaxChannels; ++c) names.push_back("L" + std::to_string(c));
    Channels ch(names, {});
    std::vector<int> positions, order;
    for (int k = 0; k < MaxChannels; ++k) {
        positions.push_back(MaxChannels - k);
        order.push_back(MaxChannels - 1 - k);
    }
    ch.reorder(positions, 100);
    ch.expectOrder(order);
}

// A lead list shorter than the channel count (or a stale shown count) never leads outside.
TEST(ReorderLeadsByPosition, InconsistentCountsStayInBounds) {
    Channels ch({"A", "B", "C"}, {});
    ch.tiny.rec().shownCount = MaxChannels;
    ch.list.pop_back();
    ch.reorder({5, 4, 3}, 341);
    const Recording& r = ch.tiny.rec();
    EXPECT_EQ(r.sampleMatrix.at(0, 0), 300);
    EXPECT_EQ(r.sampleMatrix.at(1, 0), 200);
    EXPECT_EQ(r.sampleMatrix.at(2, 0), 100);
    ASSERT_EQ(ch.list.size(), 2u);
    EXPECT_EQ(ch.list[0].name, "B");
    EXPECT_EQ(ch.list[1].name, "A");
}

}  // namespace
}  // namespace velundia
