# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# What the start-up benchmarks share, sourced by them: two programs started by
# turns under map-wait, and the medians of what it printed. The caller sets
# map_wait and work (a folder of its own), and the arrays bare and program to
# the commands that start each.

# One run of the command in the array $2: "milliseconds KiB" appended to
# $work/$1. A run that fails shows what map-wait and the program said.
run() {
  local -n command=$2
  "$map_wait" "${command[@]}" 2>>"$work/stderr" >>"$work/$1" || {
    cat "$work/stderr" >&2
    return 1
  }
}

# Two runs of each to warm up, then $1 of each by turns.
by_turns() {
  local i
  for _ in 1 2; do run warm bare; run warm program; done
  for ((i = 0; i < $1; i++)); do
    # Each goes first in turn, so neither always follows the other's exit.
    if ((i % 2 == 0)); then
      run bare bare; run program program
    else
      run program program; run bare bare
    fi
  done
}

# The median of column $2 of $work/$1.
median() {
  cut -d' ' -f"$2" "$work/$1" | sort -n |
    awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
