# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Sourced by ./run, ./test and ./package: installs the Debian packages that are
# missing, and says how to configure and build a tree.

packages=(
  build-essential cmake
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev libgl-dev qt6-translations-l10n fonts-arphic-gbsn00lp
  # the checks of the window under a real X server
  xvfb x11-utils xdotool imagemagick
  # the Windows program, cross-built and run under Wine (its 64-bit half only:
  # this machine runs no 32-bit programs)
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 wine fonts-wine
  # making and checking the Debian package
  dpkg-dev file desktop-file-utils appstream
  # fuzzing, static analysis and the start-up benchmark
  clang-14 libclang-rt-14-dev clang-tidy valgrind pkgconf libxcb1-dev
)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      as_root=(sudo)
    else
      echo "Quorvel needs these Debian packages: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ${missing[*]}) and try again." >&2
      exit 1
    fi
  fi
  echo "Installing ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# build DIR [CMAKE_OPTION...]
build() {
  local tree=$1
  shift
  cmake -S . -B "$tree" "$@"
  cmake --build "$tree" --parallel "$(nproc)"
}

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
install_missing
