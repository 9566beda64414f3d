# What the end-to-end scripts share (sourced; run under with_xvfb.sh): a work
# directory and home of their own, waiting for windows, starting the real
# program, finding its widgets (over the accessibility bus, see widgets.py)
# and reaching its menus with real X events, and a window manager for the
# scripts that need one. Sets $work; $pid and $frame once the program runs.

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pid=
bus_pid=
wm_pid=
# The program, the window manager and the session bus (whose accessibility
# bus ends with it).
stop_processes() {
  local p
  for p in "$pid" "$wm_pid" "$bus_pid"; do
    if [ -n "$p" ]; then kill "$p" 2>/dev/null || true; fi
  done
}
cleanup() {
  stop_processes
  rm -rf "$work"
}
trap cleanup EXIT
# The recent files go to a home of the test's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A session bus of the test's own, its accessibility bus started before the
# program (Qt joins one that runs; it starts none), and Qt told to join it.
dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$work/bus" 2>"$work/bus.log"
{ read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid; } <"$work/bus"
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null || fail "no accessibility bus (at-spi2-core)"

fail() {
  echo "FAILED: $*" >&2
  import -window root "$work/failure.png" 2>/dev/null && echo "screen: $work/failure.png" >&2
  widgets tree >"$work/widgets.txt" 2>&1 && echo "widgets: $work/widgets.txt" >&2
  trap - EXIT
  stop_processes
  exit 1
}

# poll COMMAND...: runs the command, in this shell (what it sets stays set),
# every 50 ms until it succeeds, up to 200 times (10 s, were the command
# instant; wait_steps=N: N times; wait_seconds=S: for S seconds, however long
# each try takes), and returns false when it never does. wait_for WHAT
# COMMAND...: the same, and fails the script, naming WHAT, when it never does.
poll() {
  local tries=0 deadline=$((SECONDS + ${wait_seconds:-0}))
  until "$@"; do
    if [ -n "${wait_seconds:-}" ]; then
      [ "$SECONDS" -lt "$deadline" ] || return 1
    elif [ $((tries += 1)) -ge "${wait_steps:-200}" ]; then
      return 1
    fi
    sleep 0.05
  done
}
wait_for() {
  local what=$1
  shift
  poll "$@" || fail "waiting for $what"
}
# Runs an xdotool query and prints what it found; fails when it found
# nothing. xdotool asks every window it meets for its attributes, and one that
# closes in between (the splash, a menu, a dialog) ends it with Xlib's
# BadWindow: the query is then made again, so that a window closing somewhere
# is never read as nothing found, and never ends a script.
x_query() {
  local found tries=0
  while :; do
    if found=$("$@" 2>"$work/x_query.err"); then
      printf '%s\n' "$found"
      return 0
    fi
    grep -q '^X Error' "$work/x_query.err" && [ $((tries += 1)) -lt 50 ] || return 1
  done
}
# The visible windows an xdotool search finds (its arguments: --name RE,
# --pid N), one id a line, and the window that has the keyboard.
window_ids() { x_query xdotool search --onlyvisible "$@"; }
focused_window() { x_query xdotool getwindowfocus; }
# Waits up to 30 s for a visible window named $1 and sets found_window to the
# first one.
await_window() { wait_seconds=30 wait_for "the window $1" first_window "$1"; }
first_window() { found_window=$(window_ids --name "$1" | head -1) && [ -n "$found_window" ]; }
visible() { window_ids --name "$1" >/dev/null; }
gone() { ! visible "$1"; }
count_visible() { window_ids --name "$1" | wc -l; }
frame_and_question() { [ "$(count_visible '^Quorvin$')" -ge 2 ]; }
only_frame() { [ "$(count_visible '^Quorvin$')" -eq 1 ]; }
# The program's windows named Quorvin that were not there when $known was
# taken (known=$(quorvin_windows)): its message boxes, the directory picker,
# the waiting box.
quorvin_windows() { window_ids --name '^Quorvin$' | sort; }
new_window() { comm -13 <(echo "$known") <(quorvin_windows) | head -1; }
a_new_window() { [ -n "$(new_window)" ]; }
no_new_window() { [ -z "$(new_window)" ]; }
# Whether the keyboard goes to a visible window named $1. A window that has
# just shown takes the keys a moment later (longer on a loaded machine), and
# a key sent before that goes to the window under it.
takes_keys() {
  local focused
  focused=$(focused_window) || return 1
  window_ids --name "$1" | grep -qx "$focused"
}
# The same for a question over the frame (both named "Quorvin").
question_takes_keys() {
  local focused
  focused=$(focused_window) || return 1
  [ "$focused" != "$frame" ] && takes_keys '^Quorvin$'
}
ended() { ! kill -0 "$pid" 2>/dev/null; }
# wait_for for what waits on the interpreter: up to 30 s (long_wait_steps=N:
# N polls).
wait_long() { wait_steps=${long_wait_steps:-600} wait_for "$@"; }

