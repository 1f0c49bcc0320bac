#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs the 32-bit Windows programs as they ship in the root of wine32_root.sh,
# made before: lays out SHARE as the folder that the root sees (the programs,
# the installer, the checks and the driver's batches), runs in it once the
# checks of wine32_checks.sh and leaves in SHARE/results what each found, for
# the tests wine32.* to read, the driver's answers compared here with those
# committed beside its checker. What passed is kept, and not run again with
# the same files unless QUORVEL_WINE32_RERUN=1; the driver's answers are
# compared anew on every run. The build's QUORVEL_VERSION,
# QUORVEL_PROGRAM_NAME, QUORVEL_CAPTION, QUORVEL_MAKER and
# QUORVEL_CONTACT_EMAIL go on to the checks in the root.
# Usage: wine32.sh SHARE WINDOWS_TREE PROGRAM MSI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
share=$1 tree=$2 program=$3 msi=$4
driver_check=$here/../driver/driver_check.py

root=$("$here/wine32_root.sh" --find)
rm -rf "$share"
mkdir -p "$share/bin" "$share/tests/win32" "$share/driver" "$share/msi" "$share/results/driver"
cp "$tree/bin/$program" \
  "$tree/bin/"{quorvel-calc,window_probe,out_of_memory_window,start_failure_window}.exe "$share/bin/"
# The installer with the program and the licence as packed into it.
cp "$tree/$msi" "$share/"
cp "$tree/msi/"{quorvel.exe,LICENSE.txt} "$share/msi/"
cp "$here"/{in_wine,wine_prefix,window_check,msi_check,wine32_checks}.sh "$share/tests/win32/"
cp "$here/../client_pixels.sh" "$here/../with_x.sh" "$share/tests/"
"$driver_check" --write "$share/driver"

# What each check reads besides the checks' scripts, which every check reads.
inputs() {  # CHECK
  case $1 in
    drivers) files=(bin/quorvel-calc.exe driver) ;;
    window) files=("bin/$program" bin/window_probe.exe) ;;
    window.outOfMemory) files=(bin/out_of_memory_window.exe bin/window_probe.exe) ;;
    window.startFailure) files=(bin/start_failure_window.exe bin/window_probe.exe) ;;
    msi) files=(msi-tables msi) ;;
  esac
}
# Each build makes the installer with product and package codes and times of
# its own, which the check does not depend on: its key is the rest.
"$here/msi_content.sh" "$share/$msi" "$share/msi-tables"
cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}/wine32-results
mkdir -p "$cache"
declare -A keys
checks=()
for check in drivers window window.outOfMemory window.startFailure msi; do
  inputs "$check"
  keys[$check]=$(cd "$share" && find tests "${files[@]}" -type f -print0 | sort -z |
    xargs -0 sha256sum | cat - <(echo "$root") "$here/in_root.sh" | sha256sum | cut -c1-16)
  kept=$cache/$check-${keys[$check]}
  if [ "${QUORVEL_WINE32_RERUN:-0}" != 1 ] && [ -f "$kept/$check.status" ]; then
    cp -r "$kept/." "$share/results/"
    { echo "the same files passed this check in the root at" \
        "$(date -r "$kept/$check.status" '+%F %T') and are not run again ($kept):"
      cat "$kept/$check.log"; } >"$share/results/$check.log"
    echo "$check: passed before with the same files"
  else
    checks+=("$check")
  fi
done

ran=0
if [ ${#checks[@]} -gt 0 ]; then
  started=$SECONDS
  "$here/in_root.sh" "$root" "$share" env "QUORVEL_VERSION=$QUORVEL_VERSION" \
    "QUORVEL_PROGRAM_NAME=$QUORVEL_PROGRAM_NAME" "QUORVEL_CAPTION=$QUORVEL_CAPTION" \
    "QUORVEL_MAKER=$QUORVEL_MAKER" "QUORVEL_CONTACT_EMAIL=$QUORVEL_CONTACT_EMAIL" bash /mnt/tests/win32/wine32_checks.sh "$program" "$msi" "${checks[@]}" || ran=$?
  echo "the root ran ${checks[*]} in $((SECONDS - started)) s, status $ran"
fi

# Every answer of the driver compared here, those kept from before too.
drivers=0
for batch in $("$driver_check" --list); do
  status=0
  "$driver_check" "$batch" --answers "$share/results/driver" \
    >"$share/results/driver.$batch.log" 2>&1 || status=$?
  echo "$status" >"$share/results/driver.$batch.status"
  [ "$status" = 0 ] || drivers=$status
done

# What passed is kept; what failed runs again next time.
for check in "${checks[@]}"; do
  [ "$ran" = 0 ] && [ "$(cat "$share/results/$check.status" 2>/dev/null)" = 0 ] || continue
  [ "$check" != drivers ] || [ "$drivers" = 0 ] || continue
  kept=$cache/$check-${keys[$check]}
  rm -rf "$kept" "$kept.part"
  mkdir "$kept.part"
  cp "$share/results/$check".* "$kept.part/"
  case $check in
    drivers) cp -r "$share/results/driver" "$kept.part/" ;;
    window) cp "$share/results/screenshot-windows.png" "$kept.part/" ;;
    window.startFailure) cp "$share/results/screenshot-start-failure.png" "$kept.part/" ;;
  esac
  mv "$kept.part" "$kept"
done
exit "$ran"
