#!/usr/bin/env bash
# Makes the pictures of the user manual (docs/manual.md): installs the build
# into a temporary prefix, starts the real editor from there in an Xvfb of its
# own, drives it with xdotool as a user would (keys, clicks, drags, menus) and
# writes screenshots, cropped to the window or panel they show, as
# docs/images/*.png. Run it again after a change to the user interface.
#   scripts/make_screenshots.sh [--language ru] [BUILD_DIR] [SHOT...]
# With SHOT names (the functions shot_NAME below) only those are made. A new
# picture is a function shot_NAME, built from the helpers below, and its NAME
# in the list `shots` at the end; docs/manual.md then shows images/NAME.png.
#
# With --language ru the editor speaks Russian and the pictures of the Russian
# manual (docs/manual.ru.md) go to docs/images/ru/ under the same names. Only
# the pictures that show the editor's words are made again: the Russian manual
# shows the others (the picture alone, the photograph, the emulator) from
# docs/images/, and a run in Russian leaves them out.
#
# No window manager runs, so windows and panels appear exactly where the
# editor puts them: panels at the positions of the INI file written below,
# the main window filling the 1280 x 900 screen. Menus are driven by the
# keyboard: a title is clicked, then Down (or Up from the bottom) counts to
# the item; the counts are written beside each menu command below.
set -euo pipefail
cd "$(dirname "$0")/.."
language=en
case "${1:-}" in
  --language) language=$2; shift 2 ;;
  --language=*) language=${1#*=}; shift ;;
esac
case "$language" in
  en) images=$PWD/docs/images ;;
  ru) images=$PWD/docs/images/ru ;;
  *) echo "make_screenshots.sh: no manual in the language \"$language\" (en, ru)" >&2; exit 2 ;;
