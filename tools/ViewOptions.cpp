#include "tools/ViewOptions.h"

#include "interaction/OpenedFile.h"
#include "recording/ExportReader.h"
#include "tools/Commands.h"
#include "view/TraceGeometry.h"
#include "view/ViewControls.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace velundia::cli {

namespace {

constexpr int MaxPictureSide = 4096;  // pixels; keeps a surface within 64 MB
constexpr int MaxStripHeight = 1024;

bool parseInt(const std::string& text, int& value, int base = 10) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    return ec == std::errc() && ptr == end;
}

// "W" "x" "H" with both in range.
bool parseSize(const std::string& text, int maxWidth, int maxHeight, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    return parseInt(text.substr(0, x), width) && parseInt(text.substr(x + 1), height) && width >= 1 &&
           width <= maxWidth && height >= 1 && height <= maxHeight;
}

// "A" separator "B".
bool parsePair(const std::string& text, char separator, std::string& first, std::string& second) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return false;
    first = text.substr(0, at);
    second = text.substr(at + 1);
    return true;
}

// Comma-separated whole numbers; an empty text is an empty list.
bool parseList(const std::string& text, std::vector<int>& values) {
    values.clear();
    if (text.empty()) return true;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        int v = 0;
        if (!parseInt(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from), v)) return false;
        values.push_back(v);
        if (comma == std::string::npos) return true;
        from = comma + 1;
    }
}

// 0xBBGGRR in hexadecimal, or a decimal number.
bool parseColour(const std::string& text, int32_t& colour) {
    int value = 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (!(hex ? parseInt(text.substr(2), value, 16) : parseInt(text, value))) return false;
    if (value < 0 || value > 0xFFFFFF) return false;
    colour = value;
    return true;
}

struct Sweep {
    const char* text;
    int numerator, denominator;
};
constexpr Sweep Sweeps[] = {{"0.25", 1, 4}, {"0.5", 1, 2}, {"1", 1, 1}, {"2", 2, 1}, {"4", 4, 1}};

using ValueParser = bool (*)(const std::string& value, ViewOptions& options, std::string& error);

bool channelValue(const std::string& option, const std::string& value, int low, int high,
                  std::vector<std::pair<int, int>>& into, std::string& error) {
    std::string channel, number;
    int c = 0, v = 0;
    if (!parsePair(value, '=', channel, number) || !parseInt(channel, c) || c < 0 || !parseInt(number, v) || v < low ||
        v > high) {
        error = option + " takes C=N with a channel C and N in " + std::to_string(low) + ".." + std::to_string(high) +
                ", not '" + value + "'";
        return false;
    }
    into.emplace_back(c, v);
    return true;
}

struct ValueOption {
    const char* name;
    ValueParser parse;
};

