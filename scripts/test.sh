#!/usr/bin/env bash
# Builds everything and runs every test: the full build (core, widget,
# end-to-end and benchmark smoke tests), the core tests built by g++ at -O3
# (where its warnings differ), the clang ASan+UBSan build of the core tests
# and the optimised, coverage-instrumented fuzz build (bounded fuzzer runs).
# Warnings are errors in all of them.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_deps
set -e
jobs=$(nproc)
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCHROMASMITH_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure build-o3 -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DCHROMASMITH_CORE_ONLY=ON
configure build-san -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCHROMASMITH_CORE_ONLY=ON -DCHROMASMITH_SANITIZE=ON -DCHROMASMITH_FUZZ=OFF
configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCHROMASMITH_CORE_ONLY=ON -DCHROMASMITH_SANITIZE=ON -DCHROMASMITH_FUZZ=ON
set +e

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp}
builds=(build-fuzz build-san build-o3 build)
for dir in "${builds[@]}"; do
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure 2>&1 | tee "$dir/ctest.log"
  # ctest keeps a passing test's output in its log only; the image fuzzer's
  # final stats (its runs a second, the slowest fuzzer's) are shown each time.
  if [ "$dir" = build-fuzz ]; then
    sed -n '/Testing: fuzz_image$/,/<end of output>/p' "$dir/Testing/Temporary/LastTest.log" |
      grep -E '[[:space:]]DONE[[:space:]]|stat::average_exec_per_sec' | sed 's/^/fuzz_image: /' | tee -a "$dir/ctest.log"
  fi
done

passed=0
failed=0
for dir in "${builds[@]}"; do
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$dir/ctest.log" | tail -1)
  if [ -z "$line" ]; then failed=$((failed + 1)); continue; fi
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + t - f))
  failed=$((failed + f))
done
echo
echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
