# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Sourced by ./run, ./test and ./package with the name of the script: installs
# the Debian packages that the script needs and are missing, and sets up the
# environment that CMake's workflow presets run in.
# Usage: source scripts/setup.sh run|web|package|test

# What builds and starts the program: compiler, CMake, Qt 6 Widgets, the
# toolkit's Chinese texts, the Song face of the window, and the toolkit's
# Wayland platform, without which a Wayland session shows the window through X11.
program_packages=(
  # every compile goes through the compiler cache: a build of code it has seen
  # before, in any checkout, costs little more than its links
  build-essential cmake ccache
  qt6-base-dev libgl-dev qt6-translations-l10n fonts-arphic-gbsn00lp qt6-wayland
)
# What builds the page for the browser, and the driver that Node runs:
# Emscripten, which brings Node.
web_packages=(emscripten)
# What makes the release files: the date of the last commit and the
# dependencies that dpkg-shlibdeps finds, for the Debian package; the Windows
# programs cross-built, their installer packages and portable archives.
package_packages=(
  git dpkg-dev file
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wixl msitools zip
)
test_packages=(
  libgtest-dev nlohmann-json3-dev
  # the checks of the window under a real X server (tests/with_x.sh), the keys
  # and clicks sent to it, its screenshots, and the processes it leaves
  xvfb xdotool imagemagick procps
  # the Windows program run under Wine (its 64-bit half only here: the 32-bit
  # one runs in the root below)
  wine64 wine fonts-wine
  # the Windows program file's machine and subsystem, its version record and
  # icon group, read with pefile
  python3-pefile
  # the 32-bit Windows programs run by Wine's 32-bit half in a Debian root of
  # their own (tests/win32/wine32_root.sh), installed from the archive into a
  # folder: the i386 architecture and qemu-user are the root's, never this
  # machine's
  debootstrap
  # checking the Debian package
  desktop-file-utils appstream lintian
  # fuzzing and static analysis, with the release's own clang; clang-format
  # checks every source's layout
  clang libclang-rt-dev clang-tidy clang-format
  # the window under memcheck, and the benchmarks that the test trees build,
  # whose start-up benchmark waits for the window's map through xcb, found by
  # pkg-config
  libbenchmark-dev valgrind pkgconf libxcb1-dev
  # the window read through the accessibility bus, typed and pasted into, in the
  # users' locales
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 python3-xlib xclip locales
  # the live checks' runner, and the load under which tests/stress.sh repeats
  # them
  python3-pytest stress-ng
  # the window as a Wayland client of a headless compositor, its tree and its
  # pixels
  sway grim
  # the page in the browser, headless, driven through WebDriver
  chromium chromium-driver python3-selenium
)
# The locales the real window is checked in; a fresh system has none of them.
locales=(zh_CN en_US de_DE fr_FR)
case ${1:-} in
  run) packages=("${program_packages[@]}") ;;
  # the page, opened in the user's browser
  web) packages=("${web_packages[@]}" xdg-utils) ;;
  package) packages=("${program_packages[@]}" "${package_packages[@]}" "${web_packages[@]}") ;;
  test)
    packages=("${program_packages[@]}" "${package_packages[@]}" "${web_packages[@]}"
      "${test_packages[@]}")
    ;;
  *)
    echo "usage: source scripts/setup.sh run|web|package|test" >&2
    exit 2
    ;;
esac

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

# The program's file name, its texts and its manual pages are UTF-8, which a
# caller without a locale (a fresh system, a container, ssh) would make every
# tool read as ASCII; C.UTF-8 is on every Debian system.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  export LC_ALL=C.UTF-8
fi
# The workflow presets build and test on every core.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# The Wayland compositor of the window's checks refuses to run as root: a root
# caller runs it as this account.
compositor_account=quorvel-compositor
make_compositor_account() {
  [ "$(id -u)" -eq 0 ] || return 0
  id -u "$compositor_account" >/dev/null 2>&1 && return 0
  echo "Making the system account $compositor_account"
  useradd --system --no-create-home --shell /usr/sbin/nologin "$compositor_account"
}

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
install_missing
if [ "${1:-}" = test ]; then
  generate_locales
  make_compositor_account
fi
