#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs a command under an X server of its own (Debian's xvfb-run): one screen
# of 800x400 at 96 dots per inch, kept as it is when the last client leaves,
# DISPLAY and XAUTHORITY set for the command. The command's exit status is
# this script's. Usage: xvfb_run.sh COMMAND [ARGUMENT...]
#
# Checks run side by side (ctest -j), and xvfb-run's --auto-servernum alone
# lets two of them pick the same free number at once. Each check first takes
# a number under a lock of its own, held until the command ends, so no other
# check tries that number; --auto-servernum then only steps past a number that
# a server outside the checks holds.
set -euo pipefail
for number in $(seq 100 399); do
  exec {lock}>>"/tmp/.quorvel-xvfb-$number.lock" || continue
  # A server in another root on this machine shows only by its abstract socket.
  if flock --nonblock "$lock" && [ ! -e "/tmp/.X$number-lock" ] &&
    ! grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix; then
    exec xvfb-run --server-num="$number" --auto-servernum --error-file=/dev/stderr \
      --server-args="-screen 0 800x400x24 -dpi 96 -noreset" "$@"
  fi
  exec {lock}>&-
done
echo "FAIL: no display number free for an X server" >&2
exit 1
