#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# clang-tidy over the Windows code, read as the MinGW-w64 build compiles it:
# clang takes the Windows target, and the C++ library's headers from the
# build's own compiler, whose folders clang does not find by itself.
# Usage: clang_tidy_windows.sh RUN_CLANG_TIDY WINDOWS_TREE FILE_REGEX
set -euo pipefail
run_clang_tidy=$1
tree=$2
files=$3
compiler=$(python3 -c 'import json, shlex, sys
print(shlex.split(json.load(open(sys.argv[1]))[0]["command"])[0])' "$tree/compile_commands.json")
target=$(basename "$compiler" | grep -o '^[a-z0-9_]*-w64-mingw32')
args=(-extra-arg=--target="$target")
while read -r folder; do
  args+=(-extra-arg=-isystem"$folder")
done < <("$compiler" -E -v -x c++ /dev/null 2>&1 |
  sed -n '/<\.\.\.> search starts here:/,/End of search list/p' | grep '^ .*/c++')
"$run_clang_tidy" -p "$tree" -quiet "${args[@]}" "$files"
