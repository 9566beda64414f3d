#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb, 1280x900, 24 bits, local
# connections only). Xvfb picks a free display number itself (-displayfd), so
# tests started at the same moment, here or in another checkout, never take
# the same one, as xvfb-run -a's guesses can; and it does not reset when its
# last client leaves (-noreset), which refuses the next one for a moment (the
# accessibility bus's launcher, for one, connects and leaves at the start).
#
# Usage: with_xvfb.sh COMMAND [ARG...]
set -euo pipefail
dir=$(mktemp -d)
xvfb=
stop() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap stop EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
# Xvfb writes the display's number once it takes connections.
if ! read -r -t 30 number <"$dir/display" || [ -z "$number" ]; then
  echo "with_xvfb.sh: Xvfb did not start" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
