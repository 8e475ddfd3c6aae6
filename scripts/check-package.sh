#!/usr/bin/env bash
# Checks that the game installs like a desktop game, by hand and as a Debian
# package:
# - built in build-package/ (Release) for an install by hand, `cmake
#   --install` into a temporary prefix lays out the program and its word
#   files in lib/tanglewick, the launcher in bin, the desktop entry, the
#   icons, the AppStream metadata, the manual page, the copyright file and
#   the changelog, and the files pass their validators; the launcher, started
#   from another directory, opens the game window from that prefix, and the
#   same prefix without Words8.Txt gets the missing-file report instead;
# - cpack refuses to make the Debian package from that build, whose paths
#   are not the package's;
# - configured for the package (games layout under /usr), the .deb holds
#   exactly the files of the games layout; its copyright file is
#   machine-readable and carries the game's licence and the word list's
#   notice, its changelog and manual page are compressed with gzip -9n, the
#   changelog's entry is this version's, the manual page renders without
#   warnings and names the package's paths; lintian finds no error and no
#   warning in it (information tags are shown);
# - the .deb installs with apt-get, its desktop entry and metadata pass their
#   validators, the game is stripped, the package depends on the packages of
#   the libraries the game links and of its fonts, the installed game
#   answers --version, --help and usage errors as a command-line program
#   does, without a display, and the desktop entry's Exec= line, run as a
#   menu would, opens the game from /usr/lib/games/tanglewick under an X
#   server;
# and finally removes the package again. Needs root or sudo for apt-get.
# Exits non-zero on any failure.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test || exit 1

build="$here/build-package"
app_id=org.tanglewick.Tanglewick
main_title='^ +Tanglewick$'
version=$(sed -n 's/^set(TANGLEWICK_VERSION_TEXT "\(.*\)")$/\1/p' "$here/CMakeLists.txt")
release_date=$(sed -n 's/^set(TANGLEWICK_RELEASE_DATE "\(.*\)")$/\1/p' "$here/CMakeLists.txt")
# Where the Debian package puts the game, its word files and its launcher.
games_launcher=/usr/games/tanglewick
games_dir=/usr/lib/games/tanglewick
# What `tanglewick --help` prints, and a usage error after its message.
usage="Usage: tanglewick [OPTION]
Unscramble the letters and guess the hidden word.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

It also takes the standard options of Qt programs, such as -style."

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
# A failure that lets the checks after it run; the script still fails.
failures=0
fail_later() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if installed; then
  fail "tanglewick is already installed; remove it first, this check installs and removes its own package"
fi
[ -n "$version" ] || fail "no TANGLEWICK_VERSION_TEXT in CMakeLists.txt"
[ -n "$release_date" ] || fail "no TANGLEWICK_RELEASE_DATE in CMakeLists.txt"

# Configures build-package for LAYOUT: "hand" (an install by hand under any
# prefix) or "games" (the Debian package), and builds it. Switching between
# the two changes only the install rules, so nothing is compiled again.
configure_build() { # LAYOUT
  local options
  case $1 in
  hand) options=(-DCMAKE_INSTALL_PREFIX=/usr/local -DTANGLEWICK_GAMES_LAYOUT=OFF) ;;
  games) options=(-DCMAKE_INSTALL_PREFIX=/usr -DTANGLEWICK_GAMES_LAYOUT=ON) ;;
  esac
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_TESTS=OFF \
    -DTANGLEWICK_BUILD_BENCHMARKS=OFF "${options[@]}" >/dev/null || fail "configuring build-package ($1) failed"
  cmake --build "$build" -j"$(nproc)" >/dev/null || fail "building the game ($1) failed"
}

echo "== build the game for an install by hand"
configure_build hand

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

# Checks the installed desktop entry and AppStream metadata under ROOT, and
# that the entry's Exec= is EXEC.
check_desktop_files() { # ROOT EXEC
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
  grep -qx "Exec=$2" "$desktop" || fail "the desktop entry's Exec= is not $2: $(grep '^Exec=' "$desktop")"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $app_id.desktop"
  grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    fail "the metadata has no dated release $version"
}

