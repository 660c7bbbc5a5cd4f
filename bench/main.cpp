// Runs the benchmarks, then prints each registered ratio of a measured
// operation to its floor from the same run, then the reports.
// --quick-reports lets each report do only a small sample of its work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>

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
      if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

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
  std::printf("\nRatios to their floors (same run):\n");
  for (const auto& p : cs::bench::ratioPairs()) {
    const auto m = reporter.times.find(p.measured);
    const auto f = reporter.times.find(p.floor);
    if (m == reporter.times.end() || f == reporter.times.end() || f->second <= 0) continue;
    const double ratio = m->second / f->second;
    // Small ratios read better as a fraction of the floor.
    if (ratio < 0.1)
      std::printf("  %-48s %7.4fx (1/%.0f)\n", p.label.c_str(), ratio, 1.0 / ratio);
    else
      std::printf("  %-48s %7.2fx\n", p.label.c_str(), ratio);
  }
  for (const auto& r : cs::bench::reports()) {
    std::printf("\n%s\n", r.title.c_str());
    r.run(quickReports);
  }
  return 0;
}
