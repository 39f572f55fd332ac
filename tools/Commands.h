#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velundia::cli {

// Exit codes of velundia-cli.
constexpr int ExitOk = 0;
constexpr int ExitFileProblem = 1;  // cannot be opened or refused; one line on stderr says why
constexpr int ExitUsage = 2;        // wrong options; one line on stderr says which

// Each subcommand takes the arguments after its name.
int runInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runSynth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Dispatch on argv[1]; also what the tests call.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velundia::cli