# The program's widgets (widgets.py find STEP...; widgets tree).
widgets() { /usr/bin/python3 "$e2e_dir/widgets.py" "$@"; }
# Sets widget_x, widget_y, widget_width and widget_height to the place on the
# screen of the widget the steps lead to (see widgets.py), waiting up to 10 s
# for it to show and to stay where it is (a window manager may still move a
# window that has just appeared) for 0.1 s.
locate_widget() {
  local place before='' deadline=$((SECONDS + 10))
  while :; do
    place=$(widgets find "$@" 2>/dev/null) || place=
    [ -n "$place" ] && [ "$place" = "$before" ] && break
    [ "$SECONDS" -lt "$deadline" ] || fail "waiting for the widget: $*"
    before=$place
    sleep 0.1
  done
  read -r widget_x widget_y widget_width widget_height <<<"$place"
}
click_widget() {  # at its centre
  locate_widget "$@"
  xdotool mousemove $((widget_x + widget_width / 2)) $((widget_y + widget_height / 2)) click 1
}

# Opens file $1 in the Open dialog that has just been asked for: types its
# path into the file name and presses Return. On a busy machine keys typed
# while the dialog settles can miss the field, so the path is typed again
# until the field holds it whole, and Return is pressed again should the
# dialog stay.
open_in_dialog() {
  local held
  wait_for "the open dialog" visible '^Open$'
  wait_for "the open dialog to take the keys" takes_keys '^Open$'
  for _ in 1 2 3; do
    held=$(file_name)
    if [ "$held" != "$1" ]; then
      # Said, so that a log shows how often a person's keys would be lost.
      [ -z "$held" ] || echo "open_in_dialog: the file name held '$held'; typed again" >&2
      xdotool key ctrl+a BackSpace
      xdotool type --delay 2 "$1"
      wait_steps=40 poll file_name_is "$1" || continue
    fi
    xdotool key Return
    wait_steps=100 poll gone '^Open$' && return 0
    echo "open_in_dialog: the dialog stayed after Return, holding '$(file_name)'" >&2
  done
  fail "the open dialog does not open $1"
}
file_name() { widgets text "dialog=Open" "text=File name:" 2>/dev/null; }
file_name_is() { [ "$(file_name)" = "$1" ]; }

