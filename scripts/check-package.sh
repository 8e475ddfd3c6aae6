#!/usr/bin/env bash
# Checks that the game installs like a desktop game:
# - `cmake --install` into a temporary prefix lays out the program and its
#   word files in lib/tanglewick, the launcher in bin, the desktop entry, the
#   icons and the AppStream metadata, and the files pass their validators;
#   the launcher, started from another directory, opens the game window from
#   that prefix, and the same prefix without Words8.Txt gets the missing-file
#   report instead;
# - the .deb, built in build-package/ (Release), installs with apt-get, its
#   desktop entry and metadata pass their validators, it depends on the
#   packages of the libraries the game links and of its fonts, and the
#   desktop entry's Exec= line, run as a menu would, opens the game from
#   /usr/lib/tanglewick under an X server;
# and finally removes the package again. Needs root or sudo for apt-get.
# Exits non-zero on any failure.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test || exit 1

build="$here/build-package"
app_id=org.tanglewick.Tanglewick
main_title='^ +Tanglewick$'
version=$(sed -n 's/^set(TANGLEWICK_VERSION_TEXT "\(.*\)")$/\1/p' "$here/CMakeLists.txt")

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "check-package: need root or sudo for apt-get" >&2; exit 1; }
  as_root=(sudo)
fi
apt_get() {
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=300 -y -q "$@"
}
installed() { dpkg-query -W -f='${Status}' tanglewick 2>/dev/null | grep -q 'install ok installed'; }

work=$(mktemp -d)
pids=()
package_installed=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  if [ -n "$package_installed" ]; then apt_get remove tanglewick >/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "package: 0 passed, 1 failed"
  exit 1
}

if installed; then
  fail "tanglewick is already installed; remove it first, this check installs and removes its own package"
fi
[ -n "$version" ] || fail "no TANGLEWICK_VERSION_TEXT in CMakeLists.txt"

echo "== build the package"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_TESTS=OFF \
  -DTANGLEWICK_BUILD_BENCHMARKS=OFF >/dev/null || fail "configuring build-package failed"
cmake --build "$build" -j"$(nproc)" >/dev/null || fail "building the game failed"
rm -f "$build"/tanglewick_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$build"/tanglewick_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tanglewick_*.deb in $build"
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

# An X server of our own.
. "$here/scripts/lib/xserver.sh"
start_xvfb "$work"

# Waits up to 20 s for a visible window of process PID whose title matches,
# and prints its id.
await_window() { # PID TITLE
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    kill -0 "$1" 2>/dev/null || return
    sleep 0.1
  done
}

# Checks that the game started as PID shows its window, runs the program
# PROGRAM and keeps running, and that its window's class is the one DESKTOP
# names in StartupWMClass (so the desktop ties the window to its entry);
# then closes it. The game's output is in LOG.
check_game_window() { # PID PROGRAM LOG DESKTOP
  local window exe wm_class
  window=$(await_window "$1" "$main_title")
  if [ -z "$window" ]; then
    cat "$3"
    kill "$1" 2>/dev/null
    wait "$1"
    fail "the game window did not appear (the game's exit status: $?)"
  fi
  exe=$(readlink "/proc/$1/exe")
  [ "$exe" = "$2" ] || fail "the game runs $exe, not $2"
  wm_class=$(sed -n 's/^StartupWMClass=//p' "$4")
  [ -n "$wm_class" ] || fail "$4 has no StartupWMClass"
  xprop -id "$window" WM_CLASS | grep -q "= \".*\", \"$wm_class\"\$" ||
    fail "the window's class is not $wm_class: $(xprop -id "$window" WM_CLASS)"
  sleep 2
  if ! kill -0 "$1" 2>/dev/null; then
    wait "$1"
    fail "the game ended by itself, with exit status $?"
  fi
  if xdotool search --all --onlyvisible --pid "$1" --name '^Error$' >/dev/null 2>&1; then
    fail "the game reports an error"
  fi
  kill "$1"
  wait "$1" 2>/dev/null
  echo "the game window appeared, from $exe, of class $wm_class"
}

# Checks the installed desktop entry and AppStream metadata under ROOT.
check_desktop_files() { # ROOT
  local desktop=$1/share/applications/$app_id.desktop
  local metainfo=$1/share/metainfo/$app_id.metainfo.xml
  # Hints too count as failures: the entry is to pass without any.
  local report
  report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] ||
    fail "desktop-file-validate: ${report:-exit status not 0}"
  echo "desktop-file-validate $desktop: no complaints"
  # --strict fails on warnings as well as errors; only pedantic notes pass.
  appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects $metainfo"
  grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $app_id.desktop"
  grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    fail "the metadata has no dated release $version"
}

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) > "$work/layout"
sort > "$work/expected" <<EOF
bin/tanglewick
lib/tanglewick/tanglewick
lib/tanglewick/Words8.Txt
lib/tanglewick/Words9.Txt
lib/tanglewick/Words10.Txt
lib/tanglewick/Words11.Txt
lib/tanglewick/Words12.Txt
share/applications/$app_id.desktop
share/doc/tanglewick/LICENSE
share/doc/tanglewick/WORDLIST-COPYRIGHT
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/256x256/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/metainfo/$app_id.metainfo.xml
EOF
diff -u "$work/expected" "$work/layout" || fail "the installed files differ from the layout above"
program=$prefix/lib/tanglewick/tanglewick
[ -x "$program" ] && file -b "$program" | grep -q '^ELF .* executable' || fail "$program is not an executable program"
for n in 8 9 10 11 12; do
  cmp -s "$here/data/Words$n.Txt" "$prefix/lib/tanglewick/Words$n.Txt" || fail "Words$n.Txt is not the shipped word file"
