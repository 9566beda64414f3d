#!/usr/bin/env bash
# Drives the real program with real X events (run under with_xvfb.sh): opens
# the fixture through the frame's File menu and its open dialog, drags a box,
# connects two boxes, saves and compares the file's bytes with what the
# edits must give, then closes a document without changes (no question) and
# ends the program with changes (Cancel stays, No leaves the file as saved).
#
# Usage: edit_and_save.sh PROGRAM FIXTURE_DIR
set -euo pipefail
program=$1
fixtures=$2
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"
chart=$work/chart.qvn
cp "$fixtures/flowchart.qvn" "$chart"
modified_since() { [ "$(stat -c %Y.%y "$chart")" != "$1" ]; }
same_as() { cmp -s "$chart" "$1"; }

# File > Open... of the frame (its menu has no access key: a click opens it).
open_through_frame() {
  click_widget "frame=Quorvin" "menu bar" "menu item=File"
  xdotool key Down Down Return
  open_in_dialog "$1"
  focus_frame
  find_canvas
  sleep 0.3  # the document window paints
}

# 1. Open the fixture and save it untouched: the same bytes come back.
start_program
open_through_frame "$chart"
stamp=$(stat -c %Y.%y "$chart")
sleep 1.1  # the file's time moves on
xdotool key ctrl+s
wait_for "the first save" modified_since "$stamp"
same_as "$fixtures/flowchart.qvn" || fail "an untouched chart saved differently"

# 2. Drag the first Screen Output (canvas 600, 3300): a right click puts its
# button in drag mode; the drop puts its centre on canvas pixel (216, 276).
read -r sx sy < <(box_at 600 3300)
xdotool mousemove "$sx" "$sy" click 3
xdotool mousemove "$sx" "$sy" mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((sx + (216 + canvas_x - sx) * step / 8)) $((sy + (276 + canvas_y - sy) * step / 8))
  sleep 0.03
done
xdotool mouseup 1
sleep 0.2

# 3. Connect the constant 1 (canvas 2400, 300) to the If (4200, 300) with
# Functions > Arrow.
document_menu n a
click_box 2400 300
click_box 4200 300

# 4. Save: the file holds exactly the edits.
xdotool key ctrl+s
wait_for "the saved edits" same_as "$fixtures/flowchart_edited.qvn"

# 5. Close the unchanged document: no question, the frame stays.
document_menu f c
sleep 0.3
only_frame || fail "closing an unchanged document asked something"
ended && fail "the program ended at a document's Close"

# 6. Open it again, drag a box, and Exit: Cancel at the question stays in
# the program with the document; No ends it, the file as saved.
open_through_frame "$chart"
read -r sx sy < <(box_at 7000 2300)
xdotool mousemove "$sx" "$sy" click 3
xdotool mousemove "$sx" "$sy" mousedown 1
for step in 1 2 3 4; do
  xdotool mousemove $((sx + 0)) $((sy + 20 * step))
  sleep 0.03
done
xdotool mouseup 1
sleep 0.2
document_menu f e
wait_for "the save question" frame_and_question
wait_for "the save question to take the keys" question_takes_keys
xdotool key Escape
wait_for "the question to go" only_frame
focus_frame
sleep 0.3
ended && fail "Cancel at the save question ended the program"
document_menu f e
wait_for "the save question again" frame_and_question
wait_for "the save question to take the keys again" question_takes_keys
xdotool key n
wait_for "the program to end" ended
wait "$pid" || fail "the program ended with status $?"
pid=
same_as "$fixtures/flowchart_edited.qvn" || fail "No at the question changed the file"
echo "passed"
