// velundia-bench: the reader and the redraws against their targets. Google Benchmark's own
// flags all work (--benchmark_filter, --benchmark_format=json, --benchmark_repetitions, ...);
// without --benchmark_repetitions every benchmark runs 5 times and the medians are compared.
#include "bench/MedianSummary.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool hasFlag(int argc, char** argv, const char* flag) {
    const std::size_t n = std::strlen(flag);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, n) == 0 && (argv[i][n] == '=' || argv[i][n] == '\0')) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // The measurement numbers are drawn with fonts, which need a QGuiApplication; nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::vector<std::string> defaults;
    if (!hasFlag(argc, argv, "--benchmark_repetitions")) defaults.push_back("--benchmark_repetitions=5");
    if (!hasFlag(argc, argv, "--benchmark_display_aggregates_only"))
        defaults.push_back("--benchmark_display_aggregates_only=true");
    std::vector<char*> args(argv, argv + argc);
    for (std::string& d : defaults) args.push_back(d.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    // The library owns its display reporter; the summary only passes the reports on to it.
    benchmark::BenchmarkReporter* display = benchmark::CreateDefaultDisplayReporter();
    velundia::bench::MedianSummary summary(*display, std::cerr);
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();
    return 0;
}
