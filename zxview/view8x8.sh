#!/bin/sh
# Shows a picture of this folder in the fuse emulator as a Spectrum shows it:
# chromasmith-zxsnap makes a Pentagon 128 snapshot holding both screens and
# our viewer, which swaps them every frame, and fuse runs it.
#   view8x8.sh [PICTURE] [FUSE OPTIONS...]
# PICTURE is image.mg8 unless a .mg1/.mg2/.mg4/.mg8 file is named first; the
# options go to fuse as they are.
# fuse runs with our own ROM, or with pentagon-0.rom, pentagon-1.rom and
# pentagon-2.rom from the roms folder here, each one that is there.
set -u
cd "$(dirname "$0")" || exit 1
picture=image.mg8
case "${1:-}" in
  *.mg1 | *.mg2 | *.mg4 | *.mg8) picture=$1; shift ;;
esac

say() { echo "view8x8: $*" >&2; }

# The snapshot maker: beside the editor that started us, beside this folder
# (a portable program), or on the PATH (an installed one).
zxsnap=
for candidate in "${CHROMASMITH_BIN:+${CHROMASMITH_BIN}chromasmith-zxsnap}" ../chromasmith-zxsnap \
  "$(command -v chromasmith-zxsnap)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then zxsnap=$candidate; break; fi
done
[ -n "$zxsnap" ] || {
  say "chromasmith-zxsnap not found: install chromaSmith again or run it from its own folder"
  exit 127
}
command -v fuse >/dev/null || {
  say "the emulator fuse is not installed: sudo apt-get install fuse-emulator-gtk"
  exit 127
}
[ -f "$picture" ] || { say "$picture not found"; exit 1; }

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
"$zxsnap" "$picture" "$work/image.szx" && "$zxsnap" --rom "$work/chromasmith.rom" || exit 1
rom() {
  if [ -f "roms/pentagon-$1.rom" ]; then echo "roms/pentagon-$1.rom"; else echo "$work/chromasmith.rom"; fi
}
# --rate 1 shows every frame: a user's setting of 2 would show one screen
# only. Settings are not saved, so the user's fuse keeps its own ROMs.
fuse --machine pentagon --rate 1 --no-sound --no-confirm-actions --no-autosave-settings \
  --rom-pentagon-0 "$(rom 0)" --rom-pentagon-1 "$(rom 1)" --rom-pentagon-2 "$(rom 2)" \
  --snapshot "$work/image.szx" "$@"
