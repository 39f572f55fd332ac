#include "recording/ExportFileBuilder.h"
#include "recording/ExportReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace velundia {
namespace {

ReadResult readBytes(const std::vector<unsigned char>& bytes, const ReadProgress& progress = {}) {
    return readExportBytes(bytes.data(), bytes.size(), progress);
}

ReadResult readBuilt(const ExportFileBuilder& builder) { return readBytes(builder.bytes()); }

std::size_t waveformOffsetOf(const ExportFileBuilder& b) {
    return static_cast<std::size_t>(std::stoll(b.header.waveformOffset.text()));
}

TEST(ExportReader, FramesAreLittleEndianSignedAndChannelInterleaved) {
    // Bytes written by hand, not by the builder, so that the layout is checked independently.
    auto builder = ExportFileBuilder::standard(2, 3);
    std::vector<unsigned char> bytes = builder.bytes();
    const std::size_t w = waveformOffsetOf(builder);
    const unsigned char frames[] = {
        0x01, 0x00, 0xFF, 0xFF,  // frame 0: channel 0 = 1, channel 1 = -1
        0x00, 0x80, 0xFF, 0x7F,  // frame 1: -32768, 32767
        0x34, 0x12, 0xFE, 0xFF,  // frame 2: 0x1234, -2
    };
    ASSERT_EQ(bytes.size(), w + sizeof frames);
    std::copy(std::begin(frames), std::end(frames), bytes.begin() + static_cast<std::ptrdiff_t>(w));

    const ReadResult r = readBytes(bytes);
    ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << r.message;
    const SampleMatrix& m = r.file->samples;
    const int expected[2][3] = {{1, -32768, 0x1234}, {-1, 32767, -2}};
    for (int c = 0; c < 2; ++c)
        for (int s = 0; s < 3; ++s) EXPECT_EQ(m.at(c, s), expected[c][s]) << "channel " << c << " sample " << s;
    EXPECT_EQ(m.at(0, 3), 0);
    EXPECT_EQ(m.at(2, 0), 0);
}

TEST(ExportReader, ReadsWhereTheOffsetsPointAndIgnoresTheFormatFields) {
    auto b = ExportFileBuilder::standard(3, 250);
    b.header.channelInfoOffset.assign("  2000");  // records after a gap
    b.header.waveformOffset.assign(" 512");       // frames before the records
    b.header.sampleFormat.assign("3");
    b.header.multiplexMode.assign("2");
    b.channels[1].leadName.assign("HIS d");
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 250; ++s)
            b.samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)] = static_cast<int16_t>(c * 1000 - s);
    const ReadResult r = readBuilt(b);
    ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << r.message;
    EXPECT_EQ(r.file->channelCount, 3);
    EXPECT_EQ(r.file->channels[1].leadName.text(), "HIS d");
    EXPECT_EQ(r.file->channels[2].leadName.text(), "CH 3");
    EXPECT_EQ(r.file->samples.at(2, 249), 2000 - 249);
    EXPECT_EQ(r.file->samples.at(0, 100), -100);
}

TEST(ExportReader, SampleCountsFromTheHeader) {
    const struct Case {
        const char* field;
        int total;
        int loaded;
        int held;  // frames in the file
    } cases[] = {
        {"   12000", 12000, 10000, 12000},
        {"   10000", 10000, 10000, 10000},
        {"+0000050", 50, 50, 50},
        {"        ", 0, 0, 20},
        {"n/a", 0, 0, 20},
    };
    for (const Case& c : cases) {
        auto b = ExportFileBuilder::standard(2, c.held);
        b.header.samplesPerChannel.assign(c.field);
        b.samples[1][static_cast<std::size_t>(std::min(c.held, 10000) - 1)] = 9;
        int lastProgress = -1;
        const ReadResult r = readBytes(b.bytes(), [&](int frame, int) { lastProgress = frame; });
        ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << c.field << ": " << r.message;
        EXPECT_EQ(r.file->totalSamples, c.total) << c.field;
        EXPECT_EQ(r.file->loadedSamples, c.loaded) << c.field;
        EXPECT_EQ(r.file->framesPresent, c.loaded) << c.field;
        if (c.loaded > 0) {
            EXPECT_EQ(r.file->samples.at(1, c.loaded - 1), 9) << c.field;
        }
        EXPECT_EQ(lastProgress, c.loaded > 0 ? (c.loaded - 1) / 100 * 100 : -1) << c.field;
    }
}

