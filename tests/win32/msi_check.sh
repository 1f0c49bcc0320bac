#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Installs Windows Installer packages with Wine's msiexec as a user would, one
# over the other in the order given and then the first over the last. After
# each install the package installed last is the one Quorvel: its program as
# packed and its licence in its folder, no other folder, one Start-menu
# shortcut that points there, and one entry in Programs and Features, in the
# registry's view of its processor. The program is started from where the
# shortcut points, where this Wine can run it, and removing the package leaves
# nothing behind. A failure shows the end of the installer's log. Runs inside
# in_wine.sh, the build's QUORVEL_VERSION, QUORVEL_PROGRAM_NAME,
# QUORVEL_CAPTION, QUORVEL_MAKER and QUORVEL_CONTACT_EMAIL in the environment.
# Usage: msi_check.sh PACKAGE... (each quorvel-VERSION-x86.msi or -x64.msi, in
#        the tree that made it)
set -euo pipefail
log=  # the log of the installer's last run
fail() {
  echo "FAIL: $*" >&2
  [ -z "$log" ] || { echo "The end of the installer's log, less the properties it lists last:"
    grep -av '^Property(' "$log" | tail -n 30 | tr -d '\r'; } >&2
  exit 1
}
# Each step that waits on Wine is given five minutes, ample under emulation on a busy host.
within() { timeout -k 10 300 "$@"; }
program=$QUORVEL_PROGRAM_NAME.exe
drive=$WINEPREFIX/drive_c
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Where a package of each processor installs and is listed on 64-bit Windows:
# a 32-bit one in Program Files (x86) and the registry's 32-bit view.
declare -A files=([x86]='Program Files (x86)' [x64]='Program Files')
declare -A view=([x86]=/reg:32 [x64]=/reg:64)
arch_of() { local name=${1##*-}; echo "${name%.msi}"; }

table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r'; }
has_row() {  # TABLE ROW: a row of the table, its fields joined by tabs
  table "$1" | grep -qxF "$2" || fail "$1 has no row \"$2\":"$'\n'"$(table "$1")"
}
for msi; do
  ! grep -qa '\.debug_' "$(dirname "$msi")/msi/quorvel.exe" ||
    fail "the packed program holds debugging sections"
  has_row Icon "quorvel.ico	Icon.quorvel.ico"
  for property in "ARPPRODUCTICON	quorvel.ico" "ALLUSERS	1"; do
    has_row Property "$property"
  done
done

runs=0
msiexec() {  # /i|/x PACKAGE
  log=$drive/msiexec-$((++runs)).log
  within wine msiexec "$1" "$(winepath -w "$2")" /qn /l*v "$(winepath -w "$log")" ||
    fail "exit status $? from msiexec $1 $(basename "$2")"
}
shortcuts() { find "$drive" -path '*Start Menu/Programs/*' -name 'Quorvel.lnk'; }
entries() {  # ARCH: what the registry lists in that processor's view
  wine reg query "$uninstall" /s "${view[$1]}" 2>/dev/null | tr -d '\r' |
    grep -B20 -A30 'DisplayName    REG_SZ    Quorvel$' || true
}
listed() { entries "$1" | grep -c 'DisplayName    REG_SZ    Quorvel$' || true; }

# Each the last installed, then the first over the last.
order=("$@")
[ $# -eq 1 ] || order+=("$1")
for msi in "${order[@]}"; do
  arch=$(arch_of "$msi")
  other=$([ "$arch" = x64 ] && echo x86 || echo x64)
  msiexec /i "$msi"
  folder=$drive/${files[$arch]}/Quorvel
  packed=$(dirname "$msi")/msi
  [ "$(ls "$folder" 2>&1)" = "$(printf '%s\n' LICENSE.txt "$program")" ] ||
    fail "${files[$arch]}\\Quorvel holds: $(ls "$folder" 2>&1)"
  cmp -s "$packed/quorvel.exe" "$folder/$program" || fail "the installed program is not the packed one"
  cmp -s "$packed/LICENSE.txt" "$folder/LICENSE.txt" || fail "the installed licence is not the packed one"
  [ ! -e "$drive/${files[$other]}/Quorvel" ] ||
    fail "${files[$other]}\\Quorvel is left beside ${files[$arch]}\\Quorvel"
  [ "$(listed "$arch") $(listed "$other")" = "1 0" ] ||
    fail "Programs and Features lists, in $arch's view then $other's:"$'\n'"$(entries "$arch"
      entries "$other")"
  # Wine writes the path of the program into the shortcut, in UTF-16.
  [ "$(shortcuts | wc -l)" -eq 1 ] &&
    tr -d '\0' <"$(shortcuts)" | grep -qaF "C:\\${files[$arch]}\\Quorvel\\" ||
    fail "the Start-menu shortcuts Quorvel: $(shortcuts | while read -r lnk; do tr -d '\0' <"$lnk"; done)"
  for value in 'DisplayName    REG_SZ    Quorvel' "DisplayVersion    REG_SZ    $QUORVEL_VERSION" \
    "Publisher    REG_SZ    $QUORVEL_MAKER" "Contact    REG_SZ    $QUORVEL_CONTACT_EMAIL"; do
    entries "$arch" | grep -qF "$value" || fail "Programs and Features lacks $value: $(entries "$arch")"
  done
  echo "$(basename "$msi") installed and listed, alone"
done

# Debian's wine starts 32-bit programs only with its 32-bit loader installed.
if [ "$arch" = x64 ] || [ -x /usr/lib/wine/wine ]; then
  # Where the shortcut points (an advertised one, which Wine does not start).
  log=
  within wine "C:\\${files[$arch]}\\Quorvel\\$program" &
  started=$!
  within xdotool search --sync --name "^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$QUORVEL_CAPTION")\$" \
    >/dev/null || fail "the installed program showed no window within five minutes"
  kill "$started"
  wineserver -k
  echo "$(basename "$msi")'s program started"
fi

msiexec /x "$msi"
for arch in "${!files[@]}"; do
  [ ! -e "$drive/${files[$arch]}/Quorvel" ] || fail "${files[$arch]}\\Quorvel is left behind"
  [ -z "$(entries "$arch")" ] || fail "Programs and Features still lists Quorvel: $(entries "$arch")"
done
[ -z "$(shortcuts)" ] || fail "the shortcut is left behind: $(shortcuts)"
echo "$(basename "$msi") removed, leaving nothing behind"
