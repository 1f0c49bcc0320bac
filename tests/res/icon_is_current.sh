#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The icon files in res/ are what make-icon draws: run "make-icon res" after
# changing the artwork. PNGs are compared by their pixels, since another
# release of the PNG library may compress the same pixels into other bytes.
# Usage: icon_is_current.sh MAKE_ICON RES_FOLDER
set -euo pipefail
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
"$1" "$drawn"
for file in "$drawn"/*; do
  kept="$2/$(basename "$file")"
  case $file in
    *.png) cmp <(convert "$file" -depth 8 rgba:-) <(convert "$kept" -depth 8 rgba:-) ||
      { echo "$kept differs from what make-icon draws" >&2; exit 1; } ;;
    *) cmp "$file" "$kept" ;;
  esac
done