# The screen position of the canvas's top-left corner, where the document
# window's widget starts inside its MDI window: find_canvas sets it from the
# running program, for the document window titled TITLE (or the first one),
# and box_at, click_box and click_canvas find it themselves while unset (a
# script that reads canvas_x or canvas_y before stops under set -u).
unset canvas_x canvas_y
find_canvas() {
  local window=frame
  [ $# -gt 0 ] && window="frame=$1"
  locate_widget "frame=Quorvin" "layered pane" "$window" filler
  canvas_x=$widget_x
  canvas_y=$widget_y
}
known_canvas() { [ -n "${canvas_x:-}" ] || find_canvas; }
# The centre of the button of a box at canvas twips X, Y.
box_at() {
  known_canvas
  echo $((canvas_x + $1 / 15 + 16)) $((canvas_y + $2 / 15 + 16))
}
click_box() {
  known_canvas
  xdotool mousemove $(box_at "$1" "$2") click 1
}
# A click on the canvas at twips X, Y: a waiting box is placed there.
click_canvas() {
  known_canvas
  xdotool mousemove $((canvas_x + $1 / 15)) $((canvas_y + $2 / 15)) click 1
}

start_program() {
  "$program" &
  pid=$!
  # The splash window closes at a click, before its pause runs out.
  await_window '^Quorvin Splash$'
  xdotool mousemove --window "$found_window" 20 20 click 1 || true
  await_window '^Quorvin$'
  frame=$found_window
}

# Without a window manager nobody gives the keyboard back to the frame when a
# dialog closes.
focus_frame() { xdotool windowfocus --sync "$frame"; }

# Openbox in the test's display, as a desktop has a window manager (stacking,
# focus, title bars); call before start_program. It has taken the display
# when it names itself on the root window.
start_openbox() {
  [ -z "$wm_pid" ] || return 0
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  wait_for "openbox to manage the display" window_manager_runs
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
# The managed windows bottom to top, as xdotool numbers them.
stacking() {
  local ids
  ids=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,)
  for id in $ids; do printf '%d\n' "$id"; done
}

# Sets left, right, top and bottom to the widths of the borders and title bar
# the window manager put round window $1.
frame_extents() {
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS |
    sed -n 's/.*= //p' | tr -d ,)
}
# All of window $1, its title bar and borders included, lies on the screen;
# sets placed to where its outer corners are.
whole_on_screen() {
  local X Y WIDTH HEIGHT left right top bottom sw sh
  # xwininfo gives the inner area where the window manager put it.
  read -r X Y WIDTH HEIGHT < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF}
    /Absolute upper-left Y/ {y = $NF} /Width/ {w = $NF} /Height/ {h = $NF}
    END {print x, y, w, h}')
  frame_extents "$1"
  read -r sw sh < <(xdotool getdisplaygeometry)
  placed="$((X - left)),$((Y - top)) to $((X + WIDTH + right)),$((Y + HEIGHT + bottom))"
  [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] &&
    [ $((X + WIDTH + right)) -le "$sw" ] && [ $((Y + HEIGHT + bottom)) -le "$sh" ]
}

document_menu() {  # Alt+letter of a document menu, then the keys of the item
  xdotool key "alt+$1"
  shift
  for k in "$@"; do
    sleep 0.1
    xdotool key "$k"
  done
}

# The desktop a run stands on, from QUORVIN_E2E_DESKTOP (words, for the test
# runs that check the scripts do not depend on it): "openbox" runs the
# window manager; "large-font" makes FreeSans the default font (fontconfig)
# and the desktop's font FreeSans 14 (a KDE desktop's settings, which Qt
# reads), so menus, title bars and buttons take other sizes than by default.
use_large_font() {
  mkdir -p "$XDG_CONFIG_HOME/fontconfig"
  cat >"$XDG_CONFIG_HOME/fontconfig/fonts.conf" <<'FONTS'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="family" mode="prepend" binding="strong"><string>FreeSans</string></edit>
  </match>
</fontconfig>
FONTS
  printf '[General]\nfont=FreeSans,14,-1,5,50,0,0,0,0,0\n' >"$XDG_CONFIG_HOME/kdeglobals"
  export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
}
for desktop_word in ${QUORVIN_E2E_DESKTOP:-}; do
  case $desktop_word in
    openbox) start_openbox ;;
    large-font) use_large_font ;;
    *) fail "QUORVIN_E2E_DESKTOP: no desktop word $desktop_word" ;;
  esac
done
