#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Times the 64-bit Windows program's start-up against its bare window under
# Wine, on the X server of DISPLAY (tests/with_x.sh): the median time from exec
# to the window mapped, of each and as a ratio. They run in a copy of a prefix
# set up as the Wine checks set theirs up, whose session stays up between runs.
# Usage: wine_startup.sh MAP_WAIT BARE_WINDOW PROGRAM
# RUNS (default 21) sets the timed runs of each, after two to warm up.
set -euo pipefail
# QUORVEL_WINE_PREFIX, where set, names such a prefix (the Wine checks keep
# theirs in the test tree's tests/wine-prefix).
in_wine=$(dirname "$0")/../tests/win32/in_wine.sh
if [ "${1:-}" != --in-wine ]; then
  if [ -z "${QUORVEL_WINE_PREFIX:-}" ]; then
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    "$in_wine" sh -c 'wineserver -w && cp -a "$WINEPREFIX" "$0"' "$prefix/prefix"
    export QUORVEL_WINE_PREFIX=$prefix/prefix
  fi
  "$in_wine" "$0" --in-wine "$@"
  exit
fi
shift

map_wait=$1 bare=(wine "$2") program=(wine "$3")
runs=${RUNS:-21}
source "$(dirname "$0")/by_turns.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
by_turns "$runs"

echo "Start-up under Wine, median of $runs runs each under one X server:"
awk -v bare="$(median bare 1)" -v program="$(median program 1)" 'BEGIN {
  printf "%-14s %11.1f ms\n%-14s %11.1f ms\n%-14s %13.3fx\n", "bare window", bare,
    "Quorvel (x64)", program, "ratio", program / bare
}'
