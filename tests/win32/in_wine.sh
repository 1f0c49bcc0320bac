#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs a command beside a Wine of its own: a fresh prefix in a temporary
# directory and an X server, both gone afterwards. The command's exit status is
# this script's. Usage: in_wine.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
stop() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  kill "${xvfb:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT
# A test's time-out leaves no prefix behind either.
trap 'exit 1' TERM INT

# The server writes its display's number once it takes connections; a server
# that dies first closes the pipe unwritten.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 800x400x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
if ! read -r -t 60 display <"$work/display"; then
  echo "FAIL: the X server did not start: $(cat "$work/xvfb.log")" >&2
  exit 1
fi
export DISPLAY=":$display"

# Wine reads its arguments, 宋体 among them, in the locale's encoding.
export LC_ALL=C.UTF-8
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# QUORVEL_WINE_PREFIX, where set, names a prefix that this script set up
# before (the guest of guest_image.sh keeps one): a copy of it saves the minute
# that setting one up takes there.
if [ -n "${QUORVEL_WINE_PREFIX:-}" ]; then
  cp -a "$QUORVEL_WINE_PREFIX" "$WINEPREFIX"
else
  wineboot --init >/dev/null 2>&1
  # Windows without a window manager: otherwise each close waits two seconds.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  # A crash fails at once instead of waiting on a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  # Wine's own fonts (Marlett draws the caption's buttons), and 宋体 from the
  # Song face that Debian has, for the window and the message boxes.
  ln -s /usr/share/wine/fonts/* /usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
  for family in SimSun 宋体; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$family" /d 'AR PL SungtiL GB' /f >/dev/null
  done
  wineserver -w
fi
"$@"
