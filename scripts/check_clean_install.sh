#!/usr/bin/env bash
# Installs the .deb on a Debian 12 system that has nothing of ours, as a user
# would, and shows that it works there: apt pulls every package it depends
# on (and fuse, which it recommends), the menu entry, icon, MIME types and man
# pages are in place, so are the translations (the editor's, the command-line
# tools' catalogue and the Russian man pages) and the converter speaks Russian
# on a system without a Russian locale, the installed editor opens a .mgs
# named on its command line, and its File menu's emulator preview runs fuse from the zxview folder
# the editor fills from its installed copy. Takes some minutes and the
# network, so it is run by hand, not by the test command.
#   sudo scripts/check_clean_install.sh [BUILD_DIR] [ROOT] [MIRROR]
# ROOT (default /tmp/chromasmith-bookworm) is made by debootstrap when it has
# no system yet and is kept afterwards for a look around. The screenshots of
# the editor and of fuse go to BUILD_DIR/clean-install/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
root=${2:-/tmp/chromasmith-bookworm}
mirror=${3:-http://deb.debian.org/debian}
out=$build/clean-install
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }
for tool in debootstrap cpack convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install debootstrap cmake imagemagick)" >&2; exit 1; }
done

if [ ! -x "$root/usr/bin/apt-get" ]; then
  echo "== debootstrap bookworm into $root from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -5 "$root.debootstrap.log" >&2; exit 1; }
fi
if chroot "$root" dpkg-query -W chromasmith >/dev/null 2>&1; then
  echo "$root already has chromasmith: remove the folder for a clean run" >&2
  exit 1
fi

rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out/deb" >/dev/null
deb=$(echo "$out"/deb/chromasmith_*.deb)
cp "$deb" "$root/tmp/"
cp tests/data/seeds/example.mgs "$root/tmp/example.mgs"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT

chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive DEB="/tmp/${deb##*/}" /bin/bash -s <<'CHROOT'
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
apt-get update -qq
dpkg-query -W -f '${Package}\n' | sort >/tmp/before
echo "== apt-get install ./${DEB##*/} (with its recommendations)"
apt-get install -y -qq "$DEB" >/tmp/apt.log 2>&1 || { tail -20 /tmp/apt.log; fail "apt-get install failed"; }
dpkg-query -W -f '${Package}\n' | sort >/tmp/after
comm -13 /tmp/before /tmp/after >/tmp/new
echo "$(wc -l </tmp/new) packages installed, among them:"
for p in chromasmith libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libpng16-16 libjpeg62-turbo libgif7 libexif12 libspectrum8 fuse-emulator-gtk; do
  grep -qx "$p" /tmp/new || fail "$p was not installed"
  echo "  $p $(dpkg-query -W -f '${Version}' "$p")"
done

echo "== what the desktop takes"
for f in /usr/share/applications/chromasmith.desktop /usr/share/icons/hicolor/256x256/apps/chromasmith.png \
  /usr/share/icons/hicolor/scalable/apps/chromasmith.svg /usr/share/mime/packages/chromasmith.xml \
  /usr/share/man/man1/chromasmith.1 /usr/share/man/man1/chromasmith-convert.1 \
  /usr/share/man/man1/chromasmith-zxsnap.1 /usr/share/chromasmith/zxview/view8x8.sh; do
  [ -s "$f" ] || fail "$f is missing"
  echo "  $f"
done
# shared-mime-info comes with Qt; its trigger rebuilt the database with our types.
grep -q 'image/x-chromasmith-mgs:\*\.mgs' /usr/share/mime/globs2 || fail "the MIME database lacks *.mgs"
grep -q 'image/x-chromasmith-mg:\*\.mg8' /usr/share/mime/globs2 || fail "the MIME database lacks *.mg8"
echo "  the MIME database knows *.mgs and *.mg1 ... *.mg8"
for program in chromasmith chromasmith-convert chromasmith-zxsnap; do echo "  $($program --version)"; done

echo "== the translations"
for f in /usr/share/chromasmith/translations/chromasmith_ru.qm /usr/share/locale/ru/LC_MESSAGES/chromasmith.mo \
  /usr/share/man/ru/man1/chromasmith.1 /usr/share/man/ru/man1/chromasmith-convert.1 \
  /usr/share/man/ru/man1/chromasmith-zxsnap.1; do
  [ -s "$f" ] || fail "$f is missing"
  echo "  $f"
