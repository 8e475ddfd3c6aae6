#!/usr/bin/env bash
# Runs the real game under Xvfb and a window manager with the default palette,
# then with KDE's Breeze Dark scheme (a kdeglobals read by Qt's KDE platform
# theme): the window's client area is the same pixel for pixel at the first
# word (eight like letters, always scrambled alike), with a guess typed, and
# at the verdict; the summary, the desktop's own box, shows the scheme reached
# Qt. Shots that differ stay in $TANGLEWICK_TEST_OUTPUT. Skips (77) when a
# tool is missing.
# Usage: dark_scheme.sh GAME_EXECUTABLE
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
need Xvfb openbox wmctrl xdotool xwd
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP KDE_SESSION_VERSION
start_x11
cp "$1" "$work/tanglewick"
for n in 8 9 10 11 12; do printf '%*s\n' "$n" '' | tr ' ' a >"$work/Words$n.Txt"; done
mkdir "$work/kde"
scheme() { printf '[Colors:%s]\nBackgroundNormal=%s\nBackgroundAlternate=%s\nForegroundNormal=252,252,252\n' "$@"; }
{ scheme Window 42,46,50 49,54,59; scheme View 27,30,32 35,38,41; scheme Button 49,54,59 30,87,116
  scheme Selection 61,174,233 30,87,116; scheme Tooltip 49,54,59 42,46,50
  printf '[General]\nColorScheme=BreezeDark\n'; } >"$work/kde/kdeglobals"

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
check "the dark scheme reaches Qt" eval '! cmp -s "$work/default-summary.xwd" "$work/dark-summary.xwd"'
out=${TANGLEWICK_TEST_OUTPUT:-$work} && mkdir -p "$out"
alike() { cmp -s "$work/default-$1.xwd" "$work/dark-$1.xwd" || { cp "$work"/*-"$1".xwd "$out/" && no "see $out/*-$1.xwd"; }; }
for state in "${states[@]}"; do check "the window at $state, the same under the dark scheme" alike "$state"; done
finish
