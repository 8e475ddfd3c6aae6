#!/usr/bin/env bash
# Checks that the game installs like a desktop game, by hand and as a Debian
# package, built in build-package/ (Release) as the version and release day
# in the version.env CMake writes there: by hand under a temporary prefix;
# as the package, its contents, lintian, apt-get install, the game's options
# (tests/e2e/options.sh) and its menu entry under X, an upgrade that keeps
# an administrator's word list, removal and purge. Needs root or sudo for
# apt-get.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test || exit 1
. "$here/scripts/lib/x11test.sh"
build=$here/build-package
app_id=org.tanglewick.Tanglewick
main_title='^ +Tanglewick$'
games_launcher=/usr/games/tanglewick
games_dir=/usr/lib/games/tanglewick
word_lists=/etc/tanglewick
as_root=()
[ "$(id -u)" -eq 0 ] || { command -v sudo >/dev/null && as_root=(sudo); } || fail "need root or sudo for apt-get"
apt_get() { DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=300 -y -q "$@"; }
installed() { dpkg-query -W -f='${Status}' tanglewick 2>/dev/null | grep -q 'install ok installed'; }
{ installed || [ -e "$word_lists" ]; } && fail "tanglewick is installed or its word lists are left; purge it first, this check installs and purges its own package"
# A work directory with a home of its own, Xvfb, openbox; at exit the package goes, then the rest.
start_x11
trap '[ -z "${package_installed:-}" ] || apt_get purge tanglewick >/dev/null; cleanup' EXIT
# Starts COMMAND... from the home directory, its output in $work/LOG.log, its pid in game.
start_game() { local log=$1; shift; (cd "$HOME" && exec "$@") >"$work/$log.log" 2>&1 & game=$! && pids+=("$game"); }

# Configures build-package for LAYOUT, "hand" (an install by hand under any
# prefix) or "games" (the package), and builds it; nothing is compiled again.
configure_build() { # LAYOUT
  local options=(-DCMAKE_INSTALL_PREFIX=/usr/local -DTANGLEWICK_GAMES_LAYOUT=OFF)
  [ "$1" = games ] && options=(-DCMAKE_INSTALL_PREFIX=/usr -DTANGLEWICK_GAMES_LAYOUT=ON)
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_TESTS=OFF \
    -DTANGLEWICK_BUILD_BENCHMARKS=OFF "${options[@]}" >/dev/null || fail "configuring build-package ($1) failed"
  cmake --build "$build" -j"$(nproc)" >/dev/null || fail "building the game ($1) failed"
}

