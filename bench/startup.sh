#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Times Quorvel's start-up against the bare window under the X server of
# DISPLAY (tests/with_x.sh): the median time from exec to the window mapped,
# the resident memory a second later and the instructions to the first map
# under callgrind, then the click latency.
# Usage: startup.sh MAP_WAIT BARE_WINDOW PROGRAM CLICK_BENCH
# RUNS (default 21) sets the timed runs of each, after two to warm up.
set -euo pipefail
map_wait=$1 bare=("$2") program=("$3") click_bench=$4
runs=${RUNS:-21}
source "$(dirname "$0")/by_turns.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
by_turns "$runs"

# Counts the guest's instructions up to its request to map the window.
instructions() {
  "$map_wait" valgrind --tool=callgrind --dump-before=xcb_map_window \
    --callgrind-out-file="$work/callgrind.$1" "$2" >/dev/null 2>>"$work/stderr"
  awk '/^totals:/ {print $2}' "$work/callgrind.$1.1"
}

for name in bare program; do
  read -r "${name}_ms" < <(median "$name" 1)
  read -r "${name}_kib" < <(median "$name" 2)
done
bare_ir=$(instructions bare "${bare[0]}")
program_ir=$(instructions program "${program[0]}")

echo "Start-up, median of $runs runs each under one X server:"
awk -v bm="$bare_ms" -v pm="$program_ms" -v bk="$bare_kib" -v pk="$program_kib" \
  -v bi="$bare_ir" -v pi="$program_ir" 'BEGIN {
  printf "%-12s %14s %12s %22s\n", "", "exec to map", "resident", "instructions to map"
  printf "%-12s %11.1f ms %8.1f MiB %20.1f M\n", "bare window", bm, bk / 1024, bi / 1e6
  printf "%-12s %11.1f ms %8.1f MiB %20.1f M\n", "Quorvel", pm, pk / 1024, pi / 1e6
  printf "%-12s %13.3fx %11.3fx %21.3fx\n", "ratio", pm / bm, pk / bk, pi / bi
}'
echo
echo "Click on the calculate button to the tax painted in Text4:"
"$click_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>>"$work/stderr"
