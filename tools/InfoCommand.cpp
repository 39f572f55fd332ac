// velundia-cli info: what the HEADER and CHANNEL DATA pages would show after opening FILE,
// with the counts, the default shown flags, colours and sample statistics.
#include "recording/ChannelDefaults.h"
#include "recording/ExportReader.h"
#include "recording/HeaderPage.h"
#include "tools/Commands.h"
#include "tools/JsonWriter.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace velundia::cli {

namespace {

constexpr const char* InfoUsage = "usage: velundia-cli info FILE [--json]";

// The store as the program holds it right after opening the file.
struct OpenedFile {
    std::unique_ptr<Recording> recording = std::make_unique<Recording>();
    LeadSettings leads;
    std::vector<std::string> warnings;
    std::string warning;  // all of them in one line
};

struct SampleStats {
    int64_t min = 0;  // raw sample units; 0 for a channel without loaded samples
    int64_t max = 0;
    int64_t sum = 0;
};

SampleStats statsOf(const Recording& recording, int channel) {
    SampleStats stats;
    const int16_t* row = recording.sampleMatrix.row(channel);
    if (recording.loadedSamples <= 0) return stats;
    stats.min = stats.max = row[0];
    for (int s = 0; s < recording.loadedSamples; ++s) {
        stats.min = std::min<int64_t>(stats.min, row[s]);
        stats.max = std::max<int64_t>(stats.max, row[s]);
        stats.sum += row[s];
    }
    return stats;
}

// A file's text made safe for a terminal: each byte one character (Latin-1), control
// characters (C0, DEL, C1) as \xHH so that a hostile file cannot steer the terminal.
std::string terminalText(const std::string& bytes) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7F) {
            out += ch;
        } else if (b >= 0xA0) {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        } else {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        }
    }
    return out;
}

// Characters on screen of a UTF-8 text: every byte that does not continue a character.
std::size_t displayWidth(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t shown = displayWidth(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

std::string hexColour(int32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour) & 0xFFFFFFu);
    return text;
}

void printText(const OpenedFile& f, std::ostream& out) {
    const Recording& r = *f.recording;
    const auto& captions = headerPageCaptions();
    const auto values = headerPageValues(r.header);
    std::size_t captionWidth = 0;
    for (const char* caption : captions) captionWidth = std::max(captionWidth, std::string(caption).size());
    out << "HEADER\n";
    for (int row = 0; row < HeaderPageRows; ++row) {
        const auto k = static_cast<std::size_t>(row);
        out << "  " << padded(captions[k], captionWidth + 2) << terminalText(values[k]) << '\n';
    }

    // The grid's columns, then what the program derives for each channel.
    std::vector<std::vector<std::string>> table;
    for (int row = 0; row < r.channelTable.rowCount(); ++row) {
        std::vector<std::string> line;
        for (int column = 0; column < ChannelTableColumns; ++column)
            line.push_back(terminalText(r.channelTable.cell(column, row)));
        const int channel = row - 1;
        if (row == 0) {
            line.insert(line.end(), {"shown", "colour", "min", "max", "sum"});
        } else {
            const SampleStats s = statsOf(r, channel);
            const auto k = static_cast<std::size_t>(channel);
            line.insert(line.end(), {f.leads.shown[k] ? "yes" : "no", hexColour(f.leads.colour[k]), std::to_string(s.min),
                                     std::to_string(s.max), std::to_string(s.sum)});
        }
        table.push_back(std::move(line));
    }
    std::vector<std::size_t> widths;
    for (const auto& line : table)
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], displayWidth(line[c]));
        }
    out << "\nCHANNEL DATA\n";
    for (const auto& line : table) {
        std::string text = " ";
        for (std::size_t c = 0; c < line.size(); ++c) text += ' ' + padded(line[c], widths[c] + 1);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << '\n';
    }
    out << "\nchannels " << r.channelCount << ", shown " << r.shownCount << ", total samples " << r.totalSamples
        << ", loaded samples " << r.loadedSamples << ", amplitude divisor " << amplitudeDivisorFor(r.channelTable)
        << '\n';
}

void printJson(const std::string& path, const OpenedFile& f, std::ostream& out) {
    const Recording& r = *f.recording;
    JsonWriter json(out);
    json.beginObject();
    json.field("file", path);

    json.key("header");
    json.beginObject();
    for (int i = 0; i < HeaderFieldCount; ++i)
        json.field(headerFieldInfo()[static_cast<std::size_t>(i)].name, headerFieldText(r.header, i));
    json.endObject();

    json.key("headerPage");
    json.beginArray();
    const auto values = headerPageValues(r.header);
    for (int row = 0; row < HeaderPageRows; ++row) {
        json.beginObject();
        json.field("caption", headerPageCaptions()[static_cast<std::size_t>(row)]);
        json.field("value", values[static_cast<std::size_t>(row)]);
        json.endObject();
    }
    json.endArray();

    json.field("channelCount", r.channelCount);
    json.field("shownCount", r.shownCount);
    json.field("totalSamples", r.totalSamples);
    json.field("loadedSamples", r.loadedSamples);
    json.field("amplitudeDivisor", amplitudeDivisorFor(r.channelTable));

    static const char* const columnKeys[] = {"leadName", "gain", "lowPass", "highPass", "sampling", "scale", "colourName"};
    json.key("channels");
    json.beginArray();
    for (int c = 0; c < r.channelCount; ++c) {
        const auto k = static_cast<std::size_t>(c);
        json.beginObject();
        json.field("index", c);
        for (int column = 1; column < ChannelTableColumns; ++column)
            json.field(columnKeys[column - 1], r.channelTable.cell(column, c + 1));
        json.field("colour", f.leads.colour[k]);
        json.field("shown", f.leads.shown[k]);
        const SampleStats s = statsOf(r, c);
        json.field("min", s.min);
        json.field("max", s.max);
        json.field("sum", s.sum);
        json.endObject();
    }
    json.endArray();

    json.key("warnings");
    json.beginArray();
    for (const std::string& w : f.warnings) json.value(w);
    json.endArray();
    json.endObject();
}

}  // namespace

int runInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string path;
    bool havePath = false;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "velundia-cli info: unknown option " << arg << "; " << InfoUsage << '\n';
            return ExitUsage;
        } else if (havePath) {
            err << "velundia-cli info: one FILE only; " << InfoUsage << '\n';
            return ExitUsage;
        } else {
            path = arg;
            havePath = true;
        }
    }
    if (!havePath) {
        err << "velundia-cli info: FILE missing; " << InfoUsage << '\n';
        return ExitUsage;
    }

    ReadResult read = readExportFile(path);
    if (read.outcome == ReadOutcome::CannotOpen) {
        err << "velundia-cli: cannot open " << path << ": " << read.reason << '\n';
        return ExitFileProblem;
    }
    if (!read.accepted()) {
        err << "velundia-cli: " << path << " is refused: " << read.message << '\n';
        return ExitFileProblem;
    }
    OpenedFile opened;
    opened.warnings = read.file->warnings;
    opened.warning = read.message;
    installExportFile(std::move(*read.file), *opened.recording, opened.leads);

    if (json) {
        printJson(path, opened, out);
    } else {
        if (!opened.warning.empty()) err << "velundia-cli: warning: " << path << ": " << opened.warning << '\n';
        printText(opened, out);
    }
    return ExitOk;
}

}  // namespace velundia::cli
