#pragma once

#include "recording/ChannelTable.h"

#include <cstdint>
#include <string>

namespace velundia {

// Trace colour (0x00BBGGRR) of a channel's colour name; exact, case-sensitive match.
// "CYAN" draws as magenta and "GREENCYAN" as green; unknown or empty names are white.
int32_t colourForName(const std::string& colourName);

// True for the nine standard leads that start hidden: "III", "aVR", "aVF", "V2" .. "V6", "aVL"
// (whole-text, case-sensitive comparison).
bool hiddenByDefault(const std::string& leadName);

// Divisor of every sample drawn on the twelve-lead sheet: 215 when the first channel's
// gain text is exactly "2mv", else 86.
int32_t amplitudeDivisorFor(const ChannelTable& table);

}  // namespace velundia
