#!/usr/bin/env bash
# Drives the real program under a window manager (openbox, run under
# with_xvfb.sh) through a first box-by-box run on a machine with Octave and no
# interpreter started: Execute to Matlab asks "Matlab is not responding ...";
# Yes opens the directory picker on Octave's installation, so OK there starts
# it and the run goes on. The results window stands whole on the screen in
# front of the frame; after "Done !" the figure the run drew is in front of
# every window, and stays there.
#
# Usage: run_in_front.sh PROGRAM FIXTURE_DIR
set -euo pipefail
program=$1
fixtures=$2
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"
chart=$work/plot_run.qvn
cp "$fixtures/plot_run.qvn" "$chart"
# The chart is the first recent file, one item of the frame's File menu.
mkdir -p "$XDG_CONFIG_HOME/Quorvin"
printf '[Recent%%20Files]\nRecentFile1=%s\n' "$chart" >"$XDG_CONFIG_HOME/Quorvin/Quorvin.conf"

# wait_long up to 40 s: Octave and its first figure take seconds to come up
# on a loaded machine.
long_wait_steps=800
# The new window is another one than $1 (a question closed, the next opened).
another_window() { local w; w=$(new_window); [ -n "$w" ] && [ "$w" != "$1" ]; }
figure_shown() { visible '^Figure 1$'; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Waits until the new window has the keyboard, then presses key $1 there.
answer_new_window() {
  local w
  w=$(new_window)
  wait_for "the keyboard on the new window" active "$w"
  xdotool key "$1"
}
# Index from the bottom of window $1 in the stacking.
depth() { stacking | grep -nx "$1" | cut -d: -f1; }
above() { [ "$(depth "$1")" -gt "$(depth "$2")" ]; }
topmost() { [ "$(stacking | tail -1)" = "$1" ]; }
results_in_front() {
  above "$results" "$frame" || fail "the results window is behind the frame: $(stacking | tr '\n' ' ')"
  whole_on_screen "$results" || fail "the results window is not whole on the screen: $placed"
}

start_openbox
start_program
# The frame is the largest window named Quorvin (the palette is one too).
frame=$(for w in $(quorvin_windows); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  echo "$((WIDTH * HEIGHT)) $w"
done | sort -n | tail -1 | cut -d' ' -f2)
known=$(quorvin_windows)

# File > the recent chart (New, Open..., Exit, then the recent files).
click_widget "frame=Quorvin" "menu bar" "menu item=File"
sleep 0.3
xdotool key Down Down Down Down Return
sleep 1  # the document window opens and paints

# Execute > Execute to Matlab: no interpreter runs yet.
document_menu n Right e
wait_for "the not-responding question" a_new_window
question=$(new_window)
wait_for "the results window" visible '^Matlab Text Results$'
results=$(window_ids --name '^Matlab Text Results$' | head -1)
results_in_front
answer_new_window y
# The picker opens where Octave is installed: OK there starts it. Opened
# anywhere else, OK would say "Sorry, Matlab excutable still not found." and
# the question would come back.
wait_for "the directory picker" another_window "$question"
answer_new_window Return
wait_long "Octave's figure" figure_shown
figure=$(window_ids --name '^Figure 1$' | head -1)
wait_long "the run's Done !" a_new_window
results_in_front
answer_new_window Return
wait_for "Done ! to go" no_new_window
# The closing message brought the frame forward; the figure comes back in
# front of it, and stays.
wait_for "the figure in front" topmost "$figure"
sleep 1.5
topmost "$figure" || fail "the figure went behind: $(stacking | tr '\n' ' ')"
figure_shown || fail "the figure closed"
results_in_front
import -window root "$work/run_in_front.png" 2>/dev/null || true
[ -n "${QUORVIN_E2E_SHOTS:-}" ] && cp "$work/run_in_front.png" "$QUORVIN_E2E_SHOTS/" || true
echo "passed"