# Checks that FILE is compressed as Debian compresses documentation, gzip
# -9n: a sound gzip stream whose header holds no file name and no time
# stamp, and records the best compression.
check_gzip_9n() { # FILE
  local header
  gzip -t "$1" 2>/dev/null || fail "$1 is not a sound gzip file"
  # Magic, method, flags, time stamp (4 bytes), extra flags.
  header=$(od -A n -t x1 -N 9 "$1" | tr -d ' \n')
  [ "${header:0:6}" = 1f8b08 ] || fail "$1 is not deflate-compressed gzip ($header)"
  [ "${header:6:2}" = 00 ] || fail "$1 carries a file name or other extras in its gzip header (flags ${header:6:2})"
  [ "${header:8:8}" = 00000000 ] || fail "$1 carries a time stamp in its gzip header"
  [ "${header:16:2}" = 02 ] || fail "$1 is not compressed at level 9 (extra flags ${header:16:2})"
}

# Checks the copyright file, the changelog and the manual page installed
# under ROOT.
check_documents() { # ROOT
  local doc=$1/share/doc/tanglewick man=$1/share/man/man6/tanglewick.6.gz
  local report heading

  # The copyright file: machine-readable, the game's files under its licence,
  # the word files under the word list's notice, each licence with its text.
  report=$(/usr/bin/python3 - "$doc/copyright" "$here" <<'PYTHON' 2>&1
import pathlib, re, sys
from debian.copyright import Copyright

path, source = sys.argv[1], pathlib.Path(sys.argv[2])
with open(path, encoding="utf-8") as f:
    copyright = Copyright(f, strict=True)
problems = []
if not copyright.header.known_format():
    problems.append("the Format: line is not Debian's machine-readable format")
if copyright.header.upstream_name != "Tanglewick":
    problems.append(f"Upstream-Name is {copyright.header.upstream_name!r}")

def lines(text):
    """TEXT as its lines, trailing blanks and blank lines at either end dropped."""
    return [line.rstrip() for line in text.strip("\n").splitlines()]

licence = (source / "LICENSE").read_text(encoding="utf-8")
holders = re.search(r"^Copyright \(c\) (.+)$", licence, re.M).group(1)
expected_texts = {
    "Expat": lines(licence[licence.index("Permission is hereby granted"):]),
    "SCOWL": lines((source / "data/WORDLIST-COPYRIGHT").read_text(encoding="utf-8")),
}
texts = {p.license.synopsis: p.license.text for p in copyright.all_license_paragraphs()}
for paragraph in copyright.all_files_paragraphs():
    name = paragraph.license.synopsis
    if not paragraph.license.text and name not in texts:
        problems.append(f"the licence {name} of {' '.join(paragraph.files)} has no text")
for name, expected in expected_texts.items():
    if name not in texts:
        problems.append(f"no License: paragraph {name}")
    elif lines(texts[name]) != expected:
        problems.append(f"the text of the licence {name} is not the one the game ships")

def paragraph_of(file):
    return copyright.find_files_paragraph(file)

game_files = [p for p in (source / "src").rglob("*") if p.is_file()] + [source / "CMakeLists.txt"]
word_files = sorted((source / "data").glob("Words*.Txt"))
if len(word_files) != 5:
    problems.append(f"expected five word files in data/, found {len(word_files)}")
for file in game_files:
    relative = str(file.relative_to(source))
    paragraph = paragraph_of(relative)
    if paragraph is None or paragraph.license.synopsis != "Expat" or holders not in paragraph.copyright:
        problems.append(f"{relative} is not under the game's licence and copyright")
for file in word_files:
    relative = str(file.relative_to(source))
    paragraph = paragraph_of(relative)
    if paragraph is None or paragraph.license.synopsis != "SCOWL" or "Kevin Atkinson" not in paragraph.copyright:
        problems.append(f"{relative} is not under the word list's notice")
print("\n".join(problems))
sys.exit(1 if problems else 0)
PYTHON
  ) || fail "$doc/copyright: ${report:-does not parse}"
  echo "$doc/copyright: machine-readable, the game under Expat, the word files under the SCOWL notice"

  # The changelog: this version's entry, dated the release day, as shipped.
  check_gzip_9n "$doc/changelog.gz"
  zcat "$doc/changelog.gz" >"$work/changelog"
  cmp -s "$work/changelog" "$here/data/changelog" || fail "$doc/changelog.gz is not data/changelog"
  report=$(dpkg-parsechangelog -l "$work/changelog" 2>&1 >/dev/null)
  [ -z "$report" ] || fail "dpkg-parsechangelog: $report"
  [ "$(dpkg-parsechangelog -l "$work/changelog" -S Source)" = tanglewick ] || fail "the changelog is not tanglewick's"
  [ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not for $version"
  [ "$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)" = "$release_date" ] ||
    fail "the changelog's latest entry is not dated $release_date"
  [ -n "$(dpkg-parsechangelog -l "$work/changelog" -S Changes | grep '^  \* ')" ] ||
    fail "the changelog's latest entry lists no changes"
  echo "$doc/changelog.gz: gzip -9n, the entry for $version of $release_date"

  # The manual page: renders without a warning, has its whatis line, its
  # sections, the options of --help and the exit statuses.
  check_gzip_9n "$man"
  report=$(zcat "$man" | groff -ww -z -man 2>&1) && [ -z "$report" ] || fail "groff -ww on $man: ${report:-failed}"
  report=$(lexgrog "$man" 2>&1) && grep -q ': "tanglewick - .\+"$' <<<"$report" ||
    fail "lexgrog does not find the NAME line of $man: $report"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" >"$work/man.txt" 2>"$work/man.err" ||
    fail "man -l $man failed: $(cat "$work/man.err")"
  [ ! -s "$work/man.err" ] || fail "man -l $man warns: $(cat "$work/man.err")"
  for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS "WORD FILES" FILES "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$heading" "$work/man.txt" || fail "the manual page has no section $heading"
  done
  # The text of one section of the rendered page.
  section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' "$work/man.txt"; }
  for option in $(grep -o -- ' -[-a-z]*' <<<"$usage" | grep -vx ' -style'); do
    grep -q -- "$option\b" <(section SYNOPSIS) || fail "the manual page's synopsis lacks $option"
    grep -q -- "^ *.*$option\b" <(section OPTIONS) || fail "the manual page's options lack $option"
  done
  for status in 0 2 3 64; do
    grep -qE "^ {7}$status( |\$)" <(section "EXIT STATUS") || fail "the manual page does not give the exit status $status"
  done
  grep -q 'orca(1)' <(section "SEE ALSO") || fail "the manual page does not refer to orca(1)"
  grep -q "Tanglewick $version" "$work/man.txt" || fail "the manual page is not the one of version $version"
  echo "$man: gzip -9n, renders without warnings, whatis: ${report#*: }"
}

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) > "$work/layout"
sort > "$work/expected" <<LIST
bin/tanglewick
lib/tanglewick/tanglewick
lib/tanglewick/Words8.Txt
lib/tanglewick/Words9.Txt
lib/tanglewick/Words10.Txt
lib/tanglewick/Words11.Txt
lib/tanglewick/Words12.Txt
share/applications/$app_id.desktop
share/doc/tanglewick/changelog.gz
share/doc/tanglewick/copyright
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/256x256/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man6/tanglewick.6.gz
share/metainfo/$app_id.metainfo.xml
LIST
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
# Installed by hand, the menu entry finds the launcher through the PATH.
check_desktop_files "$prefix" tanglewick
check_documents "$prefix"

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

