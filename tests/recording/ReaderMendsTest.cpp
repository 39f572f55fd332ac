// Files the store cannot hold are refused before anything is read into it; files that end early
// load what they hold and say how much was missing.
#include "recording/ExportFileBuilder.h"
#include "recording/ExportReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velundia {
namespace {

ReadResult readBytes(const std::vector<unsigned char>& bytes) { return readExportBytes(bytes.data(), bytes.size()); }

TEST(ReaderRefusal, NamesTheFieldItsValueAndTheLimit) {
    const struct Case {
        int field;  // index in file order
        const char* text;
        const char* message;
    } cases[] = {
        {15, "  93", "number of exported channels is 93; at most 80 channels can be read"},
        {15, "  81", "number of exported channels is 81; at most 80 channels can be read"},
        {15, "9999", "number of exported channels is 9999; at most 80 channels can be read"},
        {15, "  -1", "number of exported channels is -1; only 0 to 80 channels can be read"},
        {16, "      -5", "total number of samples per channel is -5; only counts of 0 or more can be read"},
        {14, "  -496", "byte offset of the waveform block is -496; only offsets of 0 or more can be read"},
        {23, "  -304", "byte offset of the channel information block is -304; only offsets of 0 or more can be read"},
    };
    for (const Case& c : cases) {
        auto b = ExportFileBuilder::standard(3, 10);
        assignHeaderField(b.header, c.field, c.text, std::string(c.text).size());
        bool progressed = false;
        const auto bytes = b.bytes();
        const ReadResult r = readExportBytes(bytes.data(), bytes.size(), [&](int, int) { progressed = true; });
        EXPECT_EQ(r.outcome, ReadOutcome::Refused) << c.text;
        EXPECT_FALSE(r.accepted());
        EXPECT_EQ(r.file, nullptr);
        EXPECT_EQ(r.message, c.message);
        EXPECT_FALSE(progressed) << "no frame is read from a refused file";
    }
}

TEST(ReaderRefusal, EightyChannelsAreAccepted) {
    const ReadResult r = readBytes(ExportFileBuilder::standard(80, 10).bytes());
    ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << r.message;
    EXPECT_EQ(r.file->channelCount, 80);
}

TEST(ReaderShortFile, LoadsWhatIsThereAndCountsThePresentFrames) {
    // 3 channels, 200 frames: records at 304..495, frames at 496..1695 (6 bytes each).
    auto b = ExportFileBuilder::standard(3, 200);
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 200; ++s)
            b.samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)] = static_cast<int16_t>(c * 1000 + s + 1);
    const std::vector<unsigned char> full = b.bytes();
    ASSERT_EQ(full.size(), 1696u);

    const struct Case {
        std::size_t size;
        int channels;
        int loaded;
        int framesPresent;
        bool headerShort;
        bool recordsShort;
    } cases[] = {
        {1695, 3, 200, 199, false, false},  // last byte of the last frame missing
        {496 + 6 * 57 + 3, 3, 200, 57, false, false},
        {496, 3, 200, 0, false, false},
        {304 + 64 + 10, 3, 200, 0, false, true},
        {300, 3, 200, 0, true, false},  // channelInfoOffset cut to "  ": records read from 0
        {200, 0, 0, 0, true, false},    // second header group missing: no channels, no samples
        {100, 0, 0, 0, true, false},
        {0, 0, 0, 0, true, false},
    };
    for (const Case& c : cases) {
        const std::vector<unsigned char> bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.size));
        const ReadResult r = readBytes(bytes);
        ASSERT_EQ(r.outcome, ReadOutcome::LoadedShort) << "size " << c.size;
        const ExportFile& f = *r.file;
        EXPECT_FALSE(f.complete);
        EXPECT_EQ(f.channelCount, c.channels) << "size " << c.size;
        EXPECT_EQ(f.loadedSamples, c.loaded) << "size " << c.size;
        EXPECT_EQ(f.framesPresent, c.framesPresent) << "size " << c.size;
        const std::string frames = std::to_string(c.framesPresent) + " of " + std::to_string(c.loaded) +
                                   " expected sample frames were present";
        EXPECT_NE(r.message.find(frames), std::string::npos) << r.message;
        ASSERT_FALSE(f.warnings.empty());
        EXPECT_NE(f.warnings[0].find(frames), std::string::npos) << f.warnings[0];
        EXPECT_EQ(r.message.find("header was incomplete") != std::string::npos, c.headerShort) << r.message;
        EXPECT_EQ(r.message.find("channel records were complete") != std::string::npos, c.recordsShort) << r.message;
        for (int ch = 0; ch < c.channels; ++ch) {
            for (int s = 0; s < c.framesPresent; ++s) ASSERT_EQ(f.samples.at(ch, s), ch * 1000 + s + 1);
            for (int s = c.framesPresent + 1; s < c.loaded; ++s) ASSERT_EQ(f.samples.at(ch, s), 0);
        }
    }
}

