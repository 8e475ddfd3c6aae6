#!/usr/bin/env bash
# Runs the real game as a native Wayland client of a headless weston, where
# the compositor places windows: the closing slide cannot show, and must not
# hold up the end. Weston has no keyboard or pointer here, so a helper, the
# real window with the real host services, closes the window and dismisses
# the summary itself. Skips (77) without weston or Qt's Wayland plugin.
# Usage: play_under_wayland.sh GAME_EXECUTABLE WORD_FILE_DIR CLOSE_HELPER
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
need weston
compgen -G "$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)/platforms/libqwayland-*.so" >/dev/null ||
  skip "not installed: Qt's Wayland plugin (qt6-wayland)"
start_weston
cp "$1" "$3" "$2"/Words*.Txt "$work/"
helper=$(basename "$3")

# Starts $1 from the work directory for at most 20 s, its output in $work/$1.out and .err.
start() { timeout 20 "$work/$1" >"$work/$1.out" 2>"$work/$1.err" & game=$! && pids+=($game); }
quiet() { [ ! -s "$work/$1.err" ] || fail "$1 printed on standard error: $(cat "$work/$1.err")"; }

check "the window opens, named for the game's desktop entry, with nothing on standard error"
start tanglewick
await 50 grep -q 'xdg_toplevel@[0-9]*\.set_title(" *Tanglewick")' "$work/weston.log" || fail "the game window did not open"
# The desktop matches the window to the game's menu entry, and its icon, by this id.
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org\.tanglewick\.Tanglewick")' "$work/weston.log" ||
  fail "the window does not name the game's desktop entry: $(grep -o 'set_app_id([^)]*)' "$work/weston.log")"
sleep 2
! gone "$game" || fail "the game ended by itself"
quiet tanglewick
stop "$game"

check "closed, the summary dismissed: the end with status 0 within half a second, nothing on standard error"
start "$helper"
wait "$game"
status=$?
ended=$((${EPOCHREALTIME//[!0-9]/} / 1000))
quiet "$helper"
[ "$status" != 124 ] || fail "the game did not end within 20 s"
[ "$status" = 0 ] || fail "the game ended with status $status, not 0"
dismissed=$(sed -n 's/^dismissed //p' "$work/$helper.out")
[ -n "$dismissed" ] || fail "the game ended without a summary"
echo "the game ended $((ended - dismissed)) ms after the summary was dismissed"
((ended - dismissed <= 500)) || fail "the game took longer than half a second to end"
finish