echo "== cpack refuses a build for an install by hand"
rm -f "$build"/tanglewick_*.deb
if (cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1; then
  fail "cpack made a Debian package from a build for an install by hand"
fi
grep -q 'not configured for the Debian package' "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack failed otherwise than by refusing the build"; }
compgen -G "$build/tanglewick_*.deb" >/dev/null && fail "cpack left a package behind"
echo "cpack: $(grep -m 1 'not configured' "$work/cpack.log" | sed 's/^ *//')"

echo "== build the package"
configure_build games
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$build"/tanglewick_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tanglewick_*.deb in $build"
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is not games"

# Exactly the files of Debian's games layout; the launcher a relative link.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { name = $6; if ($1 ~ /^l/) name = name " -> " $8; print name }' |
  sort >"$work/contents"
sort > "$work/expected" <<LIST
./usr/games/tanglewick -> ../lib/games/tanglewick/tanglewick
./usr/lib/games/tanglewick/tanglewick
./usr/lib/games/tanglewick/Words8.Txt
./usr/lib/games/tanglewick/Words9.Txt
./usr/lib/games/tanglewick/Words10.Txt
./usr/lib/games/tanglewick/Words11.Txt
./usr/lib/games/tanglewick/Words12.Txt
./usr/share/applications/$app_id.desktop
./usr/share/doc/tanglewick/changelog.gz
./usr/share/doc/tanglewick/copyright
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/64x64/apps/$app_id.png
./usr/share/icons/hicolor/128x128/apps/$app_id.png
./usr/share/icons/hicolor/256x256/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man6/tanglewick.6.gz
./usr/share/metainfo/$app_id.metainfo.xml
LIST
diff -u "$work/expected" "$work/contents" || fail "the package's files differ from the games layout above"
echo "the package holds the files of the games layout"

