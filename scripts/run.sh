#!/usr/bin/env bash
# Builds the editor and starts it; arguments go to the editor (a picture file).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target chromasmith chromasmith-zxsnap zxview
exec ./build/app/ui/chromasmith "$@"
