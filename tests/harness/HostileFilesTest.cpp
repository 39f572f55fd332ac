// Damaged and hostile export files, made from valid ones: every one is read, and each file
// the reader accepts is installed and drawn. None may crash or leak (the sanitizer run sees to
// that), the store's rules hold afterwards, and every refusal names the field that caused it.
#include "recording/ExportFileBuilder.h"
#include "recording/ExportReader.h"
#include "tests/harness/StoreChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace velundia {
namespace {

using harness::readInstallRender;
using harness::RenderChoice;
using harness::renderChoiceFrom;
using Bytes = std::vector<unsigned char>;

// splitmix64: the same mutations on every machine and every run.
class Seeded {
public:
    explicit Seeded(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(next() % n); }
    RenderChoice choice() {
        std::array<unsigned char, harness::RenderChoiceBytes> b{};
        for (auto& v : b) v = static_cast<unsigned char>(next());
        return renderChoiceFrom(b.data(), b.size());
    }

private:
    uint64_t state_;
};

// Lead names that mix default-shown and default-hidden leads, so shownCount < channelCount.
constexpr std::array<const char*, 8> LeadNames = {"I", "aVR", "HIS d", "V2", "II", "III", "CS 1-2", "V1"};

int16_t sampleValue(int channel, int sample) { return static_cast<int16_t>((channel + 1) * 1000 - 700 + sample * 37); }

ExportFileBuilder validFile(int channels, int samples) {
    ExportFileBuilder b = ExportFileBuilder::standard(channels, samples);
    for (int c = 0; c < channels; ++c) {
        b.channels[static_cast<std::size_t>(c)].leadName.assign(LeadNames[static_cast<std::size_t>(c) % LeadNames.size()]);
        for (int s = 0; s < samples; ++s)
            b.samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)] = sampleValue(c, s);
    }
    return b;
}

const HeaderFieldInfo& headerField(const std::string& name) {
    for (const HeaderFieldInfo& f : headerFieldInfo())
        if (name == f.name) return f;
    ADD_FAILURE() << "no header field " << name;
    return headerFieldInfo()[0];
}

// The field's bytes replaced by text, right-aligned and space-padded as the lab system writes
// numbers; a text of the full width (NULs included) is taken as it is.
// A file too short for the field is first lengthened with NULs up to the field's end.
Bytes withField(Bytes bytes, const std::string& name, const std::string& text) {
    const HeaderFieldInfo& f = headerField(name);
    const auto width = static_cast<std::size_t>(f.width);
    bytes.resize(std::max(bytes.size(), static_cast<std::size_t>(f.offset) + width), 0);
    std::string field = text.size() >= width ? text.substr(0, width) : std::string(width - text.size(), ' ') + text;
    std::copy(field.begin(), field.end(), bytes.begin() + f.offset);
    return bytes;
}

Bytes cut(const Bytes& bytes, std::size_t size) { return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)); }

std::string printable(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch >= ' ' && ch <= '~') {
            out += ch;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(ch)));
            out += escaped;
        }
    }
    return out;
}

// Read, install and draw with a choice of controls that varies from case to case.
void expectReadInstallRenderHold(const Bytes& bytes, Seeded& seeded, const std::string& what) {
    EXPECT_EQ(readInstallRender(bytes.data(), bytes.size(), seeded.choice()), "") << what;
}

// 3 channels x 20 frames: records at 304..495, frames at 496..615, 6 bytes each.
struct ThreeChannels : ::testing::Test {
    static constexpr int Channels = 3;
    static constexpr int Samples = 20;
    static constexpr std::size_t Records = 304;
    static constexpr std::size_t Waveform = Records + 64 * Channels;
    const Bytes full = validFile(Channels, Samples).bytes();
    Seeded seeded{5};
};

