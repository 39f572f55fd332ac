#include "tests/harness/StoreChecks.h"

#include "recording/ChannelDefaults.h"
#include "recording/Constants.h"
#include "view/LeadLabels.h"
#include "view/OverviewStrip.h"
#include "view/RasterSurface.h"
#include "view/TraceGeometry.h"
#include "view/TraceRenderer.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace velundia::harness {

namespace {

constexpr int TraceWidth = 64;
constexpr int TraceHeight = 48;
constexpr int StripWidth = 40;
constexpr int StripHeight = 16;

// The four header numbers the reader converts, as its refusals name them.
constexpr std::array<const char*, 4> ParsedFieldNames = {
    "exported channels", "samples per channel", "waveform block", "channel information block"};

struct SweepRatio {
    int numerator, denominator;
};
constexpr std::array<SweepRatio, 5> SweepRatios = {{{1, 4}, {1, 2}, {1, 1}, {2, 1}, {4, 1}}};

std::string number(int64_t v) { return std::to_string(v); }

// (pick - 1) mod count, or `none` when nothing is picked or there is nothing to pick.
int pickChannel(int pick, int count, int none) { return pick == 0 || count <= 0 ? none : (pick - 1) % count; }

}  // namespace

std::string resultViolation(const ReadResult& result) {
    switch (result.outcome) {
        case ReadOutcome::Loaded:
            if (!result.file) return "a loaded result carries no file";
            if (!result.file->complete) return "a loaded result says the file is incomplete";
            if (!result.message.empty()) return "a loaded result carries the message \"" + result.message + "\"";
            return {};
        case ReadOutcome::LoadedShort:
            if (!result.file) return "a short result carries no file";
            if (result.file->complete) return "a short result says the file is complete";
            if (result.message.empty()) return "a short result gives no reason";
            return {};
        case ReadOutcome::Refused:
            if (result.file) return "a refused result still carries a file";
            for (const char* field : ParsedFieldNames)
                if (result.message.find(field) != std::string::npos) return {};
            return "the refusal \"" + result.message + "\" names no header field";
        case ReadOutcome::CannotOpen:
            return "bytes in memory were reported as a file that cannot be opened";
    }
    return "unknown outcome";
}

std::string fileViolation(const ExportFile& file) {
    if (file.channelCount < 0 || file.channelCount > MaxChannels) return "channelCount " + number(file.channelCount);
    if (file.channels.size() != static_cast<std::size_t>(file.channelCount))
        return number(static_cast<int64_t>(file.channels.size())) + " records for " + number(file.channelCount) +
               " channels";
    if (file.totalSamples < 0) return "totalSamples " + number(file.totalSamples);
    if (file.loadedSamples != std::min(file.totalSamples, MaxSamples))
        return "loadedSamples " + number(file.loadedSamples) + " for totalSamples " + number(file.totalSamples);
    if (file.framesPresent < 0 || file.framesPresent > file.loadedSamples)
        return "framesPresent " + number(file.framesPresent) + " of " + number(file.loadedSamples);
    // The store is installed by moving this matrix in, so stale values here would be drawn.
    for (int c = 0; c < MaxChannels; ++c) {
        const int16_t* row = file.samples.row(c);
        const int from = c < file.channelCount ? file.loadedSamples : 0;
        const int16_t* stray = std::find_if(row + from, row + MaxSamples, [](int16_t s) { return s != 0; });
        if (stray != row + MaxSamples)
            return "sample " + number(stray - row) + " of channel " + number(c) + " is set outside the file's data";
    }
    return {};
}

std::string storeViolation(const Recording& recording, const LeadSettings& leads) {
    const int channels = recording.channelCount;
    if (channels < 0 || channels > MaxChannels) return "channelCount " + number(channels);
    if (recording.shownCount < 0 || recording.shownCount > channels)
        return "shownCount " + number(recording.shownCount) + " of " + number(channels) + " channels";
    if (recording.totalSamples < 0) return "totalSamples " + number(recording.totalSamples);
    if (recording.loadedSamples < 0 || recording.loadedSamples != std::min(recording.totalSamples, MaxSamples))
        return "loadedSamples " + number(recording.loadedSamples) + " for totalSamples " +
               number(recording.totalSamples);
    int flagged = 0;
    for (int c = 0; c < channels; ++c) {
        const int flag = leads.shown[static_cast<std::size_t>(c)];
        if (flag != 0 && flag != 1) return "shown flag " + number(flag) + " of channel " + number(c);
        flagged += flag;
    }
    if (flagged != recording.shownCount)
        return number(flagged) + " channels flagged shown but shownCount " + number(recording.shownCount);
    if (recording.channelTable.rowCount() != channels + 1)
        return number(recording.channelTable.rowCount()) + " grid rows for " + number(channels) + " channels";
    for (int c = 0; c < MaxChannels; ++c)
        if (std::find(GainTable.begin(), GainTable.end(), leads.gainDivisor[static_cast<std::size_t>(c)]) ==
            GainTable.end())
            return "gainDivisor " + number(leads.gainDivisor[static_cast<std::size_t>(c)]) + " of channel " + number(c);
    return {};
}