esac
build=$(realpath "${1:-build}")
shift || true
data=$PWD/tests/data
work=$(mktemp -d)
xvfb='' editor=''
cleanup() {
  [ -z "$editor" ] || kill "$editor" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$images"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

# An X server of our own on a free display; HOME points at an empty folder,
# so the editor keeps its INI file and zxview folder there.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY HOME=$work/home XDG_RUNTIME_DIR=$work XDG_STATE_HOME=$work/state QT_QPA_PLATFORM=xcb
export PATH=$work/prefix/bin:$PATH
mkdir -p "$HOME/.config/chromasmith"

# Panel positions within the work area, which starts 60 screen lines down.
cat >"$HOME/.config/chromasmith/chromasmith.ini" <<'EOF'
[positions]
palette_x=3
palette_y=43
borderpal_x=350
borderpal_y=43
preview_x=350
preview_y=43
zoompreview_x=1010
zoompreview_y=43
colorcorrector_x=3
colorcorrector_y=43
history_x=930
history_y=43
patterns_x=1140
patterns_y=43
reference_x=1058
reference_y=43
brush_x=1040
brush_y=300
EOF
readonly top=60
# The picture's top-left on the screen at zoom level 1 (4 screen pixels to a
# picture pixel), and a picture pixel's screen position.
readonly picX=128 picY=93
px() { echo $((picX + 4 * $1 + 2)); }
py() { echo $((picY + 4 * $1 + 2)); }

x() { xdotool "$@" 2>/dev/null; }
# True in the English run. The pictures that show no word of the editor (the
# picture alone, the photograph, the emulator) are made in that run only, and
# the manuals of every language show them.
shared_run() { [ "$language" = en ]; }
pause() { sleep "${1:-0.3}"; }

# start_editor [FILE]: a fresh editor, with FILE loaded when given.
start_editor() {
  stop_editor
  # The last editor was killed with its changes unsaved: its recovery copy
  # goes, so this one starts without the question to restore it.
  rm -rf "$XDG_STATE_HOME"
  "$work/prefix/bin/chromasmith" --language "$language" "$@" >>"$work/editor.log" 2>&1 &
  editor=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^chromaSmith x0.94' | head -1)
  x windowfocus --sync "$wid" || true
  x mousemove 640 480
  pause 1
  [ -n "$fileMenu" ] || read -r fileMenu editMenu viewMenu _ < <(menu_titles)
}
stop_editor() {
  [ -z "$editor" ] || { kill "$editor" 2>/dev/null || true; wait "$editor" 2>/dev/null || true; }
  editor=
}

# key KEY...: keys to the editor, which takes them whatever has the focus.
key() {
  for k in "$@"; do x key --window "$wid" "$k"; pause 0.15; done
  pause
}
click() { x mousemove "$1" "$2" click "${3:-1}"; pause; }
# drag X1 Y1 X2 Y2...: a press at the first point, moves through the others.
drag() {
  x mousemove "$1" "$2" mousedown 1
  shift 2
  while [ $# -ge 2 ]; do
    pause 0.02
    x mousemove "$1" "$2"
    shift 2
  done
  pause 0.1
  x mouseup 1
  pause
}
# menu TITLE_X KEY...: the menu bar title at TITLE_X, then keys in the menu.
menu() {
  click "$1" 8
  shift
  for k in "$@"; do x key "$k"; pause 0.15; done
  pause 0.6
}
# The middles of the menu bar's titles (File, Edit, View, ...) on the screen,
# found in its pixels, since their widths follow the language: the columns
# darker than the bar's background, where the words of one title stand
# closer together than two titles do.
fileMenu='' editMenu='' viewMenu=''
menu_titles() {
  xwd -root -silent | convert xwd:- -crop 640x12+0+3 +repage -colorspace gray -scale '640x1!' -depth 8 gray:- |
    od -An -v -tu1 -w1 | awk '{ v[NR - 1] = $1 } END {
      n = 0; inside = 0
      for (x = 0; x < 640; x++) {
        if (v[x] < v[639] - 8) {
          if (!inside && (n == 0 || x - end[n] > 8)) first[++n] = x
          inside = 1; end[n] = x
        } else inside = 0
      }
      for (i = 1; i <= n; i++) printf "%d ", (first[i] + end[i]) / 2
      print "" }'
}
# shot NAME [WxH+X+Y]: the screen, or that part of it, as docs/images/NAME.png.
shot() {
  x mousemove 1279 899
  pause 0.5
  xwd -root -silent >"$work/screen.xwd"
  convert "xwd:$work/screen.xwd" ${2:+-crop "$2" +repage} -strip "$images/$1.png"
  echo "${images#"$PWD"/}/$1.png"
}
# A cell of the full palette (screen 0 colour c, screen 1 colour r) and a mix
# swatch (0 ... 3) of its panel at palette_x, palette_y.
palette_cell() { click $((3 + 88 + 16 * $1 + 8)) $((top + 43 + 32 + 16 * $2 + 8)); }

shot_main_window() {
  start_editor "$data/seeds/example.mgs"
  shot main-window
}

# The full palette and the border palette; a palette cell chosen for the
# second mix (key 2), which shows in its swatch and in the tool bar.
shot_palettes() {
  start_editor "$data/seeds/example.mgs"
  key c b 2
  palette_cell 12 9
  shot palettes 500x490+0+100
}

# The preview of the whole picture with its zoom frame, and the magnifier.
shot_previews() {
  start_editor "$data/seeds/example.mgs"
  key v alt+v
  pause 1
  shot previews 860x520+347+100
}

# A press on a square of the gradient chart makes the palette cells that mix
# to its colour blink for two seconds.
shot_gradient() {
  start_editor "$data/seeds/example.mgs"
  key c
  click $((3 + 8 + 2 + 29 + 4)) $((top + 43 + 40 + 137 + 4))
  pause 0.4
  shot gradient 346x490+0+100
}

# Each instrument on a new 8x8 picture, with the tool bar over it.
shot_instruments() {
  start_editor
  menu "$fileMenu" Down Right Return # File > New > 8x8 Standart Gigascreen
  # The new picture's cells are black on both screens: the pen paints the
  # mix of the two screens' set pixels (key 4), so only their colours change
  # and each point stays one pixel.
  key c 4
  palette_cell 12 10
  key c p
  # A wave, one pixel a move: the pen paints where the pointer passes.
  # shellcheck disable=SC2046
  drag $(awk -v x0="$picX" -v y0="$picY" 'BEGIN { for (i = 0; i <= 40; i++)
    printf "%d %d ", x0 + 4 * (8 + i) + 2, y0 + 4 * int(24 - 8 * sin(i / 6.4)) + 2 }')
  key l
  click "$(px 50)" "$(py 20)"
  click "$(px 80)" "$(py 50)"
  click "$(px 110)" "$(py 16)"
  key Escape j
  click "$(px 12)" "$(py 50)"
  click "$(px 40)" "$(py 80)"
  key c
  palette_cell 4 12
  key c n
  drag "$(px 56)" "$(py 60)" "$(px 70)" "$(py 66)" "$(px 86)" "$(py 76)" "$(px 100)" "$(py 80)"
  shot instruments 700x440+0+0
}

# The toolbar's keys after the current colours (their middles): Fill, Airbrush,
# Text, Filled shapes, Mirror left-right, Mirror top-bottom, Patterns, Brush;
# and a pattern or a second-mix swatch of the Patterns panel at patterns_x,
# patterns_y.
readonly toolY=39 fillKey=908 airbrushKey=940 textKey=972 filledKey=1004 mirrorKey=1036 patternsKey=1100
readonly brushKey=1132
pattern() { click $((1140 + 4 + ($1 % 4) * 31 + 14)) $((top + 43 + 21 + ($1 / 4) * 31 + 14)); }
second_mix() { click $((1140 + 4 + $1 * 31 + 14)) $((top + 43 + 163 + 10)); }

# Ellipses on a new 8x8 picture: an outline, a filled one in a dither pattern
# between two mixes, and one mirrored left to right, with the Patterns panel.
shot_shapes() {
  start_editor
  menu "$fileMenu" Down Right Return # File > New > 8x8 Standart Gigascreen
  key c 4
  palette_cell 12 10
  key c d
  click "$(px 8)" "$(py 8)"
  click "$(px 90)" "$(py 70)"
  click $filledKey $toolY
  click $patternsKey $toolY
  pattern 4
  second_mix 1
  click "$(px 100)" "$(py 10)"
  click "$(px 200)" "$(py 90)"
  click $filledKey $toolY
  click $mirrorKey $toolY
  key 3
  click "$(px 20)" "$(py 100)"
  click "$(px 70)" "$(py 130)"
  shot shapes 1280x700+0+0
}

# Fills on a new 8x8 picture: a rectangle and an ellipse as borders, the
# rectangle filled in the current mix, the ellipse in a pattern, and a
# gradient dragged across the background from the current mix to the second.
shot_fills() {
  start_editor
  menu "$fileMenu" Down Right Return # File > New > 8x8 Standart Gigascreen
  key c 4
  palette_cell 12 10
  key c j
  click "$(px 10)" "$(py 10)"
  click "$(px 80)" "$(py 70)"
  key d
  click "$(px 110)" "$(py 10)"
  click "$(px 200)" "$(py 80)"
  key k 3
  click "$(px 40)" "$(py 40)"
  click $patternsKey $toolY
  pattern 13
  second_mix 1
  click "$(px 150)" "$(py 45)"
  pattern 0
  second_mix 3
  key 2
  drag "$(px 10)" "$(py 110)" "$(px 90)" "$(py 130)" "$(px 170)" "$(py 150)" "$(px 240)" "$(py 170)"
  shot fills 1280x900+0+0
}

# Brushes on a new 8x8 picture: pen strokes with the square and the round
# brush of size 4 (] three times), an airbrush cloud, and a stamp taken from
# a selection of the strokes, painted twice; the Brush panel beside them.
brush_shape() { click $((1040 + 162)) $((top + 300 + 57)); x key Down Return; pause; }
# A stroke of picture pixels 2 apart from (x0, y0) to the right, waving by a.
wave() {
  awk -v x0="$picX" -v y0="$picY" -v x="$1" -v y="$2" -v a="$3" 'BEGIN { for (i = 0; i <= 24; i++)
    printf "%d %d ", x0 + 4 * (x + 2 * i) + 2, y0 + 4 * int(y + a * sin(i / 4)) + 2 }'
}
shot_brush() {
  start_editor
  menu "$fileMenu" Down Right Return # File > New > 8x8 Standart Gigascreen
  key c 4
  palette_cell 12 10
  key c p bracketright bracketright bracketright
  # shellcheck disable=SC2046
  drag $(wave 8 14 6)
  click $brushKey $toolY
  brush_shape
  key 3 bracketright bracketright
  # shellcheck disable=SC2046
  drag $(wave 8 36 -6)
  key 2
  click $airbrushKey $toolY
  x mousemove "$(px 84)" "$(py 26)" mousedown 1
  pause 0.5
  x mouseup 1
  pause
  key s
  drag "$(px 4)" "$(py 4)" "$(px 30)" "$(py 30)" "$(px 62)" "$(py 46)"
  menu "$editMenu" Up Return # Edit > Brush from selection
  key Escape p
  click "$(px 140)" "$(py 80)"
  click "$(px 190)" "$(py 140)"
  shot brush 1280x730+0+0
}

