#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs in the guest of guest_image.sh, in a copy of the folder that guest32.sh
# shares with it: the 32-bit driver on every batch, the hostile lines of the driver's
# tests, the window and the installer, each in a Wine of its own. Each check
# leaves results/NAME.log and results/NAME.status for the test that reads it.
# Usage: guest_checks.sh PROGRAM MSI CHECK... (the names of the program and the
#        installer in the shared folder; the checks among drivers, window,
#        window.outOfMemory and msi)
#        guest_checks.sh drivers (inside in_wine.sh: the driver's batches and
#        hostile lines in one Wine session)
set -uo pipefail
share=$(cd "$(dirname "$0")/../.." && pwd)
results=$share/results
in_wine=$share/tests/win32/in_wine.sh
export QUORVEL_WINE_PREFIX=/var/lib/quorvel/wine-prefix

if [ "$1" = drivers ]; then
  for input in "$share"/driver/*.jsonl; do
    name=$(basename "$input" .jsonl)
    mapfile -t options <"${input%.jsonl}.args"
    status=0
    wine "$share/bin/quorvel-calc.exe" "${options[@]}" <"$input" >"$results/driver/$name.out" \
      2>/dev/null || status=$?
    echo "$status" >"$results/driver/$name.status"
  done
  status=0
  QUORVEL_CALC_RUNNER=wine QUORVEL_CALC=$share/bin/quorvel-calc.exe "$share/bin/driver-tests" \
    --gtest_filter='DriverHostileInput.*' >"$results/driver.hostile.log" 2>&1 || status=$?
  echo "$status" >"$results/driver.hostile.status"
  exit 0
fi

program=$share/bin/$1
msi=$share/$2
mkdir -p "$results/driver"
check() {  # NAME COMMAND...
  local name=$1 status=0 started=$SECONDS
  shift
  "$@" >"$results/$name.log" 2>&1 || status=$?
  echo "$status" >"$results/$name.status"
  echo "$name: status $status after $((SECONDS - started)) s"
}
run() {  # CHECK
  case $1 in
    drivers) check drivers "$in_wine" "$0" drivers ;;
    window)
      check window "$in_wine" "$share/tests/win32/window_check.sh" "$program" \
        "$share/bin/window_probe.exe" "$results/screenshot-windows.png"
      ;;
    window.outOfMemory)
      check window.outOfMemory "$in_wine" "$share/tests/win32/out_of_memory_check.sh" \
        "$share/bin/out_of_memory_window.exe" "$share/bin/window_probe.exe"
      ;;
    msi) check msi "$in_wine" "$share/tests/win32/msi_check.sh" "$msi" x86 ;;
  esac
}
shift 2
for name in "$@"; do
  run "$name"
done
