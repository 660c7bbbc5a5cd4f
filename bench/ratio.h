// Pairs of benchmarks whose time ratio the benchmark program prints after the
// run: a measured operation against its floor, measured in the same run.
#pragma once

#include <string>
#include <vector>

namespace cs::bench {

struct RatioPair {
  std::string measured;
  std::string floor;
  std::string label;
};

std::vector<RatioPair>& ratioPairs();

struct RegisterRatio {
  RegisterRatio(std::string measured, std::string floor, std::string label) {
    ratioPairs().push_back({std::move(measured), std::move(floor), std::move(label)});
  }
};

}  // namespace cs::bench
