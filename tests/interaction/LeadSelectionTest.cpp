#include "interaction/LeadSelection.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

// Channels 0..5 with channel 1 hidden, and a stale flag left at 6 by a larger file.
LeadSettings sixChannelsWithOneHidden() {
    LeadSettings leads;
    for (int c : {0, 2, 3, 4, 5, 6}) leads.shown[static_cast<std::size_t>(c)] = 1;
    return leads;
}

TEST(LeadSelection, NthShownChannelIsBoundedByTheChannelCount) {
    const LeadSettings leads = sixChannelsWithOneHidden();
    struct Case {
        int n, channel;
    } cases[] = {{1, 0}, {2, 2}, {5, 5}, {6, -1}, {0, -1}, {-3, -1}, {69, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(nthShownChannel(leads, 6, c.n), c.channel);
    }
    EXPECT_EQ(nthShownChannel(leads, 7, 6), 6);
    EXPECT_EQ(nthShownChannel(leads, 500, 7), -1);
}

// A hidden lead's slot is that of the next shown lead after it.
TEST(LeadSelection, DisplaySlotCountsTheShownChannelsBefore) {
    const LeadSettings leads = sixChannelsWithOneHidden();
    struct Case {
        int channel, slot;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {5, 4}, {-1, 0}, {200, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        EXPECT_EQ(displaySlotOf(leads, c.channel), c.slot);
    }
}

TEST(LeadSelection, GainFactorText) {
    struct Case {
        int step;
        const char* text;
    } cases[] = {{0, "1"}, {1, "2"}, {4, "16"}, {7, "128"}, {8, ""}, {-1, ""}};
    for (const Case& c : cases) EXPECT_EQ(gainFactorText(c.step), c.text) << c.step;
}

}  // namespace
}  // namespace velundia