done
[ -L "$prefix/bin/tanglewick" ] && [ "$(readlink "$prefix/bin/tanglewick")" = ../lib/tanglewick/tanglewick ] ||
  fail "bin/tanglewick is not the relative link ../lib/tanglewick/tanglewick"
for size in 32 64 128 256; do
  file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "^PNG image data, $size x $size," ||
    fail "the ${size}x$size icon is not a $size by $size PNG"
done
file -b "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q '^SVG' || fail "the scalable icon is not an SVG"
check_desktop_files "$prefix"

# Started from another directory, the launcher still leads the game to its
# word files.
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && exec "$prefix/bin/tanglewick") >"$work/prefix.log" 2>&1 &
game=$!
pids+=("$game")
check_game_window "$game" "$program" "$work/prefix.log" "$prefix/share/applications/$app_id.desktop"

# Without a word file the same launcher gets the missing-file report, not the
# game window: the check above tells the two apart.
rm "$prefix/lib/tanglewick/Words8.Txt"
(cd "$work/elsewhere" && exec "$prefix/bin/tanglewick") >"$work/missing.log" 2>&1 &
game=$!
pids+=("$game")
[ -n "$(await_window "$game" '^Error$')" ] || fail "no missing-file report without Words8.Txt"
if xdotool search --all --onlyvisible --pid "$game" --name "$main_title" >/dev/null 2>&1; then
  fail "the game window appeared without Words8.Txt"
fi
kill "$game"
wait "$game" 2>/dev/null
echo "without Words8.Txt: the missing-file report"

echo "== apt-get install $(basename "$deb")"
# apt reads the package as its own unprivileged user, so it gets a readable
# directory.
mkdir -m 755 "$work/deb"
cp "$deb" "$work/deb/"
chmod 755 "$work"
chmod 644 "$work/deb/$(basename "$deb")"
package_installed=yes
apt_get install "$work/deb/$(basename "$deb")" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
installed || fail "dpkg does not list tanglewick as installed"
[ "$(dpkg-query -W -f='${Version}' tanglewick)" = "$version" ] || fail "the installed version is not $version"
[ "$(readlink -f /usr/bin/tanglewick)" = /usr/lib/tanglewick/tanglewick ] ||
  fail "/usr/bin/tanglewick does not lead to /usr/lib/tanglewick/tanglewick"
check_desktop_files /usr

# The package depends on what the game needs on a machine without the
# build tools: the package of every library the program links directly, and
# one holding the fonts the window is laid out with.
depends=$(dpkg-query -W -f='${Depends}' tanglewick | sed 's/([^)]*)//g; s/[,|]/\n/g; s/ //g')
owned_by_dependency() { # FILE...
  local file owner
  for file in "$@"; do
    for owner in $(dpkg-query -S "*/$(basename "$file")" 2>/dev/null | sed 's/: .*//; s/, /\n/g' | sed 's/:.*//'); do
      grep -qxF "$owner" <<<"$depends" && return 0
    done
  done
  return 1
}
for library in $(objdump -p /usr/lib/tanglewick/tanglewick | awk '$1 == "NEEDED" { print $2 }'); do
  path=$(ldd /usr/lib/tanglewick/tanglewick | awk -v name="$library" '$1 == name { print $3 }')
  [ -n "$path" ] || fail "$library, which the game links, is not found"
  owned_by_dependency "$(readlink -f "$path")" || fail "the package does not depend on the package of $library"
done
for family in "Liberation Sans" "Liberation Mono"; do
  mapfile -t fonts < <(fc-list ":family=$family" file | sed 's/: *$//')
  [ ${#fonts[@]} -gt 0 ] && owned_by_dependency "${fonts[@]}" || fail "the package does not depend on a package of $family"
done
echo "it depends on the packages of the libraries it links and of its fonts"

# As a menu does: the Exec= line without its field codes, run through the
# PATH, from the home directory, in a plain environment.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop" | head -n 1)
exec_line=$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")
read -ra exec_words <<<"$exec_line"
[ ${#exec_words[@]} -gt 0 ] || fail "the desktop entry has no Exec= line"
echo "Exec=$exec_line"
mkdir -m 700 "$work/home"
(cd "$work/home" && exec env -i HOME="$work/home" DISPLAY="$DISPLAY" PATH=/usr/local/bin:/usr/bin:/bin \
  "${exec_words[@]}") >"$work/package.log" 2>&1 &
game=$!
pids+=("$game")
check_game_window "$game" /usr/lib/tanglewick/tanglewick "$work/package.log" "/usr/share/applications/$app_id.desktop"

echo "== apt-get remove tanglewick"
apt_get remove tanglewick >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove failed"; }
package_installed=
installed && fail "tanglewick is still installed"
[ ! -e /usr/lib/tanglewick ] && [ ! -e /usr/bin/tanglewick ] || fail "files of the game are left after its removal"

echo "package: 1 passed, 0 failed"
