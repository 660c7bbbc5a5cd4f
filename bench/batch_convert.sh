#!/usr/bin/env bash
# The batch converter against its floor: N pictures converted by one
# chromasmith-convert process, and the same N files copied by N runs of cp
# (a process each, as a shell loop converting them one by one would start).
# Prints both times and their ratio. The inputs cycle through the sample
# pictures of every kind the converter reads.
#   bench/batch_convert.sh [BUILD_DIR] [N] [EXT]    (defaults: build 1000 mgs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
count=${2:-1000}
ext=${3:-mgs}
convert="$build/app/chromasmith-convert"
[ -x "$convert" ] || { echo "no $convert: build it first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in" "$work/converted" "$work/copied"
samples=(tests/data/zx-image/example.{mg1,mg2,mg4,mg8,img,scr} tests/data/seeds/example.mgs)
for ((i = 0; i < count; ++i)); do
  sample=${samples[i % ${#samples[@]}]}
  cp "$sample" "$work/in/pic$i.${sample##*.}"
done
inputs=("$work"/in/*)

now() { date +%s%N; }
start=$(now)
"$convert" --to "$ext" --output-dir "$work/converted" "${inputs[@]}" 2>"$work/summary"
converted=$(now)
for f in "${inputs[@]}"; do cp "$f" "$work/copied/"; done
copied=$(now)

made=$(find "$work/converted" -type f | wc -l)
[ "$made" -eq "$count" ] || { cat "$work/summary" >&2; echo "only $made of $count converted" >&2; exit 1; }
awk -v n="$count" -v c=$((converted - start)) -v p=$((copied - converted)) 'BEGIN {
  printf "%d files: one chromasmith-convert %.3f s, %d x cp %.3f s, ratio %.2f\n", n, c / 1e9, n, p / 1e9, c / p }'
