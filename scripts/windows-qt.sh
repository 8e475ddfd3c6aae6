#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with MinGW-w64 from Debian's own source of the
# Qt the host has (qt6-base), with the host's Qt tools, into the cache, once:
# the build is reused as long as the Qt version and its options stay the same.
# Usage: windows-qt.sh [prefix|source]
#   (no argument)    builds it unless the cache holds it, and prints its folder
#   prefix | source  only prints the folder it is (or would be) built into,
#                    or that of its source
# Environment: TANGLEWICK_WINDOWS_CACHE (~/.cache/tanglewick-windows), JOBS
# (parallel jobs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TANGLEWICK_WINDOWS_CACHE:-$HOME/.cache/tanglewick-windows}
toolchain=$root/cmake/MinGW-w64-x86_64.cmake
say() { echo "== $*" >&2; }
die() { echo "windows-qt.sh: $*" >&2; exit 1; }
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || die "qt6-base-dev is not installed"
upstream=${qt_version%%+*}
# Shared libraries (Qt is LGPL: the player may replace them), without the
# modules the game does not use. Debian's source lacks Qt's bundled Wintab
# header, so no tablet events; the windows plugin needs OpenGL (dynamic, the
# default) to compile.
qt_options=(
  -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF
)
hash=$(printf '%s\n' "$qt_version" "${qt_options[@]}" "$(cat "$toolchain")" | sha256sum | cut -c1-12)
prefix=$cache/qt-$upstream-$hash source=$cache/source/qt6-base-$upstream

# Debian's source packages, for bookworm main, signed as the binaries are.
add_source_entry() {
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && return
  grep -qs '^deb-src ' /etc/apt/sources.list 2>/dev/null && return
  say "Adding Debian's source packages to apt's sources"
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm' \
    'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    "${sudo[@]}" tee /etc/apt/sources.list.d/tanglewick-debian-src.sources >/dev/null
  "${sudo[@]}" apt-get update -qq
}

fetch_source() {
  [ -f "$source/.tanglewick-unpacked" ] && return
  add_source_entry
  say "Fetching qt6-base's source"
  rm -rf "$cache/source" && mkdir -p "$cache/source"
  (cd "$cache/source" && apt-get source -qq "qt6-base=$qt_version") || (cd "$cache/source" && apt-get source -qq qt6-base)
  local unpacked
  unpacked=$(find "$cache/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$unpacked" ] || die "apt-get source qt6-base unpacked nothing"
  [ "$unpacked" = "$source" ] || mv "$unpacked" "$source"
  touch "$source/.tanglewick-unpacked"
}

build() {
  local work=$cache/qt-build-$hash log=$cache/qt-configure-$hash.log
  fetch_source
  say "Building Qt $upstream for Windows into $prefix (about 1,150 steps)"
  cmake -G Ninja -S "$source" -B "$work" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_options[@]}" >"$log" 2>&1 ||
    { tail -n 40 "$log" >&2; die "Qt's configure failed (log: $log)"; }
  nice -n 19 cmake --build "$work" --parallel "${JOBS:-$(nproc)}" >&2
  cmake --install "$work" >/dev/null
  touch "$prefix/.tanglewick-built"
  say "Qt for Windows built"
}

case ${1:-build} in
prefix) echo "$prefix" ;;
source) echo "$source" ;;
build) [ -f "$prefix/.tanglewick-built" ] || build; echo "$prefix" ;;
*) die "unknown argument '$1'" ;;
esac
