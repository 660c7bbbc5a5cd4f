#!/usr/bin/env bash
# Builds the editor and measures, in a real window under Xvfb, the CPU time of
# a refresh, a pen point and an idle key against a bare Qt program's repaint.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target chromasmith_window_bench
cd build && ./bench/chromasmith_window_bench
