#include "recording/ExportFileBuilder.h"
#include "recording/ExportReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velundia {
namespace {

class InstallExportFile : public ::testing::Test {
protected:
    // Reads the builder's bytes and puts the file into the fixture's store.
    void open(const ExportFileBuilder& builder) {
        const auto bytes = builder.bytes();
        ReadResult r = readExportBytes(bytes.data(), bytes.size());
        ASSERT_TRUE(r.accepted()) << r.message;
        installExportFile(std::move(*r.file), *recording, leads);
    }

    static ExportFileBuilder named(const std::vector<std::string>& names, const char* colourName) {
        auto b = ExportFileBuilder::standard(static_cast<int>(names.size()), 300);
        for (std::size_t i = 0; i < names.size(); ++i) {
            b.channels[i].leadName.assign(names[i]);
            b.channels[i].colourName.assign(colourName);
        }
        return b;
    }

    std::unique_ptr<Recording> recording = std::make_unique<Recording>();
    LeadSettings leads;
};

const std::vector<std::string> StandardLeads = {"I", "II", "III", "aVR", "aVL", "aVF",
                                                "V1", "V2", "V3", "V4", "V5", "V6"};

TEST_F(InstallExportFile, FillsTheGridTheCountsAndTheDefaultShownLeads) {
    std::vector<std::string> names = StandardLeads;
    for (const char* extra : {"HRA d", "HIS d", "HIS p", "CS 9-10"}) names.push_back(extra);
    auto b = named(names, "GREEN");
    b.channels[13].colourName.assign("CYAN");
    b.channels[0].gain.assign("2mv");
    b.samples[15][299] = -123;
    recording->sampleMatrix.row(40)[5] = 99;  // left over from an earlier file
    recording->scratchRow[3] = 17;
    leads.position[5] = 123;
    open(b);

    const ChannelTable& t = recording->channelTable;
    ASSERT_EQ(t.rowCount(), 17);
    EXPECT_EQ(t.cell(0, 0), "CH No.");
    EXPECT_EQ(t.cell(7, 0), "COLOR");
    EXPECT_EQ(t.cell(0, 16), "16");
    EXPECT_EQ(t.leadName(13), "HIS d");
    EXPECT_EQ(t.cell(2, 1), "2mv");
    EXPECT_EQ(t.cell(4, 1), "0.05");
    EXPECT_EQ(t.cell(7, 14), "CYAN");

    EXPECT_EQ(recording->channelCount, 16);
    EXPECT_EQ(recording->shownCount, 7);  // I, II, V1 and the four intracardiac channels
    EXPECT_EQ(recording->totalSamples, 300);
    EXPECT_EQ(recording->loadedSamples, 300);
    const std::vector<int> shown = {1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(leads.shown[static_cast<std::size_t>(i)], shown[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(leads.colour[0], 0x00FF00);
    EXPECT_EQ(leads.colour[13], 0xFF00FF);
    for (int i = 0; i < MaxChannels; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(leads.gainStep[k], 4);
        EXPECT_EQ(leads.gainDivisor[k], 8);
        EXPECT_EQ(leads.clipWidth[k], 50);
    }
    EXPECT_EQ(leads.position[5], 123);
    EXPECT_EQ(recording->sampleMatrix.at(15, 299), -123);
    EXPECT_EQ(recording->sampleMatrix.at(40, 5), 0);
    EXPECT_EQ(recording->scratchRow[3], 17);
}

TEST_F(InstallExportFile, AThreeChannelFileAfterATwelveChannelOneKeepsTheOtherEntries) {
    open(named(StandardLeads, "YELLOW"));
    leads.gainStep[7] = 1;
    leads.gainDivisor[7] = 64;
    leads.clipWidth[70] = 120;
    open(named({"aVF", "X", "Y"}, "CYAN"));

    EXPECT_EQ(recording->channelTable.rowCount(), 4);
    EXPECT_EQ(recording->channelTable.cell(0, 3), "3");
    EXPECT_EQ(recording->channelTable.leadName(3), "");
    EXPECT_EQ(recording->shownCount, 2);
    EXPECT_EQ(leads.shown[0], 0);
    EXPECT_EQ(leads.shown[1], 1);
    EXPECT_EQ(leads.colour[2], 0xFF00FF);
    for (int i = 3; i < 12; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(leads.colour[k], 0x00FFFF) << i;
        EXPECT_EQ(leads.shown[k], i == 6 ? 1 : 0) << i;  // V1 was the only one shown
    }
    EXPECT_EQ(leads.gainStep[7], 4);
    EXPECT_EQ(leads.gainDivisor[7], 8);
    EXPECT_EQ(leads.clipWidth[70], 50);
}

TEST_F(InstallExportFile, AFileWithoutChannelsLeavesOnlyTheTitleRow) {
    open(ExportFileBuilder::standard(0, 0));
    EXPECT_EQ(recording->channelTable.rowCount(), 1);
    EXPECT_EQ(recording->channelTable.cell(1, 0), "LEAD");
    EXPECT_EQ(recording->channelCount, 0);
    EXPECT_EQ(recording->shownCount, 0);
}

}  // namespace
}  // namespace velundia
