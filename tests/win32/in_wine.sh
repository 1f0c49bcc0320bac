#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs a command beside a Wine of its own: a fresh prefix in a temporary
# directory, gone afterwards. Its windows go to the X server of DISPLAY: run
# it under tests/with_x.sh. The command's exit status is this script's.
# Usage: in_wine.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
stop() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT
# A test's time-out leaves no prefix behind either.
trap 'exit 1' TERM INT

# Wine reads its arguments, 宋体 among them, in the locale's encoding.
export LC_ALL=C.UTF-8
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# QUORVEL_WINE_PREFIX, where set, names a prefix that wine_prefix.sh set up
# before (the root of wine32_root.sh keeps one): a copy of it saves the minute
# that setting one up takes there.
if [ -n "${QUORVEL_WINE_PREFIX:-}" ]; then
  cp -a "$QUORVEL_WINE_PREFIX" "$WINEPREFIX"
  # Wine ends its session when its last program ends, and the next program
  # sets one up anew, half a minute there: a command prompt waiting on a pipe
  # keeps the session for the whole command.
  exec 8> >(wine cmd >/dev/null 2>&1)
  # Wine's helpers keep the output of the program that starts the session:
  # started by the command below, they would hold its pipes open to the end.
  # The prompt's session is up once it has run a command; three minutes leave
  # room for emulated i386 programs on a busy host.
  echo "type nul > Z:${work//\//\\}\\session" >&8
  for ((tenths = 0; tenths < 1800; tenths++)); do
    [ ! -e "$work/session" ] || break
    sleep 0.1
  done
  [ -e "$work/session" ] || { echo "FAIL: Wine's session did not start within three minutes" >&2; exit 1; }
else
  "$(dirname "$0")/wine_prefix.sh"
fi
"$@"
