#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Makes, once, the Debian root in which Wine's 32-bit half runs the 32-bit
# Windows programs (in_root.sh runs a command in it): Debian 13, whose
# qemu-user 10 runs i386 programs where the machine cannot, with the i386
# architecture added in the root only, never to this machine. The root is
# kept in the cache under a name made from this recipe and the Wine setup of
# wine_prefix.sh, and made anew only when one of them changes. Prints the
# root's folder. With --find it only looks for the root, made before, and
# says how to make it when it is not there. Usage: wine32_root.sh [--find]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
suite=trixie
key=$(cat "$0" "$here/wine_prefix.sh" | sha256sum | cut -c1-16)
cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
made=$cache/wine32-$suite-$key
found() { [ -d "$made" ] && echo "$made"; }
found && exit 0
if [ "${1:-}" = --find ]; then
  echo "FAIL: no root in $made: make it first with $0 (2 to 5 minutes," \
    "as root or through sudo; ./test does)" >&2
  exit 1
fi
[ "$(id -u)" -eq 0 ] || exec sudo -- env QUORVEL_CACHE="$cache" "$0" "$@"
mkdir -p "$cache"
# Two test trees may ask at once: one makes it, the other waits for it.
exec 9>"$cache/wine32.lock"
flock 9
found && exit 0
work=$(mktemp -d "$cache/wine32-build.XXXXXX")
root=$work/root
trap 'rm -rf --one-file-system "$work"' EXIT
started=$SECONDS
say() { echo "wine32_root.sh: $* ($((SECONDS - started)) s)" >&2; }

# The archive that this machine installs from, whatever its own release.
host_suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(apt-cache policy | awk -v suite="$host_suite/main" '$3 == suite && $5 == "Packages" { print $2; exit }')
[ -n "$mirror" ] || { echo "no Debian archive among apt's sources" >&2; exit 1; }
say "debootstrap $suite from $mirror"
debootstrap --variant=minbase --arch=amd64 --include=qemu-user "$suite" "$root" "$mirror" \
  >"$work/debootstrap.log" || { tail -20 "$work/debootstrap.log" >&2; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"

packages=(
  # the programs' Wine with its 32-bit half, in a 64-bit prefix as on 64-bit
  # Windows (the x86 installer goes into Program Files (x86)), and the X
  # server, the input, the screenshots and the Song face of window_check.sh
  wine wine64 wine32:i386 fonts-wine xvfb xdotool imagemagick fonts-arphic-gbsn00lp
  # the installer's tables for msi_check.sh
  msitools
)
share=$work/share
mkdir -p "$share"
say "installing ${packages[*]}"
"$here/in_root.sh" "$root" "$share" sh -c 'dpkg --add-architecture i386 && apt-get update -q &&
  apt-get install -y -q --no-install-recommends "$@" && apt-get clean' sh "${packages[@]}" \
  >"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log" >&2; exit 1; }

# The Wine prefix that every check starts from a copy of.
say "setting up Wine"
cp "$here/in_wine.sh" "$here/wine_prefix.sh" "$here/../with_x.sh" "$share/"
"$here/in_root.sh" "$root" "$share" bash /mnt/with_x.sh bash /mnt/in_wine.sh \
  sh -c 'wineserver -w && mkdir -p /var/lib/quorvel && cp -a "$WINEPREFIX" /var/lib/quorvel/wine-prefix' ||
  { echo "Wine's prefix could not be set up in the root" >&2; exit 1; }
mv "$root" "$made"
say "made $made, $(du -sh "$made" | cut -f1) on disk"
echo "$made"