# Its copyright file, changelog and manual page, as the package holds them
# (a system whose dpkg leaves out documentation would not install them all).
dpkg-deb -x "$deb" "$work/unpacked" || fail "dpkg-deb cannot unpack the package"
check_documents "$work/unpacked/usr"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer)" = "$(dpkg-deb -f "$deb" Maintainer)" ] ||
  fail "the changelog's entry is not signed by the package's maintainer"
# The paths the manual page gives for the package are the package's.
grep -o '/usr/[^ ,]*[^ ,.]' "$work/man.txt" | sort -u >"$work/man-paths"
[ -s "$work/man-paths" ] || fail "the manual page names no paths of the package"
while read -r path; do
  awk -v path=".${path%/}" '$1 == path || index($1, path "/") == 1 { found = 1 } END { exit !found }' \
    "$work/contents" || fail "the manual page names $path, which the package does not install"
done <"$work/man-paths"
grep -qx "$games_launcher" "$work/man-paths" && grep -qx "$games_dir/" "$work/man-paths" ||
  fail "the manual page does not name $games_launcher and $games_dir/"
echo "the manual page names the package's paths: $(tr '\n' ' ' <"$work/man-paths")"

echo "== lintian $(basename "$deb")"
# At lintian's default level, information tags shown too. Run as root it
# says on standard error that it should not be; that is no finding.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.out" 2>"$work/lintian.err"
status=$?
cat "$work/lintian.out"
grep -vx 'running with root privileges is not recommended!' "$work/lintian.err"
grep -q '^[EW]: ' "$work/lintian.out" && fail "lintian finds errors or warnings in the package"
[ $status -eq 0 ] || fail "lintian exited with status $status"
echo "lintian: no errors, no warnings, $(grep -c '^I: ' "$work/lintian.out") information tags"

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
[ "$(readlink -f "$games_launcher")" = "$games_dir/tanglewick" ] ||
  fail "$games_launcher does not lead to $games_dir/tanglewick"
for n in 8 9 10 11 12; do
  cmp -s "$here/data/Words$n.Txt" "$games_dir/Words$n.Txt" || fail "$games_dir/Words$n.Txt is not the shipped word file"
done
# Stripped as Debian strips programs: no symbols, no .comment section.
file -b "$games_dir/tanglewick" | grep -q ', stripped$' || fail "$games_dir/tanglewick is not stripped"
objdump -h "$games_dir/tanglewick" | grep -q ' \.comment ' && fail "$games_dir/tanglewick keeps its .comment section"
# The menu entry names the launcher by its full path: /usr/games is not on
# every PATH.
check_desktop_files /usr "$games_launcher"
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
for library in $(objdump -p "$games_dir/tanglewick" | awk '$1 == "NEEDED" { print $2 }'); do
  path=$(ldd "$games_dir/tanglewick" | awk -v name="$library" '$1 == name { print $3 }')
  [ -n "$path" ] || fail "$library, which the game links, is not found"
  owned_by_dependency "$(readlink -f "$path")" || fail "the package does not depend on the package of $library"
