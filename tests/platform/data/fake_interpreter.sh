#!/bin/bash
# A stand-in interpreter for the link's tests. It speaks just enough of the
# link's framing (it answers each line's numbered end marker) to misbehave in
# the ways a real interpreter cannot be made to on demand:
#   exit-at-start  ends before reading anything
#   silent         takes the set-up, then never answers
#   mute           never answers, not even the set-up
#   slow-first     answers statement 1 only after a second
#   slow-setup S   takes S seconds (2 if not given) to answer the set-up
#   echoing        sends back each line it reads, then answers it, statement 1
#                  after a second and a half
#   garbage        puts control bytes and marker look-alikes before each answer
#   deaf           takes the set-up, then reads nothing more
# It ignores the interrupt the link sends after a time-out, so a late answer
# still arrives.
trap '' INT
mode="$1"
[ "$mode" = exit-at-start ] && exit 3
while IFS= read -r line; do
  [[ $line =~ @@quorvin([a-z0-9]*)-end-([0-9]+)@@ ]] || continue
  tag="@@quorvin${BASH_REMATCH[1]}"
  n=${BASH_REMATCH[2]}
  case "$mode" in
    silent) [ "$n" = 0 ] || continue ;;
    mute) continue ;;
    deaf) printf '\n%s-end-%s@@\n' "$tag" "$n"; exec sleep 60 ;;
    slow-first) [ "$n" = 1 ] && sleep 1 ;;
    slow-setup) [ "$n" = 0 ] && sleep "${2:-2}" ;;
    echoing) printf '%s\n' "$line"; [ "$n" = 1 ] && sleep 1.5 ;;
    garbage)
      printf 'x\001\377 %s-end-%d@@\n %s-end-\n%s-input:7x@@\n@@quorvin-end-%d@@\n%s-end-' \
        "$tag" $((n + 5)) "$tag" "$tag" "$n" "$tag" ;;
  esac
  printf 'fake answer %s\n\n%s-end-%s@@\n' "$n" "$tag" "$n"
done
