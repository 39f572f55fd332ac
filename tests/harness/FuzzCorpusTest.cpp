// The inputs the reader's fuzzer kept, replayed in every test run: each is read from disk and
// from memory (both paths must agree), and checked, installed and drawn as the fuzzer does.
#include "recording/ExportReader.h"
#include "tests/harness/StoreChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velundia {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpusFiles() {
    const char* source = std::getenv("VELUNDIA_SOURCE_DIR");
    const fs::path dir = fs::path(source ? source : ".") / "tests" / "fuzz" / "corpus";
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<unsigned char> contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FuzzCorpus, ReadFromDiskAndMemoryAlikeAndDrawn) {
    const std::vector<fs::path> files = corpusFiles();
    ASSERT_GE(files.size(), 4u) << "the committed corpus under tests/fuzz/corpus is missing";
    for (const fs::path& path : files) {
        const std::string what = path.filename().string();
        const std::vector<unsigned char> bytes = contents(path);
        const ReadResult fromDisk = readExportFile(path.string());
        const ReadResult fromMemory = readExportBytes(bytes.data(), bytes.size());
        ASSERT_EQ(harness::resultViolation(fromDisk), "") << what;
        EXPECT_EQ(fromDisk.outcome, fromMemory.outcome) << what;
        EXPECT_EQ(fromDisk.message, fromMemory.message) << what;
        if (fromDisk.accepted() && fromMemory.accepted()) {
            const ExportFile& a = *fromDisk.file;
            const ExportFile& b = *fromMemory.file;
            EXPECT_EQ(a.channelCount, b.channelCount) << what;
            EXPECT_EQ(a.loadedSamples, b.loadedSamples) << what;
            EXPECT_EQ(a.framesPresent, b.framesPresent) << what;
            for (int c = 0; c < a.channelCount; ++c)
                EXPECT_TRUE(std::equal(a.samples.row(c), a.samples.row(c) + a.loadedSamples, b.samples.row(c)))
                    << what << ", channel " << c;
        }
        // The fuzzer takes its control settings from the file's last bytes; so does the replay.
        const std::size_t tail = std::min(bytes.size(), harness::RenderChoiceBytes);
        const harness::RenderChoice choice = harness::renderChoiceFrom(bytes.data() + bytes.size() - tail, tail);
        EXPECT_EQ(harness::readInstallRender(bytes.data(), bytes.size(), choice), "") << what;
    }
}

}  // namespace
}  // namespace velundia
