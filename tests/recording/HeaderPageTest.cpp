#include "recording/HeaderPage.h"

#include <gtest/gtest.h>

#include <string>

namespace velundia {
namespace {

TEST(HeaderPage, CaptionsKeepTheirSpellings) {
    const auto& captions = headerPageCaptions();
    const struct Case {
        int row;  // 1-based, as on the page
        const char* caption;
    } cases[] = {
        {1, "file type"},
        {4, "pattient's first name"},
        {10, "LabSystem EP Laboratory protocol num"},
        {11, "LabSYstem EP Laboratory protocol ID"},
        {14, "byte offset : start of ch information header"},
        {19, "systime export ends  HH:MM:SS"},
        {23, "STAMP data?"},
        {24, "byte offset : start of ch info block"},
    };
    for (const Case& c : cases) EXPECT_STREQ(captions[static_cast<std::size_t>(c.row - 1)], c.caption);
}

TEST(HeaderPage, CodeTablesLookAtTheFirstByteOnly) {
    const struct Case {
        std::string (*lookUp)(const std::string&);
        const char* field;
        const char* text;
    } cases[] = {
        {fileTypeText, "1", "WAVEFORM data"},
        {fileTypeText, "2", "PATIENT INFO"},
        {fileTypeText, "3 ", "INTERVALS"},
        {fileTypeText, "4", ""},
        {fileTypeText, "", ""},
        {sampleFormatText, "1", "16 bit 2s comp"},
        {sampleFormatText, "2", "8 bit delta"},
        {sampleFormatText, "3", "Comma Delimited ASCII"},
        {sampleFormatText, "4", "ASCII with Prompts"},
        {sampleFormatText, "9", ""},
        {sampleFormatText, " 1", ""},
        {multiplexModeText, "0", "no multiplex"},
        {multiplexModeText, "1", "single sample mux"},
        {multiplexModeText, "2", "block multiplex"},
        {multiplexModeText, "3", ""},
        {stampFlagText, "T", "STAMP Amplifier data"},
        {stampFlagText, "F", "non-STAMP Amplifier data"},
        {stampFlagText, "t", ""},
        {stampFlagText, "N", ""},
        {stampFlagText, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.lookUp(c.field), c.text) << '"' << c.field << '"';
}

TEST(HeaderPage, ValuesShowRawTextsAndTranslateEachCodeOnItsOwn) {
    ExportHeader h;
    h.fileType.assign("2");
    h.sampleFormat.assign("9");
    h.multiplexMode.assign("1");
    h.stampFlag.assign("T");
    h.channelInfoOffset.assign("   304");
    h.lastName.assign("ABCDEFGHIJKLMNOPQRSTUVWXYZ");  // all 26 bytes, no NUL
    h.firstName.assign("ANN  ");
    h.studyId.assign("AB\0CD", 5);
    const auto values = headerPageValues(h);
    EXPECT_EQ(values[0], "PATIENT INFO");
    EXPECT_EQ(values[3], "ANN  ");  // trailing spaces stay
    EXPECT_EQ(values[5], "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(values[8], "AB");
    EXPECT_EQ(values[19], "");  // sample format 9 is unknown, whatever row 1 shows
    EXPECT_EQ(values[20], "single sample mux");
    EXPECT_EQ(values[22], "STAMP Amplifier data");
    EXPECT_EQ(values[23], "   304");
    EXPECT_EQ(values[1], "");  // version number never set
}

}  // namespace
}  // namespace velundia
