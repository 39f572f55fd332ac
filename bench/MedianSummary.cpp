#include "bench/MedianSummary.h"

#include <algorithm>
#include <cstdio>

namespace velundia::bench {

namespace {

constexpr const char* Baseline = "qpainter_80_sweep4";
constexpr const char* Copy = "copy_1920x1080";

double toMs(double value, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return value * 1e-6;
        case benchmark::kMicrosecond: return value * 1e-3;
        case benchmark::kMillisecond: return value;
        case benchmark::kSecond: return value * 1e3;
    }
    return value;
}

std::string format(const char* pattern, double value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

}  // namespace

bool MedianSummary::ReportContext(const Context& context) { return display_.ReportContext(context); }

void MedianSummary::ReportRuns(const std::vector<Run>& runs) {
    display_.ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const std::string& name = run.run_name.function_name;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        // A single repetition has no aggregates: its one run stands for the median.
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) continue;
        if (std::find(order_.begin(), order_.end(), name) == order_.end()) order_.push_back(name);
        medians_[name] = {toMs(run.GetAdjustedRealTime(), run.time_unit), toMs(run.GetAdjustedCPUTime(), run.time_unit),
                          static_cast<int>(std::max<int64_t>(run.repetitions, 1))};
    }
}

void MedianSummary::Finalize() {
    display_.Finalize();
    if (medians_.empty()) return;
    printTable();
    printTargets();
}

void MedianSummary::printTable() const {
    const auto baseline = medians_.find(Baseline);
    const auto copy = medians_.find(Copy);
    char line[160];
    summary_ << "\nMedians (wall time; CPU time beside it)\n";
    std::snprintf(line, sizeof line, "%-26s %12s %12s %5s %18s %14s\n", "benchmark", "median ms", "cpu ms", "reps",
                  "QPainter / this", "this / copy");
    summary_ << line;
    for (const std::string& name : order_) {
        const Median& m = medians_.at(name);
        const std::string speedUp =
            baseline != medians_.end() && m.realMs > 0 ? format("%.2fx", baseline->second.realMs / m.realMs) : "-";
        const std::string copies =
            copy != medians_.end() && copy->second.realMs > 0 ? format("%.1fx", m.realMs / copy->second.realMs) : "-";
        std::snprintf(line, sizeof line, "%-26s %12.3f %12.3f %5d %18s %14s\n", name.c_str(), m.realMs, m.cpuMs,
                      m.repetitions, speedUp.c_str(), copies.c_str());
        summary_ << line;
    }
}

void MedianSummary::printTargets() const {
    auto median = [&](const char* name) {
        const auto it = medians_.find(name);
        return it == medians_.end() ? -1.0 : it->second.realMs;
    };
    auto verdict = [&](const char* what, bool known, bool met, const std::string& measured) {
        summary_ << "  " << (known ? (met ? "met    " : "MISSED ") : "not run") << ' ' << what;
        if (known) summary_ << " (" << measured << ")";
        summary_ << '\n';
    };
    summary_ << "Targets\n";
    const double scroll = median("scroll_step_1920x1080");
    verdict("scroll step under 4 ms", scroll >= 0, scroll < 4.0, format("%.3f ms", scroll));
    const double dense = median("traces_80_sweep4_brush1");
    verdict("80-lead sweep-4 redraw, brush 1, under 10 ms", dense >= 0, dense < 10.0, format("%.3f ms", dense));
    const double baseline = median(Baseline);
    verdict("the same redraw at least 2x faster than QPainter", dense > 0 && baseline >= 0, dense > 0 && baseline / dense >= 2.0,
            format("%.2fx", dense > 0 ? baseline / dense : 0.0));
    const double read = median("read_80x10000");
    verdict("read of 80 x 10000 under 20 ms", read >= 0, read < 20.0, format("%.3f ms", read));
}

}  // namespace velundia::bench