# Checks that ROOT holds the game's files and no others, the launcher in
# LAUNCHERDIR a relative link to the game in GAMEDIR, beside its word files:
# the lists themselves, or links to them in the folder LISTS (the package's
# /etc/tanglewick) found under LISTROOT.
check_tree() { # ROOT LAUNCHERDIR GAMEDIR [LISTROOT LISTS]
  local size icons=$1/share/icons/hicolor
  local files=("$2/tanglewick" "$3/tanglewick" "$3"/Words{8..12}.Txt share/applications/"$app_id".desktop
    share/icons/hicolor/{32x32,64x64,128x128,256x256}/apps/"$app_id".png share/icons/hicolor/scalable/apps/"$app_id".svg
    share/metainfo/"$app_id".metainfo.xml share/doc/tanglewick/{changelog.gz,copyright} share/man/man6/tanglewick.6.gz)
  diff -u <(printf '%s\n' "${files[@]}" | sort) <(cd "$1" && find . ! -type d | sed 's|^\./||' | sort) ||
    fail "the files under $1 are not the game's files in this layout"
  [ -x "$1/$3/tanglewick" ] && file -b "$1/$3/tanglewick" | grep -q '^ELF .* executable' || fail "$3/tanglewick is no program"
  [ "$(readlink "$1/$2/tanglewick")" = "../$3/tanglewick" ] || fail "$2/tanglewick is not the link ../$3/tanglewick"
  if [ $# -eq 5 ]; then
    local n
    for n in {8..12}; do
      [ "$(readlink "$1/$3/Words$n.Txt")" = "$5/Words$n.Txt" ] || fail "$3/Words$n.Txt is not a link to $5/Words$n.Txt"
    done
    [ "$(cd "$4" && find . ! -type d ! -path './usr/*' | sort)" = "$(printf './%s\n' "${5#/}"/Words{10..12}.Txt "${5#/}"/Words{8,9}.Txt)" ] ||
      fail "$4 holds more than the word lists in $5 outside usr"
    check_word_files "$4$5"
  else
    check_word_files "$1/$3"
  fi
  for size in 32 64 128 256; do
    file -b "$icons/${size}x$size/apps/$app_id.png" | grep -q "^PNG image data, $size x $size," || fail "no ${size}px PNG icon"
  done
  file -b "$icons/scalable/apps/$app_id.svg" | grep -q '^SVG' || fail "the scalable icon is not an SVG"
}
check_word_files() { # DIR
  local n; for n in 8 9 10 11 12; do cmp -s "$here/data/Words$n.Txt" "$1/Words$n.Txt" || fail "$1/Words$n.Txt differs"; done
}

# Checks the desktop entry (its Exec= EXEC) and metadata under ROOT: no hints, only pedantic notes.
check_desktop_files() { # ROOT EXEC
  local desktop=$1/share/applications/$app_id.desktop metainfo=$1/share/metainfo/$app_id.metainfo.xml report
  report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] || fail "desktop-file-validate: ${report:-failed}"
  # The metadata names its developer the current way, <developer id>, which
  # AppStream before 1.0 (Debian 12's 0.16) does not know yet and notes as an
  # unknown tag: that note alone is let pass there.
  report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli rejects $metainfo: $report"
  if appstreamcli --version | grep -q 'version: 0\.'; then report=$(grep -v '^I: .*: unknown-tag developer$' <<<"$report"); fi
  ! grep -E '^[EWI]: ' <<<"$report" || fail "appstreamcli notes more than pedantic hints on $metainfo"
  grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
  grep -qx "Exec=$2" "$desktop" || fail "the desktop entry's Exec= is not $2: $(grep '^Exec=' "$desktop")"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "no launchable $app_id.desktop"
  grep -q "<release version=\"$version\" date=\"$release_date\"" "$metainfo" || fail "no release $version of $release_date"
}

# Checks FILE is gzip -9n: sound, its header deflate, with no name, no time stamp, level 9.
check_gzip_9n() { gzip -t "$1" && [ "$(od -A n -t x1 -N 9 "$1" | tr -d ' \n')" = 1f8b08000000000002 ] ||
  fail "$1 is not compressed with gzip -9n: $(od -A n -t x1 -N 9 "$1")"; }

# Checks the documents under ROOT; leaves the changelog in $work/changelog, the page as text in man.txt.
check_documents() { # ROOT
  local doc=$1/share/doc/tanglewick man=$1/share/man/man6/tanglewick.6.gz report heading option status
  report=$(/usr/bin/python3 "$here/scripts/check-copyright.py" "$doc/copyright" "$here" 2>&1) || fail "$doc/copyright: $report"
  check_gzip_9n "$doc/changelog.gz"
  zcat "$doc/changelog.gz" | tee "$work/changelog" | cmp -s - "$here/data/changelog" || fail "$doc/changelog.gz is not ours"
  changelog() { dpkg-parsechangelog -l "$work/changelog" "$@"; }
  report=$(changelog 2>&1 >/dev/null) && [ -z "$report" ] || fail "dpkg-parsechangelog: $report"
  [ "$(changelog -S Source)" = tanglewick ] || fail "the changelog is not tanglewick's"
  [ "$(changelog -S Version)" = "$version" ] || fail "the changelog's latest entry is not for $version"
  [ "$(date -u -d "$(changelog -S Date)" +%F)" = "$release_date" ] || fail "the changelog's entry is not of $release_date"
  grep -q '^  \* ' <(changelog -S Changes) || fail "the changelog's latest entry lists no changes"
  check_gzip_9n "$man"
  report=$(zcat "$man" | groff -ww -z -man 2>&1) && [ -z "$report" ] || fail "groff -ww on $man: ${report:-failed}"
  report=$(lexgrog "$man" 2>&1) && grep -q ': "tanglewick - .\+"$' <<<"$report" || fail "lexgrog on $man: $report"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" >"$work/man.txt" 2>"$work/man.err" && [ ! -s "$work/man.err" ] ||
    fail "man -l $man fails or warns: $(cat "$work/man.err")"
  for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS "WORD FILES" FILES "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$heading" "$work/man.txt" || fail "the manual page has no section $heading"
  done
  section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' "$work/man.txt"; }
  for option in $help_options; do
    grep -q -- "$option\b" <(section SYNOPSIS) && grep -q -- "$option\b" <(section OPTIONS) ||
      fail "the manual page's synopsis or options lack $option"
  done
  for status in 0 2 3; do grep -qE "^ {7}$status( |\$)" <(section "EXIT STATUS") || fail "no exit status $status"; done
  grep -q 'orca(1)' <(section "SEE ALSO") || fail "the manual page does not refer to orca(1)"
  grep -q "Tanglewick $version" "$work/man.txt" || fail "the manual page is not the one of version $version"
  echo "$1: copyright file, changelog ($version of $release_date), manual page (whatis: ${report#*: }) pass"
}

# Checks that the game started as $game shows its window, runs PROGRAM, keeps
# running, of the StartupWMClass of the desktop entry DESKTOP; then ends it.
check_game_window() { # PROGRAM LOG DESKTOP
  local window wm_class
  window=$(await 200 window_named "$main_title") || { cat "$2"; fail "the game window did not appear"; }
  [ "$(readlink "/proc/$game/exe")" = "$1" ] || fail "the game runs $(readlink "/proc/$game/exe"), not $1"
  wm_class=$(sed -n 's/^StartupWMClass=//p' "$3")
  [ -n "$wm_class" ] && xprop -id "$window" WM_CLASS | grep -q "= \".*\", \"$wm_class\"\$" ||
    fail "the window's class is not the StartupWMClass '$wm_class': $(xprop -id "$window" WM_CLASS)"
  sleep 2
  gone "$game" && { wait "$game"; fail "the game ended by itself, with exit status $?"; }
  window_named '^Error$' >/dev/null && fail "the game reports an error"
  stop "$game"
}

configure_build hand
version=$(sed -n 's/^version=//p' "$build/version.env")
release_date=$(sed -n 's/^release_date=//p' "$build/version.env")
[ -n "$version" ] && [ -n "$release_date" ] || fail "$build/version.env gives no version and release date"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check "cmake --install: exactly the game's files, the launcher a relative link" check_tree "$prefix" bin lib/tanglewick
help_options=$(env -u DISPLAY "$prefix/bin/tanglewick" --help | grep -o -- ' -[-a-z]*' | grep -vx ' -style') # Qt's aside
[ -n "$help_options" ] || fail "tanglewick --help lists no options"
# By hand, the menu entry finds the launcher through the PATH.
check "cmake --install: the desktop entry and metadata pass their validators" check_desktop_files "$prefix" tanglewick
check "cmake --install: copyright file, changelog and manual page" check_documents "$prefix"
check "the launcher, run from elsewhere, opens the game from the prefix"
start_game prefix "$prefix/bin/tanglewick"
check_game_window "$prefix/lib/tanglewick/tanglewick" "$work/prefix.log" "$prefix/share/applications/$app_id.desktop"
check "the launcher, without Words8.Txt: the missing-file report"
rm "$prefix/lib/tanglewick/Words8.Txt"
start_game missing "$prefix/bin/tanglewick"
await 200 window_named '^Error$' >/dev/null || fail "no missing-file report without Words8.Txt"
window_named "$main_title" >/dev/null && fail "the game window appeared without Words8.Txt"
stop "$game"

check "cpack refuses a build for an install by hand"
rm -f "$build"/tanglewick_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 && fail "cpack made a package from a build for an install by hand"
grep -q 'not configured for the Debian package' "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack failed otherwise"; }
compgen -G "$build/tanglewick_*.deb" >/dev/null && fail "cpack left a package behind"

check "the package builds, of section games"
configure_build games
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(echo "$build"/tanglewick_*.deb)
[ -f "$deb" ] || fail "expected one tanglewick_*.deb in $build, not: $deb"
echo "${deb##*/}: $(stat -c %s "$deb") bytes; Depends: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is not games"
check "the package holds the same files in the games layout, the word lists in $word_lists"
dpkg-deb -x "$deb" "$work/unpacked" || fail "dpkg-deb cannot unpack the package"
[ "$(ls -A "$work/unpacked" | xargs)" = "etc usr" ] || fail "the package installs outside /usr and /etc: $(ls -A "$work/unpacked")"
check_tree "$work/unpacked/usr" games lib/games/tanglewick "$work/unpacked" "$word_lists"
check "the word lists are the package's configuration files, and nothing else is"
dpkg-deb -e "$deb" "$work/control" || fail "dpkg-deb cannot unpack the package's control files"
[ "$(sort "$work/control/conffiles")" = "$(printf "$word_lists/%s\n" Words{10..12}.Txt Words{8,9}.Txt)" ] ||
  fail "the package's configuration files are not the five word lists: $(cat "$work/control/conffiles")"
check "the package's documents; the changelog signed by its maintainer"
check_documents "$work/unpacked/usr"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer)" = "$(dpkg-deb -f "$deb" Maintainer)" ] ||
  fail "the changelog's entry is not signed by the package's maintainer"
