#!/usr/bin/env bash
# The real program ended from outside while a statement that never ends runs
# in the interpreter (run under with_xvfb.sh): the fixture's Matlab Command box
# "while true, end", run with Execute to Matlab. However the program ends, its
# interpreter must end with it.
# 1. SIGTERM, nothing changed: the program ends as Exit ends it.
# 2. SIGTERM with a changed document: the run and the interpreter end, then
#    the save question comes; Cancel keeps the program and says what the Exit
#    stopped; a second SIGTERM asks again, and No ends the program.
# 3. SIGKILL: the interpreter does not outlive the program.
#
# Usage: kill_during_run.sh PROGRAM FIXTURE_DIR
set -euo pipefail
program=$1
fixtures=$2
here=$(dirname "$0")
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

# The program runs in a directory of its own, which holds its settings file;
# the directory picker opens on the interpreter's installation.
app=$work/app
mkdir -p "$app"
cp "$(dirname "$program")/quorvin.ini" "$app/"
cd "$app"

interpreter=
# The program's child that is the interpreter (the other is its watchdog).
find_interpreter() { interpreter=$(pgrep -P "$pid" '^octave' | head -1) && [ -n "$interpreter" ]; }
# No such process, or one that has died and only waits to be reaped.
interpreter_gone() {
  local state
  state=$(sed 's/.*) //' "/proc/$interpreter/stat" 2>/dev/null | cut -c1) || return 0
  [ -z "$state" ] || [ "$state" = Z ] || [ "$state" = X ]
}
running() { ! ended; }
# A failed check leaves no interpreter of its own behind.
end_interpreter() { [ -z "$interpreter" ] || interpreter_gone || kill -KILL "$interpreter"; }
eval "plain_$(declare -f fail)"
fail() {
  end_interpreter
  plain_fail "$@"
}
trap 'end_interpreter; cleanup' EXIT

# Starts the program, opens the fixture (through the frame's File menu, which
# has no access key) and runs it in the interpreter the picker opens on.
start_endless_run() {
  start_program
  click_widget "frame=Quorvin" "menu bar" "menu item=File"
  sleep 0.3
  xdotool key Down Down Return
  open_in_dialog "$fixtures/endless_loop.qvn"
  focus_frame
  sleep 0.3  # the document window paints
  if [ "${1:-}" = changed ]; then
    # A right click puts the constant's button in drag mode; a drag moves it.
    read -r sx sy < <(box_at 600 600)
    xdotool mousemove "$sx" "$sy" click 3
    xdotool mousemove "$sx" "$sy" mousedown 1
    for step in 1 2 3 4; do
      xdotool mousemove $((sx + 20 * step)) "$sy"
      sleep 0.03
    done
    xdotool mouseup 1
    sleep 0.2
  fi
  # Execute > Execute to Matlab (reached from Functions: Edit and Execute
  # share their access key); no interpreter answers yet, so Yes, start one.
  document_menu n Right e
  wait_for "the question to start Matlab" frame_and_question
  wait_for "the question to take the keys" question_takes_keys
  xdotool key Return
  sleep 0.5
  wait_for "the directory picker" frame_and_question
  # It opens on the interpreter's installation: OK (Return) starts it.
  picker=$(window_ids --name '^Quorvin$' | grep -vx "$frame" | head -1)
  xdotool windowfocus --sync "$picker"
  xdotool key Return
  wait_for "the interpreter" find_interpreter
  sleep 1  # the endless loop is under way
  if interpreter_gone; then fail "the interpreter ended by itself"; fi
}

# 1.
start_endless_run
kill -TERM "$pid"
wait_for "the program to end at SIGTERM" ended
wait "$pid" || fail "the program ended with status $? at SIGTERM"
pid=
wait_for "the interpreter to end with the program" interpreter_gone

# 2.
start_endless_run changed
kill -TERM "$pid"
wait_for "the save question" frame_and_question
wait_for "the interpreter to end before the question" interpreter_gone
wait_for "the save question to take the keys" question_takes_keys
xdotool key Escape
sleep 0.5  # the question goes, the word comes
wait_for "the word on what the Exit stopped" frame_and_question
wait_for "the word to take the keys" question_takes_keys
running || fail "Cancel at the save question ended the program"
xdotool key Return
wait_for "the word to go" only_frame
kill -TERM "$pid"
wait_for "the save question again" frame_and_question
wait_for "the save question to take the keys again" question_takes_keys
xdotool key n
wait_for "the program to end at No" ended
wait "$pid" || fail "the program ended with status $? after No"
pid=

# 3.
start_endless_run
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=
wait_for "the interpreter to end with the killed program" interpreter_gone
echo "passed"
