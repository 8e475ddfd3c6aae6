#!/usr/bin/env bash
# Builds Tanglewick for 64-bit Windows on Debian, checks it under Wine and
# writes the zip a player unpacks and runs, the setup program that installs
# it, and their SHA-256 sums; prints each check and "N passed, M failed".
# Usage: windows.sh [qt|tests|zip|reproducible]
#   (no argument)  all of it: installs what is missing, has windows-qt.sh
#                  build Qt for Windows once into the cache, cross-builds the
#                  game and its tests, runs the tests under Wine, writes the
#                  zip, the setup program and SHA256SUMS to the build folder,
#                  checks the game's window from the zip and the setup program
#                  under Wine, and builds both twice more, from two clones of
#                  the last commit, to check they come out the same
#   qt | tests | zip | reproducible   only Qt, or (once Qt is built) only the
#                  tests, the release files and their checks, or the two
#                  builds from clones
# Environment: TANGLEWICK_WINDOWS_CACHE (Qt's source, Qt for Windows and
# Wine's prefix; ~/.cache/tanglewick-windows), TANGLEWICK_WINDOWS_BUILD (the
# build folder; build-windows in the source tree), JOBS (parallel jobs).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export TANGLEWICK_WINDOWS_CACHE=${TANGLEWICK_WINDOWS_CACHE:-$HOME/.cache/tanglewick-windows}
cache=$TANGLEWICK_WINDOWS_CACHE
build=${TANGLEWICK_WINDOWS_BUILD:-$root/build-windows}
jobs=${JOBS:-$(nproc)}
toolchain=$root/cmake/MinGW-w64-x86_64.cmake
triple=x86_64-w64-mingw32
started=$SECONDS

say() { printf '== %s (%ds)\n' "$*" $((SECONDS - started)); }
die() { echo "windows.sh: $*" >&2; exit 1; }
. "$root/scripts/lib/x11test.sh"
. "$root/scripts/lib/wine.sh"

# Qt for Windows, built once into the cache by windows-qt.sh.
build_qt() {
  qt_prefix=$("$root/scripts/windows-qt.sh" prefix)
  if [ -f "$qt_prefix/.tanglewick-built" ]; then say "Qt for Windows: $qt_prefix (cached)"; else JOBS=$jobs "$root/scripts/windows-qt.sh" >/dev/null; fi
  qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
}

build_game() { # [CMAKE ARGUMENTS...]
  say "Cross-building the game${1:+ ($*)} into $build"
  mkdir -p "$build"
  "$qt_prefix/bin/qt-cmake" -G Ninja -S "$root" -B "$build" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$build/wine-run.sh" "$@" >"$build/configure.log" 2>&1 ||
    { tail -n 40 "$build/configure.log"; die "configuring the game failed"; }
  cmake --build "$build" --parallel "$jobs"
}

mingw_runtime=(/usr/lib/gcc/$triple/12-posix /usr/$triple/lib)
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='

