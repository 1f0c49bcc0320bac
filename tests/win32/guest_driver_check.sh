#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The 32-bit Windows driver's answers to a batch in the guest (guest32.sh)
# against this machine's driver: the same bytes and the same exit status.
# Usage: guest_driver_check.sh RESULTS DRIVER BATCH
set -euo pipefail
share=$1
driver=$2
batch=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
input=$share/driver/$batch.jsonl
answers=$share/results/driver/$batch
[ -f "$input" ] || fail "no batch $batch"
[ -f "$answers.status" ] || fail "the guest did not run the batch $batch"
mapfile -t options <"$share/driver/$batch.args"
expected=$(mktemp)
trap 'rm -f "$expected"' EXIT
status=0
"$driver" "${options[@]}" <"$input" >"$expected" 2>/dev/null || status=$?

lines=$(wc -l <"$input")
if ! cmp -s "$expected" "$answers.out"; then
  line=$(cmp "$expected" "$answers.out" | sed -n 's/.* line \([0-9]*\)$/\1/p')
  line=${line:-$(($(wc -l <"$answers.out") + 1))}
  fail "the answers differ from line $line of $lines ($(grep -c '' "$answers.out") answered):
  input: $(sed -n "${line}p" "$input" | cut -c1-300)
  here:  $(sed -n "${line}p" "$expected" | cut -c1-300)
  guest: $(sed -n "${line}p" "$answers.out" | cut -c1-300)"
fi
[ "$(cat "$answers.status")" = "$status" ] ||
  fail "the driver exited $(cat "$answers.status") in the guest, $status here"
echo "$batch: $lines lines (options: ${options[*]@Q}) answered alike, exit status $status"
