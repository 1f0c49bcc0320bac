#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Sets up, once for a build tree, the Wine prefix that each check run by
# in_wine.sh with QUORVEL_WINE_PREFIX copies instead of setting up its own.
# Usage: wine_prefix_fixture.sh FOLDER
set -euo pipefail
rm -rf "$1"
exec env -u QUORVEL_WINE_PREFIX "$(dirname "$0")/in_wine.sh" \
  sh -c 'wineserver -w && cp -a "$WINEPREFIX" "$0"' "$1"