TEST_F(ThreeChannels, TruncatedAtEveryBoundaryKeepsWhatIsThereAndSaysSo) {
    ASSERT_EQ(full.size(), Waveform + 6 * Samples);
    std::set<std::size_t> sizes = {0, 1, 179, 180, 255, 256, 303, full.size() - 1, full.size()};
    for (const HeaderFieldInfo& f : headerFieldInfo())
        for (int at : {f.offset, f.offset + f.width / 2, f.offset + f.width}) sizes.insert(static_cast<std::size_t>(at));
    for (int c = 0; c <= Channels; ++c) {
        const std::size_t record = Records + 64 * static_cast<std::size_t>(c);
        sizes.insert(record);
        if (c < Channels)
            for (const ChannelFieldInfo& f : channelFieldInfo()) sizes.insert(record + static_cast<std::size_t>(f.offset) + 1);
    }
    for (std::size_t frame = 0; frame <= Samples; ++frame)
        for (std::size_t inside : {0, 1, 2, 3, 5}) sizes.insert(Waveform + 6 * frame + inside);

    for (const std::size_t size : sizes) {
        if (size > full.size()) continue;
        const Bytes bytes = cut(full, size);
        const ReadResult r = readExportBytes(bytes.data(), bytes.size());
        const std::string what = "cut at " + std::to_string(size);
        ASSERT_EQ(harness::resultViolation(r), "") << what;
        ASSERT_EQ(r.outcome, size == full.size() ? ReadOutcome::Loaded : ReadOutcome::LoadedShort) << what;
        EXPECT_EQ(r.message.find("header was incomplete") != std::string::npos, size < Records) << what << ": " << r.message;
        if (size >= Records) {
            // The header is whole, so the layout is the valid file's: each sample whose two bytes are
            // there is read, every other one is 0.
            EXPECT_EQ(r.message.find("channel records") != std::string::npos, size < Waveform) << what << ": " << r.message;
            const int64_t complete = size < Waveform ? 0 : static_cast<int64_t>((size - Waveform) / 6);
            EXPECT_EQ(r.file->framesPresent, std::min<int64_t>(complete, Samples)) << what;
            for (int c = 0; c < Channels; ++c)
                for (int s = 0; s < Samples; ++s) {
                    const bool there = Waveform + 2 * static_cast<std::size_t>(Channels * s + c) + 2 <= size;
                    ASSERT_EQ(r.file->samples.at(c, s), there ? sampleValue(c, s) : 0) << what << ", channel " << c << ", sample " << s;
                }
        }
        expectReadInstallRenderHold(bytes, seeded, what);
    }
}

TEST(SmallFile, TruncatedAtEveryByte) {
    const Bytes full = validFile(1, 4).bytes();
    ASSERT_EQ(full.size(), 304u + 64u + 8u);
    Seeded seeded{11};
    for (std::size_t size = 0; size <= full.size(); ++size) {
        const Bytes bytes = cut(full, size);
        const ReadResult r = readExportBytes(bytes.data(), bytes.size());
        const std::string what = "cut at " + std::to_string(size);
        ASSERT_EQ(harness::resultViolation(r), "") << what;
        EXPECT_EQ(r.outcome, size == full.size() ? ReadOutcome::Loaded : ReadOutcome::LoadedShort) << what;
        expectReadInstallRenderHold(bytes, seeded, what);
    }
}

struct HeaderCase {
    const char* field;
    std::string text;
    ReadOutcome outcome;
    const char* messagePart;  // expected in the message; nullptr for none
    int channels = -1;        // expected channelCount of an accepted file; -1 unchecked
    int64_t loaded = -1;      // expected loadedSamples; -1 unchecked
};

void expectHeaderCases(const Bytes& full, const std::vector<HeaderCase>& cases, Seeded& seeded) {
    for (const HeaderCase& c : cases) {
        const Bytes bytes = withField(full, c.field, c.text);
        const ReadResult r = readExportBytes(bytes.data(), bytes.size());
        const std::string what = std::string(c.field) + " = \"" + printable(c.text) + "\"";
        ASSERT_EQ(harness::resultViolation(r), "") << what;
        EXPECT_EQ(r.outcome, c.outcome) << what << ": " << r.message;
        if (c.messagePart) {
            EXPECT_NE(r.message.find(c.messagePart), std::string::npos) << what << ": " << r.message;
        }
        if (r.accepted() && c.channels >= 0) {
            EXPECT_EQ(r.file->channelCount, c.channels) << what;
        }
        if (r.accepted() && c.loaded >= 0) {
            EXPECT_EQ(r.file->loadedSamples, c.loaded) << what;
        }
        expectReadInstallRenderHold(bytes, seeded, what);
    }
}

