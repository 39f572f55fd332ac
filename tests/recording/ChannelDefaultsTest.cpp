#include "recording/ChannelDefaults.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

TEST(ChannelDefaults, ColourNamesWithTheirQuirks) {
    const struct Case {
        const char* name;
        int32_t colour;  // 0x00BBGGRR
    } cases[] = {
        {"CYAN", 0xFF00FF},  // drawn as magenta
        {"MAGENTA", 0xFF00FF},
        {"WHITE", 0xFFFFFF},
        {"GREEN", 0x00FF00},
        {"GREENCYAN", 0x00FF00},
        {"YELLOW", 0x00FFFF},
        {"cyan", 0xFFFFFF},
        {"Yellow", 0xFFFFFF},
        {"GREEN ", 0xFFFFFF},
        {"RED", 0xFFFFFF},
        {"", 0xFFFFFF},
    };
    for (const Case& c : cases) EXPECT_EQ(colourForName(c.name), c.colour) << '"' << c.name << '"';
}

TEST(ChannelDefaults, OnlyTheNineStandardNamesStartHidden) {
    for (const char* name : {"III", "aVR", "aVL", "aVF", "V2", "V3", "V4", "V5", "V6"})
        EXPECT_TRUE(hiddenByDefault(name)) << name;
    for (const char* name : {"I", "II", "V1", "HIS d", "", "avr", "AVR", "iii", "III ", "V2 ", " V3", "V7"})
        EXPECT_FALSE(hiddenByDefault(name)) << '"' << name << '"';
}

TEST(ChannelDefaults, AmplitudeDivisorFromTheFirstChannelsGainText) {
    const struct Case {
        const char* gain;
        int32_t divisor;
    } cases[] = {{"2mv", 215}, {"2mV", 86}, {"2mv ", 86}, {" 2mv", 86}, {"1mv", 86}, {"", 86}};
    for (const Case& c : cases) {
        ChannelTable table;
        table.setRowCount(3);
        table.setCell(2, 1, c.gain);
        table.setCell(2, 2, "2mv");  // only the first channel counts
        EXPECT_EQ(amplitudeDivisorFor(table), c.divisor) << '"' << c.gain << '"';
    }
    ChannelTable titlesOnly;
    titlesOnly.setRowCount(1);
    EXPECT_EQ(amplitudeDivisorFor(titlesOnly), 86);
}

}  // namespace
}  // namespace velundia