prepare_wine() {
  if [ ! -f "$WINEPREFIX/.tanglewick-ready" ]; then
    say "Making Wine's prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.tanglewick-ready"
  fi
  # The offscreen platform, which the tests use, has no font database of the
  # system's: it reads one folder. There lie the fonts a Wine program sees
  # (Wine's own, among them MS Sans Serif, and the host's stand-ins).
  fonts=$cache/fonts
  rm -rf "$fonts" && mkdir -p "$fonts"
  ln -sf /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf \
    /usr/share/fonts/truetype/dejavu/*.ttf "$fonts/" 2>/dev/null || true
  # What ctest runs a Windows program through: Wine, with Qt, the MinGW
  # runtime and the fonts found.
  local search=() dir
  for dir in "$qt_prefix/bin" "${mingw_runtime[@]}"; do search+=("$(windows_path "$dir")"); done
  mkdir -p "$build"
  cat >"$build/wine-run.sh" <<RUN
#!/bin/sh
# Runs a Windows program of this build under Wine (written by scripts/windows.sh).
export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export WINEPATH='$(IFS=';'; echo "${search[*]}")' QT_QPA_FONTDIR='$(windows_path "$fonts")'
# Qt on Windows logs to the debugger when no console is attached, and Wine's
# pipes are none: the tests' output goes to the standard streams.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps the QT_ variables of Linux's Qt from Windows programs; their
# WINE-prefixed names pass them on.
for variable in \$(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  eval "export WINE\$variable=\"\\\$\$variable\""
done
exec wine "\$@"
RUN
  chmod +x "$build/wine-run.sh"
}

run_tests() {
  say "Running the tests under Wine"
  check "the tests under Wine" eval '(cd "$build" && ctest --output-on-failure -R tst_)'
  # The program's options, by the same script as on Linux, through Wine.
  cat >"$build/tanglewick-under-wine.sh" <<RUN
#!/bin/sh
exec '$build/wine-run.sh' '$build/src/Tanglewick.exe' "\$@"
RUN
  chmod +x "$build/tanglewick-under-wine.sh"
  check "the program's options under Wine" bash "$root/tests/e2e/options.sh" "$build/tanglewick-under-wine.sh"
}

# The DLLs a Windows program or library needs from the folders given,
# recursively; Windows' own DLLs are not among them.
dll_closure() { # FILE FOLDER...
  local file=$1; shift
  local pending=("$file") seen=" " name dir found
  while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}; pending=("${pending[@]:1}")
    for name in $("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
      case $seen in *" ${name,,} "*) continue ;; esac
      seen+="${name,,} "
      for dir; do
        found=$(find "$dir" -maxdepth 1 -iname "$name" -print -quit)
        if [ -n "$found" ]; then echo "$found"; pending+=("$found"); break; fi
      done
    done
  done
}

version=$(sed -n 's/^set(TANGLEWICK_VERSION_TEXT "\(.*\)")$/\1/p' "$root/CMakeLists.txt")
zip_name=tanglewick-$version-windows-x86_64.zip
setup_name=tanglewick-$version-windows-x86_64-setup.exe
# Every time stamp of a release file is the last commit's: the files' own,
# and those strip writes into a Windows program's header.
stamp=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH=$stamp

# Stages the files a player gets, zip and setup program alike, in
# $build/stage/Tanglewick.
stage_files() {
  local dest=$build/stage/Tanglewick
  rm -rf "$build/stage"
  mkdir -p "$dest/platforms" "$dest/styles" "$dest/licenses"
  "$triple-strip" -o "$dest/Tanglewick.exe" "$build/src/Tanglewick.exe"
  cp "$root"/data/Words{8,9,10,11,12}.Txt "$root/LICENSE" "$root/data/WORDLIST-COPYRIGHT" "$dest/"
  cp "$qt_prefix/plugins/platforms/qwindows.dll" "$dest/platforms/"
  cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$dest/styles/"
  local file
  for file in "$dest/Tanglewick.exe" "$dest"/platforms/*.dll "$dest"/styles/*.dll; do
    dll_closure "$file" "$qt_prefix/bin" "${mingw_runtime[@]}"
  done | sort -u | while read -r file; do "$triple-strip" --strip-unneeded -o "$dest/${file##*/}" "$file"; done
  "$triple-strip" --strip-unneeded "$dest"/platforms/*.dll "$dest"/styles/*.dll
  # Qt is LGPL: its licence, and how to replace its DLLs. The MinGW runtime's
  # notices come along too.
  local qt_source
  qt_source=$("$root/scripts/windows-qt.sh" source)
  cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$dest/licenses/Qt-LGPL-3.0-only.txt"
  cp "$qt_source/LICENSES/GPL-3.0-only.txt" "$dest/licenses/Qt-GPL-3.0-only.txt"
  cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$dest/licenses/GCC-runtime-copyright.txt"
  cp /usr/share/doc/mingw-w64-common/copyright "$dest/licenses/MinGW-w64-copyright.txt"
  printf '%s\r\n' "Tanglewick uses Qt ${qt_version%%+*} under the GNU Lesser General Public License, version 3" \
    "(Qt-LGPL-3.0-only.txt, which adds to Qt-GPL-3.0-only.txt). Qt's source is Debian's" \
    "qt6-base package, version $qt_version. You may replace the Qt DLLs beside" \
    "Tanglewick.exe (Qt6*.dll, platforms\\, styles\\) with your own build of that Qt version." \
    "" "The C++ runtime DLLs (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll) come from" \
    "Debian's MinGW-w64 packages; their notices are GCC-runtime-copyright.txt and MinGW-w64-copyright.txt." \
    >"$dest/licenses/README.txt"
  find "$build/stage" -exec touch -h -d "@$stamp" {} +
}

write_zip() {
  say "Writing $zip_name"
  rm -f "$build/$zip_name"
  (cd "$build/stage" && find Tanglewick | LC_ALL=C sort | zip -q -X -D "$build/$zip_name" -@)
  say "Wrote $build/$zip_name ($(du -k "$build/$zip_name" | cut -f1) KiB)"
}

# The setup program (data/tanglewick.nsi) of the staged files, which it
# installs and its uninstaller removes file by file, from lists made here;
# the word lists, which the player may replace, by lines of their own.
# Further makensis options (-D...) may follow the staged folder.
write_setup() { # VERSION OUTPUT [STAGE [OPTION...]]
  local stage=${3:-$build/stage/Tanglewick} lists=$build/setup-lists dir file
  local options=("${@:4}")
  say "Writing ${2##*/}"
  rm -rf "$lists" && mkdir -p "$lists"
  (cd "$stage" && find . -type d | LC_ALL=C sort) | while read -r dir; do
    dir=${dir#.} dir=${dir#/}
    echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
    (cd "$stage/$dir" && find . -maxdepth 1 -type f | LC_ALL=C sort) | while read -r file; do
      case ${dir:+$dir/}${file#./} in
      Words*.Txt) echo "!insertmacro WordList \"${file#./}\" \"$stage/${file#./}\"" ;;
      *) echo "File \"$stage/${dir:+$dir/}${file#./}\"" ;;
      esac
    done
  done >"$lists/files.nsh"
  { (cd "$stage" && find . -type f | LC_ALL=C sort) | while read -r file; do
      file=${file#./}
      case $file in
      Words*.Txt) echo "!insertmacro KeepChangedWordList \"$file\"" ;;
      *) echo "Delete \"\$INSTDIR\\${file//\//\\}\"" ;;
      esac
    done
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while read -r dir; do
      dir=${dir#./} && echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done
  } >"$lists/removals.nsh"
  # The licence page: the game's licence, then the word list's notice.
  { cat "$root/LICENSE"; echo; cat "$root/data/WORDLIST-COPYRIGHT"; } | sed 's/$/\r/' >"$lists/licence.txt"
  local numbers=${1//./ }
  numbers=$(printf '%d.%d.0.%d' $(for n in $numbers; do echo "$((10#$n))"; done))
  makensis -V2 -DVERSION="$1" -DVERSION_NUMBERS="$numbers" -DFILES="$lists/files.nsh" \
    -DREMOVALS="$lists/removals.nsh" -DLICENCE="$lists/licence.txt" -DICON="$root/data/icons/tanglewick.ico" \
    -DOUTFILE="$2" "${options[@]}" "$root/data/tanglewick.nsi" || die "makensis failed"
  file "$2" | grep -q 'PE32+ executable' || die "${2##*/} is not a 64-bit Windows program"
  say "Wrote $2 ($(du -k "$2" | cut -f1) KiB)"
}

