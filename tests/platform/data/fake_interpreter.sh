#!/bin/bash
# A stand-in interpreter for the link's tests. It speaks just enough of the
# link's framing (it answers each line's numbered end marker) to misbehave in
# the ways a real interpreter cannot be made to on demand:
#   exit-at-start  ends before reading anything
#   silent         takes the set-up, then never answers
#   slow-first     answers statement 1 only after a second
#   garbage        puts control bytes and marker look-alikes before each answer
# It ignores the interrupt the link sends after a time-out, so a late answer
# still arrives.
trap '' INT
mode="$1"
[ "$mode" = exit-at-start ] && exit 3
while IFS= read -r line; do
  [[ $line =~ @@quorvin-end-([0-9]+)@@ ]] || continue
  n=${BASH_REMATCH[1]}
  case "$mode" in
    silent) [ "$n" = 0 ] || continue ;;
    slow-first) [ "$n" = 1 ] && sleep 1 ;;
    garbage)
      printf 'x\001\377 @@quorvin-end-%d@@\n @@quorvin-end-\n@@quorvin-input:7x@@\n@@quorvin-end-' $((n + 5)) ;;
  esac
  printf 'fake answer %s\n\n@@quorvin-end-%s@@\n' "$n" "$n"
done
