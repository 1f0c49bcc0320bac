#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Reads a Windows Installer package's tables back, installs it with Wine's
# msiexec as a user would, looks for the program, its Start-menu shortcut and
# its entry in Programs and Features, starts the program where this Wine can
# run it, and removes the package again, leaving nothing behind. Runs inside
# in_wine.sh, the build's QUORVEL_VERSION, QUORVEL_PROGRAM_NAME and
# QUORVEL_CAPTION in the environment. Usage: msi_check.sh PACKAGE x86|x64
set -euo pipefail
msi=$1
arch=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
# Each step that waits on Wine is given five minutes, ample under emulation on a busy host.
within() { timeout -k 10 300 "$@"; }
program=$QUORVEL_PROGRAM_NAME.exe

table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r'; }
has_row() {  # TABLE ROW: a row of the table, its fields joined by tabs
  table "$1" | grep -qxF "$2" || fail "$1 has no row \"$2\":"$'\n'"$(table "$1")"
}
msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | grep -qx "936	_ForceCodepage" ||
  fail "the package's code page is not Chinese"
# The program and the licence as packed: the program without its debugging sections.
packed=$(dirname "$msi")/msi/quorvel.exe
has_row File "Program	Program	QUORVEL.EXE|$program	$(stat -c %s "$packed")			512	1"
has_row File "License	License	LICENSE.txt	$(stat -c %s "$(dirname "$msi")/msi/LICENSE.txt")			512	2"
has_row Shortcut "StartMenu	ProgramMenuFolder	Quorvel	Program	Quorvel				quorvel.ico			INSTALLDIR				"
has_row Icon "quorvel.ico	Icon.quorvel.ico"
for property in "ProductName	Quorvel" "ProductVersion	$QUORVEL_VERSION" "Manufacturer	Veskaro" \
  "ARPCONTACT	veskaro@example.com" "ARPPRODUCTICON	quorvel.ico" "ALLUSERS	1" \
  "UpgradeCode	{FB63861B-5A4C-4C28-9813-D78EB43A373E}"; do
  has_row Property "$property"
done
# A 32-bit package goes into Program Files (x86) on 64-bit Windows and is listed
# in the 32-bit view of the registry.
uninstall='Microsoft\Windows\CurrentVersion\Uninstall'
if [ "$arch" = x64 ]; then
  has_row Directory "INSTALLDIR	ProgramFiles64Folder	Quorvel"
  files='Program Files'
  uninstall='HKLM\Software\'$uninstall
else
  has_row Directory "INSTALLDIR	ProgramFilesFolder	Quorvel"
  files='Program Files (x86)'
  uninstall='HKLM\Software\Wow6432Node\'$uninstall
fi

drive=$WINEPREFIX/drive_c
entry() { wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -B20 -A30 'DisplayName.*Quorvel' || true; }
shortcuts() { find "$drive" -path '*Start Menu/Programs/*' -name 'Quorvel.lnk'; }

within wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i exited $?"
[ -f "$drive/$files/Quorvel/$program" ] || fail "no $files\\Quorvel\\$program"
cmp -s "$packed" "$drive/$files/Quorvel/$program" || fail "the installed program is not the packed one"
! grep -qa '\.debug_' "$packed" || fail "the packed program holds debugging sections"
[ -f "$drive/$files/Quorvel/LICENSE.txt" ] || fail "no LICENSE.txt"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut Quorvel"
for value in 'DisplayName    REG_SZ    Quorvel' "DisplayVersion    REG_SZ    $QUORVEL_VERSION" \
  'Publisher    REG_SZ    Veskaro' 'Contact    REG_SZ    veskaro@example.com'; do
  entry | grep -qF "$value" || fail "Programs and Features lacks $value: $(entry)"
done

# Debian's wine starts 32-bit programs only with its 32-bit loader installed.
if [ "$arch" = x64 ] || [ -x /usr/lib/wine/wine ]; then
  # Where the shortcut points: the program in the shortcut's folder (the
  # shortcut is an advertised one, which Wine does not start).
  within wine "C:\\$files\\Quorvel\\$program" &
  started=$!
  within xdotool search --sync --name "^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$QUORVEL_CAPTION")\$" \
    >/dev/null || fail "the installed program showed no window within five minutes"
  kill "$started"
  wineserver -k
  started=", started"
fi

within wine msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec /x exited $?"
[ ! -e "$drive/$files/Quorvel" ] || fail "$files\\Quorvel is left behind"
[ -z "$(shortcuts)" ] || fail "the shortcut is left behind: $(shortcuts)"
[ -z "$(entry)" ] || fail "Programs and Features still lists Quorvel"
echo "$(basename "$msi") installed, listed${started:-} and removed"