# Lettering on a new 8x8 picture with the built-in font: a title, a line
# typed from a Russian layout, and an opaque line over the second mix still
# open with its cursor, with the Brush panel (at brush_x, brush_y) showing the
# font and the Patterns panel the second mix.
shot_text() {
  start_editor
  menu "$fileMenu" Down Right Return # File > New > 8x8 Standart Gigascreen
  key c 4
  palette_cell 12 10
  key c
  click $brushKey $toolY
  click $textKey $toolY
  click "$(px 8)" "$(py 8)"
  x type --delay 60 "chromaSmith"
  key Return
  x type --delay 60 "Привет, ZX!"
  key Escape 3
  click $((1040 + 12)) $((top + 300 + 17 + 250 + 53)) # "Opaque text", the third row of the text area
  click $patternsKey $toolY
  second_mix 1
  click "$(px 8)" "$(py 40)"
  x type --delay 60 "Opaque: 8x8"
  pause 0.5
  x mousemove "$(px 150)" "$(py 120)"
  pause 0.3
  xwd -root -silent >"$work/screen.xwd"
  convert "xwd:$work/screen.xwd" -crop 1280x730+0+0 +repage -strip "$images/text.png"
  echo "${images#"$PWD"/}/text.png"
}

# A selection with its marching ants, and the same block flipped.
shot_selection() {
  start_editor "$data/seeds/example.mgs"
  key s
  drag "$(px 100)" "$(py 24)" "$(px 140)" "$(py 60)" "$(px 180)" "$(py 90)"
  shot selection 520x420+440+150
  menu "$editMenu" Down Down Down Down Down Return # Edit > Flip Horizontal
  shot flip 520x420+440+150
}