write_sums() { (cd "$build" && sha256sum "$zip_name" "$setup_name" >SHA256SUMS) && say "Wrote $build/SHA256SUMS"; }

# The clones' folders have different paths, and the builds are seconds apart.
reproducible() { check "built twice from the last commit, in two folders: the same zip and setup program" same_twice; }
same_twice() {
  local clones=$build/reproduce clone
  rm -rf "$clones"
  for clone in a "second clone"; do
    git clone -q --no-hardlinks "$root" "$clones/$clone" || fail "git clone failed"
    (root=$clones/$clone build=$clones/$clone/build-windows && build_game -DTANGLEWICK_BUILD_TESTS=OFF >/dev/null &&
      stage_files && write_zip >/dev/null && write_setup "$version" "$build/$setup_name" >/dev/null) ||
      fail "the release files did not build in $clones/$clone"
    sleep 3
  done
  for file in "$zip_name" "$setup_name"; do
    cmp "$clones/a/build-windows/$file" "$clones/second clone/build-windows/$file" || no "different ${file}s" || return
  done
  rm -rf "$clones"
}

# Starts the game from the zip unpacked in $folder, from another folder, with
# nothing of Qt's or MinGW's on the path (the zip alone must do), through
# start as Explorer starts it on a double click: no console and no standard
# streams; then waits for its window.
start_from_explorer() { # ARGUMENTS...
  (cd / && env -u WINEPATH wine start /wait "$folder\\Tanglewick.exe" "$@") >"$work/game.log" 2>&1 &
  game=$!
  await_game_window "$work/game.log"
}
close_game() { xdotool windowclose "$window" 2>/dev/null || true; stop "$game" 50; wineserver -k 2>/dev/null || true; }
window_from_zip() {
  start_from_explorer
  has_icon "$window" "$root/data/icons/tanglewick-32.png" || no "the window does not carry the game's icon" || return
  screenshot=$build/tanglewick-under-wine.png
  xwd -root | /usr/bin/convert xwd:- -trim +repage "$screenshot"
  say "Screenshot $screenshot"
  close_game
}
check_window() {
  say "Starting Tanglewick.exe from the zip under Wine and Xvfb"
  # The X session's home, runtime folder and display are this function's own.
  local HOME=$HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME GSETTINGS_BACKEND DISPLAY QT_QPA_PLATFORM
  # A home with a space and letters beyond ASCII, as a player's may be.
  local home="$WINEPREFIX/drive_c/users/Zoë/Meine Spiele"
  folder="C:\\users\\Zoë\\Meine Spiele\\Tanglewick"
  rm -rf "$WINEPREFIX/drive_c/users/Zoë"
  mkdir -p "$home"
  unzip -q "$build/$zip_name" -d "$home"
  start_x11
  # Wine's own server runs in this X session; none is left from before, and
  # none outlives it, whatever the outcome.
  wineserver -k 2>/dev/null || true
  trap 'set +e; wineserver -k 2>/dev/null; cleanup' EXIT
  check "the game's window from the zip: its title, 698x280 client area and icon" window_from_zip
  # As from Explorer (a file dropped on the program, say).
  check "with a stray argument, without a console, the game starts as without it" eval 'start_from_explorer Zoë.txt && close_game'
  trap - EXIT
  cleanup
  set -e
  pids=()
}

