#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The icon files in res/ are what make-icon draws: run "make-icon res" after
# changing the artwork. The icon file holds twelve images, 48, 32, 24 and 16
# pixels at 4, 8 and 32 bits in that order, as Windows reads them: by the
# file's directory and each bitmap's header, whose height counts the mask's
# rows. Images are compared by their pixels, and closely rather
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

layout() {  # ICON_FILE: its header, then each image's size, colours, depth, length and bitmap header
  read -r reserved type count < <(od -An -tu2 -N6 "$1")
  echo "$reserved $type $count"
  od -An -v -tu2 -w16 -j6 -N192 "$1" | while read -r size colours _ bits length high offset _; do
    read -r header width height < <(od -An -tu4 -j"$offset" -N12 "$1")
    read -r depth < <(od -An -tu2 -j$((offset + 14)) -N2 "$1")
    echo "$((size % 256))x$((size / 256)) $colours $bits $((length + 65536 * high))" \
      "$header $width $height $depth"
  done
}
expected=$(echo "0 1 12"
  for bits in 4 8 32; do
    for size in 48 32 24 16; do
      rows=$(((size * bits + 31) / 32 * 4 + (size + 31) / 32 * 4))
      echo "${size}x$size $((bits == 4 ? 16 : 0)) $bits" \
        "$((40 + (bits == 32 ? 0 : 4 << bits) + rows * size)) 40 $size $((2 * size)) $bits"
    done
  done)
actual=$(layout "$2/quorvel.ico")
[ "$actual" = "$expected" ] || { echo "quorvel.ico's images are not as designed:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2; exit 1; }
for ((i = 0; i < 12; i++)); do same_picture "$drawn/quorvel.ico[$i]" "$2/quorvel.ico[$i]"; done