shot_corrector() {
  start_editor "$data/zx-image/example.mg8"
  key x
  pause 1
  shot corrector 1046x622+0+100
}

# The pointer moved and clicked by keys over an empty picture at zoom level
# 4 with both grids: the dots Space painted on the way, and the status bar's
# reading at the pointer.
shot_keyboard() {
  start_editor
  key c 4
  palette_cell 12 12
  key c g h
  click 116 38 # the tool bar's zoom level 4
  x mousemove 640 450
  key space p space p space p space a space a space o space o space q space
  shot keyboard-cursor 420x260+430+330
  convert "$images/keyboard-cursor.png" \( "xwd:$work/screen.xwd" -crop 600x24+0+876 +repage \) \
    -background white -gravity west -append -strip "$images/keyboard-cursor.png"
}

# The ids of the editor's windows on the screen.
shown_windows() { xdotool search --onlyvisible --pid "$editor" 2>/dev/null || true; }
# new_window [WINDOW...]: waits for a window of the editor, other than its
# main window and the WINDOWs, to show, and prints its id. Dialogs are found
# so, not by their titles, which follow the language. Popups (a file name's
# completions, a tool tip) come and go: a dialog is still there a moment later.
new_window() {
  local id
  for _ in $(seq 100); do
    for id in $(shown_windows); do
      [[ " $wid $* " == *" $id "* ]] && continue
      sleep 0.5
      shown_windows | grep -qx "$id" && { echo "$id"; return; }
    done
    sleep 0.2
  done
  echo "no new window of the editor showed" >&2
  return 1
}

