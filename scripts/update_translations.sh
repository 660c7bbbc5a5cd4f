#!/bin/bash
# Brings the translation sources up to date with the texts marked in the code:
# lupdate adds new texts (unfinished until translated) and marks the ones no
# longer in the code as vanished. Line numbers are left out so that the .ts
# files change only when the texts do.
#   scripts/update_translations.sh            updates translations/chromasmith_ru.ts
#                                             and drops the texts the code no longer has
#   scripts/update_translations.sh TS FILE... updates TS from the given sources only,
#                                             keeping the others (marked vanished)
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
if [ $# -ge 1 ]; then
  ts=$1; shift
  sources=("$@")
  drop=()
else
  ts=translations/chromasmith_ru.ts
  mapfile -t sources < <(git ls-files '*/ui/*.cpp' '*/ui/*.h' '*.cpp' '*.h' | grep -v -E '^(tests|bench|fuzz)/' | sort -u)
  drop=(-no-obsolete)
fi
"$LUPDATE" -I . -locations none -no-ui-lines "${drop[@]}" -tr-function-alias QT_TRANSLATE_NOOP+=CS_TRANSLATE_NOOP \
  -source-language en -target-language ru_RU "${sources[@]}" -ts "$ts"
