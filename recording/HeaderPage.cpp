#include "recording/HeaderPage.h"

namespace velundia {

namespace {

struct Code {
    char code;
    const char* text;
};

template <std::size_t N>
std::string lookUp(const std::array<Code, N>& table, const std::string& field) {
    if (field.empty()) return {};
    for (const Code& entry : table)
        if (field[0] == entry.code) return entry.text;
    return {};
}

constexpr std::array<Code, 3> FileTypes = {{{'1', "WAVEFORM data"}, {'2', "PATIENT INFO"}, {'3', "INTERVALS"}}};
constexpr std::array<Code, 4> SampleFormats = {{
    {'1', "16 bit 2s comp"},
    {'2', "8 bit delta"},
    {'3', "Comma Delimited ASCII"},
    {'4', "ASCII with Prompts"},
}};
constexpr std::array<Code, 3> MultiplexModes = {
    {{'0', "no multiplex"}, {'1', "single sample mux"}, {'2', "block multiplex"}}};
// Only 'F' says the amplifier was not a STAMP one; any other letter tells nothing.
constexpr std::array<Code, 2> StampFlags = {{{'T', "STAMP Amplifier data"}, {'F', "non-STAMP Amplifier data"}}};

}  // namespace

const std::array<const char*, HeaderPageRows>& headerPageCaptions() {
    static const std::array<const char*, HeaderPageRows> captions = {
        "file type",
        "version number",
        "patient's hospital ID number",
        "pattient's first name",
        "patient's middle name",
        "patient's last name",
        "patient's date of birth",
        "study number",
        "study ID",
        "LabSystem EP Laboratory protocol num",
        "LabSYstem EP Laboratory protocol ID",
        "study date MM/DD/YY",
        "study time HH:MM:SS",
        "byte offset : start of ch information header",
        "byte offset : start of waveform block",
        "number of exported channels",
        "total number samples/channel",
        "systime export starts HH:MM:SS",
        "systime export ends  HH:MM:SS",
        "data sample format",
        "ECG data block mux block",
        "number samples per mux block",
        "STAMP data?",
        "byte offset : start of ch info block",
    };
    return captions;
}

std::string fileTypeText(const std::string& field) { return lookUp(FileTypes, field); }
std::string sampleFormatText(const std::string& field) { return lookUp(SampleFormats, field); }
std::string multiplexModeText(const std::string& field) { return lookUp(MultiplexModes, field); }
std::string stampFlagText(const std::string& field) { return lookUp(StampFlags, field); }

std::array<std::string, HeaderPageRows> headerPageValues(const ExportHeader& header) {
    // Rows follow the header's file order, so row i shows field i; four rows show a code's text.
    std::array<std::string, HeaderPageRows> values;
    for (int i = 0; i < HeaderPageRows; ++i) values[static_cast<std::size_t>(i)] = headerFieldText(header, i);
    values[0] = fileTypeText(header.fileType.text());
    values[19] = sampleFormatText(header.sampleFormat.text());
    values[20] = multiplexModeText(header.multiplexMode.text());
    values[22] = stampFlagText(header.stampFlag.text());
    return values;
}

}  // namespace velundia
