#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Sets up the new Wine prefix WINEPREFIX as the checks want it, inside the
# environment of in_wine.sh. Usage: wine_prefix.sh
set -euo pipefail
# Quiet, but a prefix that cannot be set up says why. Wine's loader waits
# five minutes at most for a new prefix's set-up, which emulated i386 programs
# outlast when their host is busy: the command then fails while the set-up goes
# on. Once the server has nothing left to run, the set-up has ended, and asked
# again the prefix answers at once.
if ! wineboot --init >"$WINEPREFIX.log" 2>&1; then
  wineserver -w
  wineboot --init >>"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; exit 1; }
fi
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