RenderChoice renderChoiceFrom(const unsigned char* bytes, std::size_t size) {
    std::array<unsigned char, RenderChoiceBytes> b{};
    std::copy_n(bytes, std::min(size, b.size()), b.begin());
    RenderChoice choice;
    choice.sweepIndex = b[0] % 5;
    choice.ruler = (b[0] >> 3) & 1;
    choice.clipping = (b[0] >> 4) & 1;
    choice.moveMode = (b[0] >> 5) & 1;
    choice.brushShape = (b[0] >> 6) & 1 ? 2 : 1;
    choice.scrollShare = b[1];
    choice.brushWidth = 1 + b[2] % 5;
    choice.gainStep = (b[2] >> 3) & 7;
    choice.calibrationStep = (b[2] >> 6) % 3;
    choice.globalGain = 1 + b[3] % 50;
    choice.overviewPick = b[4];
    choice.selectionPick = b[5];
    choice.movedRow = b[6];
    return choice;
}

std::string renderViolation(const Recording& recording, LeadSettings& leads, const RenderChoice& choice) {
    ViewSettings settings;
    const SweepRatio sweep = SweepRatios[static_cast<std::size_t>(std::clamp(choice.sweepIndex, 0, 4))];
    settings.sweepNumerator = sweep.numerator;
    settings.sweepDenominator = sweep.denominator;
    settings.brushWidth = choice.brushWidth;
    settings.brushShape = choice.brushShape;
    settings.clippingOn = choice.clipping ? 1 : 0;
    settings.amplitudeDivisor = amplitudeDivisorFor(recording.channelTable);

    // What the per-lead gain control can set: a step of the table, for every lead here.
    const int step = std::clamp(choice.gainStep, 0, static_cast<int>(GainTable.size()) - 1);
    leads.gainStep.fill(step);
    leads.gainDivisor.fill(GainTable[static_cast<std::size_t>(step)]);

    ViewControls controls;
    controls.traceWidth = TraceWidth;
    controls.traceHeight = TraceHeight;
    controls.stripWidth = StripWidth;
    controls.stripHeight = StripHeight;
    controls.globalGain = choice.globalGain;
    controls.ruler = choice.ruler;
    controls.overviewLead = pickChannel(choice.overviewPick, recording.channelCount, recording.channelCount >= 3 ? 2 : -1);
    controls.listSelection = pickChannel(choice.selectionPick, recording.channelCount, -1);
    controls.calibrationSteps.fill(choice.calibrationStep);
    // ScrollBarX holds its position within 0..loadedSamples - V.
    const int scrollRange = scrollMaximum(recording.loadedSamples, visibleWindow(TraceWidth, settings));
    controls.firstSample = static_cast<int>(int64_t{scrollRange} * choice.scrollShare / 255);

    RasterSurface trace(TraceWidth, TraceHeight);
    RenderTraces(trace, recording, leads, settings, controls);
    const int rows = std::min(recording.shownCount, MaxChannels);
    for (int k = 0; k < rows; ++k) {
        const int y0 = leads.position[static_cast<std::size_t>(k)];
        if (y0 < 0 || y0 >= TraceHeight) return "row centre " + number(y0) + " of display slot " + number(k);
    }
    if (choice.moveMode) {
        controls.moveMode = true;
        if (rows > 0) leads.position[0] = choice.movedRow * TraceHeight / 255;
        RenderTraces(trace, recording, leads, settings, controls);
    }
    const auto labels = PlaceLeadLabels(recording, leads, controls);
    RasterSurface overview(StripWidth, StripHeight);
    RasterSurface strip(StripWidth, StripHeight);
    RenderOverview(overview, recording, leads, controls);
    DrawViewportFrame(strip, overview, recording, settings, controls);
    // The sheet, and the frame of the sheet's window.
    controls.twelveLead = true;
    RenderTraces(trace, recording, leads, settings, controls);
    DrawViewportFrame(strip, overview, recording, settings, controls);

    // Label n names the n-th shown channel, red exactly when it is the list's selection.
    int channel = -1;
    for (int n = 0; n < LeadLabelCount; ++n) {
        const LeadLabelPlacement& label = labels[static_cast<std::size_t>(n)];
        if (n >= recording.shownCount) {
            if (label.visible) return "label " + number(n + 1) + " visible with " + number(recording.shownCount) + " shown";
            continue;
        }
        do {
            ++channel;
        } while (channel < MaxChannels && !leads.shown[static_cast<std::size_t>(channel)]);
        if (!label.visible) return "label " + number(n + 1) + " hidden with " + number(recording.shownCount) + " shown";
        if (label.caption != recording.channelTable.leadName(channel))
            return "label " + number(n + 1) + " reads \"" + label.caption + "\" for channel " + number(channel);
        if ((label.colour == 0x0000FF) != (channel == controls.listSelection))
            return "label " + number(n + 1) + " has the wrong colour";
    }
    return {};
}

std::string readInstallRender(const unsigned char* data, std::size_t size, const RenderChoice& choice) {
    ReadResult result = readExportBytes(data, size);
    std::string problem = resultViolation(result);
    if (!problem.empty() || !result.accepted()) return problem;
    problem = fileViolation(*result.file);
    if (!problem.empty()) return problem;
    auto recording = std::make_unique<Recording>();
    LeadSettings leads;
    installExportFile(std::move(*result.file), *recording, leads);
    problem = storeViolation(*recording, leads);
    if (!problem.empty()) return problem;
    return renderViolation(*recording, leads, choice);
}

}  // namespace velundia::harness
