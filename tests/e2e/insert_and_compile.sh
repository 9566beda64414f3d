#!/usr/bin/env bash
# Drives the real program with real X events (run under with_xvfb.sh): a new
# document gets a Constant Input (pi, from its dialog) and a Sin box through
# the Functions menu and a Screen Output from the toolbox palette, each
# placed by a click on the canvas, connected in a row with the Arrow tool;
# Execute > Write to ClipBoard must put exactly their script on the
# clipboard. Then, in a fresh document, a Matrix Input box: the
# compile shows the matrix grid, and what is typed there is the script.
#
# Usage: insert_and_compile.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

# Each box writes its variable, "box" and its number; a line ends in CR LF.
expected=$work/expected.m
# A screen output has no ";", so the value shows.
printf 'box1=pi;\r\nbox2=sin(box1);\r\nbox3=box2\r\n' >"$expected"
clipboard_is_expected() {
  xclip -o -selection clipboard >"$work/clipboard.m" 2>/dev/null && cmp -s "$work/clipboard.m" "$expected"
}

# File > New of the frame (its menu has no access key: a click opens it).
new_document() {
  click_widget "frame=Quorvin" "menu bar" "menu item=File"
  xdotool key Down Return
  find_canvas
  sleep 0.5  # the document window paints
}
# Execute > Write to ClipBoard (Edit and Execute share their access key: the
# Execute menu is reached from Functions).
write_to_clipboard() { document_menu n Right c; }
# The compile ends with "Done !"; the script goes to the clipboard after it.
dismiss_done() {
  wait_for "the compile's Done !" frame_and_question
  xdotool key Return
  wait_for "Done ! to go" only_frame
  focus_frame
}

start_program
new_document

# Functions > Inputs > Constants...: the first option, "pi" (the dialog opens
# with the keyboard on it), and OK.
document_menu n i c
wait_for "the constant dialog" visible '^Get a Constant$'
xdotool key space Return
wait_for "the constant dialog to close" gone '^Get a Constant$'
focus_frame
click_canvas 600 600

# Functions > Trigonometric Functions > Sin.
document_menu n t s
sleep 0.2
click_canvas 3000 600

# The palette's Screen Output tool (the built-in toolbox's seventh button;
# the palette is the program's one plain top-level window): the first move
# over a canvas inserts it.
click_widget filler "push button#7"
click_canvas 5400 600

# Functions > Arrow, from the constant to the Sin box, then on to the output.
document_menu n a
click_box 600 600
click_box 3000 600
document_menu n a
click_box 3000 600
click_box 5400 600

write_to_clipboard
dismiss_done
wait_for "the script on the clipboard" clipboard_is_expected
import -window root "$work/inserted.png" 2>/dev/null || true
[ -n "${QUORVIN_E2E_SHOTS:-}" ] && cp "$work/inserted.png" "$QUORVIN_E2E_SHOTS/" || true

# Close the document without saving it, and start a fresh one: its first box
# is box 1 again.
document_menu f c
wait_for "the save question" frame_and_question
xdotool key n
wait_for "the question to go" only_frame
focus_frame
new_document

# Functions > Inputs > Keyboard > Matrix, placed.
document_menu n i k m
sleep 0.2
click_canvas 600 600
# The compile asks for the matrix: 1 and 2 in the first row, then OK (Enter
# belongs to the grid).
write_to_clipboard
wait_for "the matrix grid" visible '^Matrix Input$'
xdotool type --delay 20 1
xdotool key Tab
xdotool type --delay 20 2
click_widget "dialog=Matrix Input" "push button=OK"
wait_for "the matrix grid to close" gone '^Matrix Input$'
dismiss_done
# "box" q "= ", the grid's literal (each cell and each empty cell after it
# followed by two blanks), then " ]; ".
printf 'box1= [1  2       ]; \r\n' >"$expected"
wait_for "the matrix script on the clipboard" clipboard_is_expected
echo "passed"
