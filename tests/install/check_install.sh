#!/usr/bin/env bash
# Installs the build into a temporary prefix, as a package would, and checks
# what the desktop takes from it: the programs in bin/ and running from
# there, a desktop entry and MIME types that their own tools accept, the two
# icons, the man pages, and the shared data folder that tells the editor it is
# installed, the translations (the editor's, the tools' catalogue and the
# Russian man pages) and the converter speaking Russian from its installed
# catalogue; then the .deb that cpack makes of the same install.
#   tests/install/check_install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for program in chromasmith chromasmith-convert chromasmith-zxsnap; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
"$prefix/bin/chromasmith-convert" --info "$source/tests/data/zx-image/example.mg4" | grep -qx "cell height: 4" ||
  fail "the installed converter does not run"
[ -d "$prefix/share/chromasmith" ] || fail "share/chromasmith is missing"
if [ -d "$source/zxview" ]; then
  diff -r "$source/zxview" "$prefix/share/chromasmith/zxview" || fail "zxview is not installed as it is"
fi

desktop=$prefix/share/applications/chromasmith.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop file"
grep -qx 'Exec=chromasmith %f' "$desktop" || fail "the desktop file does not start the editor with the file"
grep -qx 'Icon=chromasmith' "$desktop" || fail "the desktop file names another icon"

icons=$prefix/share/icons/hicolor
xmllint --noout "$icons/scalable/apps/chromasmith.svg" || fail "the SVG icon is not well-formed"
# The PNG's width and height: the big-endian words at bytes 16 and 20.
size=$(od -An -tu1 -j16 -N8 "$icons/256x256/apps/chromasmith.png" | tr -s ' ')
[ "$size" = " 0 0 1 0 0 0 1 0" ] || fail "the PNG icon is not 256 x 256 ($size)"

mime=$prefix/share/mime
xmllint --noout "$mime/packages/chromasmith.xml" || fail "xmllint rejects the MIME types"
# The database built from our file alone shows what a desktop would take.
XDG_DATA_DIRS=$prefix/share update-mime-database "$mime" 2>"$prefix/mime.log" || fail "update-mime-database failed: $(cat "$prefix/mime.log")"
[ ! -s "$prefix/mime.log" ] || fail "update-mime-database complains: $(cat "$prefix/mime.log")"
for glob in 'image/x-chromasmith-mgs:*.mgs' 'image/x-chromasmith-mg:*.mg'{1,2,4,8} \
  'image/x-zx-gigascreen:*.img' 'image/x-zx-screen:*.scr'; do
  cut -d: -f2- "$mime/globs2" | grep -qxF "$glob" || fail "no glob $glob"
done
for signature in mgs:MGS mg:MGH; do
  grep -a -A1 "x-chromasmith-${signature%:*}\]" "$mime/magic" | grep -aq "=.*${signature#*:}" ||
    fail "no magic ${signature#*:} for .${signature%:*}"
done
# Every program tells its version; each man page is made from its program's
# --help, so the converter's page names every option its --help lists.
version=$(sed -n 's/^project(chromaSmith VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
for program in chromasmith chromasmith-convert chromasmith-zxsnap; do
  [ "$("$prefix/bin/$program" --version)" = "$program $version" ] || fail "$program --version is not '$program $version'"
  [ -s "$prefix/share/man/man1/$program.1" ] || fail "share/man/man1/$program.1 is missing"
done
page=$(sed 's/\\-/-/g' "$prefix/share/man/man1/chromasmith-convert.1")
options=$("$prefix/bin/chromasmith-convert" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ "$(wc -l <<<"$options")" -ge 10 ] || fail "the converter's --help lists too few options: $options"
for option in $options; do
  grep -qF -- "\\fB$option\\fR" <<<"$page" || fail "the converter's man page does not explain $option"
done

translations=(share/chromasmith/translations/chromasmith_ru.qm share/locale/ru/LC_MESSAGES/chromasmith.mo
  share/man/ru/man1/chromasmith{,-convert,-zxsnap}.1)
for f in "${translations[@]}"; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done
# Russian even with no Russian locale installed; English pages stay English.
help=$(env -i LANGUAGE=ru "$prefix/bin/chromasmith-convert" --help)
grep -q '^Использование: chromasmith-convert' <<<"$help" ||
  fail "the installed converter does not speak Russian under LANGUAGE=ru"
grep -q '^\.SH ОБЗОР' "$prefix/share/man/ru/man1/chromasmith-convert.1" || fail "the Russian man page is not Russian"
grep -q '^\.SH SYNOPSIS' "$prefix/share/man/man1/chromasmith-convert.1" || fail "the English man page is not English"

# The .deb holds the same files under /usr, the scripts runnable, and names
# the packages it needs.
cpack --config "$build/CPackConfig.cmake" -B "$prefix/deb" >/dev/null || fail "cpack failed"
deb=$(echo "$prefix"/deb/chromasmith_*.deb)
contents=$(dpkg-deb --contents "$deb")
for f in bin/chromasmith bin/chromasmith-convert bin/chromasmith-zxsnap share/applications/chromasmith.desktop \
  share/mime/packages/chromasmith.xml share/icons/hicolor/256x256/apps/chromasmith.png \
  share/icons/hicolor/scalable/apps/chromasmith.svg share/chromasmith/ \
  share/man/man1/chromasmith{,-convert,-zxsnap}.1 "${translations[@]}"; do
  grep -q " \./usr/$f$" <<<"$contents" || fail "the .deb lacks /usr/$f"
done
if [ -d "$source/zxview" ]; then
  for script in "$source"/zxview/*.sh; do
    grep -q "^-rwxr-xr-x .* \./usr/share/chromasmith/zxview/${script##*/}$" <<<"$contents" ||
      fail "the .deb lacks a runnable /usr/share/chromasmith/zxview/${script##*/}"
  done
fi
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libpng16-16 libjpeg62-turbo libgif7 libexif12 libspectrum8; do
  grep -q "\b$package\b" <<<"$depends" || fail "the .deb does not depend on $package: $depends"
done
dpkg-deb --field "$deb" Recommends | grep -qw fuse-emulator-gtk || fail "the .deb does not recommend fuse"
echo "installed and valid"