# The older version is this one as 1.00.0000, with a file this one no longer
# ships and a shorter Words8.Txt.
check_setup() {
  say "Checking the setup program under Wine and Xvfb"
  local older=$build/older/Tanglewick
  rm -rf "$build/older" && cp -a "$build/stage" "$build/older"
  echo "A file this version no longer ships." >"$older/Obsolete.txt"
  sed -i '$d' "$older/Words8.Txt"
  write_setup 1.00.0000 "$build/older-setup.exe" "$older" >/dev/null
  write_setup "$version" "$build/user-account-setup.exe" "$build/stage/Tanglewick" -DUNINSTALL_ACCOUNT_TYPE=User >/dev/null
  check "the setup program under Wine (tests/e2e/setup_under_wine.sh)" bash "$root/tests/e2e/setup_under_wine.sh" \
    "$build/$setup_name" "$build/older-setup.exe" "$build/stage/Tanglewick" "$build/user-account-setup.exe"
}

release() {
  stage_files
  write_zip
  write_setup "$version" "$build/$setup_name"
  write_sums
  check_window
  check_setup
}

case ${1:-all} in
all) "$root/scripts/install-deps.sh" windows; build_qt; prepare_wine; build_game; run_tests; release; reproducible
  say "Done: $build/$zip_name, $build/$setup_name" ;;
qt) "$root/scripts/install-deps.sh" windows; build_qt; exit ;;
# Single steps, once Qt is built and the game configured.
tests) build_qt; prepare_wine; build_game; run_tests ;;
zip) build_qt; prepare_wine; build_game; release ;;
reproducible) build_qt; reproducible ;;
*) die "unknown step '$1'" ;;
esac
finish
