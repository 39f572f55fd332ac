#pragma once

#include "recording/ExportHeader.h"

#include <array>
#include <string>

namespace velundia {

constexpr int HeaderPageRows = 24;

// The fixed captions of the HEADER page rows, top to bottom.
const std::array<const char*, HeaderPageRows>& headerPageCaptions();

// Texts of the four coded fields, looked up by the field's first byte; empty when unknown.
std::string fileTypeText(const std::string& field);       // '1' "WAVEFORM data" ...
std::string sampleFormatText(const std::string& field);   // '1' "16 bit 2s comp" ...
std::string multiplexModeText(const std::string& field);  // '0' "no multiplex" ...
std::string stampFlagText(const std::string& field);      // 'T' / 'F'

// The value column of the HEADER page, row by row: raw field texts and the four code texts.
std::array<std::string, HeaderPageRows> headerPageValues(const ExportHeader& header);

}  // namespace velundia
