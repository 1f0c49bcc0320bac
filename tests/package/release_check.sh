#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs ./package twice in a copy of the sources, as a user does, and holds its
# release/ to this version's release files and SHA256SUMS, which verifies. The
# second run finds the programs built and builds none again: from the same
# programs it packs the Debian package, the portable archives and the page
# again to the byte, and Windows Installer packages that differ only in what
# wixl makes anew for every package: the product code, the package code and
# the time it was made (win32/msi_content.sh).
# The version is the build's, QUORVEL_VERSION in the environment.
# Usage: release_check.sh SOURCE_DIR
set -euo pipefail
source=$1
version=$QUORVEL_VERSION
export LC_ALL=C.UTF-8  # the release files in one order, whatever the caller's locale
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$(dirname "$0")/copy_sources.sh" "$source" "$work/copy"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
for run in first second; do
  "$work/copy/package" >"$work/$run.log" 2>&1 || { cat "$work/$run.log"; fail "the $run ./package"; }
  mv "$work/copy/release" "$work/$run"
done

release=$work/first
files=$(printf '%s\n' "quorvel_${version}_$(dpkg --print-architecture).deb" \
  "quorvel-$version-"{x86.msi,x64.msi,win32.zip,win64.zip} "quorvel-$version.html" | sort)
listing=$(ls "$release")
[ "$listing" = "$(printf '%s\nSHA256SUMS' "$files" | sort)" ] ||
  fail "release/ holds:"$'\n'"$listing"
[ "$(cut -d' ' -f3- "$release/SHA256SUMS")" = "$files" ] ||
  fail "SHA256SUMS lists:"$'\n'"$(cat "$release/SHA256SUMS")"
(cd "$release" && sha256sum --check --strict SHA256SUMS) || fail "SHA256SUMS does not verify"

for file in "$release"/*.deb "$release"/*.zip "$release"/*.html; do
  cmp "$file" "$work/second/${file##*/}" || fail "two runs of ./package made two ${file##*/}"
done
# The installer packages, less what wixl makes anew for each.
for msi in "$release"/*.msi; do
  name=${msi##*/}
  for run in first second; do
    "$(dirname "$0")/../win32/msi_content.sh" "$work/$run/$name" "$work/$run-$name"
  done
  diff -r "$work/first-$name" "$work/second-$name" ||
    fail "two runs of ./package made $name with more than new codes and times"
done
echo "release/ holds $(echo $files) and SHA256SUMS, which verifies; a second ./package" \
  "packs the same programs into the same .deb and archives, and installer packages" \
  "alike but for their product and package codes and the time they were made"
