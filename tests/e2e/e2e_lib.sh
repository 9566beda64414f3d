# What the end-to-end scripts share (sourced; run under xvfb-run -a): a work
# directory and home of their own, waiting for windows, starting the real
# program and reaching its menus with real X events. Sets $work; $pid and
# $frame once the program runs.

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The recent files go to a home of the test's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAILED: $*" >&2
  import -window root "$work/failure.png" 2>/dev/null && echo "screen: $work/failure.png" >&2
  trap - EXIT
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Polls a condition every 50 ms for up to 10 s (wait_steps=N: N polls).
wait_for() {
  local what=$1
  shift
  for _ in $(seq "${wait_steps:-200}"); do
    "$@" && return 0
    sleep 0.05
  done
  fail "waiting for $what"
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! visible "$1"; }
count_visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
frame_and_question() { [ "$(count_visible '^Quorvin$')" -ge 2 ]; }
only_frame() { [ "$(count_visible '^Quorvin$')" -eq 1 ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# Without a window manager the frame sits at 0,0; the first document window
# opens at the top-left of the MDI area, its canvas at (4, 43) on the screen.
canvas_x=4
canvas_y=43
# The centre of the button of a box at canvas twips X, Y.
box_at() { echo $((canvas_x + $1 / 15 + 16)) $((canvas_y + $2 / 15 + 16)); }
click_box() { xdotool mousemove $(box_at "$1" "$2") click 1; }
# A click on the canvas at twips X, Y: a waiting box is placed there.
click_canvas() { xdotool mousemove $((canvas_x + $1 / 15)) $((canvas_y + $2 / 15)) click 1; }

start_program() {
  "$program" &
  pid=$!
  # The splash window closes at a click, before its pause runs out.
  splash=$(xdotool search --sync --onlyvisible --name '^Quorvin Splash$' | head -1)
  xdotool mousemove --window "$splash" 20 20 click 1 || true
  frame=$(xdotool search --sync --onlyvisible --name '^Quorvin$' | head -1)
}

# Without a window manager nobody gives the keyboard back to the frame when a
# dialog closes.
focus_frame() { xdotool windowfocus --sync "$frame"; }

document_menu() {  # Alt+letter of a document menu, then the keys of the item
  xdotool key "alt+$1"
  shift
  for k in "$@"; do
    sleep 0.1
    xdotool key "$k"
  done
}

# A window manager in the display, as a desktop has one: windows get title
# bars and stacking (openbox keeps a window of another program behind the
# active one). Ended with the script.
start_window_manager() {
  openbox >"$work/openbox.log" 2>&1 &
  wm=$!
  trap 'kill "$wm" 2>/dev/null; cleanup' EXIT
  wait_for "the window manager" window_manager_runs
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# The managed windows bottom to top, as xdotool numbers them.
stacking() {
  local ids
  ids=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,)
  for id in $ids; do printf '%d\n' "$id"; done
}