TEST(ReaderShortFile, KeepsTheWholeSamplesOfACutFrameAndTheTextsOfACutRecord) {
    auto b = ExportFileBuilder::standard(3, 200);
    b.samples[0][57] = 11;
    b.samples[1][57] = 22;
    b.channels[1].leadName.assign("HIS d");
    auto bytes = b.bytes();
    bytes.resize(496 + 6 * 57 + 3);  // frame 57: channel 0 whole, one byte of channel 1
    ReadResult r = readBytes(bytes);
    ASSERT_TRUE(r.accepted());
    EXPECT_EQ(r.file->samples.at(0, 57), 11);
    EXPECT_EQ(r.file->samples.at(1, 57), 0);

    bytes.resize(304 + 64 + 3);  // record 1 holds its first three bytes
    r = readBytes(bytes);
    ASSERT_TRUE(r.accepted());
    EXPECT_EQ(r.file->channels[0].leadName.text(), "CH 1");
    EXPECT_EQ(r.file->channels[1].leadName.text(), "HIS");
    EXPECT_EQ(r.file->channels[2].leadName.text(), "");
}

TEST(ReaderShortFile, OffsetsPastTheEndAreAShortFile) {
    auto frames = ExportFileBuilder::standard(3, 200);
    frames.header.waveformOffset.assign("999999");
    auto bytes = frames.bytes();
    bytes.resize(496);
    ReadResult r = readBytes(bytes);
    ASSERT_EQ(r.outcome, ReadOutcome::LoadedShort);
    EXPECT_EQ(r.file->framesPresent, 0);
    EXPECT_EQ(r.file->channels[2].leadName.text(), "CH 3");

    auto records = ExportFileBuilder::standard(3, 200);
    records.header.channelInfoOffset.assign("999999");
    bytes = records.bytes();
    bytes.resize(1696);
    r = readBytes(bytes);
    ASSERT_EQ(r.outcome, ReadOutcome::LoadedShort);
    EXPECT_EQ(r.file->framesPresent, 200);
    EXPECT_EQ(r.file->channels[0].leadName.text(), "");
    EXPECT_NE(r.message.find("only 0 of 3 channel records were complete"), std::string::npos) << r.message;
}

// Random damage to the counts, the offsets and the length: every file is refused or loads
// within the store's bounds.
TEST(ReaderDamage, RandomHeadersAndLengthsStayWithinTheStore) {
    const std::vector<unsigned char> good = ExportFileBuilder::standard(3, 400).bytes();
    const struct Field {
        std::size_t offset, width;
    } numbers[] = {{174, 6}, {256, 4}, {260, 8}, {298, 6}};
    uint32_t state = 12345;
    auto next = [&state](uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    const char alphabet[] = "0123456789 -+\0x";
    for (int round = 0; round < 400; ++round) {
        std::vector<unsigned char> bytes = good;
        for (const Field& f : numbers)
            for (std::size_t i = 0; i < f.width; ++i)
                if (next(3) == 0) bytes[f.offset + i] = static_cast<unsigned char>(alphabet[next(sizeof alphabet)]);
        bytes.resize(next(static_cast<uint32_t>(good.size()) + 200));
        const ReadResult r = readBytes(bytes);
        if (r.outcome == ReadOutcome::Refused) {
            EXPECT_FALSE(r.message.empty());
            continue;
        }
        ASSERT_TRUE(r.accepted()) << round;
        const ExportFile& f = *r.file;
        ASSERT_GE(f.channelCount, 0);
        ASSERT_LE(f.channelCount, MaxChannels);
        ASSERT_GE(f.loadedSamples, 0);
        ASSERT_LE(f.loadedSamples, MaxSamples);
        ASSERT_LE(f.framesPresent, f.loadedSamples);
        ASSERT_EQ(f.channels.size(), static_cast<std::size_t>(f.channelCount));
        EXPECT_EQ(r.outcome == ReadOutcome::Loaded, f.complete);
    }
}

TEST(ReaderCannotOpen, MissingFilesFoldersAndEmptyNames) {
    const std::string folder = ::testing::TempDir();
    const struct Case {
        std::string path;
        const char* reason;
    } cases[] = {
        {folder + "velundia_no_such_file.dat", "No such file or directory"},
        {folder, "Is a directory"},
        {"", "no file name"},
    };
    for (const Case& c : cases) {
        const ReadResult r = readExportFile(c.path);
        EXPECT_EQ(r.outcome, ReadOutcome::CannotOpen) << c.path;
        EXPECT_EQ(r.message, "doesn't exist");
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(r.file, nullptr);
    }
}

}  // namespace
}  // namespace velundia
