#!/usr/bin/env bash
# Runs the real game under X with a window manager, as a player would:
# openbox on Xvfb, or through Xwayland GNOME's mutter ("mutter") or KDE's
# KWin with its Breeze frames ("kwin"). It starts 20 times with every core
# busy, as with a build beside it; watch_closing.py watches it close. Skips
# (77) when a tool (under KWin, Breeze too) is missing, or kwin_wayland does
# not run for a user other than root.
# Usage: play_under_x11.sh GAME_EXECUTABLE WORD_FILE_DIR [openbox|mutter|kwin]
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
desktop=${3:-openbox}
case $desktop in
mutter) need mutter Xwayland dbus-run-session wmctrl xdotool xwininfo xprop ;;
kwin) need kwin_wayland Xwayland dbus-run-session dbus-send wmctrl xdotool xwininfo xprop ;;
*) need Xvfb openbox wmctrl xdotool xwininfo xprop ;;
esac
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || skip "not installed: python3-xlib"
# mutter and KWin ask for a session bus.
case $desktop in mutter | kwin) own_session "$@" && "start_$desktop" ;; *) start_x11 ;; esac
cp "$1" "$2"/Words*.Txt "$work/"

# timeout bounds the game's whole life, so that waiting for its end is exact.
start_game() { timeout 60 "$work/tanglewick" & game=$! && pids+=($game); }
# Presses Return in window $1 and checks the game then ends with status $2
# within $3 microseconds.
return_ends_game() {
  timeout 10 xdotool windowactivate --sync "$1" || fail "$desktop did not activate window $1"
  local started=${EPOCHREALTIME//[!0-9]/} status took
  xdotool key --clearmodifiers Return
  wait "$game"
  status=$? took=$((${EPOCHREALTIME//[!0-9]/} - started))
  [ "$status" != 124 ] || fail "the game did not end (is its box deaf to the key press?)"
  [ "$status" = "$2" ] || fail "the game ended with status $status, not $2"
  printf 'from the key press to the end: %d.%06d s\n' $((took / 1000000)) $((took % 1000000))
  ((took <= $3)) || fail "the game took longer than $3 microseconds to end"
}

check "20 starts on a busy machine: the window opens centred each time, frame included"
busy=()
for ((core = 0; core < $(nproc); core++)); do (while :; do :; done) & busy+=($!) pids+=($!); done
centred=0
for ((start = 1; start <= 20; start++)); do
  start_game
  main=$(await 200 window_named '^ +Tanglewick$') || fail "the game window did not appear"
  sleep 0.5
  read -r dx dy < <(centre_offset "$main")
  ((${dx#-} <= 1 && ${dy#-} <= 1)) && centred=$((centred + 1)) || echo "start $start: the centre is off by $dx/2, $dy/2 pixels"
  ((start == 20)) || { stop "$game"; await 50 eval '! window_named "^ +Tanglewick$" >/dev/null'; }
done
kill "${busy[@]}"
((centred == 20)) || fail "centred in $centred starts of 20"
# Here, its client area to 100,120, as the window's own gravity has it.
check "the window stays where the player moves it"
wmctrl -i -r "$main" -e 0,100,120,-1,-1
sleep 0.5
at=$(xwininfo -id "$main" | awk -F ': *' '/Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 } END { print x "," y }')
[ "$at" = 100,120 ] || fail "moved to 100,120 by the player, the window went to $at"
check "the window's least and most size are the same"
sizes=$(xprop -id "$main" WM_NORMAL_HINTS | sed -n 's/.* m\(in\|ax\)imum size: //p' | uniq)
[ -n "$sizes" ] && [ "$(wc -l <<<"$sizes")" = 1 ] || fail "the window can be resized: ${sizes:-no least and most size}"
check "the window's own icon is the game's 32 x 32 one"
icon=$(xprop -id "$main" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]* x [0-9]*\)).*/\1/p' | paste -sd ' ')
[ "$icon" = "32 x 32" ] || fail "the window's own icons are '${icon:-none}'"

check "closed through the window manager: the summary; the window shrinks away, the game ends with status 0 in 0.5 s"
wmctrl -i -c "$main"
summary=$(await 200 window_named '^Tanglewick$') || fail "no summary after the close request"
/usr/bin/python3 "$(dirname "$0")/watch_closing.py" "$main" "$game" "$work/closing.log" >"$work/closing.txt" &
watcher=$!
await 100 test -s "$work/closing.log" || fail "the closing watch did not start"
return_ends_game "$summary" 0 500000
wait "$watcher"
watched=$?
cat "$work/closing.txt"
((watched == 0)) || fail "the closing, as seen: $(grep -v "frame - - - -" "$work/closing.log")"

check "without Words8.Txt: the missing-file report, no game window, status 2"
rm "$work/Words8.Txt"
start_game
report=$(await 200 window_named '^Error$') || fail "no missing-file report"
! window_named '^ +Tanglewick$' >/dev/null || fail "the game window was shown although its word file is missing"
return_ends_game "$report" 2 10000000
finish
