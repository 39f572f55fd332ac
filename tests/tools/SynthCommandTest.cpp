#include "recording/ChannelDefaults.h"
#include "recording/ExportReader.h"
#include "tools/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace velundia {
namespace {

std::vector<char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SynthCommand : public ::testing::Test {
protected:
    int synth(std::vector<std::string> options, const std::string& path) {
        std::vector<std::string> args = {"synth", "--out", path};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream out;
        err_.str("");
        return cli::runCli(args, out, err_);
    }

    // Synthesises into a file of its own and opens it as the program does.
    void open(const std::vector<std::string>& options) {
        ASSERT_EQ(synth(options, path_), 0) << err_.str();
        ReadResult r = readExportFile(path_);
        ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << r.message << r.reason;
        file_ = std::move(r.file);
    }

    const int16_t* lead(int channel) const { return file_->samples.row(channel); }
    int peak(int channel) const { return *std::max_element(lead(channel), lead(channel) + file_->loadedSamples); }

    void TearDown() override {
        std::remove(path_.c_str());
        std::remove(other_.c_str());
    }

    std::string path_ = ::testing::TempDir() + "velundia_synth_a.dat";
    std::string other_ = ::testing::TempDir() + "velundia_synth_b.dat";
    std::ostringstream err_;
    std::unique_ptr<ExportFile> file_;
};

TEST_F(SynthCommand, WritesAConsistentFileTheReaderAccepts) {
    open({"--channels", "26", "--samples", "12000", "--seed", "5"});
    EXPECT_EQ(file_->channelCount, 26);
    EXPECT_EQ(file_->totalSamples, 12000);
    EXPECT_EQ(file_->loadedSamples, 10000);
    EXPECT_EQ(std::filesystem::file_size(path_), 304u + 64u * 26u + 2u * 26u * 12000u);
    EXPECT_EQ(file_->header.fileType.text(), "1");
    EXPECT_EQ(file_->header.sampleFormat.text(), "1");
    EXPECT_EQ(file_->header.multiplexMode.text(), "1");

    const char* names[] = {"I", "II", "III", "aVR", "aVL", "aVF", "V1", "V2", "V3", "V4", "V5", "V6",
                           "HRA d", "HIS d", "HIS p", "CS 9-10", "CS 7-8", "CS 5-6", "CS 3-4", "CS 1-2", "RVA d"};
    for (int c = 0; c < 21; ++c) EXPECT_EQ(file_->channels[static_cast<std::size_t>(c)].leadName.text(), names[c]);
    for (const ChannelRecord& ch : file_->channels) {
        const std::string colour = ch.colourName.text();
        const bool known = colour == "WHITE" || colour == "YELLOW" || colour == "GREEN" || colour == "CYAN" ||
                           colour == "MAGENTA" || colour == "GREENCYAN";
        EXPECT_TRUE(known) << ch.leadName.text() << ": " << colour;
        EXPECT_FALSE(ch.leadName.text().empty());
    }
    EXPECT_EQ(file_->channels[0].gain.text(), "1mv");
}

TEST_F(SynthCommand, LimbLeadsObeyEinthovenWithinRounding) {
    open({"--channels", "12", "--seed", "3"});
    for (int s = 0; s < file_->loadedSamples; ++s) {
        const int i = lead(0)[s], ii = lead(1)[s];
        ASSERT_EQ(lead(2)[s], ii - i) << s;                    // III = II - I
        ASSERT_LE(std::abs(2 * lead(3)[s] + i + ii), 1) << s;  // aVR = -(I + II) / 2
        ASSERT_LE(std::abs(2 * lead(4)[s] - 2 * i + ii), 1) << s;  // aVL = I - II / 2
        ASSERT_LE(std::abs(2 * lead(5)[s] - 2 * ii + i), 1) << s;  // aVF = II - I / 2
    }
}

// 1 mV is 80 x the amplitude divisor in raw units, so the waves scale with the gain text.
TEST_F(SynthCommand, OneMillivoltIsEightyTimesTheAmplitudeDivisor) {
    open({"--channels", "12", "--seed", "9"});
    const int peak1mv = peak(1);
    EXPECT_GT(peak1mv, 80 * 86 * 8 / 10);  // lead II's R wave: about 1.2 mV
    EXPECT_LT(peak1mv, 80 * 86 * 16 / 10);
    open({"--channels", "12", "--seed", "9", "--gain-text", "2mv"});
    EXPECT_EQ(file_->channels[0].gain.text(), "2mv");
    ChannelTable table;
    table.setRowCount(2);
    table.setCell(2, 1, file_->channels[0].gain.text());
    EXPECT_EQ(amplitudeDivisorFor(table), 215);
    const double ratio = static_cast<double>(peak(1)) / peak1mv;
    EXPECT_NEAR(ratio, 215.0 / 86.0, 0.05);
}

// Sinus conduction: high right atrium, coronary sinus proximal to distal, then the QRS,
// with the right ventricular apex inside it.
TEST_F(SynthCommand, ActivationsFollowSinusConduction) {
    open({"--channels", "21", "--seed", "11"});
    // First sample of the first beat where a channel reaches half its largest deflection.
    auto firstActivation = [&](int channel) {
        const int16_t* row = lead(channel);
        int largest = 0;
        for (int s = 0; s < 1200; ++s) largest = std::max(largest, std::abs(static_cast<int>(row[s])));
        for (int s = 0; s < 1200; ++s)
            if (2 * std::abs(static_cast<int>(row[s])) >= largest) return s;
        return -1;
    };
    const int hra = firstActivation(12);
    const int qrs = firstActivation(1);  // lead II's R wave
    EXPECT_LT(hra, firstActivation(15));
    for (int cs = 15; cs < 19; ++cs) EXPECT_LT(firstActivation(cs), firstActivation(cs + 1)) << cs;  // 9-10 .. 1-2
    EXPECT_LT(firstActivation(19), qrs);
    EXPECT_GT(qrs - hra, 120);  // P-wave onset to QRS: a normal PR interval
    EXPECT_LT(qrs - hra, 220);
    EXPECT_NEAR(firstActivation(20), qrs, 25);  // RVA within the QRS
}

TEST_F(SynthCommand, TheSeedDecidesEveryByte) {
    ASSERT_EQ(synth({"--seed", "42", "--samples", "3000"}, path_), 0);
    ASSERT_EQ(synth({"--seed", "42", "--samples", "3000"}, other_), 0);
    EXPECT_EQ(fileBytes(path_), fileBytes(other_));
    ASSERT_EQ(synth({"--seed", "43", "--samples", "3000"}, other_), 0);
    EXPECT_NE(fileBytes(path_), fileBytes(other_));
}

TEST_F(SynthCommand, UsageErrorsWriteNothing) {
    const struct Case {
        std::vector<std::string> options;
        const char* reason;
    } cases[] = {
        {{"--channels", "0"}, "--channels must be 1..80"},
        {{"--channels", "81"}, "--channels must be 1..80"},
        {{"--channels", "12x"}, "--channels must be 1..80"},
        {{"--samples", "-1"}, "--samples must be"},
        {{"--seed", "-3"}, "--seed must be"},
        {{"--gain-text", "1234567"}, "at most 6 characters"},
        {{"--colour", "RED"}, "unknown argument --colour"},
        {{"--samples"}, "--samples needs a value"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(synth(c.options, path_), 2) << c.reason;
        EXPECT_NE(err_.str().find(c.reason), std::string::npos) << err_.str();
        EXPECT_FALSE(std::filesystem::exists(path_)) << c.reason;
    }
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli({"synth", "--channels", "3"}, out, err), 2);
    EXPECT_NE(err.str().find("--out FILE missing"), std::string::npos);
    EXPECT_EQ(synth({}, ::testing::TempDir()), 1);  // a folder cannot be written
    EXPECT_NE(err_.str().find("cannot write"), std::string::npos);
}

// The committed samples are what samples/README.md says: regenerating them gives the same bytes.
TEST_F(SynthCommand, CommittedSamplesAreReproducible) {
    const std::string samples = std::string(VELUNDIA_SOURCE_DIR) + "/samples/";
    const struct Case {
        const char* file;
        std::vector<std::string> options;
        int channels, totalSamples, divisor;
    } cases[] = {
        {"demo16.dat", {"--channels", "16", "--samples", "10000", "--seed", "1"}, 16, 10000, 86},
        {"long12000.dat", {"--channels", "12", "--samples", "12000", "--seed", "2"}, 12, 12000, 86},
        {"gain2mv.dat", {"--channels", "14", "--samples", "8000", "--seed", "3", "--gain-text", "2mv"}, 14, 8000, 215},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(synth(c.options, path_), 0) << err_.str();
        EXPECT_TRUE(fileBytes(samples + c.file) == fileBytes(path_)) << c.file << " differs from a fresh synth";
        ReadResult r = readExportFile(samples + c.file);
        ASSERT_EQ(r.outcome, ReadOutcome::Loaded) << c.file << ": " << r.reason;
        Recording recording;
        LeadSettings leads;
        installExportFile(std::move(*r.file), recording, leads);
        EXPECT_EQ(recording.channelCount, c.channels) << c.file;
        EXPECT_EQ(recording.totalSamples, c.totalSamples) << c.file;
        EXPECT_EQ(amplitudeDivisorFor(recording.channelTable), c.divisor) << c.file;
        EXPECT_EQ(recording.channelTable.leadName(11), "V6") << c.file;
    }
}

}  // namespace
}  // namespace velundia
