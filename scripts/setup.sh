# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Sourced by ./run, ./test and ./package: installs the Debian packages that are
# missing, and says how to configure and build a tree.

packages=(
  build-essential cmake
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev libgl-dev qt6-translations-l10n fonts-arphic-gbsn00lp
  # the checks of the window under a real X server and of the version record
  xvfb x11-utils xdotool imagemagick binutils-mingw-w64-i686
  # making and checking the Debian package
  dpkg-dev file desktop-file-utils appstream
  # fuzzing, static analysis and the start-up benchmark
  clang-14 libclang-rt-14-dev clang-tidy valgrind pkgconf libxcb1-dev
  # the window read through the accessibility bus, typed and pasted into, in the
  # users' locales
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 python3-xlib xclip locales
)
# The locales the real window is checked in; a fresh system has none of them.
locales=(zh_CN en_US de_DE fr_FR)

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

generate_locales() {
  local name as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  for name in "${locales[@]}"; do
    locale -a | grep -qx "$name.utf8" && continue
    echo "Generating the locale $name.UTF-8"
    "${as_root[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
  done
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
generate_locales