check "the paths the manual page gives are the package's, its launcher and directory among them"
grep -oE '/(usr|etc)/[^ ,]*[^ ,.]' "$work/man.txt" | sort -u >"$work/man-paths"
for path in $(cat "$work/man-paths"); do
  [ -e "$work/unpacked$path" ] || fail "the manual page names $path, which the package does not install"
done
grep -qx "$games_launcher" "$work/man-paths" && grep -qx "$games_dir/" "$work/man-paths" &&
  grep -qx "$word_lists/" "$work/man-paths" || fail "the manual page does not name $games_launcher, $games_dir/ and $word_lists/"

check "lintian finds no error, no warning"
lintian --display-info --fail-on error,warning "$deb" 2>"$work/lintian.err" | tee "$work/lintian.out"
status=${PIPESTATUS[0]}
grep -vx 'running with root privileges is not recommended!' "$work/lintian.err" # as root: no finding
! grep -q '^[EW]: ' "$work/lintian.out" && [ "$status" -eq 0 ] || fail "lintian finds errors or warnings (status $status)"

check "apt-get installs it as this version, stripped"
# apt reads the package as its own unprivileged user: a readable directory.
mkdir -m 755 "$work/deb" && cp "$deb" "$work/deb/" && chmod 755 "$work" && chmod 644 "$work/deb/"*.deb
package_installed=yes
apt_get install "$work/deb/${deb##*/}" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
installed || fail "dpkg does not list tanglewick as installed"
[ "$(dpkg-query -W -f='${Version}' tanglewick)" = "$version" ] || fail "the installed version is not $version"
[ "$(readlink -f "$games_launcher")" = "$games_dir/tanglewick" ] || fail "$games_launcher does not lead to $games_dir"
check_word_files "$games_dir"
file -b "$games_dir/tanglewick" | grep -q ', stripped$' || fail "$games_dir/tanglewick is not stripped"
grep -q ' \.comment ' <(objdump -h "$games_dir/tanglewick") && fail "$games_dir/tanglewick keeps its .comment section"
# By its full path: /usr/games is not on every PATH.
check "installed, the desktop entry and metadata pass their validators" check_desktop_files /usr "$games_launcher"
check "it depends on the package of each library the game links directly, and of its fonts"
depends=$(dpkg-query -W -f='${Depends}' tanglewick | sed 's/([^)]*)//g; s/[,|]/\n/g; s/ //g')
owned_by_dependency() { # FILE...: whether a package it depends on holds a file of that name
  local file
  for file; do dpkg-query -S "*/${file##*/}" 2>/dev/null; done | sed 's/: .*//; s/, /\n/g' | sed 's/:.*//' >"$work/owners"
  grep -qxFf <(echo "$depends") "$work/owners"
}
for library in $(objdump -p "$games_dir/tanglewick" | awk '$1 == "NEEDED" { print $2 }'); do
  path=$(ldd "$games_dir/tanglewick" | awk -v name="$library" '$1 == name { print $3 }')
  [ -n "$path" ] && owned_by_dependency "$(readlink -f "$path")" || fail "no dependency on the package of $library"
