#include "tools/Commands.h"

#include <ostream>

namespace velundia::cli {

namespace {

constexpr const char* Usage =
    "usage: velundia-cli info FILE [--json]\n"
    "       velundia-cli synth --out FILE [--channels N] [--samples N] [--seed N] [--gain-text TEXT]\n"
    "       velundia-cli render FILE --out PICTURE [view options]\n"
    "       velundia-cli print FILE --pdf OUT.pdf [view options] [--twelve] [--no-names] [--page A4|Letter] "
    "[--landscape]\n";

struct Subcommand {
    const char* name;
    int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
};

constexpr Subcommand Subcommands[] = {
    {"info", runInfo},
    {"synth", runSynth},
    {"render", runRender},
    {"print", runPrint},
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << Usage;
        return ExitOk;
    }
    if (!args.empty()) {
        for (const Subcommand& sub : Subcommands) {
            if (args[0] == sub.name) return sub.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
        }
    }
    err << Usage;
    return ExitUsage;
}

}  // namespace velundia::cli
