#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace velundia::bench {

// Passes every report on to the display reporter chosen by --benchmark_format and keeps the
// medians; at the end writes a table of them, with their ratios to the QPainter baseline and
// to the plain copy and the program's speed targets, to a stream of its own (stderr), so that
// JSON on stdout stays valid.
class MedianSummary final : public benchmark::BenchmarkReporter {
public:
    MedianSummary(benchmark::BenchmarkReporter& display, std::ostream& summary) : display_(display), summary_(summary) {}

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Median {
        double realMs = 0;
        double cpuMs = 0;
        int repetitions = 0;
    };
    void printTable() const;
    void printTargets() const;

    benchmark::BenchmarkReporter& display_;
    std::ostream& summary_;
    std::vector<std::string> order_;       // benchmarks in the order they ran
    std::map<std::string, Median> medians_;
};

}  // namespace velundia::bench
