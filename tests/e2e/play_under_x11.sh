#!/usr/bin/env bash
# Runs the real game under X with a window manager, as a player would:
# openbox on Xvfb, or, headless, through Xwayland, GNOME's mutter ("mutter")
# or KDE's KWin with its Breeze frames ("kwin"):
# - starts it 20 times with every core kept busy, as a build beside it
#   would, and checks the window opens centred on the screen each time, its
#   frame included (to within a pixel); then that it stays where the player
#   moves it, has a size the player cannot change and the game's own
#   32-pixel icon;
# - closes the window through the window manager's close request, dismisses
#   the summary with a real key press and checks the program then ends with
#   status 0 within half a second, closing animation included; meanwhile
#   watches the window shrink about its centre, and its frame go with the
#   game (watch_closing.py);
# - starts it without Words8.Txt and checks the missing-file report ends it
#   with status 2, without a game window.
# Skips (status 77) when a tool it needs is not installed (under KWin:
# Breeze too), or kwin_wayland does not run for a user other than root.
# Usage: play_under_x11.sh GAME_EXECUTABLE WORD_FILE_DIR [openbox|mutter|kwin]
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
desktop=${3:-openbox}
case $desktop in
mutter) absent=$(missing mutter Xwayland dbus-run-session) ;;
kwin) absent=$(missing kwin_wayland Xwayland dbus-run-session dbus-send) ;;
*) absent=$(missing Xvfb openbox) ;;
esac
absent+=$(missing wmctrl xdotool xwininfo xprop)
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || absent+="python3-xlib"
[ -z "$absent" ] || { echo "SKIP: not installed: $absent"; exit 77; }
if [ "$desktop" = mutter ] || [ "$desktop" = kwin ]; then
  # mutter and KWin ask for a session bus: one of the test's own, which ends
  # with it.
  [ -n "${TANGLEWICK_IN_SESSION:-}" ] || TANGLEWICK_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
case $desktop in
mutter) start_mutter ;;
kwin) start_kwin ;;
*) start_x11 ;;
esac
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

echo "== 20 starts on a busy machine: the window opens centred each time, frame included"
busy=()
for ((core = 0; core < $(nproc); core++)); do (while :; do :; done) & busy+=($!) pids+=($!); done
centred=0
for ((start = 1; start <= 20; start++)); do
  start_game
  main=$(await 200 window_named '^ +Tanglewick$') || fail "the game window did not appear"
  sleep 0.5
  # Twice the offset of the window's outer centre from the screen's, so that
  # odd sizes need no fractions. (xwininfo, as xdotool's geometry counts the
  # frame in twice.)
  read -r dx dy < <({ xwininfo -id "$main"; xprop -id "$main" _NET_FRAME_EXTENTS; xwininfo -root; } | awk -F '[:=,] *' '
    /Absolute upper-left X/ { x[++n] = $2 } /Absolute upper-left Y/ { y[n] = $2 }
    /^ *Width/ { w[n] = $2 } /^ *Height/ { h[n] = $2 } /^_NET_FRAME_EXTENTS/ { l = $2; r = $3; t = $4; b = $5 }
    END { print 2 * (x[1] - l) + w[1] + l + r - w[2], 2 * (y[1] - t) + h[1] + t + b - h[2] }')
  ((${dx#-} <= 1 && ${dy#-} <= 1)) && centred=$((centred + 1)) || echo "start $start: the centre is off by $dx/2, $dy/2 pixels"
  ((start == 20)) || { stop "$game"; await 50 eval '! window_named "^ +Tanglewick$" >/dev/null'; }
done
kill "${busy[@]}"
echo "centred in $centred starts of 20"
((centred == 20)) || fail "the window is not always centred"
# Once centred, the window stays where the player moves it (here, its client
# area to 100,120, as the window's own gravity has it).
wmctrl -i -r "$main" -e 0,100,120,-1,-1
sleep 0.5
at=$(xwininfo -id "$main" | awk -F ': *' '/Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 } END { print x "," y }')
[ "$at" = 100,120 ] || fail "moved to 100,120 by the player, the window went to $at"
sizes=$(xprop -id "$main" WM_NORMAL_HINTS | sed -n 's/.* m\(in\|ax\)imum size: //p' | uniq)
[ -n "$sizes" ] && [ "$(wc -l <<<"$sizes")" = 1 ] || fail "the window can be resized: ${sizes:-no least and most size}"
echo "its least and most size are both $sizes"
icon=$(xprop -id "$main" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]* x [0-9]*\)).*/\1/p' | paste -sd ' ')
[ "$icon" = "32 x 32" ] || fail "the window's own icons are '${icon:-none}', not the game's 32 x 32 one"

echo "== close through the window manager: the summary, then the window shrinks away and the game ends"
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

echo "== missing word file: the report, no game window, status 2"
rm "$work/Words8.Txt"
start_game
report=$(await 200 window_named '^Error$') || fail "no missing-file report"
! window_named '^ +Tanglewick$' >/dev/null || fail "the game window was shown although its word file is missing"
return_ends_game "$report" 2 10000000
echo "3 passed, 0 failed ($desktop)"
