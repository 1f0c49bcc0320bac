#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs a command under an X server of its own: one screen of 800x400 at 96
# dots per inch, kept as it is when the last client leaves, DISPLAY set for the
# command. The server picks a free display number itself (-displayfd), so
# checks side by side, or in another root on this machine, never share one.
# The command's exit status is this script's; the server's log is in
# $X_SERVER_LOG for the command to show when it fails.
# Usage: with_x.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
stop() {
  kill "${server:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' TERM INT
mkfifo "$work/display"
export X_SERVER_LOG=$work/x-server.log
# The server writes its display's number once it takes connections; a server
# that dies first closes the pipe unwritten. The limit only ends a hang.
limit=300
Xvfb -displayfd 3 -screen 0 1024x400x24 -dpi 96 -noreset -nolisten tcp 3>"$work/display" \
  2>"$X_SERVER_LOG" &
server=$!
if ! read -r -t "$limit" display <"$work/display"; then
  reason="ended before it took connections"
  if kill -0 "$server" 2>/dev/null; then reason="took no connections within $limit s"; fi
  echo "FAIL: the X server $reason: $(cat "$X_SERVER_LOG")" >&2
  exit 1
fi
export DISPLAY=":$display"
status=0
"$@" || status=$?
exit "$status"
