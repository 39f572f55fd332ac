#pragma once

#include "recording/ExportReader.h"
#include "recording/LeadSettings.h"
#include "recording/Recording.h"

#include <cstddef>
#include <string>

namespace velundia::harness {

// Checks shared by the hostile-file test and the fuzz target. Each returns the first
// broken rule as a sentence, or an empty text when every rule holds, so that a GoogleTest
// expectation and a fuzzer's abort can both report it.

// The reader's promises about one result: Loaded has no message and a complete file,
// LoadedShort and Refused carry a message, a refusal names one of the parsed header fields.
std::string resultViolation(const ReadResult& result);

// An accepted file before it is installed: counts within the store, one record per channel,
// and nothing stored outside channels 0..channelCount-1 and samples 0..loadedSamples-1.
std::string fileViolation(const ExportFile& file);

// The store after installExportFile: 0 <= shownCount <= channelCount <= MaxChannels,
// loadedSamples = min(totalSamples, MaxSamples), the shown flags of channels
// 0..channelCount-1 are 0 or 1 and add up to shownCount, one grid row per channel.
std::string storeViolation(const Recording& recording, const LeadSettings& leads);

// The settings that live in controls, picked from a few bytes so that a fuzzer or a seed
// steers them: sweep ratio, first visible sample within the scroll range, brush, clipping,
// move mode, ruler, gains, overview lead, list selection, calibration steps.
struct RenderChoice {
    int sweepIndex = 2;       // 0..4: 1/4, 1/2, 1, 2, 4 samples per pixel
    bool ruler = true;
    bool clipping = false;
    bool moveMode = false;
    int brushShape = 1;       // 1 square, 2 round
    int scrollShare = 0;      // 0..255: first visible sample as a share of the scroll range
    int brushWidth = 1;       // 1..5
    int gainStep = 4;         // 0..7, for every lead
    int calibrationStep = 2;  // 0..2, for every sheet lead
    int globalGain = 25;      // 1..50
    int overviewPick = 0;     // 0: as after an open; n: channel (n - 1) mod channelCount
    int selectionPick = 0;    // 0: none; n: channel (n - 1) mod channelCount
    int movedRow = 0;         // 0..255: in move mode, the row the first shown lead is moved to
};
constexpr std::size_t RenderChoiceBytes = 7;
// Missing bytes count as 0.
RenderChoice renderChoiceFrom(const unsigned char* bytes, std::size_t size);

// Draws the installed store the way the waveform page does, on small surfaces (trace box
// 64 x 48, strip 40 x 16): RenderTraces outside move mode, in move mode when chosen, and with
// the twelve-lead sheet; RenderOverview, DrawViewportFrame and PlaceLeadLabels. Checks the row
// centres it stores and the labels it places; the sanitizers check every pixel written.
std::string renderViolation(const Recording& recording, LeadSettings& leads, const RenderChoice& choice);

// The whole path of one file's bytes: read, check, install into a fresh store, check, render.
std::string readInstallRender(const unsigned char* data, std::size_t size, const RenderChoice& choice);

}  // namespace velundia::harness