done
# The system has no ru_RU locale: the converter speaks Russian all the same.
LANGUAGE=ru chromasmith-convert --help >/tmp/help-ru.txt
grep -q '^Использование: chromasmith-convert' /tmp/help-ru.txt ||
  fail "the converter's --help is not Russian under LANGUAGE=ru: $(head -3 /tmp/help-ru.txt)"
echo "  LANGUAGE=ru chromasmith-convert --help: $(head -1 /tmp/help-ru.txt)"
if LANGUAGE=ru chromasmith-convert /tmp/missing.mgs /tmp/out.png 2>/tmp/err-ru.txt; then
  fail "a missing file was converted"
fi
grep -q 'Файл не найден' /tmp/err-ru.txt || fail "the converter's error is not Russian: $(cat /tmp/err-ru.txt)"
echo "  $(cat /tmp/err-ru.txt)"

echo "== the editor in an X server (xvfb, xdotool, x11-apps installed for the check only)"
apt-get install -y -qq --no-install-recommends xvfb xdotool x11-apps >/tmp/apt-x.log 2>&1 || fail "no Xvfb"
Xvfb :7 -screen 0 1280x900x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
export DISPLAY=:7 XDG_RUNTIME_DIR=/tmp
sleep 2
cd /tmp
chromasmith /tmp/example.mgs >/tmp/editor.log 2>&1 &
editor=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^chromaSmith x0.94 - /tmp/example.mgs$' | head -1) ||
  fail "the editor showed no window with the picture: $(cat /tmp/editor.log)"
sleep 2
xwd -root -silent >/tmp/editor.xwd
echo "  the window 'chromaSmith x0.94 - /tmp/example.mgs' is up"

# File > "Make trd/tap and preview in Emul": the item above the menu's last one.
xdotool mousemove 15 10 click 1
sleep 0.5
xdotool key Up Up Return
fuse=$(timeout 30 xdotool search --sync --onlyvisible --class 'fuse' | head -1) ||
  fail "no fuse window: $(cat /tmp/editor.log)"
sleep 4
xwd -root -silent >/tmp/fuse.xwd
zxview=/root/.local/share/chromasmith/zxview
ls "$zxview"
picture=$(ls "$zxview"/image.mg? 2>/dev/null | head -1)
[ -n "$picture" ] && [ -x "$zxview/view8x${picture##*mg}.sh" ] || fail "the preview wrote no picture beside its script"
echo "  fuse runs the picture from $zxview"
kill -9 "$(xdotool getwindowpid "$fuse")" || true
kill "$editor" || true
sleep 1

# The editor in Russian: its menu bar, read from the texts it writes out
# when asked, and a screenshot of it.
LANGUAGE=ru CHROMASMITH_TEXT_DUMP=/tmp/texts-ru.txt chromasmith /tmp/example.mgs >/tmp/editor-ru.log 2>&1 &
editor=$!
timeout 30 xdotool search --sync --onlyvisible --name '^chromaSmith x0.94 - /tmp/example.mgs$' >/dev/null ||
  fail "the editor in Russian showed no window: $(cat /tmp/editor-ru.log)"
sleep 2
for item in "File1: Файл" "Edit1: Правка" "View1: Вид" "ColorCorrector1: Цветокорректор" "About1: О программе"; do
  grep -qx "$item" /tmp/texts-ru.txt || fail "the Russian menu bar lacks '$item': $(head -5 /tmp/texts-ru.txt)"
done
xwd -root -silent >/tmp/editor-ru.xwd
echo "  under LANGUAGE=ru the menu bar reads: Файл Правка Вид Цветокорректор О программе"
kill "$editor" || true
sleep 1

kill "$xvfb" || true
CHROOT

convert "xwd:$root/tmp/editor.xwd" "$out/editor.png"
convert "xwd:$root/tmp/fuse.xwd" "$out/fuse.png"
convert "xwd:$root/tmp/editor-ru.xwd" "$out/editor-ru.png"
echo "PASS: installed clean; screenshots in $out/editor.png, $out/editor-ru.png and $out/fuse.png"
