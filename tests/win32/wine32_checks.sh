#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs in the root of wine32_root.sh, in the folder that wine32.sh lays out
# for it: the 32-bit driver on every batch, the window and the installer, side
# by side, each in a Wine and under an X server of its own and within a time
# limit of its own, ample for emulated i386 programs on a busy host. Each check
# leaves results/NAME.log and results/NAME.status; the driver leaves its
# answers to each batch in results/driver for wine32.sh to compare.
# Usage: wine32_checks.sh PROGRAM MSI CHECK... (the names of the program and
#        the installer in that folder; the checks among drivers, window,
#        window.outOfMemory, window.startFailure and msi)
#        wine32_checks.sh drivers (inside in_wine.sh: every batch in one Wine session)
set -uo pipefail
share=$(cd "$(dirname "$0")/../.." && pwd)
results=$share/results
tests=$share/tests
export QUORVEL_WINE_PREFIX=/var/lib/quorvel/wine-prefix

if [ "$1" = drivers ]; then
  for input in "$share"/driver/*.jsonl; do
    answers=$results/driver/$(basename "$input" .jsonl)
    mapfile -t options <"${input%.jsonl}.args"
    status=0
    timeout -k 10 300 wine "$share/bin/quorvel-calc.exe" "${options[@]}" <"$input" \
      >"$answers.out" 2>"$answers.err" || status=$?
    echo "$status" >"$answers.status"
    echo "$(basename "$input"): exit status $status"
  done
  exit 0
fi

mkdir -p "$results/driver"
check() {  # NAME LIMIT COMMAND...
  local name=$1 limit=$2 status=0 started=$SECONDS
  shift 2
  timeout -k 10 "$limit" "$@" >"$results/$name.log" 2>&1 || status=$?
  [ "$status" -ne 124 ] || echo "FAIL: $name did not end within $limit s" >>"$results/$name.log"
  echo "$status" >"$results/$name.status"
  echo "$name: status $status after $((SECONDS - started)) s"
}
in_wine=$tests/win32/in_wine.sh
in_x=("$tests/with_x.sh" "$in_wine")
for name in "${@:3}"; do
  case $name in
    drivers) check drivers 900 "$in_wine" "$0" drivers ;;
    window)
      check window 600 "${in_x[@]}" "$tests/win32/window_check.sh" "$share/bin/$1" \
        "$share/bin/window_probe.exe" "$results/screenshot-windows.png"
      ;;
    window.outOfMemory)
      check window.outOfMemory 420 "${in_x[@]}" "$tests/win32/window_check.sh" --out-of-memory \
        "$share/bin/out_of_memory_window.exe" "$share/bin/window_probe.exe"
      ;;
    window.startFailure)
      check window.startFailure 420 "${in_x[@]}" "$tests/win32/window_check.sh" --start-failure \
        "$share/bin/start_failure_window.exe" "$share/bin/window_probe.exe" \
        "$results/screenshot-start-failure.png"
      ;;
    msi) check msi 900 "${in_x[@]}" "$tests/win32/msi_check.sh" "$share/$2" ;;
  esac &
done
wait
