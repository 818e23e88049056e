#!/usr/bin/env bash
# Takes the pictures of the user guide (docs/images) from the real windows:
# starts the editor under a private Xvfb with examples/ejemplo.zolp, drives it
# with the keyboard (xdotool) and saves the main window (and each table cut
# out of it), the File menu, the About box, a cell error, the unsaved-changes
# question, "hardware not found" and, with the simulated controller, a busy
# notice while writing.
#
# Usage: guide-screenshots.sh [ZENTROLA [OUTDIR [ZENTROLA_SIM]]]
#   defaults: build/zentrola, docs/images, build/zentrola-sim when present.
# Needs: xvfb (xvfb-run), xauth, x11-utils, xdotool, imagemagick;
# openbox, when installed, draws window frames as on a desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" != "--inside-xvfb" ]; then
  exe=$(realpath "${1:-$here/build/zentrola}")
  outdir=${2:-$here/docs/images}
  sim=${3:-}
  if [ -z "$sim" ] && [ -x "$(dirname "$exe")/zentrola-sim" ]; then sim="$(dirname "$exe")/zentrola-sim"; fi
  [ -n "$sim" ] && sim=$(realpath "$sim")
  [ -x "$exe" ] || { echo "no editor at $exe: build the target zentrola first" >&2; exit 1; }
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xauth xdotool imagemagick)" >&2; exit 1; }
  done
  mkdir -p "$outdir"
  outdir=$(realpath "$outdir")
  exec xvfb-run -a -s '-screen 0 1280x1600x24' bash "$0" --inside-xvfb "$exe" "$outdir" "$sim"
fi

exe=$2 outdir=$3 sim=${4:-}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private home and runtime folder: no settings of the user's, and only our
# own simulated controller is announced to the editor's port search.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export NO_AT_BRIDGE=1 GTK_THEME=Adwaita GTK_OVERLAY_SCROLLING=0

cp "$here/examples/ejemplo.zolp" "$work/ejemplo.zolp"
# The same program with an accented vowel in the first label, which Save refuses.
sed 's/XBL1|Luz sala/XBL1|Luz sal\xf3n/' "$here/examples/ejemplo.zolp" > "$work/etiqueta.zolp"

have_wm=false
if command -v openbox >/dev/null; then
  openbox --sm-disable >/dev/null 2>&1 & pids+=($!)
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && { have_wm=true; break; }
    sleep 0.1
  done
fi

# The newest visible window whose title is exactly $1 and that is not the
# window $2 (when given), waiting up to 20 seconds.
find_window() {
  local title=$1 other=${2:-} id
  for _ in $(seq 1 200); do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | sort -n -r); do
      if [ "$id" != "$other" ]; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  echo "window \"$title\" did not appear" >&2
  return 1
}

focus() {
  if $have_wm; then xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  else xdotool windowfocus --sync "$1"; fi
  sleep 0.3
}

# Outer rectangle of a window, frame included: prints "WxH+X+Y".
outer_geometry() {
  local id=$1 x y w h l=0 r=0 t=0 b=0 extents
  x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')
  h=$(xwininfo -id "$id" | sed -n 's/.*Height: *//p')
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  if [ -n "$extents" ]; then IFS=, read -r l r t b <<<"$extents"; fi
  echo "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))"
}

# Pictures carry a resolution at which a window's text matches the guide's.
density="-define png:exclude-chunks=date,time -units PixelsPerInch -density 130"

# Saves the screen's rectangle $2 ("WxH+X+Y") as $1.
shot_area() {
  local file=$1 area=$2
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$area" +repage $density "$outdir/$file"
  echo "$outdir/$file"
}

shot_window() { shot_area "$1" "$(outer_geometry "$2")"; }

start_editor() {
  "$exe" "$@" >"$work/editor.log" 2>&1 & editor=$!
  pids+=("$editor")
  main=$(find_window Zentrola)
  sleep 1.5
  focus "$main"
}

stop_editor() {
  kill "$editor" 2>/dev/null || true
  wait "$editor" 2>/dev/null || true
  sleep 0.3
}

# Opens the File menu (F10) and walks $1 entries down; with $2, first $2 menus right.
menu_item() {
  local downs=$1 rights=${2:-0}
  xdotool key F10; sleep 0.5
  for _ in $(seq 1 "$rights"); do xdotool key Right; sleep 0.2; done
  for _ in $(seq 1 "$downs"); do xdotool key Down; sleep 0.1; done
  xdotool key Return
}

