// Reports the benchmark program prints after the timings: measurements that
// are not times, such as the quality of a conversion. A quick run (the
// smoke test's) asks each report for a small sample of its work.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cs::bench {

struct Report {
  std::string title;
  std::function<void(bool quick)> run;
};

std::vector<Report>& reports();

struct RegisterReport {
  RegisterReport(std::string title, std::function<void(bool quick)> run) {
    reports().push_back({std::move(title), std::move(run)});
  }
};

}  // namespace cs::bench