TEST_F(ThreeChannels, HeaderNumbersHugeNegativeOrNotNumbers) {
    const std::string nuls(8, '\0');
    const std::vector<HeaderCase> cases = {
        {"exportedChannels", "9999", ReadOutcome::Refused, "exported channels is 9999"},
        {"exportedChannels", "81", ReadOutcome::Refused, "exported channels is 81"},
        {"exportedChannels", "-1", ReadOutcome::Refused, "exported channels is -1"},
        {"exportedChannels", "-999", ReadOutcome::Refused, "exported channels is -999"},
        {"exportedChannels", "80", ReadOutcome::LoadedShort, "channel records", 80},
        {"exportedChannels", "0", ReadOutcome::Loaded, nullptr, 0, Samples},
        {"exportedChannels", "abcd", ReadOutcome::Loaded, nullptr, 0, Samples},
        {"exportedChannels", nuls.substr(0, 4), ReadOutcome::Loaded, nullptr, 0, Samples},
        {"exportedChannels", "+3x", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"exportedChannels", "\t\n 2", ReadOutcome::Loaded, nullptr, 2, Samples},
        {"exportedChannels", "--3", ReadOutcome::Loaded, nullptr, 0, Samples},
        {"samplesPerChannel", "99999999", ReadOutcome::LoadedShort, "20 of 10000 expected sample frames", 3, 10000},
        {"samplesPerChannel", "10001", ReadOutcome::LoadedShort, "20 of 10000", 3, 10000},
        {"samplesPerChannel", "0", ReadOutcome::Loaded, nullptr, 3, 0},
        {"samplesPerChannel", "-1", ReadOutcome::Refused, "samples per channel is -1"},
        {"samplesPerChannel", "-9999999", ReadOutcome::Refused, "samples per channel is -9999999"},
        {"samplesPerChannel", "twenty", ReadOutcome::Loaded, nullptr, 3, 0},
        {"samplesPerChannel", nuls, ReadOutcome::Loaded, nullptr, 3, 0},
        {"samplesPerChannel", "1e9", ReadOutcome::Loaded, nullptr, 3, 1},
        {"waveformOffset", "-1", ReadOutcome::Refused, "waveform block is -1"},
        {"waveformOffset", "-99999", ReadOutcome::Refused, "waveform block is -99999"},
        {"waveformOffset", "x496", ReadOutcome::Loaded, nullptr, 3, Samples},  // 0: frames read from the header
        {"channelInfoOffset", "-5", ReadOutcome::Refused, "channel information block is -5"},
        {"channelInfoOffset", "??", ReadOutcome::Loaded, nullptr, 3, Samples},  // 0: records read from the header
        // Fields only shown, never converted: nothing a number there says changes the reading.
        {"channelHeaderOffset", "-99999", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"samplesPerMuxBlock", "9999", ReadOutcome::Loaded, nullptr, 3, Samples},
    };
    expectHeaderCases(full, cases, seeded);
}

TEST_F(ThreeChannels, OffsetsPastTheEndIntoTheHeaderOrAtTheFieldsLargestValue) {
    const std::string pastEnd = std::to_string(full.size());
    const std::string farPastEnd = std::to_string(full.size() + 1000);
    const std::vector<HeaderCase> cases = {
        {"waveformOffset", pastEnd, ReadOutcome::LoadedShort, "0 of 20 expected sample frames", 3, Samples},
        {"waveformOffset", farPastEnd, ReadOutcome::LoadedShort, "0 of 20", 3, Samples},
        {"waveformOffset", "999999", ReadOutcome::LoadedShort, "0 of 20", 3, Samples},
        {"waveformOffset", std::to_string(full.size() - 16), ReadOutcome::LoadedShort, "2 of 20", 3, Samples},
        {"waveformOffset", "0", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"waveformOffset", "256", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"waveformOffset", "301", ReadOutcome::Loaded, nullptr, 3, Samples},  // odd: every sample straddles two
        {"channelInfoOffset", pastEnd, ReadOutcome::LoadedShort, "only 0 of 3 channel records", 3, Samples},
        {"channelInfoOffset", "999999", ReadOutcome::LoadedShort, "only 0 of 3 channel records", 3, Samples},
        {"channelInfoOffset", std::to_string(full.size() - 100), ReadOutcome::LoadedShort, "only 1 of 3", 3, Samples},
        {"channelInfoOffset", "0", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"channelInfoOffset", "180", ReadOutcome::Loaded, nullptr, 3, Samples},
        {"channelInfoOffset", "400", ReadOutcome::Loaded, nullptr, 3, Samples},  // records run into the frames
    };
    expectHeaderCases(full, cases, seeded);
}

