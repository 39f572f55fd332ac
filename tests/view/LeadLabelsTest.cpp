#include "view/LeadLabels.h"

#include "tests/support/TinyRecording.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

using testing::TinyRecording;

struct Labels : ::testing::Test {
    TinyRecording tiny = TinyRecording::constant({"I", "II", "III", "aVR"}, 100, 0);
    ViewControls controls;
    std::array<LeadLabelPlacement, LeadLabelCount> place() { return PlaceLeadLabels(tiny.rec(), tiny.leads, controls); }
};

TEST_F(Labels, TopsFollowTheRowCentresOrTheHandSetRows) {
    auto labels = place();
    const int tops[] = {33, 109, 185, 261};
    const char* names[] = {"I", "II", "III", "aVR"};
    for (int n = 0; n < 4; ++n) {
        const LeadLabelPlacement& l = labels[std::size_t(n)];
        EXPECT_TRUE(l.visible);
        EXPECT_EQ(l.top, tops[n]);
        EXPECT_EQ(l.left, 30);
        EXPECT_EQ(l.width, 105);
        EXPECT_EQ(l.caption, names[n]);
        EXPECT_EQ(l.colour, 0u);
    }
    for (int n = 4; n < LeadLabelCount; ++n) EXPECT_FALSE(labels[std::size_t(n)].visible) << n;

    controls.moveMode = true;
    tiny.leads.position[1] = 150;
    labels = place();
    EXPECT_EQ(labels[1].top, 146);
}

TEST_F(Labels, HiddenChannelsAreSkippedAndNothingShownHidesAll) {
    tiny.hide(1);
    auto labels = place();
    EXPECT_EQ(labels[0].caption, "I");
    EXPECT_EQ(labels[1].caption, "III");
    EXPECT_EQ(labels[2].caption, "aVR");
    EXPECT_FALSE(labels[3].visible);

    tiny.hide(0), tiny.hide(2), tiny.hide(3);
    for (const LeadLabelPlacement& l : place()) EXPECT_FALSE(l.visible);
}

TEST_F(Labels, OnlyTheSelectedChannelIsRed) {
    struct Case {
        int selection;
        int redLabel;  // -1: none
    } cases[] = {{-1, -1}, {0, 0}, {2, 1}, {1, -1}, {3, 2}};
    tiny.hide(1);
    for (const Case& c : cases) {
        controls.listSelection = c.selection;
        const auto labels = place();
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(labels[std::size_t(n)].colour, n == c.redLabel ? 255u : 0u) << "selection " << c.selection << " label " << n;
    }
}

TEST_F(Labels, LeadsBeyondTheSixtyNinthGetNoLabelAndMiscountsStayInBounds) {
    std::vector<std::string> names;
    for (int c = 0; c < 80; ++c) names.push_back("L" + std::to_string(c));
    tiny = TinyRecording::constant(names, 100, 0);
    auto labels = place();
    for (const LeadLabelPlacement& l : labels) EXPECT_TRUE(l.visible);
    EXPECT_EQ(labels[68].caption, "L68");

    tiny = TinyRecording::constant({"I", "II", "III"}, 100, 0);
    tiny.rec().shownCount = 10;
    labels = place();
    EXPECT_TRUE(labels[2].visible);
    EXPECT_EQ(labels[2].caption, "III");
    for (int n = 3; n < LeadLabelCount; ++n) EXPECT_FALSE(labels[std::size_t(n)].visible) << n;
}

}  // namespace
}  // namespace velundia
