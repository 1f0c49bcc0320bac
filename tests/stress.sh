#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Repeats the checks that depend on time (the live windows, Wine and the
# emulated machine) RUNS times with every core kept busy by stress-ng, the
# emulated machine's kept results bypassed so that each run really runs; with
# --guest-disk it first makes the emulated machine's disk anew under the same
# load, in a cache folder of its own. Run it after ./test, in the checkout.
# Usage: tests/stress.sh [--guest-disk] [RUNS]
set -uo pipefail
cd "$(dirname "$0")/.."
guest_disk=false
[ "${1:-}" != --guest-disk ] || { guest_disk=true; shift; }
runs=${1:-5}
stress-ng --cpu "$(nproc)" --quiet &
load=$!
scratch=$(mktemp -d)
trap 'kill "$load"; rm -rf "$scratch"' EXIT
if $guest_disk; then
  started=$SECONDS
  if QUORVEL_CACHE=$scratch tests/win32/guest_image.sh >/dev/null; then
    echo "the guest's disk made under load in $((SECONDS - started)) s"
  else
    echo "FAIL: the guest's disk under load, after $((SECONDS - started)) s"
  fi
fi
passed=0
for ((run = 1; run <= runs; run++)); do
  started=$SECONDS
  if QUORVEL_GUEST_RERUN=1 ctest --test-dir build -L 'live|wine|guest32' --output-on-failure &&
    ctest --preset sanitize -L live; then
    passed=$((passed + 1))
    echo "run $run passed in $((SECONDS - started)) s"
  else
    echo "run $run FAILED after $((SECONDS - started)) s"
  fi
done
echo "stress: $passed passed, $((runs - passed)) failed"
[ "$passed" -eq "$runs" ]
