#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Makes the Debian package and unpacks it into a scratch root. Then, for deb:
# reads its control fields and files, holds it to Debian's policy with lintian,
# and makes it again from a copy of the sources built later in another folder
# and compares the two byte for byte. For window: starts the unpacked program
# and holds its window to how a user sees it under X (live_test.py), and in CI
# installs the package for real, starts `quorvel` and removes it again. The
# version is the build's, QUORVEL_VERSION in the environment.
# Usage: check.sh deb|window CPACK_CONFIG LIVE_TEST SOURCE_DIR BUILD_TYPE CXX_COMPILER
set -euo pipefail
part=$1
config=$2
live_test=$3
source=$4
build_type=$5
compiler=$6
with_x=$(realpath "$(dirname "$0")/../with_x.sh")
version=$QUORVEL_VERSION
# File names and manual pages are UTF-8 whatever the caller's locale.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  export LC_ALL=C.UTF-8
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The window of the program given as a user sees it under X (live_test.py).
look() {
  (cd "$work" && QUORVEL_PROGRAM=$1 "$with_x" dbus-run-session -- "$live_test" -q -k x11_look)
}

cpack --config "$config" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/quorvel_*_*.deb)
[ "$(basename "$deb")" = "quorvel_${version}_amd64.deb" ] || fail "package file $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' |
  grep -v '/$' | sort >"$work/files"
dpkg -x "$deb" "$work/root"

if [ "$part" = window ]; then
  look "$work/root/usr/bin/quorvel"
  if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" ||
      { cat "$work/apt.log"; fail "apt-get install"; }
    trap 'apt-get remove -y -q quorvel >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
    [ "$(command -v quorvel)" = /usr/bin/quorvel ] || fail "quorvel is not on the PATH"
    look quorvel
    apt-get remove -y -q quorvel >"$work/apt.log" || { cat "$work/apt.log"; fail "apt-get remove"; }
    while read -r path; do
      [ ! -e "${path#.}" ] || fail "${path#.} is left behind"
    done <"$work/files"
    echo "installed, started and removed"
  fi
  echo "the window of package quorvel $version looks as it should"
  exit 0
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
for needed in fonts-arphic-gbsn00lp qt6-translations-l10n libqt6widgets6 libc6; do
  field Depends | grep -q "\b$needed\b" || fail "Depends lacks $needed: $(field Depends)"
done

sort >"$work/expected" <<'LIST'
./usr/bin/quorvel
./usr/share/applications/com.example.Quorvel.desktop
./usr/share/doc/quorvel/changelog.gz
./usr/share/doc/quorvel/copyright
./usr/share/icons/hicolor/16x16/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/24x24/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/32x32/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/48x48/apps/com.example.Quorvel.png
./usr/share/icons/hicolor/scalable/apps/com.example.Quorvel.svg
./usr/share/man/man1/quorvel.1.gz
./usr/share/man/zh_CN/man1/quorvel.1.gz
./usr/share/metainfo/com.example.Quorvel.metainfo.xml
LIST
diff -u "$work/expected" "$work/files" || fail "the package's files differ"

# No error and no warning; nor the two infos of a program bound lazily or
# still carrying the compiler's notes.
lintian --info "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
if grep -E '^[EW]: |hardening-no-bindnow|binary-has-unneeded-section' "$work/lintian.log"; then
  fail "lintian"
fi

[ -f "$work/root/usr/bin/quorvel" ] && [ ! -L "$work/root/usr/bin/quorvel" ] &&
  [ "$(head -c 4 "$work/root/usr/bin/quorvel" | od -An -c | tr -d ' ')" = 177ELF ] ||
  fail "/usr/bin/quorvel is not the program itself"
latest=$(zcat "$work/root/usr/share/doc/quorvel/changelog.gz" | head -1)
[ "$latest" = "quorvel ($(field Version)) unstable; urgency=medium" ] ||
  fail "the changelog's latest entry: $latest"
build=$(dirname "$config")
if grep -rlaF -e "$source" -e "$build" "$work/root"; then
  fail "a folder of the build stands in the files above"
fi
desktop-file-validate "$work/root/usr/share/applications/com.example.Quorvel.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/com.example.Quorvel.metainfo.xml"

# The same commit built again, later, from sources and a build tree in other
# folders, gives the same package to the byte. It compiles through ccache as
# every preset does (which names each source by its path from the build's
# folder), but takes nothing from the cache: that would compare the cache with
# itself.
"$(dirname "$0")/copy_sources.sh" "$source" "$work/copy"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
(
  cd "$work/copy"
  cmake --preset program -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_CXX_COMPILER="$compiler" &&
    CCACHE_RECACHE=1 cmake --build --preset package --parallel "$(nproc)" &&
    cpack --config build-program/CPackConfig.cmake -B "$work/again"
) >"$work/again.log" 2>&1 || { cat "$work/again.log"; fail "the second build"; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "two builds of one commit differ"
echo "package quorvel $version checked, twice the same"
