#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The portable archive holds the program under its own name, the licence and
# the read-me, and nothing else. The program's name is the build's,
# QUORVEL_PROGRAM_NAME in the environment. Usage: zip_check.sh ARCHIVE
set -euo pipefail
export LC_ALL=C.UTF-8  # the archive's names are UTF-8
listed=$(cmake -E tar tf "$1" | sort)
program=$QUORVEL_PROGRAM_NAME.exe
expected=$(printf '%s\n' LICENSE.txt README.txt "$program" | sort)
[ "$listed" = "$expected" ] || { echo "FAIL: the archive holds:"$'\n'"$listed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$1")
! grep -qa '\.debug_' "$work/$program" ||
  { echo "FAIL: the archive's program holds debugging sections" >&2; exit 1; }
echo "$(basename "$1") holds the program without debugging sections, LICENSE.txt and README.txt"
