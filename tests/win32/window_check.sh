#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Starts the Windows program under Wine (inside in_wine.sh, under with_x.sh),
# looks at its pixels, drives it with the probe and checks that closing it
# ends it with status 0; on a screen at 150%, that it is laid out for it and
# for a move to a screen at 100% and back, and that while a notice is open a
# user's click on its close box changes nothing. With --out-of-memory, the
# window whose clicks run out of memory reports each, leaves a trace of what
# its window procedure stopped and goes on. With --start-failure, a program
# whose start-up fails once its window exists shows why, and OK ends it with
# status 1. A failure shows the end of what the program wrote.
# Usage: window_check.sh PROGRAM PROBE SCREENSHOT
#        window_check.sh --out-of-memory PROGRAM PROBE
#        window_check.sh --start-failure PROGRAM PROBE SCREENSHOT
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$work/program.log
# Why: whether the program ended, and the end of what it wrote.
fail() {
  echo "FAIL: $*" >&2
  local status=0
  if [ -n "${app:-}" ] && ! kill -0 "$app" 2>/dev/null; then
    wait "$app" || status=$?
    echo "The program ended with status $status." >&2
  fi
  echo "The end of what the program wrote:" >&2
  tail -n 40 "$log" | grep . >&2 || echo "(nothing)" >&2
  exit 1
}
# Each program is given five minutes, ample under emulation on a busy host.
within() { timeout -k 10 300 "$@"; }
start() {  # PROGRAM: in the background, writing to $log, as $app
  within wine "$1" 2>"$log" &
  app=$!
}
ended() {  # STATUS WHAT: waits for $app to end
  local status=0
  wait "$app" || status=$?
  app=
  [ "$status" -ne 124 ] || fail "$2 was still running after five minutes"
  [ "$status" -eq "$1" ] || fail "$2 ended with status $status"
}
# What the probe prints goes to $work/answer, what it says of faults to the
# check's output, in order, without the warning of Wine's launcher that its
# 32-bit half is missing.
run_probe() {
  local status=0
  within wine "$probe" "$@" >"$work/answer" 2>"$work/probe.log" || status=$?
  grep -v wine32 "$work/probe.log" >&2 || true
  return "$status"
}
# A user's click, with the X server's own pointer.
click() { xdotool mousemove --sync "$1" "$2" click 1; }
# The part of the screen that a window of the program covers.
shoot() {  # LEFT TOP WIDTH HEIGHT FILE
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${3}x$4+$1+$2" +repage "$5"
}

case $1 in
  --out-of-memory)
    probe=$3
    # Wine logs what the program writes for a debugger as warnings of its
    # channel seh. The wide call hands its string on to OutputDebugStringA,
    # which every release logs once (release 10 logs the wide call too), so a
    # trace is counted by that line.
    WINEDEBUG=warn+seh,+debugstr start "$2"
    run_probe out-of-memory || fail "the probe found faults"
    ended 0 "the program"
    traces=$(sed -n 's/.*OutputDebugStringA "\(Quorvel: [^"]*\)\\n".*/\1/p' "$log")
    [ "$(grep -c 'std::bad_alloc left the handler of window message 0x0111' <<<"$traces")" -eq 2 ] ||
      fail "no trace of each click's exception in the window procedure; its traces: $traces"
    echo "the window procedure's traces:"
    echo "$traces"
    echo "out of memory twice a click: a notice each time, and the window went on"
    exit 0
    ;;
  --start-failure)
    probe=$3
    start "$2"
    run_probe start-failure || fail "the probe found faults"
    read -r left top width height ok_x ok_y <"$work/answer"
    shoot "$left" "$top" "$width" "$height" "$4"
    click "$ok_x" "$ok_y"
    ended 1 "the program that could not start, on OK,"
    echo "the start-up failure shown until OK, then status 1; screenshot in $4"
    exit 0
    ;;
esac
program=$1
probe=$2
screenshot=$3

start "$program"
# The probe answers once the window has nothing left to paint; its pixels reach
# the X server soon after. Nothing touches the window meanwhile, so what is
# seen is its first paint: looked at until it passes or the time is up.
run_probe wait || fail "the probe saw no window painted"
read -r left top frame_left frame_top frame_width frame_height <"$work/answer"
client=$work/client.png
deadline=$((SECONDS + 120))
until
  shoot "$left" "$top" 554 199 "$client"
  pixels=$("$(dirname "$0")/../client_pixels.sh" "$client" 2>&1)
do
  [ "$SECONDS" -lt "$deadline" ] || fail "the first paint: $pixels"
done
convert "$work/root.png" -crop "${frame_width}x$frame_height+$frame_left+$frame_top" +repage \
  "$screenshot"
run_probe check || fail "the probe found faults"
ended 0 "the program"

# On a screen at 150%, as Windows makes it for a user who signs in while the
# user's setting names 144 DPI: the window laid out for it, and again after a
# move to a screen at 100% and back. The setting holds from the next session,
# as on Windows: Wine from release 10 gives each monitor the DPI that the
# setting named when the session started. Then the close box as a user clicks
# it while a notice is open, and then OK: the program serves its input in
# order, so once OK has closed the notice the click before it has been served,
# and changed nothing if the window is there.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null \
  2> >(grep -v wine32 >&2) || fail "Wine took no setting of 144 DPI"
wineserver -k
wineserver -w
start "$program"
run_probe dpi 144 || fail "the probe found faults at 144 DPI"
run_probe notice-open || fail "the probe found faults"
read -r close_x close_y ok_x ok_y <"$work/answer"
click "$close_x" "$close_y"
click "$ok_x" "$ok_y"
run_probe notice-closed || fail "the probe found faults after a click on the close box and OK"
click "$close_x" "$close_y"
ended 0 "closed by its close box after a notice, the program"
echo "window, keys, notices and exit checked; laid out at 144 DPI, at 96 and back; under a" \
  "notice the window was disabled and a click on its close box changed nothing; screenshot in" \
  "$screenshot"
