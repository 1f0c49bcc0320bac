#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The driver on a batch: a million lines of 47 bytes read from a file, the
# answers read back through a pipe. Prints the median lines per second.
# Usage: driver_batch.sh QUORVEL_CALC
# RUNS (default 5) sets the timed runs.
set -euo pipefail
driver=$1
runs=${RUNS:-5}
lines=1000000

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -n "$lines" <(yes '{"Text1":"6000","Text2":"500","Text3":"3500"}') >"$work/batch.jsonl"

for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  answered=$("$driver" <"$work/batch.jsonl" | wc -l)
  end=$(date +%s%N)
  if [ "$answered" -ne "$lines" ]; then
    echo "the driver answered $answered of $lines lines" >&2
    exit 1
  fi
  echo $((lines * 1000000000 / (end - start)))
done | sort -n | awk -v lines="$lines" '{v[NR] = $1} END {
  printf "Driver on a batch of %d lines of 47 bytes: %d lines/s (median of %d runs)\n",
    lines, v[int((NR + 1) / 2)], NR
}'
