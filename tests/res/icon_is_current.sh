#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The icon files in res/ are what make-icon draws: run "make-icon res" after
# changing the artwork. Usage: icon_is_current.sh MAKE_ICON RES_FOLDER
set -euo pipefail
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
"$1" "$drawn"
for file in "$drawn"/*; do
  cmp "$file" "$2/$(basename "$file")"
done
