// velundia-cli synth: writes a synthetic export file, and only the file named by --out.
#include "recording/Constants.h"
#include "tools/Commands.h"
#include "tools/SyntheticRecording.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace velundia::cli {

namespace {

constexpr const char* SynthUsage =
    "usage: velundia-cli synth --out FILE [--channels N] [--samples N] [--seed N] [--gain-text TEXT]";

template <class Number>
bool parseNumber(const std::string& text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

int runSynth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SynthOptions options;
    std::string path;
    auto usage = [&](const std::string& reason) {
        err << "velundia-cli synth: " << reason << "; " << SynthUsage << '\n';
        return ExitUsage;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool known = option == "--out" || option == "--channels" || option == "--samples" || option == "--seed" ||
                           option == "--gain-text";
        if (!known) return usage("unknown argument " + option);
        if (i + 1 >= args.size()) return usage(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--out") {
            if (value.empty()) return usage("--out needs a file name");
            path = value;
        } else if (option == "--channels") {
            if (!parseNumber(value, options.channels) || options.channels < 1 || options.channels > MaxChannels)
                return usage("--channels must be 1.." + std::to_string(MaxChannels));
        } else if (option == "--samples") {
            if (!parseNumber(value, options.samples) || options.samples < 0 || options.samples > SynthMaxSamples)
                return usage("--samples must be 0.." + std::to_string(SynthMaxSamples));
        } else if (option == "--seed") {
            if (!parseNumber(value, options.seed)) return usage("--seed must be a whole number 0 or more");
        } else {
            if (value.size() > 6) return usage("--gain-text holds at most 6 characters");
            options.gainText = value;
        }
    }
    if (path.empty()) return usage("--out FILE missing");

    const std::vector<unsigned char> bytes = synthesizeRecording(options).bytes();
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file) file.close();
    if (!file) {
        const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
        err << "velundia-cli: cannot write " << path << ": " << reason << '\n';
        return ExitFileProblem;
    }
    out << "wrote " << path << ": " << options.channels << " channels, " << options.samples << " samples, "
        << bytes.size() << " bytes\n";
    return ExitOk;
}

}  // namespace velundia::cli
