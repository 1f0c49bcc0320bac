#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Starts the Windows program under Wine (inside in_wine.sh), looks at its
# pixels, drives it with the probe and checks that closing it ends it with
# status 0. Usage: window_check.sh PROGRAM PROBE SCREENSHOT
set -euo pipefail
program=$1
probe=$2
screenshot=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wine "$program" 2>/dev/null &
app=$!
# The probe answers once the window has nothing left to paint; its pixels reach
# the X server soon after. Nothing touches the window meanwhile, so what is
# seen is its first paint: looked at until it passes or the time is up.
read -r left top frame_left frame_top frame_width frame_height < <(wine "$probe" wait 2>/dev/null)
client=$work/client.png
deadline=$((SECONDS + 20))
until
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "554x199+$left+$top" +repage "$client"
  pixels=$("$(dirname "$0")/../client_pixels.sh" "$client" 2>&1)
do
  [ "$SECONDS" -lt "$deadline" ] || fail "the first paint: $pixels"
done
convert "$work/root.png" -crop "${frame_width}x$frame_height+$frame_left+$frame_top" +repage \
  "$screenshot"

# Wine's launcher warns of its missing 32-bit half on every start.
wine "$probe" check 2> >(grep -v wine32 >&2) || fail "the probe found faults"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# Closed while a notice is open, it ends as well.
wine "$program" 2>/dev/null &
app=$!
wine "$probe" close-during-notice 2> >(grep -v wine32 >&2) || fail "no notice to close under"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "closed under a notice, the program ended with status $status"
echo "window, keys, notices and exit checked; screenshot in $screenshot"
