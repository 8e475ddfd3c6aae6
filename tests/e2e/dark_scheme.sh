#!/usr/bin/env bash
# Runs the real game under Xvfb and a window manager under the default palette,
# then under KDE's Breeze Dark colour scheme (a kdeglobals read by Qt's KDE
# platform theme), and checks that the window's client area is the same pixel
# for pixel at the first word (of eight like letters: always scrambled alike),
# with a guess typed, and at the verdict; the summary, a box of the desktop's,
# shows that the scheme reached Qt. The shots of a state that differs stay in
# $TANGLEWICK_TEST_OUTPUT. Skips (77) when a tool is missing.
# Usage: dark_scheme.sh GAME_EXECUTABLE
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
absent=$(missing Xvfb openbox wmctrl xdotool xwd)
[ -z "$absent" ] || { echo "SKIP: not installed: $absent"; exit 77; }
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP KDE_SESSION_VERSION
start_x11
cp "$1" "$work/tanglewick"
for n in 8 9 10 11 12; do printf '%*s\n' "$n" '' | tr ' ' a >"$work/Words$n.Txt"; done
mkdir "$work/kde"
scheme() { printf '[Colors:%s]\nBackgroundNormal=%s\nBackgroundAlternate=%s\nForegroundNormal=252,252,252\n' "$@"; }
{ scheme Window 42,46,50 49,54,59; scheme View 27,30,32 35,38,41; scheme Button 49,54,59 30,87,116
  scheme Selection 61,174,233 30,87,116; scheme Tooltip 49,54,59 42,46,50
  printf '[General]\nColorScheme=BreezeDark\n'; } >"$work/kde/kdeglobals"

# Captures window $1's client area into $2 once it differs from $3 and has
# held still for 0.6 s, longer than a blinking caret stays on or off; 10 s at most.
shoot() {
  local still=0 tries=100
  : >"$2"
  while ((still < 6 && tries-- > 0)); do
    sleep 0.1 && xwd -silent -id "$1" >"$2.new" || continue
    if cmp -s "$2.new" "$2" && ! cmp -s "$2.new" "$3"; then ((++still)); else still=0 && mv "$2.new" "$2"; fi
  done
  ((still >= 6)) || fail "window $1 did not settle for $2"
}
# The keys to each state from the one before, all ending on New Word, where no caret blinks.
states=(start typed verdict) keys=("Tab" "shift+Tab b c Tab" "shift+Tab Return Tab")
run() { # SCHEME ENVIRONMENT...
  local name=$1 i shot=/dev/null && shift
  env "$@" "$work/tanglewick" >/dev/null 2>&1 &
  game=$! && pids+=($game)
  main=$(await 200 window_named '^ +Tanglewick$') || fail "the game window did not appear ($name)"
  for i in "${!states[@]}"; do
    timeout 10 xdotool windowactivate --sync "$main" key --delay 60 ${keys[i]} || fail "keys not sent ($name)"
    shoot "$main" "$work/$name-${states[i]}.xwd" "$shot" && shot=$work/$name-${states[i]}.xwd
  done
  wmctrl -i -c "$main"
  summary=$(await 200 window_named '^Tanglewick$') || fail "no summary after the close request ($name)"
  shoot "$summary" "$work/$name-summary.xwd" /dev/null && stop "$game"
}
xdotool mousemove 0 0
# Both on the same desktop, so that only the scheme differs: where KDE's own
# platform theme is installed (Debian 13's Plasma 6 brings it), it also
# gives Qt programs KDE's widget style. The default scheme is KDE's own,
# with no kdeglobals of the user's.
mkdir "$work/kde-default"
run default XDG_CONFIG_HOME="$work/kde-default" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
run dark XDG_CONFIG_HOME="$work/kde" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5

# The summary is the desktop's own box: dark, it shows the scheme reached Qt.
! cmp -s "$work/default-summary.xwd" "$work/dark-summary.xwd" || fail "the dark scheme did not reach Qt"
out=${TANGLEWICK_TEST_OUTPUT:-$work} && mkdir -p "$out"
for state in "${states[@]}"; do
  cmp -s "$work/default-$state.xwd" "$work/dark-$state.xwd" && continue
  cp "$work"/*-"$state".xwd "$out/"
  fail "$state: the window differs under the dark scheme (see $out/*-$state.xwd)"
done
echo "${#states[@]} passed, 0 failed"
