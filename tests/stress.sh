#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Repeats the checks that depend on time (the live windows, Wine, its 32-bit
# half included, and the page in the browser) RUNS times with every core kept busy by stress-ng, the
# 32-bit checks' kept results bypassed so that each run really runs; with
# --wine32-root it first makes their Debian root anew under the same load, in a
# cache folder of its own. Run it after ./test, in the checkout.
# Usage: tests/stress.sh [--wine32-root] [RUNS]
set -uo pipefail
cd "$(dirname "$0")/.."
wine32_root=false
[ "${1:-}" != --wine32-root ] || { wine32_root=true; shift; }
runs=${1:-5}
stress-ng --cpu "$(nproc)" --quiet &
load=$!
scratch=$(mktemp -d)
trap 'kill "$load"; rm -rf "$scratch"' EXIT
if $wine32_root; then
  started=$SECONDS
  if QUORVEL_CACHE=$scratch tests/win32/wine32_root.sh >/dev/null; then
    echo "the 32-bit checks' root made under load in $((SECONDS - started)) s"
  else
    echo "FAIL: the 32-bit checks' root under load, after $((SECONDS - started)) s"
  fi
fi
passed=0
for ((run = 1; run <= runs; run++)); do
  started=$SECONDS
  if QUORVEL_WINE32_RERUN=1 ctest --test-dir build -L 'live|wine|web' --output-on-failure &&
    ctest --preset sanitize -L live; then
    passed=$((passed + 1))
    echo "run $run passed in $((SECONDS - started)) s"
  else
    echo "run $run FAILED after $((SECONDS - started)) s"
  fi
done
echo "stress: $passed passed, $((runs - passed)) failed"
[ "$passed" -eq "$runs" ]