const ValueOption ValueOptions[] = {
    {"--size",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseSize(v, MaxPictureSide, MaxPictureSide, o.traceWidth, o.traceHeight)) return true;
         e = "--size takes WxH with sides 1.." + std::to_string(MaxPictureSide) + ", not '" + v + "'";
         return false;
     }},
    {"--strip",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseSize(v, MaxPictureSide, MaxStripHeight, o.stripWidth, o.stripHeight)) return true;
         e = "--strip takes WxH (width 1.." + std::to_string(MaxPictureSide) + ", height 1.." +
             std::to_string(MaxStripHeight) + "), not '" + v + "'";
         return false;
     }},
    {"--sweep",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         for (const Sweep& s : Sweeps)
             if (v == s.text) {
                 o.sweepNumerator = s.numerator;
                 o.sweepDenominator = s.denominator;
                 return true;
             }
         e = "--sweep must be 0.25, 0.5, 1, 2 or 4, not '" + v + "'";
         return false;
     }},
    {"--gain",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseInt(v, o.globalGain) && o.globalGain >= 1 && o.globalGain <= 50) return true;
         e = "--gain must be a divisor 1..50, not '" + v + "'";
         return false;
     }},
    {"--pos",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseInt(v, o.firstSample)) return true;
         e = "--pos must be a sample number, not '" + v + "'";
         return false;
     }},
    {"--brush",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseInt(v, o.brushWidth) && o.brushWidth >= 1 && o.brushWidth <= 5) return true;
         e = "--brush must be 1..5, not '" + v + "'";
         return false;
     }},
    {"--shown",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseList(v, o.shown) && std::all_of(o.shown.begin(), o.shown.end(), [](int c) { return c >= 0; })) {
             o.shownGiven = true;
             return true;
         }
         e = "--shown takes channel indices I,J,..., not '" + v + "'";
         return false;
     }},
    {"--lead-gain",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         return channelValue("--lead-gain", v, 0, 7, o.leadGainSteps, e);
     }},
    {"--clip-width",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         return channelValue("--clip-width", v, 10, 200, o.clipWidths, e);
     }},
    {"--colour",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         std::string channel, colour;
         int c = 0;
         int32_t bgr = 0;
         if (parsePair(v, '=', channel, colour) && parseInt(channel, c) && c >= 0 && parseColour(colour, bgr)) {
             o.colours.emplace_back(c, bgr);
             return true;
         }
         e = "--colour takes C=0xBBGGRR, not '" + v + "'";
         return false;
     }},
    {"--measure",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         std::vector<int> n;
         if (parseList(v, n) && n.size() == 3) {
             if (o.measures.size() + 1 >= std::size_t(MaxMeasurements)) {
                 e = "--measure: at most " + std::to_string(MaxMeasurements - 1) + " measurements";
                 return false;
             }
             o.measures.push_back({n[0], n[1], n[2]});
             return true;
         }
         e = "--measure takes X1,X2,Y in trace-box pixels, not '" + v + "'";
         return false;
     }},
    {"--overview-lead",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (parseInt(v, o.overviewLead) && o.overviewLead >= 0) return true;
         e = "--overview-lead must be a channel index, not '" + v + "'";
         o.overviewLead = -2;
         return false;
     }},
    {"--cal",
     [](const std::string& v, ViewOptions& o, std::string& e) {
         if (!channelValue("--cal", v, 0, 2, o.calibration, e)) return false;
         if (o.calibration.back().first < SheetLeads) return true;
         e = "--cal takes a sheet lead 0.." + std::to_string(SheetLeads - 1) + ", not '" + v + "'";
         return false;
     }},
};

struct FlagOption {
    const char* name;
    void (*set)(ViewOptions&);
};

const FlagOption FlagOptions[] = {
    {"--round", [](ViewOptions& o) { o.roundBrush = true; }},
    {"--clip", [](ViewOptions& o) { o.clipping = true; }},
    {"--no-ruler", [](ViewOptions& o) { o.ruler = false; }},
    {"--grey-back", [](ViewOptions& o) { o.greyBack = true; }},
    {"--overview", [](ViewOptions& o) { o.overview = true; }},
    {"--twelve", [](ViewOptions& o) { o.twelveLead = true; }},
};

// Whether every channel the options name is one the file has; else a one-line reason.
bool channelsFit(const ViewOptions& o, int channelCount, std::string& error) {
    auto check = [&](const char* option, int c) {
        if (c < channelCount) return true;
        error = std::string(option) + ": channel " + std::to_string(c) + " is not in the file (" +
                std::to_string(channelCount) + " channels)";
        return false;
    };
    for (const int c : o.shown)
        if (!check("--shown", c)) return false;
    for (const auto& [c, step] : o.leadGainSteps)
        if (!check("--lead-gain", c)) return false;
    for (const auto& [c, width] : o.clipWidths)
        if (!check("--clip-width", c)) return false;
    for (const auto& [c, colour] : o.colours)
        if (!check("--colour", c)) return false;
    if (o.overviewLead >= 0 && !check("--overview-lead", o.overviewLead)) return false;
    return true;
}

}  // namespace

bool parseViewOption(const std::vector<std::string>& args, std::size_t& i, ViewOptions& options, std::string& error) {
    if (i >= args.size()) return false;
    const std::string& arg = args[i];
    for (const FlagOption& flag : FlagOptions)
        if (arg == flag.name) {
            flag.set(options);
            ++i;
            return true;
        }
    for (const ValueOption& option : ValueOptions)
        if (arg == option.name) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            if (!option.parse(args[i + 1], options, error)) return false;
            i += 2;
            return true;
        }
    return false;
}

