#pragma once

#include "recording/ChannelRecord.h"
#include "recording/ExportHeader.h"
#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "recording/SampleMatrix.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velundia {

enum class ReadOutcome {
    Loaded,       // complete file
    LoadedShort,  // accepted, but the file ended early: what was missing reads as empty text / 0
    CannotOpen,   // not opened: missing, refused by the system, a folder
    Refused,      // opened, but its header lies outside what can be held (see message)
};

// Everything an export file yields, read and checked before anything of the store changes.
struct ExportFile {
    ExportHeader header;
    std::vector<ChannelRecord> channels;  // channelCount records
    SampleMatrix samples;                 // channels 0..channelCount-1, samples 0..loadedSamples-1
    int32_t channelCount = 0;
    int32_t totalSamples = 0;
    int32_t loadedSamples = 0;
    int64_t framesPresent = 0;      // complete sample frames the file held of the loadedSamples expected
    bool complete = true;           // header, records and frames all present
    std::vector<std::string> warnings;  // one text per problem; empty for a complete file
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    std::string message;  // why not opened or refused, or the short-file warning
    // CannotOpen only: the system's reason (e.g. "No such file or directory"); message then
    // holds the window's text "doesn't exist".
    std::string reason;
    std::unique_ptr<ExportFile> file;  // set when Loaded or LoadedShort
    bool accepted() const { return outcome == ReadOutcome::Loaded || outcome == ReadOutcome::LoadedShort; }
};

// Called while sample frames are read: frame is a multiple of 100, frameCount = loadedSamples.
using ReadProgress = std::function<void(int frame, int frameCount)>;

// Reads an export file without touching any store. The file is opened read-only.
ReadResult readExportFile(const std::string& path, const ReadProgress& progress = {});
// The same reading over bytes already in memory.
ReadResult readExportBytes(const unsigned char* data, std::size_t size, const ReadProgress& progress = {});

// Puts an accepted file into the store: header, channel table (rows, numbers, texts, titles),
// samples, counts, the colour and shown flag of channels 0..channelCount-1 (others kept),
// gainStep 4, gainDivisor 8 and clipWidth 50 for all MaxChannels entries; position untouched.
void installExportFile(ExportFile&& file, Recording& recording, LeadSettings& leads);

}  // namespace velundia
