#!/usr/bin/env bash
# Drives the real program under a window manager (openbox, run under
# with_xvfb.sh) through File > Start Matlab on Octave's installation: the
# moment OK is pressed in the directory picker, the person presses Ctrl+O
# (Open File) and clicks the File menu. While Octave comes up the program
# takes neither: no Open dialog and no menu come up inside the start's wait,
# which they would hold up (and a waiting box would then come over them, its
# Cancel the one way out, killing the Octave that was up). The start ends
# with Octave running, and the windows take input again: Ctrl+O then opens
# the Open dialog. The waiting box is the one window that may come up, when
# the start lasts past a second.
#
# Usage: start_holds_input.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

octave_runs() { pgrep -P "$pid" octave >/dev/null; }
open_dialog() { visible '^Open$'; }
# Whether the frame's File menu is open: its items show.
file_menu_open() { widgets find "frame=Quorvin" "menu item=Start Matlab" >/dev/null 2>&1; }
# The waiting box, which comes up when the start lasts past a second (on a
# loaded machine Octave may take that long): the one window that may.
waiting_box() { widgets find "dialog=Quorvin" "label~^Waiting for the interpreter" >/dev/null 2>&1; }
only_the_waiting_box() { no_new_window || waiting_box; }

start_openbox
start_program
# File > New of the frame (its menu has no access key: a click opens it).
click_widget "frame=Quorvin" "menu bar" "menu item=File"
xdotool key Down Return
find_canvas
# Where the File menu is, now the document's menus are on the bar.
locate_widget "frame=Quorvin" "menu bar" "menu item=File"
file_x=$((widget_x + widget_width / 2))
file_y=$((widget_y + widget_height / 2))
known=$(quorvin_windows)

# File > Start Matlab: the picker opens on Octave's installation.
document_menu f Down Down Down Down Down Return
wait_for "the directory picker" a_new_window
picker=$(new_window)
wait_for "the keyboard on the picker" takes_keys '^Quorvin$'
[ "$(focused_window)" = "$picker" ] || fail "the picker does not have the keyboard"
# OK, and at once Open File's shortcut and a click on the File menu.
xdotool key Return key ctrl+o mousemove "$file_x" "$file_y" click 1
wait_for "the picker to go" no_new_window
wait_long "Octave to come up" octave_runs
# For two seconds (past the waiting box's second) nothing else comes up: a
# new window is given a moment to show itself as the waiting box.
for _ in $(seq 40); do
  open_dialog && fail "Open File came up during the start"
  file_menu_open && fail "the File menu opened during the start"
  no_new_window || wait_steps=20 wait_for "the new window to be the waiting box" only_the_waiting_box
  sleep 0.05
done
octave_runs || fail "Octave ended"
import -window root "$work/start_holds_input.png" 2>/dev/null || true
[ -n "${QUORVIN_E2E_SHOTS:-}" ] && cp "$work/start_holds_input.png" "$QUORVIN_E2E_SHOTS/" || true

# The start over, the windows take input again.
focus_frame
xdotool key ctrl+o
wait_for "Open File after the start" open_dialog
xdotool key Escape
wait_for "Open File to close" gone '^Open$'
octave_runs || fail "Octave ended"
echo "passed"