done
for family in "Liberation Sans" "Liberation Mono"; do
  mapfile -t fonts < <(fc-list ":family=$family" file | sed 's/: *$//')
  [ ${#fonts[@]} -gt 0 ] && owned_by_dependency "${fonts[@]}" || fail "no dependency on a package of $family"
done

check "the installed game's options"
# As from a terminal, in a plain environment without a display.
plainly() { (cd "$HOME" && exec env -i HOME="$HOME" PATH=/usr/bin:/bin timeout 60 "$@"); }
[ "$(plainly "$games_launcher" --version)" = "Tanglewick $version" ] || fail "--version does not give $version"
plainly bash "$here/tests/e2e/options.sh" "$games_launcher" || fail "the installed game's options are not as above"

check "the game from its menu entry"
# The Exec= line without its field codes, run from home with a PATH that lacks /usr/games, as root's.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop" | head -n 1)
read -ra exec_words <<<"${exec_line//%[fFuUdDnNickvm]/}"
[ ${#exec_words[@]} -gt 0 ] || fail "the desktop entry has no Exec= line"
start_game package env -i HOME="$HOME" DISPLAY="$DISPLAY" PATH=/usr/local/bin:/usr/bin:/bin "${exec_words[@]}"
check_game_window "$games_dir/tanglewick" "$work/package.log" "/usr/share/applications/$app_id.desktop"

check "an upgrade keeps the administrator's own word list, updates the other"
# The next version: this package with its version raised and two lists
# grown by a word each, as a new word list would change them.
next_version=${version%.*}.$(printf %04d $((10#${version##*.} + 1)))
dpkg-deb -R "$deb" "$work/next" || fail "dpkg-deb cannot unpack the package"
sed -i "s/^Version: .*/Version: $next_version/" "$work/next/DEBIAN/control"
for n in 8 9; do echo ZYZZYVAS >>"$work/next$word_lists/Words$n.Txt"; done
(cd "$work/next" && find etc usr -type f -exec md5sum {} + >DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$work/next" "$work/deb/next.deb" >/dev/null || fail "dpkg-deb cannot build the next version"
chmod 644 "$work/deb/next.deb"
printf '%s\n' ABCDEFGHI JIGSAWING >"$work/own-list"
"${as_root[@]}" cp "$work/own-list" "$word_lists/Words9.Txt"
# Unattended, as an upgrade by apt is: dpkg keeps a changed list and sets the new one beside it.
apt_get -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold install "$work/deb/next.deb" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get could not upgrade to $next_version"; }
[ "$(dpkg-query -W -f='${Version}' tanglewick)" = "$next_version" ] || fail "the upgrade did not install $next_version"
cmp -s "$work/own-list" "$games_dir/Words9.Txt" || fail "the upgrade replaced the administrator's Words9.Txt"
cmp -s "$work/next$word_lists/Words9.Txt" "$word_lists/Words9.Txt.dpkg-dist" || fail "no new Words9.Txt set beside it"
cmp -s "$work/next$word_lists/Words8.Txt" "$games_dir/Words8.Txt" || fail "the upgrade left the old Words8.Txt"

check "apt-get remove leaves only the word lists, purge removes them"
apt_get remove tanglewick >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove failed"; }
installed && fail "tanglewick is still installed"
left=$(ls -d "$games_launcher" "$games_dir" /usr/share/{doc/tanglewick,man/man6/tanglewick.6.gz} \
  "/usr/share/applications/$app_id.desktop" 2>/dev/null)
[ -z "$left" ] || fail "left after the game's removal: $left"
cmp -s "$work/own-list" "$word_lists/Words9.Txt" || fail "removing the game lost the administrator's Words9.Txt"
apt_get purge tanglewick >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge failed"; }
package_installed=
[ ! -e "$word_lists" ] || fail "left after the game was purged: $(ls -A "$word_lists")"
dpkg-query -W tanglewick >/dev/null 2>&1 && fail "dpkg still knows tanglewick after the purge"
finish
