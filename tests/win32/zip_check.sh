#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Each portable archive holds the program under its own name, the licence and
# the read-me, and nothing else. The program's name is the build's,
# QUORVEL_PROGRAM_NAME in the environment. Usage: zip_check.sh ARCHIVE...
set -euo pipefail
export LC_ALL=C.UTF-8  # the archive's names are UTF-8
program=$QUORVEL_PROGRAM_NAME.exe
expected=$(printf '%s\n' LICENSE.txt README.txt "$program" | sort)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for archive; do
  listed=$(cmake -E tar tf "$archive" | sort)
  [ "$listed" = "$expected" ] ||
    { echo "FAIL: $(basename "$archive") holds:"$'\n'"$listed" >&2; exit 1; }
  rm -rf "$work/unpacked"
  mkdir "$work/unpacked"
  (cd "$work/unpacked" && cmake -E tar xf "$archive")
  ! grep -qa '\.debug_' "$work/unpacked/$program" ||
    { echo "FAIL: $(basename "$archive")'s program holds debugging sections" >&2; exit 1; }
  echo "$(basename "$archive") holds the program without debugging sections, LICENSE.txt and README.txt"
done