done
for family in "Liberation Sans" "Liberation Mono"; do
  mapfile -t fonts < <(fc-list ":family=$family" file | sed 's/: *$//')
  [ ${#fonts[@]} -gt 0 ] && owned_by_dependency "${fonts[@]}" || fail "the package does not depend on a package of $family"
done
echo "it depends on the packages of the libraries it links and of its fonts"

echo "== the installed game's options"
# Runs the installed launcher with ARGS as from a terminal without a
# display: its standard output goes to option.out, its standard error to
# option.err, its exit status to option_status. Opening a window would fail
# without a display, and would show in all three.
run_launcher() { # ARGS...
  (cd "$work/home" && exec timeout 20 env -i HOME="$work/home" PATH=/usr/bin:/bin:/usr/games \
    "$games_launcher" "$@") >"$work/option.out" 2>"$work/option.err"
  option_status=$?
}
# Checks the last run: exit status STATUS, standard output OUT and standard
# error ERR exactly. Reports what differs, and returns non-zero then.
check_run() { # WHAT STATUS OUT ERR
  local ok=0
  if [ "$option_status" -ne "$2" ]; then
    echo "  $1: exit status $option_status, not $2"
    ok=1
  fi
  if ! cmp -s "$work/option.out" <(printf '%s' "$3"); then
    echo "  $1: standard output differs:"
    diff <(printf '%s' "$3") "$work/option.out" | sed 's/^/    /'
    ok=1
  fi
  if ! cmp -s "$work/option.err" <(printf '%s' "$4"); then
    echo "  $1: standard error differs:"
    diff <(printf '%s' "$4") "$work/option.err" | sed 's/^/    /'
    ok=1
  fi
  return $ok
}
mkdir -m 700 "$work/home"
ok=0
for option in --version -v; do
  run_launcher "$option"
  check_run "tanglewick $option" 0 "Tanglewick $version"$'\n' "" || ok=1
done
[ $ok -eq 0 ] && echo "tanglewick --version, -v: Tanglewick $version, exit status 0" ||
  fail_later "tanglewick --version does not print \"Tanglewick $version\" and exit with status 0"
ok=0
for option in --help -h; do
  run_launcher "$option"
  check_run "tanglewick $option" 0 "$usage"$'\n' "" || ok=1
done
[ $ok -eq 0 ] && echo "tanglewick --help, -h: the usage, exit status 0" ||
  fail_later "tanglewick --help does not print the usage and exit with status 0"
ok=0
run_launcher --bogus
check_run "tanglewick --bogus" 64 "" "tanglewick: unknown option 'bogus'"$'\n\n'"$usage"$'\n' || ok=1
run_launcher foo
check_run "tanglewick foo" 64 "" "tanglewick: unexpected argument 'foo'"$'\n\n'"$usage"$'\n' || ok=1
[ $ok -eq 0 ] && echo "tanglewick --bogus, tanglewick foo: the error and the usage on standard error, exit status 64" ||
  fail_later "tanglewick does not answer a usage error with its message, the usage and exit status 64"

echo "== the game from its menu entry"
# As a menu does: the Exec= line without its field codes, run from the home
# directory, in a plain environment whose PATH lacks /usr/games, as root's
# does.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop" | head -n 1)
exec_line=$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")
read -ra exec_words <<<"$exec_line"
[ ${#exec_words[@]} -gt 0 ] || fail "the desktop entry has no Exec= line"
echo "Exec=$exec_line"
(cd "$work/home" && exec env -i HOME="$work/home" DISPLAY="$DISPLAY" PATH=/usr/local/bin:/usr/bin:/bin \
  "${exec_words[@]}") >"$work/package.log" 2>&1 &
game=$!
pids+=("$game")
check_game_window "$game" "$games_dir/tanglewick" "$work/package.log" "/usr/share/applications/$app_id.desktop"

echo "== apt-get remove tanglewick"
apt_get remove tanglewick >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove failed"; }
package_installed=
installed && fail "tanglewick is still installed"
for path in "$games_launcher" "$games_dir" /usr/share/doc/tanglewick /usr/share/man/man6/tanglewick.6.gz \
  "/usr/share/applications/$app_id.desktop"; do
  [ ! -e "$path" ] && [ ! -L "$path" ] || fail "$path is left after the game's removal"
done

if [ $failures -gt 0 ]; then
  echo "package: 0 passed, 1 failed ($failures of its checks)"
  exit 1
fi
echo "package: 1 passed, 0 failed"