TEST(ExportReader, ProgressEveryHundredFrames) {
    std::vector<std::pair<int, int>> calls;
    const ReadResult r =
        readBytes(ExportFileBuilder::standard(4, 250).bytes(), [&](int frame, int count) { calls.emplace_back(frame, count); });
    ASSERT_EQ(r.outcome, ReadOutcome::Loaded);
    const std::vector<std::pair<int, int>> expected = {{0, 250}, {100, 250}, {200, 250}};
    EXPECT_EQ(calls, expected);
}

TEST(ExportReader, TextsAreTheBytesUpToTheFirstNul) {
    auto b = ExportFileBuilder::standard(2, 10);
    b.header.lastName.assign("ABCDEFGHIJKLMNOPQRSTUVWXYZ");  // 26 bytes, no NUL
    b.header.firstName.assign("\0JOHN", 5);
    b.header.hospitalId.assign("12\0" "34", 5);
    b.header.studyId.assign("  EP 7  ");
    b.channels[0].leadName.assign("0123456789ABCDEF");  // 16 bytes, runs into the gain field
    b.channels[0].gain.assign("2mv");
    b.channels[1].colourName.assign("GREENCYAN   ");  // 12 bytes
    const ReadResult r = readBuilt(b);
    ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << r.message;
    const ExportFile& f = *r.file;
    EXPECT_EQ(f.header.lastName.text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(f.header.firstName.text(), "");
    EXPECT_EQ(f.header.hospitalId.text(), "12");
    EXPECT_EQ(f.header.studyId.text(), "  EP 7  ");
    EXPECT_EQ(f.channels[0].leadName.text(), "0123456789ABCDEF");
    EXPECT_EQ(f.channels[0].gain.text(), "2mv");
    EXPECT_EQ(f.channels[1].colourName.text(), "GREENCYAN   ");
}

// The disk reader and the memory reader are one routine: same bytes, same result.
TEST(ExportReader, FileAndMemoryGiveTheSameResult) {
    auto b = ExportFileBuilder::standard(5, 333);
    for (std::size_t s = 0; s < 333; ++s) b.samples[4][s] = static_cast<int16_t>(s * 97);
    std::vector<unsigned char> bytes = b.bytes();
    bytes.resize(bytes.size() - 5);  // short, so that the end-of-file path is compared too
    const std::string path = ::testing::TempDir() + "velundia_reader_same.dat";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<int> fileCalls, memoryCalls;
    const ReadResult fromFile = readExportFile(path, [&](int frame, int) { fileCalls.push_back(frame); });
    const ReadResult fromMemory = readBytes(bytes, [&](int frame, int) { memoryCalls.push_back(frame); });
    std::remove(path.c_str());
    ASSERT_EQ(fromFile.outcome, ReadOutcome::LoadedShort) << fromFile.message << fromFile.reason;
    EXPECT_EQ(fromMemory.outcome, fromFile.outcome);
    EXPECT_EQ(fromMemory.message, fromFile.message);
    EXPECT_EQ(fileCalls, memoryCalls);
    EXPECT_EQ(fromFile.file->framesPresent, 332);
    for (int c = 0; c < 5; ++c)
        for (int s = 0; s < 333; ++s) ASSERT_EQ(fromFile.file->samples.at(c, s), fromMemory.file->samples.at(c, s));
    EXPECT_EQ(fromFile.file->samples.at(4, 331), static_cast<int16_t>(331 * 97));
}

}  // namespace
}  // namespace velundia
