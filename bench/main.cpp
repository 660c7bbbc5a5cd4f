// Runs the benchmarks, then prints each registered ratio of a measured
// operation to its floor from the same run, then the reports.
// --quick-reports lets each report do only a small sample of its work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/ratio.h"
#include "bench/report.h"

namespace cs::bench {

std::vector<RatioPair>& ratioPairs() {
  static std::vector<RatioPair> pairs;
  return pairs;
}

std::vector<Report>& reports() {
  static std::vector<Report> list;
  return list;
}

namespace {

class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()].push_back(r.GetAdjustedRealTime());
    ConsoleReporter::ReportRuns(runs);
  }
  // Every repetition's time, in the order they ran.
  std::map<std::string, std::vector<double>> times;
};

// The ratio of each repetition of `measured` to the same repetition of its
// floor, sorted; empty when either is missing.
std::vector<double> ratiosOf(const std::vector<double>& measured, const std::vector<double>& floor) {
  std::vector<double> r;
  for (size_t i = 0; i < std::min(measured.size(), floor.size()); ++i)
    if (floor[i] > 0) r.push_back(measured[i] / floor[i]);
  std::sort(r.begin(), r.end());
  return r;
}

}  // namespace
}  // namespace cs::bench

int main(int argc, char** argv) {
  bool quickReports = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--quick-reports") == 0) {
      quickReports = true;
      for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
      --argc;
      break;
    }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  cs::bench::CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  // Repetitions pair up in order: the n-th run of an operation with the n-th
  // run of its floor (--benchmark_repetitions=N --benchmark_enable_random_interleaving
  // spreads both over the same stretch of time).
  std::printf("\nRatios to their floors (same run): min / median / max over repetitions\n");
  for (const auto& p : cs::bench::ratioPairs()) {
    const auto m = reporter.times.find(p.measured);
    const auto f = reporter.times.find(p.floor);
    if (m == reporter.times.end() || f == reporter.times.end()) continue;
    const std::vector<double> r = cs::bench::ratiosOf(m->second, f->second);
    if (r.empty()) continue;
    const double median = r[r.size() / 2];
    // Small ratios read better as a fraction of the floor.
    if (median < 0.1)
      std::printf("  %-56s %7.4f / %7.4f / %7.4fx (1/%.0f)\n", p.label.c_str(), r.front(), median, r.back(),
                  1.0 / median);
    else
      std::printf("  %-56s %5.2f / %5.2f / %5.2fx\n", p.label.c_str(), r.front(), median, r.back());
  }
  for (const auto& r : cs::bench::reports()) {
    std::printf("\n%s\n", r.title.c_str());
    r.run(quickReports);
  }
  return 0;
}