int loadViewScene(const ViewOptions& options, ViewScene& scene, std::ostream& err) {
    ReadResult read = readExportFile(options.file);
    if (read.outcome == ReadOutcome::CannotOpen) {
        err << "velundia-cli: cannot open " << options.file << ": " << read.reason << '\n';
        return ExitFileProblem;
    }
    if (!read.accepted()) {
        err << "velundia-cli: " << options.file << " is refused: " << read.message << '\n';
        return ExitFileProblem;
    }
    scene.warnings = read.file->warnings;
    installExportFile(std::move(*read.file), scene.recording, scene.leads);
    resetViewAfterOpen(scene.recording, scene.settings, scene.controls, scene.measurements);

    std::string error;
    if (!channelsFit(options, scene.recording.channelCount, error)) {
        err << "velundia-cli: " << error << '\n';
        return ExitUsage;
    }

    ViewSettings& settings = scene.settings;
    ViewControls& controls = scene.controls;
    LeadSettings& leads = scene.leads;
    controls.traceWidth = options.traceWidth;
    controls.traceHeight = options.traceHeight;
    controls.stripWidth = options.stripWidth;
    controls.stripHeight = options.stripHeight;
    controls.globalGain = options.globalGain;
    controls.ruler = options.ruler;
    controls.twelveLead = options.twelveLead;
    settings.sweepNumerator = options.sweepNumerator;
    settings.sweepDenominator = options.sweepDenominator;
    settings.brushWidth = options.brushWidth;
    settings.brushShape = options.roundBrush ? 2 : 1;
    settings.clippingOn = options.clipping ? 1 : 0;
    settings.numberBackClear = options.greyBack ? 0 : 1;
    for (const auto& [lead, position] : options.calibration)
        controls.calibrationSteps[static_cast<std::size_t>(lead)] = position;

    if (options.shownGiven) {
        leads.shown.fill(0);
        for (const int c : options.shown) leads.shown[static_cast<std::size_t>(c)] = 1;
        scene.recording.shownCount =
            static_cast<int32_t>(std::count(leads.shown.begin(), leads.shown.end(), 1));
    }
    for (const auto& [c, step] : options.leadGainSteps) {
        leads.gainStep[static_cast<std::size_t>(c)] = step;
        leads.gainDivisor[static_cast<std::size_t>(c)] = GainTable[static_cast<std::size_t>(step)];
    }
    for (const auto& [c, width] : options.clipWidths) leads.clipWidth[static_cast<std::size_t>(c)] = width;
    for (const auto& [c, colour] : options.colours) leads.colour[static_cast<std::size_t>(c)] = colour;
    if (options.overviewLead >= 0) controls.overviewLead = options.overviewLead;

    // ScrollBarX holds the first visible sample within its range, as the trace box's window sets it.
    const int maximum = scrollMaximum(scene.recording.loadedSamples, visibleWindow(controls.traceWidth, settings));
    controls.firstSample = std::clamp(options.firstSample, 0, maximum);

    MeasurementList& list = scene.measurements;
    for (const ViewOptions::MeasureSpec& given : options.measures) {
        if (list.count >= MaxMeasurements - 1) break;  // entry count stays free for the divider
        Measurement& m = list.entries[static_cast<std::size_t>(list.count)];
        m.x1 = std::min(given.x1, given.x2);
        m.x2 = std::max(given.x1, given.x2);
        m.heightRatio1 = heightRatioOf(given.y, controls.traceHeight);
        m.heightRatio2 = m.heightRatio1;
        m.interval = intervalOf(m.x1, m.x2, settings.sweepNumerator, settings.sweepDenominator);
        ++list.count;
    }
    return ExitOk;
}

bool parseViewArgument(const std::vector<std::string>& args, std::size_t& i, ViewOptions& options,
                       std::string& error) {
    if (parseViewOption(args, i, options, error)) return true;
    if (!error.empty()) return false;
    const std::string& arg = args[i];
    if (!arg.empty() && arg[0] != '-' && options.file.empty()) {
        options.file = arg;
        ++i;
        return true;
    }
    error = arg.empty() || arg[0] != '-' ? "unexpected argument '" + arg + "'" : "unknown option " + arg;
    return false;
}

bool namesTheRecording(const std::string& recording, const std::string& output) {
    std::error_code ec;
    return std::filesystem::equivalent(recording, output, ec);
}

}  // namespace velundia::cli
