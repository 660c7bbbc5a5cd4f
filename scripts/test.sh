#!/usr/bin/env bash
# Builds everything and runs every test: the full build (core, widget,
# end-to-end and benchmark smoke tests) and the clang ASan+UBSan build
# (core tests and bounded fuzzer runs).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_deps
set -e
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCHROMASMITH_CORE_ONLY=ON -DCHROMASMITH_SANITIZE=ON -DCHROMASMITH_FUZZ=ON >/dev/null
cmake --build build-san -j "$jobs"
set +e

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp}
ctest --test-dir build-san -j "$jobs" --output-on-failure 2>&1 | tee build-san/ctest.log
ctest --test-dir build -j "$jobs" --output-on-failure 2>&1 | tee build/ctest.log

passed=0
failed=0
for log in build-san/ctest.log build/ctest.log; do
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then failed=$((failed + 1)); continue; fi
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + t - f))
  failed=$((failed + f))
done
echo
echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