# import_photo PHOTO: File > Import > "Import image..." (the sixth item of
# Import, the fifth item of File), the file's name typed into the file
# dialog, then the import dialog's OK once its preview is done.
import_photo() {
  menu "$fileMenu" Down Down Down Down Down Right Down Down Down Down Down Return
  local files dialog
  files=$(new_window)
  x type --delay 20 "$1"
  pause
  x key Return
  for _ in $(seq 50); do shown_windows | grep -qx "$files" || break; sleep 0.2; done
  dialog=$(new_window "$files")
  pause 3
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  [ -z "${2:-}" ] || shot "$2" "${WIDTH}x${HEIGHT}+${X}+${Y}"
  x windowfocus --sync "$dialog" || true
  x key Return
  pause 1
}

# A photograph imported into an empty 8x1 picture: the photograph, the import
# dialog with its preview, and the editor with the result.
shot_import() {
  if shared_run; then
    convert "$data/photos/chelsea.png" -resize 256x192^ -gravity center -extent 256x192 -strip \
      "$images/import-photo.png"
  fi
  start_editor
  import_photo "$data/photos/chelsea.png" import-dialog
  shot import-result
}

# File > Export > "Export to *.PNG" and the image it writes.
shot_png_export() {
  start_editor "$data/seeds/example.mgs"
  # File > Export > Export to *.PNG, the sixth item of Export
  menu "$fileMenu" Down Down Down Down Down Down Right Down Down Down Down Down Return
  shot png-export 232x352+239+119
}

# File > "Make trd/tap and preview in Emul" on the imported photograph: the
# editor writes it into its zxview folder and the script there runs fuse.
shot_emulator() {
  start_editor
  import_photo "$data/photos/chelsea.png"
  menu "$fileMenu" Up Up Return # File > Make trd/tap and preview in Emul (above the last item)
  fuse=$(timeout 30 xdotool search --sync --onlyvisible --class fuse | head -1)
  pause 4
  eval "$(xdotool getwindowgeometry --shell "$fuse")"
  shot emulator "${WIDTH}x${HEIGHT}+${X}+${Y}"
  # fuse shows the Spectrum's 320 x 240 at its size: enlarged twice here.
  convert "$images/emulator.png" -filter point -resize 200% -strip "$images/emulator.png"
  kill -9 "$(xdotool getwindowpid "$fuse")" 2>/dev/null || true

  # Two frames in a row, recorded by the same script with fuse's own movie
  # options (its debugger ends it after 20 frames), and their mix, which is
  # what the eye sees at 50 frames a second.
  local zxview=$HOME/.local/share/chromasmith/zxview stop
  stop=$(printf 'break time 1000 if spectrum:frames>=20\ncommands 1\nexit\nend\n')
  mkdir -p "$work/fuse-home"
  HOME=$work/fuse-home timeout -s KILL 60 "$zxview/view8x1.sh" --movie-start "$work/movie.fmf" \
    --debugger-command "$stop" >"$work/fuse.log" 2>&1 || { tail -5 "$work/fuse.log"; ls "$zxview"; }
  mkdir -p "$work/frames"
  fmfconv -y --ppm -f raw "$work/movie.fmf" "$work/frames/f.ppm" >/dev/null 2>&1
  local a=$work/frames/f-00000010.ppm b=$work/frames/f-00000011.ppm
  convert "$a" "$b" \( "$a" "$b" -evaluate-sequence mean \) -filter point -resize 200% \
    -bordercolor white -border 6 +append -strip "$images/emulator-frames.png"
  echo docs/images/emulator-frames.png
}

