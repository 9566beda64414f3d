#!/bin/sh
# Times the program's start-up to its first shown frame (splash pause at zero)
# and File > Exit with nothing open, over several runs under a virtual X
# server, and prints each figure's minimum, median and maximum in ms.
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build 11)
# The first run warms the file cache and is not counted.
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${2:-11}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$build" "$runs"; fi

probe="$build/bench/startup_probe"
# The program's directory is the one holding its settings file, as a person
# runs it from the build; the remembered settings go to a scratch place.
cd "$build/app"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

table="$scratch/runs"
i=0
while [ "$i" -le "$runs" ]; do
  line=$("$probe" "$(date +%s%N)")
  ended=$(date +%s%N)
  if [ "$i" -gt 0 ]; then
    echo "$line" | awk -v ended="$ended" '{
      for (f = 1; f < NF; f += 2) v[$f] = $(f + 1)
      printf "%s %s %s %s %s %s %.3f\n", v["main"], v["application"], v["frame_made"], v["loaded"],
             v["exposed"], v["painted"], (ended - v["exit_chosen"]) / 1e6 }' >>"$table"
  fi
  i=$((i + 1))
done

echo "runs: $runs (ms; from the launch unless said)"
col=1
for name in main_entered application_made frame_made start-up_done frame_exposed frame_painted exit_to_end; do
  sort -n -k"$col","$col" "$table" | awk -v c="$col" -v name="$name" '
    { x[NR] = $c }
    END { m = (NR % 2) ? x[(NR + 1) / 2] : (x[NR / 2] + x[NR / 2 + 1]) / 2
          printf "%-16s min %8.1f  median %8.1f  max %8.1f\n", name, x[1], m, x[NR] }'
  col=$((col + 1))
done
