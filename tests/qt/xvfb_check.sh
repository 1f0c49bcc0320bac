#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Starts the program under a real X server and looks at its window as the
# window manager and a user see it. Runs inside xvfb_run.sh, QUORVEL_CAPTION
# in the environment. Usage: xvfb_check.sh PROGRAM SCREENSHOT
set -euo pipefail
program=$1
screenshot=$2
work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

"$program" 2>"$work/app.log" &
app=$!
caption=$QUORVEL_CAPTION
window=$(timeout 20 xdotool search --sync --onlyvisible \
  --name "^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$caption")\$" | head -1)

fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(xprop -id "$window" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = \"$caption\"" ] ||
  fail "caption: $(xprop -id "$window" _NET_WM_NAME)"
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = 554x199 ] || fail "client area is $size"

sleep 0.3  # let the first paint finish
import -window "$window" "$screenshot"
"$(dirname "$0")/../client_pixels.sh" "$screenshot"
kill -0 "$app" || fail "the program ended: $(cat "$work/app.log")"
echo "window mapped, 554x199, lines and Text4 in place; screenshot in $screenshot"
