#include "recording/ExportFileBuilder.h"
#include "tools/Commands.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace velundia {
namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Green = 0xFF00FF00u;
constexpr QRgb Pink = 0xFFFF88FFu;

// Export files of a few constant channels named "CH n" (all shown, white, gain text "1mv"),
// written to the test's temporary folder, and pictures rendered from them.
class RenderCommand : public ::testing::Test {
protected:
    void writeRecording(int channels, int samples, int value, int until = -1) {
        ExportFileBuilder b = ExportFileBuilder::standard(channels, samples);
        for (auto& row : b.samples)
            for (int i = 0; i < samples; ++i) row[std::size_t(i)] = int16_t(until < 0 || i < until ? value : 0);
        const std::vector<unsigned char> bytes = b.bytes();
        std::ofstream(recording_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    int render(std::vector<std::string> options, const std::string& picture) {
        std::vector<std::string> args = {"render", recording_, "--out", picture};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream out;
        err_.str("");
        return cli::runCli(args, out, err_);
    }
    QImage picture(std::vector<std::string> options) {
        const int code = render(std::move(options), png_);
        EXPECT_EQ(code, 0) << err_.str();
        return QImage(QString::fromStdString(png_));
    }
    std::vector<int> rowsOf(const QImage& image, int x, QRgb colour) const {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour) rows.push_back(y);
        return rows;
    }
    void TearDown() override {
        for (const std::string* p : {&recording_, &png_, &ppm_}) std::remove(p->c_str());
    }

    std::string recording_ = ::testing::TempDir() + "velundia_render.dat";
    std::string png_ = ::testing::TempDir() + "velundia_render.png";
    std::string ppm_ = ::testing::TempDir() + "velundia_render.ppm";
    std::ostringstream err_;
};

TEST_F(RenderCommand, TraceBoxWithTheProgramsDefaultsAndOptions) {
    writeRecording(1, 10000, 1000);
    struct Case {
        std::vector<std::string> options;
        QRgb colour;
        std::vector<int> rows;  // at x = 310 of the 620 x 341 box; the one row centre is 113
    } cases[] = {
        {{}, White, {108}},                              // 1000 / 25 / 8
        {{"--gain", "5"}, White, {88}},                   // 1000 / 5 / 8
        {{"--lead-gain", "0=7"}, White, {73}},            // divisor 1
        {{"--lead-gain", "0=7", "--clip", "--clip-width", "0=10"}, White, {103}},
        {{"--colour", "0=0x00FF00"}, Green, {108}},
        {{"--brush", "3"}, White, {108, 109, 110}},
        {{"--brush", "3", "--round"}, White, {107, 108, 109}},
        {{"--shown", ""}, White, {}},
    };
    for (const Case& c : cases) {
        const QImage image = picture(c.options);
        SCOPED_TRACE(testing::Message() << "options " << ::testing::PrintToString(c.options));
        ASSERT_EQ(image.size(), QSize(620, 341));
        EXPECT_EQ(rowsOf(image, 310, c.colour), c.rows);
        EXPECT_EQ(image.pixel(20, 339), White);  // ruler tick
    }
    const QImage small = picture({"--size", "300x100", "--sweep", "0.25"});
    EXPECT_EQ(small.size(), QSize(300, 100));
    EXPECT_EQ(rowsOf(small, 200, White), std::vector<int>{28});  // centre 33, deflection 5
    EXPECT_EQ(picture({"--no-ruler"}).pixel(20, 339), Black);
}

TEST_F(RenderCommand, FirstSampleIsClampedToTheScrollRange) {
    writeRecording(1, 2000, 1000, 1000);  // 1000 then 0 from sample 1000 on
    EXPECT_EQ(rowsOf(picture({"--pos", "500"}), 310, White), std::vector<int>{108});
    EXPECT_EQ(rowsOf(picture({"--pos", "500"}), 550, White), std::vector<int>{113});
    EXPECT_EQ(rowsOf(picture({"--pos", "5000"}), 10, White), std::vector<int>{113});  // clamped to 1380
    EXPECT_EQ(rowsOf(picture({"--pos", "-40"}), 310, White), std::vector<int>{108});
}

TEST_F(RenderCommand, PpmHoldsTheSamePixels) {
    writeRecording(1, 10000, 1000);
    ASSERT_EQ(render({"--colour", "0=0x123456"}, ppm_), 0) << err_.str();
    std::ifstream in(ppm_, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, depth = 0;
    in >> magic >> width >> height >> depth;
    in.get();
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(width, 620);
    EXPECT_EQ(height, 341);
    EXPECT_EQ(depth, 255);
    std::vector<unsigned char> pixels((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(pixels.size(), 620u * 341u * 3u);
    const std::size_t at = (108u * 620u + 300u) * 3u;
    EXPECT_EQ(pixels[at], 0x56);  // red, green, blue of 0x00BBGGRR 0x123456
    EXPECT_EQ(pixels[at + 1], 0x34);
    EXPECT_EQ(pixels[at + 2], 0x12);
    EXPECT_EQ(pixels[(107u * 620u + 300u) * 3u], 0);
}

TEST_F(RenderCommand, MeasurementsGiveTheOverlaySurface) {
    writeRecording(1, 10000, 1000);
    const QImage image = picture({"--measure", "300,100,150"});
    ASSERT_EQ(image.size(), QSize(620, 341));
    EXPECT_EQ(image.pixel(100, 5), 0xFF0000FFu);  // blue end lines at both ends, given right to left
    EXPECT_EQ(image.pixel(300, 5), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(200, 5), Black);
}

TEST_F(RenderCommand, TwelveLeadSheet) {
    writeRecording(12, 10000, 1000);  // gain text "1mv": amplitude divisor 86, 1000 / 86 = 11
    const QImage sheet = picture({"--twelve"});
    ASSERT_EQ(sheet.size(), QSize(1920, 1280));
    EXPECT_EQ(sheet.pixel(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ(sheet.pixel(0, 3), Pink);
    EXPECT_EQ(rowsOf(sheet, 100, Black), (std::vector<int>{230, 630, 1030}));  // square brush: one row down
    EXPECT_EQ(rowsOf(picture({"--twelve", "--cal", "0=1", "--cal", "2=0"}), 100, Black), (std::vector<int>{236, 630, 1039}));
    EXPECT_EQ(rowsOf(picture({"--twelve", "--round", "--brush", "2"}), 100, Black), (std::vector<int>{228, 229, 628, 629, 1028, 1029}));
}

TEST_F(RenderCommand, OverviewStrip) {
    writeRecording(3, 10000, 1000);  // strip lead 2: (1000 / 25) / 10 = 4 above row 28
    const QImage strip = picture({"--overview", "--pos", "5000"});
    ASSERT_EQ(strip.size(), QSize(643, 56));
    EXPECT_EQ(rowsOf(strip, 200, White), std::vector<int>{24});
    EXPECT_EQ(rowsOf(strip, 321, White).size(), 51u);  // left edge of the frame, rows 2 .. 52
    EXPECT_EQ(rowsOf(picture({"--overview", "--twelve"}), 141, White).size(), 51u);
    EXPECT_EQ(picture({"--overview", "--strip", "300x40"}).size(), QSize(300, 40));

    writeRecording(2, 10000, 1000);  // no strip lead: black, with the frame
    const QImage none = picture({"--overview"});
    EXPECT_TRUE(rowsOf(none, 200, White).empty());
    EXPECT_EQ(rowsOf(none, 0, White).size(), 51u);
}

TEST_F(RenderCommand, BadOptionsAndFilesExitWithOneLine) {
    writeRecording(3, 1000, 0);
    struct Case {
        std::vector<std::string> options;
        int code;
    } cases[] = {
        {{"--gain", "0"}, 2},          {{"--gain", "51"}, 2},           {{"--gain"}, 2},
        {{"--sweep", "3"}, 2},         {{"--brush", "6"}, 2},           {{"--size", "0x10"}, 2},
        {{"--size", "wide"}, 2},       {{"--lead-gain", "0=8"}, 2},     {{"--clip-width", "0=5"}, 2},
        {{"--colour", "0=0x1000000"}, 2}, {{"--shown", "0,3"}, 2},      {{"--lead-gain", "3=1"}, 2},
        {{"--overview-lead", "3"}, 2}, {{"--cal", "12=1"}, 2},          {{"--cal", "0=3"}, 2},
        {{"--measure", "1,2"}, 2},     {{"--frobnicate"}, 2},           {{"--twelve", "--measure", "1,2,3"}, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(render(c.options, png_), c.code) << ::testing::PrintToString(c.options);
        const std::string message = err_.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_FALSE(std::filesystem::exists(png_)) << ::testing::PrintToString(c.options);
    }
    EXPECT_EQ(render({}, ::testing::TempDir() + "velundia_render.jpg"), 2);
    EXPECT_EQ(render({}, recording_), 2);  // the recording is never written
    EXPECT_EQ(std::filesystem::file_size(recording_), 304u + 3u * 64u + 3u * 2u * 1000u);

    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli({"render", ::testing::TempDir() + "velundia_missing.dat", "--out", png_}, out, err), 1);
    EXPECT_EQ(cli::runCli({"render", ::testing::TempDir(), "--out", png_}, out, err), 1);
    ExportFileBuilder refused = ExportFileBuilder::standard(1, 10);
    refused.header.exportedChannels.assign("  81");  // more channels than the store holds
    const std::vector<unsigned char> bytes = refused.bytes();
    std::ofstream(recording_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    EXPECT_EQ(render({}, png_), 1) << err_.str();
    const std::string refusal = err_.str();
    EXPECT_EQ(std::count(refusal.begin(), refusal.end(), '\n'), 1) << refusal;
    EXPECT_EQ(cli::runCli({"render", "--out", png_}, out, err), 2);
}

}  // namespace
}  // namespace velundia
