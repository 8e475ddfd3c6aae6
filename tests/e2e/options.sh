#!/usr/bin/env bash
# The real program's options, with no display at all: --help and --version
# answer and end, a usage error ends with status 64 and the usage on standard
# error, and none of them needs the window system (without a display the
# game window could not even be tried, and the program would abort).
# Usage: options.sh GAME_EXECUTABLE
set -uo pipefail
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
fail() { echo "FAIL: $*"; exit 1; }

# Whether the file is empty for an empty pattern, else holds a match of it.
printed() { # FILE PATTERN
  if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -Eqz -- "$2" "$1"; fi
}
# Runs the game with the arguments given, with no display, and checks its
# exit status and what it printed on each stream.
expect() { # STATUS STDOUT_PATTERN STDERR_PATTERN ARGUMENTS...
  local status=$1 out=$2 err=$3
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" = "$status" ] || fail "tanglewick $* ended with status $got, not $status: $(cat "$work/err")"
  printed "$work/out" "$out" || fail "tanglewick $* printed on standard output: $(cat "$work/out")"
  printed "$work/err" "$err" || fail "tanglewick $* printed on standard error: $(cat "$work/err")"
  passed=$((passed + 1))
}

usage='^Usage: tanglewick \[OPTION\]
.*  -h, --help .*  -v, --version .*
$'
expect 0 '^Tanglewick 1\.00\.0001
$' '' --version
expect 0 '^Tanglewick 1\.00\.0001
$' '' -v
expect 0 "$usage" '' --help
expect 0 "$usage" '' -h
# Qt's own options pass on to Qt.
expect 0 '^Tanglewick 1\.00\.0001
$' '' -style fusion -reverse --version
expect 64 '' "^tanglewick: unknown option 'bogus'

${usage#^}" --bogus
expect 64 '' "^tanglewick: unexpected argument 'Words8\.Txt'
" Words8.Txt
expect 64 '' "^tanglewick: missing value after '-style'
" -style
echo "$passed passed, 0 failed"
