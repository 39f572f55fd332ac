#include "recording/ChannelDefaults.h"

#include <array>

namespace velundia {

namespace {

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Magenta = 0xFF00FF;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Yellow = 0x00FFFF;

struct NamedColour {
    const char* name;
    int32_t colour;  // 0x00BBGGRR
};

// Tested in this order, first match wins. "CYAN" has always drawn as magenta and
// "GREENCYAN" as green; recordings rely on those looks, so they stay.
constexpr std::array<NamedColour, 6> ColourNames = {{
    {"CYAN", Magenta},
    {"WHITE", White},
    {"MAGENTA", Magenta},
    {"GREEN", Green},
    {"GREENCYAN", Green},
    {"YELLOW", Yellow},
}};

constexpr std::array<const char*, 9> HiddenLeads = {"III", "aVR", "aVF", "V2", "V3", "V4", "V5", "V6", "aVL"};

}  // namespace

int32_t colourForName(const std::string& colourName) {
    for (const NamedColour& entry : ColourNames)
        if (colourName == entry.name) return entry.colour;
    return White;
}

bool hiddenByDefault(const std::string& leadName) {
    for (const char* name : HiddenLeads)
        if (leadName == name) return true;
    return false;
}

int32_t amplitudeDivisorFor(const ChannelTable& table) { return table.cell(2, 1) == "2mv" ? 215 : 86; }

}  // namespace velundia
