#!/usr/bin/env bash
# The real program's options: with no display at all (where the game window
# could not even be tried), --help and --version answer on standard output
# and end with status 0; any other argument is passed over with a one-line
# note on standard error, and the game starts and plays on (offscreen, for 5
# seconds) as without it.
# Usage: options.sh GAME_EXECUTABLE
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/check.sh"
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the game with the arguments given and no display, in a terminal's
# UTF-8 locale (in the C locale Qt 6.8 notes on standard error that it takes
# C.UTF-8), and checks its exit status, and that each stream is empty (for an
# empty pattern) or as a whole matches the Perl regular expression given for it.
answers() { # STATUS STDOUT_PATTERN STDERR_PATTERN ARGUMENTS...
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "${run[@]}" "$game" "${@:4}" >"$work/1" 2>"$work/2"
  local status=$? fd pattern
  [ "$status" = "$1" ] || no "ended with status $status: $(cat "$work/2")" || return
  for fd in 1 2; do
    pattern=${@:fd+1:1}
    if [ -z "$pattern" ]; then [ ! -s "$work/$fd" ]; else grep -Pqz -- "\A$pattern\z" "$work/$fd"; fi ||
      no "printed on file descriptor $fd: $(cat "$work/$fd")" || return
  done
}
expect() { check "tanglewick ${*:4}: status $1, and the output expected" answers "$@"; }

run=()
version='Tanglewick 1\.00\.0001\n'
# The whole usage: Qt's own options stay out of it.
usage='Usage: tanglewick \[OPTION\]\nUnscramble the letters and guess the hidden word\.\n\nOptions:\n'
usage+='  -h, --help +Show this help and exit\.\n  -v, --version +Show the version and exit\.\n\n'
usage+='It also takes the standard options of Qt programs, such as -style\.\n'
usage+='Any other argument is passed over, and the game starts as without it\.\n'
for option in --version -v; do expect 0 "$version" '' "$option"; done
for option in --help -h; do expect 0 "$usage" '' "$option"; done
# Qt's own options pass on to Qt.
expect 0 "$version" '' -style fusion -reverse --version
expect 0 "$usage" '' Zoë.txt --bogus --help
# Anything else: the note, then the game, still playing when its time is up
# (status 124).
mkdir -m 700 "$work/run"
run=(timeout 5 env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run")
expect 124 '' "tanglewick: ignoring argument 'Zoë\.txt'\n" Zoë.txt
expect 124 '' "tanglewick: ignoring unknown option 'bogus', argument 'Words8\.Txt'\n" --bogus Words8.Txt
expect 124 '' "tanglewick: ignoring missing value after '-style'\n" -style
expect 124 '' '' -style fusion -reverse
finish
