#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Copies the sources as they stand, committed or not (what git ignores left
# out, and git's own folder), into a new folder: a checkout elsewhere, made now.
# Usage: copy_sources.sh SOURCE_DIR DESTINATION
set -euo pipefail
mkdir "$2"
git -C "$1" ls-files -z --cached --others --exclude-standard |
  tar -C "$1" --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -C "$2" --touch -xf -
