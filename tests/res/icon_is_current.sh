#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The icon files in res/ are what make-icon draws: run "make-icon res" after
# changing the artwork. Images are compared by their pixels, and closely rather
# than exactly: another release of the PNG library packs the same pixels into
# other bytes, and the rasteriser's code paths for other processors shade an
# edge pixel a level lighter or darker.
# Usage: icon_is_current.sh MAKE_ICON RES_FOLDER
set -euo pipefail
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
"$1" "$drawn"
cmp "$drawn/quorvel.svg" "$2/quorvel.svg"

same_picture() {  # DRAWN KEPT: root mean square difference under 1%
  local rmse
  rmse=$( (compare -metric RMSE "$1" "$2" null: 2>&1 || true) | sed -n 's/.*(\(.*\))$/\1/p')
  awk -v d="$rmse" 'BEGIN { exit !(d != "" && d < 0.01) }' ||
    { echo "$2 differs from what make-icon draws (RMSE $rmse)" >&2; exit 1; }
}
for png in "$drawn"/*.png; do same_picture "$png" "$2/$(basename "$png")"; done
frames=$(identify "$drawn/quorvel.ico" | wc -l)
[ "$frames" -eq 12 ] && [ "$(identify "$2/quorvel.ico" | wc -l)" -eq 12 ] ||
  { echo "quorvel.ico does not hold twelve images" >&2; exit 1; }
for ((i = 0; i < frames; i++)); do same_picture "$drawn/quorvel.ico[$i]" "$2/quorvel.ico[$i]"; done
