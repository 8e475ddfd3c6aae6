#!/usr/bin/env bash
# Installs the Debian packages the game needs, when any is missing.
# Usage: install-deps.sh [run|test|screen-reader|windows|debian]
#   run            what building and playing the game needs (with the X
#                  client library's headers, for the closing animation)
#   test           that, and what every test, the fuzzer, the benchmarks
#                  and the package check need (setcap lets a root test run
#                  KWin; fonts-liberation: below)
#   screen-reader  what the screen-reader test needs alone: an X server, a
#                  window manager, the accessibility bus, Orca, and the AT-SPI
#                  bindings for Python
#   windows        what scripts/windows.sh needs: MinGW-w64, Qt's host tools
#                  and Debian's source tools, Wine, Xvfb, ImageMagick, zip,
#                  NSIS for the setup program
#   debian         what scripts/test-in-debian.sh needs: debootstrap and git
# Each name is one every supported release has (Debian 12 and 13): where a
# package's name carries a version, the unversioned name that follows the
# release's default (libclang-rt-dev: the runtime of the release's clang).
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libxcb1-dev fonts-liberation2 fonts-dejavu-core)
screen_reader=(xvfb xauth x11-utils xdotool openbox wmctrl bc procps at-spi2-core dbus-x11 orca python3-pyatspi python3-xlib)
case ${1:-run} in
test)
  packages+=("${screen_reader[@]}" valgrind clang libclang-rt-dev libbenchmark-dev
    mutter xwayland kwin-wayland kwin-style-breeze libcap2-bin weston qt6-wayland x11-apps libx11-dev python3-xlib dpkg-dev desktop-file-utils appstream file lintian python3-debian man-db groff-base
    fontconfig fonts-liberation git)
  # fc-list (fontconfig) finds the faces the window's pictures were drawn
  # with, for the tests' own fonts.conf (cmake/TestFonts.cmake). On Debian 12
  # fonts-liberation is the older Liberation 1.07 (Wine brings it), whose
  # faces have fonts-liberation2's names and draw otherwise: installed, every
  # test run shows that the tests still draw with their own faces. (On Debian
  # 13 it holds the Liberation 2 that fonts-liberation2 brings.) The
  # reproducible-package check clones the repository with git.
  ;;
screen-reader) packages=("${screen_reader[@]}") ;;
windows)
  packages=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 qt6-base-dev
    qt6-base-dev-tools dpkg-dev wine wine64 fonts-wine fonts-liberation2 fonts-dejavu-core xvfb xauth xdotool
    x11-utils x11-apps openbox wmctrl imagemagick zip unzip python3 nsis file git) ;;
debian) packages=(debootstrap git) ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
