#!/usr/bin/env bash
# Runs the real game as an X client of Xwayland under GNOME's mutter, headless:
# closes its window through the window manager's close request, dismisses the
# summary with a real key press and checks the program then ends with status
# 0 within half a second, closing animation included, as it must under any
# window manager.
# Skips (status 77) when a tool it needs is not installed.
# Usage: close_under_mutter.sh GAME_EXECUTABLE WORD_FILE_DIR
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
absent=$(missing mutter Xwayland dbus-run-session wmctrl xdotool xwininfo)
[ -z "$absent" ] || { echo "SKIP: not installed: $absent"; exit 77; }
# mutter asks for a session bus: one of the test's own, which ends with it.
[ -n "${TANGLEWICK_IN_SESSION:-}" ] || TANGLEWICK_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$@"

start_mutter
cp "$1" "$2"/Words*.Txt "$work/"
# timeout bounds the game's whole life, so that waiting for its end is exact.
timeout 60 "$work/tanglewick" &
game=$!
pids+=($game)
main=$(await 200 window_named '^ +Tanglewick$') || fail "the game window did not appear"
sleep 0.5
wmctrl -i -c "$main"
summary=$(await 200 window_named '^Tanglewick$') || fail "no summary after the close request"
timeout 10 xdotool windowactivate --sync "$summary" || fail "mutter did not activate the summary"
started=${EPOCHREALTIME//[!0-9]/}
xdotool key --clearmodifiers Return
wait "$game"
status=$?
took=$((${EPOCHREALTIME//[!0-9]/} - started))
[ "$status" != 124 ] || fail "the game did not end (is the summary deaf to the key press?)"
[ "$status" = 0 ] || fail "the game ended with status $status, not 0"
printf 'from dismissing the summary to the end: %d.%06d s\n' $((took / 1000000)) $((took % 1000000))
((took <= 500000)) || fail "the game took more than 0.5 s to end after its summary was dismissed"
echo "1 passed, 0 failed"
