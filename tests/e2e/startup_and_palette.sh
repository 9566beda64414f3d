#!/usr/bin/env bash
# The start-up and the toolbox palette under a window manager (openbox), as a
# desktop has one (run under with_xvfb.sh):
# - with no settings file anywhere the directory picker asks, and the splash
#   window has gone: it covers no start-up question;
# - a missing toolbox file is said once, with the splash window gone;
# - the palette's caption is empty, not the program's name;
# - the palette dragged small by its corner settles at the size of its
#   layout, the eight built-in tools in one column, its buttons inside;
# - a toolbox file of a million tool names gives a palette held to the
#   screen, title bar included, soon after the start, and that title bar
#   moves it;
# - a binary toolbox file is said once, as naming no tool.
#
# Usage: startup_and_palette.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

start_openbox

splash_shown() { visible '^Quorvin Splash$'; }
end_program() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}
# The visible window of the program that the window manager treats as a
# utility window: the palette.
palette_window() {
  local id
  for id in $(window_ids --pid "$pid"); do
    if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q UTILITY; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
# The palette's client area: sets x, y, w, h.
palette_geometry() {
  local info
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
}
palette_shown() { palette_window >/dev/null; }
palette_is() { palette_geometry "$1" && [ "$w" -eq "$2" ] && [ "$h" -eq "$3" ]; }

# No settings file in the start directory nor beside the program.
mkdir -p "$work/bin" "$work/nowhere"
cp "$program" "$work/bin/quorvin"
(cd "$work/nowhere" && exec "$work/bin/quorvin") &
pid=$!
wait_for "the directory picker" visible '^Quorvin$'
splash_shown && fail "the splash window is still there over the directory picker"
picker=$(window_ids --name '^Quorvin$' | head -1)
xdotool windowactivate --sync "$picker" key Return
wait_for "the palette" palette_shown
palette=$(palette_window)
name=$(xprop -id "$palette" _NET_WM_NAME WM_NAME)
grep -q '"Quorvin"' <<<"$name" && fail "the palette wears the program's name: $name"

# The built-in toolbox's eight tools, dragged by the bottom-right corner to
# a palette far too small for them; the pointer rests before it lets go,
# as a person's does.
palette_geometry "$palette"
frame_extents "$palette"
corner_x=$((x + w + right - 1))
corner_y=$((y + h + bottom - 1))
xdotool mousemove "$corner_x" "$corner_y" sleep 0.2 mousedown 1 sleep 0.2 \
  mousemove $((corner_x - 20)) $((corner_y - 100)) sleep 0.2 \
  mousemove $((x + 40)) $((y + 50)) sleep 0.6 mouseup 1
# One column of eight at 500 twips a tool (15 twips a pixel): 620 by 4360 twips.
wait_for "the palette to settle at one column" palette_is "$palette" 41 291
sleep 0.5
palette_is "$palette" 41 291 || fail "the palette did not stay settled: ${w}x$h"
end_program

# A settings file naming a toolbox file that is not there.
mkdir -p "$work/tools"
printf '[Prefrences]\r\nDefault Toolbox=nowhere.tlb\r\n' >"$work/tools/quorvin.ini"
(cd "$work/tools" && exec "$program") &
pid=$!
wait_for "the missing toolbox message" frame_and_question
splash_shown && fail "the splash window is still there over the start-up's message"
xdotool key Return
wait_for "the message to go" only_frame
sleep 1
only_frame || fail "the missing toolbox was said twice"
end_program

# Starts the program in directory $1, whose settings file names toolbox file
# $2 and shows the palette, and clicks its splash window away.
start_with_toolbox() {
  printf '[Prefrences]\r\nShow Toolbox=1\r\nDefault Toolbox=%s\r\n' "$2" >"$1/quorvin.ini"
  cd "$1"
  start_program
  cd - >/dev/null
}

# A million lines of tool names: the palette, as high as the screen lets it
# be, with its title bar on the screen. It comes in about a second; the bound
# leaves room for a machine busy with other tests (six seconds were seen with
# twice as many tests running as cores).
mkdir -p "$work/huge"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "%s\r\n", (i % 2 ? "Sin" : "For") }' \
  >"$work/huge/million.tlb"
started=$SECONDS
start_with_toolbox "$work/huge" million.tlb
wait_for "the palette of a million names" palette_shown
palette=$(palette_window)
wait_for "the palette whole on the screen" whole_on_screen "$palette"
[ $((SECONDS - started)) -le 20 ] || fail "the palette took $((SECONDS - started)) s to come"
sleep 0.5
whole_on_screen "$palette" || fail "the palette did not stay whole on the screen: $placed"
# A person drags it by the middle of its title bar (the window manager
# starts the move at the first motion and follows the next).
palette_geometry "$palette"
frame_extents "$palette"
before_x=$x
title_y=$((y - top / 2))
xdotool mousemove $((x + w / 2)) "$title_y" sleep 0.2 mousedown 1 sleep 0.2 \
  mousemove $((x + w / 2 - 20)) "$title_y" sleep 0.2 \
  mousemove $((x + w / 2 - 100)) "$title_y" sleep 0.3 mouseup 1
moved_left() { palette_geometry "$palette" && [ "$x" -le $((before_x - 50)) ]; }
wait_for "the palette to follow its title bar" moved_left
end_program

# A binary file: said once, as a toolbox that names no tool.
mkdir -p "$work/binary"
seq 200000 | gzip -9n >"$work/binary/bin.tlb"
start_with_toolbox "$work/binary" bin.tlb
wait_for "the message on the binary toolbox" frame_and_question
locate_widget "alert message=Quorvin" "label~^Toolbox file names no tool:"
xdotool key Return
wait_for "the message to go" only_frame
sleep 1
only_frame || fail "the binary toolbox was said twice"
end_program
echo "start-up and palette: ok"