# A few strokes, a flip and a fill, then the History panel (Y) beside the
# picture: the steps newest first, each with its thumbnail.
shot_history() {
  start_editor "$data/seeds/example.mgs"
  key p
  drag "$(px 20)" "$(py 20)" "$(px 60)" "$(py 40)" "$(px 100)" "$(py 30)"
  drag "$(px 30)" "$(py 120)" "$(px 90)" "$(py 150)"
  key ctrl+a
  menu "$editMenu" Down Down Down Down Down Return # Edit > Flip Horizontal
  key ctrl+d n
  click "$(px 200)" "$(py 100)"
  key y
  pause 1
  shot history 350x600+926+100
}

# The views of the View menu on the sample picture: each screen alone, the
# interlaced frames and the flicker-risk map (the status bar shows its score,
# and the instrument's name, whose Russian is longer, at its right end).
shot_views() {
  start_editor "$data/seeds/example.mgs"
  local view
  for view in t:view-screen0 u:view-screen1 i:view-interlace r:view-flicker-risk; do
    key "${view%%:*}"
    pause 0.5
    shared_run || continue
    shot "${view#*:}" 1040x790+120+85
    convert "$images/${view#*:}.png" -resize 50% -strip "$images/${view#*:}.png"
  done
  shot flicker-score 760x24+0+876
  key m
}

# Other tools' files open through File > Open's "All pictures": a
# multicolour .mlt file from the gallery's samples, its name typed into the
# dialog, and the editor with what it holds.
shot_formats() {
  start_editor
  key ctrl+o
  pause 1
  x type --delay 20 "$data/zx-image/example.mlt"
  pause
  x key Return
  pause 1
  shot open-mlt
}

# Tracing over a photograph: View > "Reference image..." (the second item
# that can be chosen from the bottom of View), the photograph's name typed
# into the dialog, its opacity set to 60 % in the Reference panel, and the
# eyes traced with the pen in a new 8x1 picture.
shot_reference() {
  start_editor
  menu "$viewMenu" Up Up Return
  x type --delay 20 "$data/photos/chelsea.png"
  pause
  x key Return
  pause 1
  click $((1058 + 130)) $((top + 43 + 34))
  x key ctrl+a
  x type 60
  x key Return
  key c 4
  palette_cell 12 12
  key c p
  # Both eyes traced round, point by point.
  local cx cy points
  for cx in 97:77 180:87; do
    cy=${cx#*:} cx=${cx%:*}
    points=$(awk -v cx="$cx" -v cy="$cy" -v x0=$picX -v y0=$picY 'BEGIN {
      for (a = 0; a <= 360; a += 4) printf "%d %d ", x0 + 4 * (cx + 17 * cos(a * 3.14159 / 180)) + 2,
        y0 + 4 * (cy + 11 * sin(a * 3.14159 / 180)) + 2 }')
    # shellcheck disable=SC2086
    drag $points
  done
  shot reference
}

shots=(main_window palettes previews gradient instruments shapes fills brush text selection corrector keyboard
  import png_export emulator history views formats reference)
[ $# -eq 0 ] || shots=("$@")
for s in "${shots[@]}"; do
  if ! shared_run && [[ " selection emulator " == *" $s "* ]]; then
    echo "$s: shows no word of the editor, made in the English run only"
    continue
  fi
  "shot_$s"
done
stop_editor
du -ch "$images"/*.png | tail -1
