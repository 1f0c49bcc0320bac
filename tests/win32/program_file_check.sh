#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The Windows program as it ships: a 32-bit GUI program that needs no DLL
# beyond Windows' own. Usage: program_file_check.sh PROGRAM
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Read from the PE header itself: file(1) words it differently from release to release.
kind=$(/usr/bin/python3 - "$program" <<'EOF'
import sys

import pefile

header = pefile.PE(sys.argv[1], fast_load=True)
print("PE32" if header.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE else "PE32+",
      pefile.MACHINE_TYPE[header.FILE_HEADER.Machine],
      pefile.SUBSYSTEM_TYPE[header.OPTIONAL_HEADER.Subsystem])
EOF
)
[ "$kind" = "PE32 IMAGE_FILE_MACHINE_I386 IMAGE_SUBSYSTEM_WINDOWS_GUI" ] || fail "the header says: $kind"

# The DLLs of Windows itself that the program, its accessibility names and its
# common controls use.
windows_dlls='^(kernel32|user32|gdi32|comctl32|ole32|oleacc|msvcrt)\.dll$'
imports=$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || fail "no imports found"
foreign=$(tr 'A-Z' 'a-z' <<<"$imports" | grep -Ev "$windows_dlls" || true)
[ -z "$foreign" ] || fail "imports beyond Windows' own: $foreign"
echo "$kind; imports: $(tr '\n' ' ' <<<"$imports")"
