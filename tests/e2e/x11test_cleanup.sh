#!/usr/bin/env bash
# The X test library (scripts/lib/x11test.sh) leaves nothing behind on any
# path out of a test: a script that starts Xvfb and openbox under set -e,
# with a process of its own already gone, and then fails a check or is
# ended by a signal, leaves no process it started running and no work
# folder. Skips (status 77) when Xvfb or openbox is not installed.
set -uo pipefail
library=$(cd "$(dirname "$0")/../../scripts/lib" && pwd)/x11test.sh
. "$library"
need Xvfb openbox wmctrl xdotool
record=$(mktemp)
trap 'rm -f "$record"' EXIT

leaves_nothing() { # ENDING
  bash -c '
    set -euo pipefail
    . "$1"
    start_x11
    sleep 0.1 & pids+=($!) # over before the end
    echo "$work ${pids[*]}" >"$2"
    sleep 0.5
    [ "$3" = "a signal" ] && kill -TERM $$
    fail "the check failed, as it was meant to"
    sleep 30' _ "$library" "$record" "$1" >/dev/null 2>&1
  read -r left started <"$record"
  for pid in $started; do await 50 gone "$pid" || no "$(ps -o comm= "$pid") ($pid) is still running" || return; done
  [ ! -e "$left" ] || no "the work folder $left is left"
}
for ending in "a failed check" "a signal"; do check "after $ending: no process and no work folder left" leaves_nothing "$ending"; done
finish
