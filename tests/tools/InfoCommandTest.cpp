#include "recording/ExportFileBuilder.h"
#include "tools/Commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace velundia {
namespace {

// Just enough JSON to read the tool's output back strictly: objects, arrays, strings with
// \" \\ and \u00XX escapes (decoded to one byte), and integers. Anything else fails the parse.
struct Json {
    enum class Kind { Object, Array, String, Number } kind = Kind::Number;
    std::map<std::string, Json> members;
    std::vector<std::string> order;  // member names as they came
    std::vector<Json> items;
    std::string text;
    long long number = 0;

    const Json& operator[](const std::string& name) const {
        static const Json missing;
        const auto it = members.find(name);
        return it == members.end() ? missing : it->second;
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonParser {
public:
    explicit JsonParser(const std::string& s) : s_(s) {}
    bool parseDocument(Json& out) {
        if (!parse(out)) return false;
        skip();
        return i_ == s_.size();
    }

private:
    void skip() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n')) ++i_;
    }
    bool eat(char c) {
        skip();
        if (i_ >= s_.size() || s_[i_] != c) return false;
        ++i_;
        return true;
    }
    bool parseString(std::string& out) {
        if (!eat('"')) return false;
        while (i_ < s_.size() && s_[i_] != '"') {
            const auto c = static_cast<unsigned char>(s_[i_++]);
            if (c < 0x20 || c >= 0x7F) return false;  // the writer promises plain ASCII
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (i_ >= s_.size()) return false;
            const char e = s_[i_++];
            if (e == '"' || e == '\\') {
                out += e;
            } else if (e == 'u' && i_ + 4 <= s_.size() && s_.compare(i_, 2, "00") == 0) {
                out += static_cast<char>(std::stoi(s_.substr(i_ + 2, 2), nullptr, 16));
                i_ += 4;
            } else {
                return false;
            }
        }
        return eat('"');
    }
    bool parse(Json& out) {
        skip();
        if (i_ >= s_.size()) return false;
        if (s_[i_] == '{') {
            ++i_;
            out.kind = Json::Kind::Object;
            if (eat('}')) return true;
            do {
                std::string name;
                Json value;
                if (!parseString(name) || !eat(':') || !parse(value)) return false;
                out.order.push_back(name);
                out.members[name] = std::move(value);
            } while (eat(','));
            return eat('}');
        }
        if (s_[i_] == '[') {
            ++i_;
            out.kind = Json::Kind::Array;
            if (eat(']')) return true;
            do {
                out.items.emplace_back();
                if (!parse(out.items.back())) return false;
            } while (eat(','));
            return eat(']');
        }
        if (s_[i_] == '"') {
            out.kind = Json::Kind::String;
            return parseString(out.text);
        }
        std::size_t used = 0;
        try {
            out.number = std::stoll(s_.substr(i_), &used);
        } catch (...) {
            return false;
        }
        i_ += used;
        return true;
    }
    const std::string& s_;
    std::size_t i_ = 0;
};

struct CliRun {
    int exit;
    std::string out, err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int exit = cli::runCli(args, out, err);
    return {exit, out.str(), err.str()};
}

int lineCount(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

class InfoCommand : public ::testing::Test {
protected:
    std::string write(const ExportFileBuilder& b, std::size_t cut = 0) {
        std::vector<unsigned char> bytes = b.bytes();
        bytes.resize(bytes.size() - cut);
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path_;
    }
    void TearDown() override { std::remove(path_.c_str()); }

    // Three channels with known texts, colours and samples.
    static ExportFileBuilder threeChannels() {
        auto b = ExportFileBuilder::standard(3, 3);
        const char* names[] = {"I", "aVR", "HIS d"};
        const char* colours[] = {"WHITE", "CYAN", "YELLOW"};
        for (std::size_t c = 0; c < 3; ++c) {
            b.channels[c].leadName.assign(names[c]);
            b.channels[c].colourName.assign(colours[c]);
        }
        b.channels[0].gain.assign("2mv");
        b.samples[0] = {5, -3, 10};
        b.samples[2] = {-32768, -32768, -32768};
        b.header.stampFlag.assign("F");
        b.header.lastName.assign("M\xE9ller \"Q\" \\x");
        b.header.hospitalId.assign("A\x01" "B");
        return b;
    }

    std::string path_ = ::testing::TempDir() + "velundia_info_test.dat";
};

TEST_F(InfoCommand, JsonGivesTheCountsFlagsColoursAndStatistics) {
    const CliRun r = run({"info", write(threeChannels()), "--json"});
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("M\\u00e9ller \\\"Q\\\" \\\\x"), std::string::npos);
    EXPECT_NE(r.out.find("A\\u0001B"), std::string::npos);
    Json j;
    ASSERT_TRUE(JsonParser(r.out).parseDocument(j)) << r.out;

    EXPECT_EQ(j["file"].text, path_);
    EXPECT_EQ(j["channelCount"].number, 3);
    EXPECT_EQ(j["shownCount"].number, 2);
    EXPECT_EQ(j["totalSamples"].number, 3);
    EXPECT_EQ(j["loadedSamples"].number, 3);
    EXPECT_EQ(j["amplitudeDivisor"].number, 215);
    EXPECT_EQ(j["warnings"].kind, Json::Kind::Array);
    EXPECT_TRUE(j["warnings"].items.empty());

    const Json& header = j["header"];
    ASSERT_EQ(header.order.size(), 24u);
    EXPECT_EQ(header.order.front(), "fileType");
    EXPECT_EQ(header.order[16], "samplesPerChannel");
    EXPECT_EQ(header.order.back(), "channelInfoOffset");
    EXPECT_EQ(header["lastName"].text, "M\xE9ller \"Q\" \\x");
    EXPECT_EQ(header["exportedChannels"].text, "   3");

    const Json& page = j["headerPage"];
    ASSERT_EQ(page.items.size(), 24u);
    EXPECT_EQ(page[0]["value"].text, "WAVEFORM data");
    EXPECT_EQ(page[18]["caption"].text, "systime export ends  HH:MM:SS");
    EXPECT_EQ(page[22]["value"].text, "non-STAMP Amplifier data");
    EXPECT_EQ(page[23]["value"].text, "   304");

    const struct Expected {
        const char* leadName;
        long long colour, shown, min, max, sum;
    } expected[] = {
        {"I", 0xFFFFFF, 1, -3, 10, 12},
        {"aVR", 0xFF00FF, 0, 0, 0, 0},
        {"HIS d", 0x00FFFF, 1, -32768, -32768, -98304},
    };
    const Json& channels = j["channels"];
    ASSERT_EQ(channels.items.size(), 3u);
    for (std::size_t c = 0; c < 3; ++c) {
        const Json& ch = channels[c];
        const Expected& e = expected[c];
        EXPECT_EQ(ch["index"].number, static_cast<long long>(c));
        EXPECT_EQ(ch["leadName"].text, e.leadName);
        EXPECT_EQ(ch["colour"].number, e.colour) << c;
        EXPECT_EQ(ch["shown"].number, e.shown) << c;
        EXPECT_EQ(ch["min"].number, e.min) << c;
        EXPECT_EQ(ch["max"].number, e.max) << c;
        EXPECT_EQ(ch["sum"].number, e.sum) << c;
        EXPECT_EQ(ch["highPass"].text, "0.05");
    }
    EXPECT_EQ(channels[0]["gain"].text, "2mv");
    EXPECT_EQ(channels[1]["colourName"].text, "CYAN");
}

TEST_F(InfoCommand, AShortFileLoadsWithAWarning) {
    const std::string path = write(threeChannels(), 5);  // the last frame lacks channel 0's high byte
    CliRun r = run({"info", path, "--json"});
    ASSERT_EQ(r.exit, 0) << r.err;
    Json j;
    ASSERT_TRUE(JsonParser(r.out).parseDocument(j)) << r.out;
    ASSERT_FALSE(j["warnings"].items.empty());
    EXPECT_NE(j["warnings"][0].text.find("2 of 3 expected sample frames"), std::string::npos);
    EXPECT_EQ(j["channels"][0]["sum"].number, 2);  // 5 - 3, the third sample missing

    r = run({"info", path});
    ASSERT_EQ(r.exit, 0);
    EXPECT_EQ(lineCount(r.err), 1);
    EXPECT_NE(r.err.find("warning: "), std::string::npos);
    EXPECT_NE(r.err.find("2 of 3 expected sample frames"), std::string::npos);
}

TEST_F(InfoCommand, TextFormShowsThePageRowsAndTheGridSafely) {
    const CliRun r = run({"info", write(threeChannels())});
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_NE(r.out.find("STAMP data?"), std::string::npos);
    EXPECT_NE(r.out.find("non-STAMP Amplifier data\n"), std::string::npos);
    EXPECT_NE(r.out.find("A\\x01B\n"), std::string::npos);  // a control byte never reaches the terminal
    EXPECT_NE(r.out.find("M\xC3\xA9ller"), std::string::npos);  // Latin-1 shown as UTF-8
    EXPECT_NE(r.out.find("HIS d"), std::string::npos);
    EXPECT_NE(r.out.find("amplitude divisor 215"), std::string::npos);
}

TEST_F(InfoCommand, FailuresExitWithOneLine) {
    auto refused = threeChannels();
    refused.header.exportedChannels.assign("  93");
    const std::string refusedPath = write(refused);
    const std::string folder = ::testing::TempDir();
    const struct Case {
        std::vector<std::string> args;
        int exit;
        std::string err;  // part of the one line
    } cases[] = {
        {{"info", folder + "velundia_missing.dat"}, 1,
         "cannot open " + folder + "velundia_missing.dat: No such file or directory"},
        {{"info", folder, "--json"}, 1, "Is a directory"},
        {{"info", refusedPath, "--json"}, 1, "number of exported channels is 93; at most 80 channels can be read"},
        {{"info"}, 2, "FILE missing"},
        {{"info", "--json"}, 2, "FILE missing"},
        {{"info", refusedPath, "--xml"}, 2, "unknown option --xml"},
        {{"info", refusedPath, refusedPath}, 2, "one FILE only"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.exit, c.exit) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace velundia
