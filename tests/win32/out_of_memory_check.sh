#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# A window whose clicks run out of memory reports each and goes on, and
# closing it ends it with status 0 (inside in_wine.sh).
# Usage: out_of_memory_check.sh PROGRAM PROBE
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
wine "$1" 2>/dev/null &
app=$!
wine "$2" out-of-memory 2> >(grep -v wine32 >&2) || fail "the probe found faults"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "out of memory twice a click: a notice each time, and the window went on"
