#!/bin/bash
# Fails when the Russian translation does not cover the program's texts: lupdate
# is run over the sources into a copy of the .ts, and the copy must then hold no
# text left unfinished (new or untranslated), vanished or obsolete, and lupdate
# must not have met a call it cannot read.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in translations/*_*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  scripts/update_translations.sh "$copy" $(git ls-files '*.cpp' '*.h' | grep -v -E '^(tests|bench|fuzz)/') \
    >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
  if grep -E "Cannot invoke tr|lacks Q_OBJECT|Circumflex|Discarding unconsumed" "$work/log"; then
    echo "$ts: lupdate cannot read some texts (above)"
    status=1
  fi
  left=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$copy" || true)
  if [ "$left" != 0 ]; then
    echo "$ts: $left texts not translated, or gone from the code:"
    grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' | head -40
    status=1
  fi
done
[ $status = 0 ] && echo "translations complete"
exit $status