TEST(ChannelAndSampleCounts, AtTheStoresLimitsAndBeyond) {
    const struct Case {
        int channels, samples;
        const char* channelText;  // nullptr: the count the file really has
        const char* sampleText;
        ReadOutcome outcome;
        const char* messagePart;
        int loaded;
    } cases[] = {
        {0, 8, nullptr, nullptr, ReadOutcome::Loaded, nullptr, 8},
        {80, 8, nullptr, nullptr, ReadOutcome::Loaded, nullptr, 8},
        {81, 8, nullptr, nullptr, ReadOutcome::Refused, "exported channels is 81", 0},
        {12, 8, "9999", nullptr, ReadOutcome::Refused, "exported channels is 9999", 0},
        {80, 0, nullptr, nullptr, ReadOutcome::Loaded, nullptr, 0},
        {80, 12, nullptr, "99999999", ReadOutcome::LoadedShort, "12 of 10000", 10000},
        {3, 10000, nullptr, nullptr, ReadOutcome::Loaded, nullptr, 10000},
        {3, 10001, nullptr, nullptr, ReadOutcome::Loaded, nullptr, 10000},  // the frame beyond is not read
        {1, 3, nullptr, "99999999", ReadOutcome::LoadedShort, "3 of 10000", 10000},
    };
    Seeded seeded{17};
    for (const Case& c : cases) {
        Bytes bytes = validFile(c.channels, c.samples).bytes();
        if (c.channelText) bytes = withField(bytes, "exportedChannels", c.channelText);
        if (c.sampleText) bytes = withField(bytes, "samplesPerChannel", c.sampleText);
        const std::string what = std::to_string(c.channels) + " x " + std::to_string(c.samples) + " file" +
                                 (c.channelText ? std::string(" saying ") + c.channelText + " channels" : "") +
                                 (c.sampleText ? std::string(" saying ") + c.sampleText + " samples" : "");
        const ReadResult r = readExportBytes(bytes.data(), bytes.size());
        ASSERT_EQ(harness::resultViolation(r), "") << what;
        EXPECT_EQ(r.outcome, c.outcome) << what << ": " << r.message;
        if (c.messagePart) {
            EXPECT_NE(r.message.find(c.messagePart), std::string::npos) << what << ": " << r.message;
        }
        if (r.accepted()) {
            EXPECT_EQ(r.file->loadedSamples, c.loaded) << what;
        }
        expectReadInstallRenderHold(bytes, seeded, what);
    }
}

// Header numbers of every kind written into the converted fields, bytes flipped anywhere,
// truncations and tails of garbage, several at once.
TEST(SeededMutations, OfValidFilesNeverBreakTheStore) {
    const std::array<const char*, 4> parsed = {"exportedChannels", "samplesPerChannel", "waveformOffset",
                                               "channelInfoOffset"};
    const std::array<const char*, 10> numbers = {"0", "-0", "1", "80", "81", "-1", "99999999", "9999", "2147483647", "+"};
    const std::vector<Bytes> valid = {validFile(12, 30).bytes(), validFile(3, 20).bytes(), validFile(1, 2).bytes()};
    Seeded seeded{2024};
    int refused = 0, accepted = 0;
    for (int i = 0; i < 600; ++i) {
        Bytes bytes = valid[seeded.below(valid.size())];
        const int mutations = 1 + static_cast<int>(seeded.below(3));
        std::string what = "mutant " + std::to_string(i) + ":";
        for (int m = 0; m < mutations; ++m) {
            switch (seeded.below(4)) {
                case 0: {
                    const char* field = parsed[seeded.below(parsed.size())];
                    std::string text = numbers[seeded.below(numbers.size())];
                    if (seeded.below(2)) text += static_cast<char>(seeded.below(256));
                    bytes = withField(bytes, field, text);
                    what += std::string(" ") + field + "=\"" + printable(text) + "\"";
                    break;
                }
                case 1:
                    for (std::size_t n = 1 + seeded.below(8); n > 0 && !bytes.empty(); --n)
                        bytes[seeded.below(bytes.size())] = static_cast<unsigned char>(seeded.next());
                    what += " flipped bytes";
                    break;
                case 2:
                    bytes.resize(seeded.below(bytes.size() + 1));
                    what += " cut at " + std::to_string(bytes.size());
                    break;
                default:
                    for (std::size_t n = seeded.below(200); n > 0; --n) bytes.push_back(static_cast<unsigned char>(seeded.next()));
                    what += " garbage tail";
                    break;
            }
        }
        const ReadResult r = readExportBytes(bytes.data(), bytes.size());
        ASSERT_EQ(harness::resultViolation(r), "") << what;
        (r.accepted() ? accepted : refused) += 1;
        expectReadInstallRenderHold(bytes, seeded, what);
    }
    // The mutations reach both sides of the reader's checks.
    EXPECT_GT(refused, 20);
    EXPECT_GT(accepted, 300);
}

}  // namespace
}  // namespace velundia
