#!/usr/bin/env bash
# Runs the real game under Xvfb with a window manager, as a player would:
# - checks the window opens centred on the screen, its frame included;
# - closes the window through the window manager's close request, dismisses
#   the summary and checks the program ends with status 0 after the closing
#   animation;
# - starts it without Words8.Txt and checks the missing-file report ends it
#   with its own status, without a summary.
# Usage: play_under_x11.sh GAME_EXECUTABLE WORD_FILE_DIR
set -uo pipefail
game=$1
data=$2

for tool in Xvfb openbox wmctrl xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp "$game" "$work/tanglewick"
cp "$data"/Words*.Txt "$work/"

. "$(dirname "$0")/../../scripts/lib/xserver.sh"
start_xvfb "$work"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# Waits up to 20 s for a visible window whose title matches, and prints its
# id. (xdotool's own --sync gives up when a window vanishes while it looks.)
await_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
}

# Starts the game; its exit status lands in $work/status.
start_game() {
  rm -f "$work/status"
  ( "$work/tanglewick"; echo $? > "$work/status" ) &
  pids+=($!)
}

# Waits up to 10 s for the game to end and prints its exit status.
await_exit() {
  for _ in $(seq 200); do
    [ -s "$work/status" ] && break
    sleep 0.05
  done
  if [ -s "$work/status" ]; then cat "$work/status"; else pkill -f "$work/tanglewick"; echo timeout; fi
}

press_return_in() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool key --clearmodifiers Return
}

# The window's outer rectangle, frame included: "left top width height".
# (xwininfo, as xdotool's own geometry counts the frame in twice.)
outer_geometry() {
  local x y w h fl fr ft fb
  x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$1" | sed -n 's/^ *Width: *//p')
  h=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
  IFS=, read -r fl fr ft fb <<< "$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')"
  echo "$((x - fl)) $((y - ft)) $((w + fl + fr)) $((h + ft + fb))"
}

echo "== the window opens centred, frame included"
start_game
main=$(await_window '^ +Tanglewick$')
[ -n "$main" ] || fail "the game window did not appear"
sleep 0.5
read -r left top width height <<< "$(outer_geometry "$main")"
read -r screen_width screen_height <<< "$(xdotool getdisplaygeometry)"
echo "outer window ${width}x${height} at ${left},${top} on a ${screen_width}x${screen_height} screen"
# Twice the centre's offset, so that odd sizes need no fractions.
dx=$((2 * left + width - screen_width)); dy=$((2 * top + height - screen_height))
(( ${dx#-} <= 1 && ${dy#-} <= 1 )) || fail "the window is not centred: its centre is off by $dx/2, $dy/2 pixels"

echo "== close through the window manager"
wmctrl -i -c "$main"
summary=$(await_window '^Tanglewick$')
[ -n "$summary" ] || fail "no summary after the close request"
started=$(date +%s.%N)
press_return_in "$summary"
status=$(await_exit)
elapsed=$(echo "$(date +%s.%N) - $started" | bc)
echo "closing animation and exit took ${elapsed}s"
[ "$status" = 0 ] || fail "exit status after closing was $status, not 0"
(( $(echo "$elapsed < 10" | bc) )) || fail "closing took ${elapsed}s"

echo "== missing word file"
rm "$work/Words8.Txt"
start_game
report=$(await_window '^Error$')
[ -n "$report" ] || fail "no missing-file report"
if xdotool search --onlyvisible --name '^ +Tanglewick$' >/dev/null 2>&1; then
  fail "the game window was shown although its word file is missing"
fi
press_return_in "$report"
status=$(await_exit)
[ "$status" = 2 ] || fail "exit status after the missing-file report was $status, not 2"

echo "3 passed, 0 failed"