# Saves as $1 the part of the main-window picture $2 that shows the table
# whose cells have the background colour $3: from its caption above the grid
# to its buttons below it; $4 more pixels to the right (a legend).
# With $5 and $6 (colours of the tables around it) instead, the part between
# those two tables (the white tables have no colour of their own).
crop_table() {
  local file=$1 picture=$2 colour=$3 extra=${4:-0} above=${5:-} below=${6:-} w h x y
  local W H bw bh bx by
  IFS='x+' read -r W H _ _ <<<"$(identify -format '%wx%h+0+0' "$picture")"
  box() { convert "$picture" -alpha off -fill black +opaque "$1" -format '%@' info:; }
  if [ -z "$above" ]; then
    IFS='x+' read -r w h x y <<<"$(box "$colour")"
    x=$((x - 40)) y=$((y - 62)) w=$((w + 52 + extra)) h=$((h + 62 + 34))
  else
    IFS='x+' read -r bw bh bx by <<<"$(box "$above")"
    x=$((bx - 40)) y=$((by + bh + 50))
    if [ -n "$below" ]; then
      IFS='x+' read -r _ _ _ h <<<"$(box "$below")"
      h=$((h - 62 - 16 - y))
    else
      h=$((H - y - 40))
    fi
    w=$((320 + extra))
  fi
  convert "$picture" -crop "${w}x${h}+${x}+${y}" +repage $density "$outdir/$file"
  echo "$outdir/$file"
}

# 1. The main window with the example program, and each table alone.
start_editor "$work/ejemplo.zolp"
shot_window ventana-principal.png "$main"
full="$outdir/ventana-principal.png"
crop_table tabla-botones.png "$full" "rgb(233,255,230)"
crop_table tabla-macros.png "$full" "rgb(255,229,255)" 230
crop_table tabla-nec.png "$full" "rgb(255,255,211)"
crop_table tabla-crudos.png "$full" "rgb(233,233,255)"
crop_table tabla-serial.png "$full" "rgb(221,255,255)"
crop_table tabla-velocidades.png "$full" "" 0 "rgb(221,255,255)" "rgb(255,255,143)"
crop_table tabla-alias.png "$full" "rgb(255,255,143)"
crop_table tabla-parametros.png "$full" "" 0 "rgb(255,255,143)"

# 2. The File menu, open.
xdotool key F10; sleep 0.8
IFS='x+' read -r w h x y <<<"$(outer_geometry "$main")"
shot_area menu-archivo.png "$((w < 560 ? w : 560))x$((h < 420 ? h : 420))+$x+$y"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.3

# 3. The About box.
focus "$main"
menu_item "${ZENTROLA_ABOUT_DOWNS:-2}" 1
about=$(find_window "Acerca de Zentrola")
sleep 0.5
shot_window acerca-de.png "$about"
xdotool key Return; sleep 0.3
stop_editor

# 4. A cell that breaks its rule, then the unsaved-changes question.
start_editor "$work/etiqueta.zolp"
xdotool key alt+g
message=$(find_window Zentrola "$main")
sleep 0.5
IFS='x+' read -r w h x y <<<"$(outer_geometry "$main")"
IFS='x+' read -r _ dh _ dy <<<"$(outer_geometry "$message")"
shot_area mensaje-sintaxis-ventana.png "$((w < 900 ? w : 900))x$((dy + dh + 12 - y))+$x+$y"
xdotool key Return; sleep 0.5
# The cursor stands on the refused label: type a new one into it.
xdotool type --delay 60 "Luz sala"; xdotool key Return; sleep 0.3
xdotool key alt+x
question=$(find_window ATENCION)
sleep 0.5
shot_window pregunta-cambios.png "$question"
xdotool key Return; sleep 0.3   # No, the proposed answer: the window stays
stop_editor

# 5. Writing with no controller attached.
start_editor "$work/ejemplo.zolp"
menu_item "${ZENTROLA_WRITE_DOWNS:-7}"
message=$(find_window Zentrola "$main")
sleep 0.5
shot_window mensaje-hardware.png "$message"
xdotool key Return; sleep 0.5
message=$(find_window Zentrola "$main")
sleep 0.3
shot_window mensaje-error-dispositivo.png "$message"
xdotool key Return; sleep 0.3
stop_editor

# 6. Writing into the simulated controller: the notice while it erases.
if [ -n "$sim" ]; then
  "$sim" --erase-delay 6000 >"$work/sim.log" 2>&1 & simpid=$!
  pids+=("$simpid")
  for _ in $(seq 1 50); do [ -s "$work/sim.log" ] && break; sleep 0.1; done
  start_editor "$work/ejemplo.zolp"
  menu_item "${ZENTROLA_WRITE_DOWNS:-7}"
  sleep 2.5
  # The notice is the editor's smallest visible window other than the main one.
  notice="" best=0
  for id in $(xdotool search --onlyvisible --pid "$editor" 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    IFS='x+' read -r w h _ _ <<<"$(outer_geometry "$id")"
    if [ "$w" -gt 40 ] && [ "$h" -gt 20 ] && { [ -z "$notice" ] || [ $((w * h)) -lt "$best" ]; }; then
      notice=$id best=$((w * h))
    fi
  done
  if [ -n "$notice" ]; then
    IFS='x+' read -r w h x y <<<"$(outer_geometry "$notice")"
    shot_area aviso-grabando.png "$((w + 160))x$((h + 120))+$((x - 80))+$((y - 60))"
  else
    echo "the busy notice did not appear" >&2
  fi
  stop_editor
  kill "$simpid" 2>/dev/null || true
fi
