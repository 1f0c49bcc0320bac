#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Makes the Debian package, reads its control fields and files, unpacks it into
# a scratch root and starts the program from there. In CI it also installs the
# package for real, starts `quorvel` and removes it again.
# Usage: check.sh CPACK_CONFIG XVFB_CHECK
set -euo pipefail
config=$1
xvfb_check=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$config" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/quorvel_*_*.deb)
[ "$(basename "$deb")" = "quorvel_0.1.0.5_amd64.deb" ] || fail "package file $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "Package: $(field Package)"
[ "$(field Version)" = 0.1.0.5 ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
for needed in fonts-arphic-gbsn00lp qt6-translations-l10n libqt6widgets6 libc6; do
  field Depends | grep -q "\b$needed\b" || fail "Depends lacks $needed: $(field Depends)"
done

dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' |
  grep -v '/$' | sort >"$work/files"
sort >"$work/expected" <<'LIST'
./usr/bin/quorvel -> 新Quorvel ver 0.1.5
./usr/bin/新Quorvel ver 0.1.5
./usr/share/applications/com.example.Quorvel.desktop
./usr/share/doc/quorvel/copyright
./usr/share/icons/hicolor/16x16/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/24x24/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/32x32/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/48x48/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/scalable/apps/com.example.Quorvel.svg
./usr/share/metainfo/com.example.Quorvel.metainfo.xml
LIST
diff -u "$work/expected" "$work/files" || fail "the package's files differ"

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/com.example.Quorvel.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/com.example.Quorvel.metainfo.xml"
"$xvfb_check" "$work/root/usr/bin/quorvel" "$work/unpacked.png"

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" ||
    { cat "$work/apt.log"; fail "apt-get install"; }
  trap 'apt-get remove -y -q quorvel >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
  [ "$(command -v quorvel)" = /usr/bin/quorvel ] || fail "quorvel is not on the PATH"
  "$xvfb_check" quorvel "$work/installed.png"
  apt-get remove -y -q quorvel >"$work/apt.log" || { cat "$work/apt.log"; fail "apt-get remove"; }
  while read -r path; do
    path=${path%% -> *}
    [ ! -e "${path#.}" ] && [ ! -L "${path#.}" ] || fail "${path#.} is left behind"
  done <"$work/files"
  echo "installed, started and removed"
fi
echo "package quorvel 0.1.0.5 checked"
