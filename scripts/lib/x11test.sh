# Sourced by the scripts that run the game under X: bounded waits, an X
# server and a window manager of the test's own in a work directory, and at
# exit the end of every process the test started (its pids, last started
# first) and of the work directory. Counts checks as check.sh does.
. "$(dirname "${BASH_SOURCE[0]}")/check.sh"
# Runs the command that follows until it succeeds, at most $1 times a tenth of
# a second apart; fails if it never does.
await() { local tries=$1; shift; until "$@"; do ((--tries > 0)) || return 1; sleep 0.1; done; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# Gives process $1 $2 tenths of a second (default none) to end by itself, then
# ends it: politely first, for good after 2 s. (An explicit status: in an
# exit trap, a bare return gives the status the script is ending with.)
stop() {
  local tries=${2:-1} signal
  for signal in TERM KILL; do await "$tries" gone "$1" && return 0; kill -"$signal" "$1" 2>/dev/null; tries=20; done
  return 0
}
# Run at exit, by whatever path: set -e, which the script may have set, must
# not cut it short.
cleanup() { set +e; local i; for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done; rm -rf "$work"; }
pids=()
# Runs the script again on a session bus of its own, which ends with it.
own_session() { [ -n "${TANGLEWICK_IN_SESSION:-}" ] || TANGLEWICK_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$@"; }

# Makes the work directory, a home of its own in it (no settings, caches or
# first-run setup of the user's) and a private runtime directory.
make_work() {
  work=$(mktemp -d)
  trap cleanup EXIT # bash runs it on a fatal signal too
  export HOME=$work/home XDG_RUNTIME_DIR=$work/run GSETTINGS_BACKEND=memory
  unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
  mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
  # On a session bus of the test's own (dbus-run-session, begun before this
  # home was made), what the bus starts on demand gets this home and runtime
  # directory too: Debian 13's accessibility bus, which mutter's frames and
  # KWin ask for, would otherwise leave its folders in the user's home.
  if [ -n "${TANGLEWICK_IN_SESSION:-}" ] && command -v dbus-update-activation-environment >/dev/null; then
    dbus-update-activation-environment HOME XDG_RUNTIME_DIR GSETTINGS_BACKEND >/dev/null 2>&1 || true
  fi
}
# Starts an X server of our own and points DISPLAY at it. Xvfb picks a
# free display itself and tells it; -noreset keeps it up between clients.
start_xvfb() {
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  pids+=($!)
  await 50 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
  await 50 xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb does not answer"
  unset QT_QPA_PLATFORM
}
start_x11() {
  make_work
  start_xvfb
  openbox >/dev/null 2>&1 &
  pids+=($!)
  await 50 wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"
}
# The id of a visible window whose title matches $1, if there is one: one of
# the window manager's clients (_NET_CLIENT_LIST), not a frame around one.
# (mutter 48 has its frames drawn by a client of their own, mutter-x11-frames,
# which names each frame as its window; a frame's geometry takes in its
# shadow, and its properties are not the window's.)
window_named() {
  local clients window
  clients=$(xprop -root -notype _NET_CLIENT_LIST 2>/dev/null) || return 1
  for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    grep -qiw -- "$(printf '%#x' "$window")" <<<"$clients" && echo "$window" && return 0
  done
  return 1
}
# Waits up to a minute for the game's window and sets window to its id;
# checks that no message box came up beside it (a word file not found would
# show one) and that its client area is the game's 698x280. $1 is the log of
# the game's start, for a failure to show.
await_game_window() { # LOG
  local title size
  title="$(printf '%83s' '')Tanglewick"
  window=$(await 600 window_named "^${title}\$") || fail "no window named '$title' within a minute: $(cat "$1")"
  sleep 2
  ! xdotool search --onlyvisible --name '^(Tanglewick|Error)$' >/dev/null 2>&1 || fail "a message box came up: $(cat "$1")"
  size=$(xwininfo -id "$window" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')
  [ "$size" = 698x280 ] || fail "the client area is $size, not 698x280"
}
# Makes the work directory, then starts GNOME's mutter as a headless Wayland
# compositor (on the session bus it is given) with its Xwayland, and points X
# clients, Qt included, at that X server. mutter makes a missing X socket
# directory without write access for others, and then refuses it.
start_mutter() {
  make_work
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  env -u DISPLAY -u WAYLAND_DISPLAY mutter --wayland --headless --virtual-monitor 1280x800 >"$work/mutter.log" 2>&1 &
  pids+=($!)
  await 100 grep -qs 'Using public X11 display' "$work/mutter.log" || fail "mutter did not start: $(tail -n 2 "$work/mutter.log")"
  DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/mutter.log")
  XAUTHORITY=$(echo "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*) QT_QPA_PLATFORM=xcb
  export DISPLAY XAUTHORITY QT_QPA_PLATFORM
  unset WAYLAND_DISPLAY
  await 100 wmctrl -m >/dev/null 2>&1 || fail "Xwayland did not start: $(tail -n 2 "$work/mutter.log")"
}
# Lets root run KDE's kwin_wayland. Debian gives it a file capability
# (cap_sys_resource in KWin 5.27, cap_sys_nice in 6), and where that is not
# in the bounding set, as in a container, the kernel refuses to run it at
# all ("Operation not permitted"). As root, removes the capability whenever
# it is there (setcap -r; a reinstall or upgrade of kwin-wayland brings it
# back); fails when KWin still does not run, and skips (77) for another
# user, who cannot remove it.
let_kwin_run() {
  local kwin
  kwin=$(command -v kwin_wayland)
  if [ "$(id -u)" = 0 ]; then
    [ -z "$(missing getcap setcap)" ] || fail "getcap and setcap (libcap2-bin) are not installed"
    if [ -n "$(getcap "$kwin")" ]; then setcap -r "$kwin" || fail "could not remove the file capabilities of $kwin"; fi
  fi
  "$kwin" --version >/dev/null 2>&1 && return 0
  [ "$(id -u)" != 0 ] || fail "kwin_wayland does not run: $("$kwin" --version 2>&1 | tail -n 1)"
  skip "$kwin does not run for this user (its file capabilities?): root's run of this test lets it"
}
# Makes the work directory, then starts KDE's KWin as a headless Wayland
# compositor (on the session bus it is given) with its Xwayland, and points X
# clients, Qt included, at that X server. KWin tells the X display and
# authority file of its Xwayland (a free display it picks itself) only to
# the programs it is told to start once Xwayland is up, in their
# environment: the one it is given writes them down for the test.
start_kwin() {
  make_work
  let_kwin_run
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  printf '#!/bin/sh\necho "$DISPLAY $XAUTHORITY" >"%s.new" && mv "%s.new" "%s"\n' \
    "$work/xdisplay" "$work/xdisplay" "$work/xdisplay" >"$work/tell-xdisplay"
  chmod +x "$work/tell-xdisplay"
  env -u DISPLAY -u WAYLAND_DISPLAY -u XAUTHORITY kwin_wayland --virtual --xwayland --socket tanglewick \
    --width 1280 --height 800 --no-lockscreen --no-global-shortcuts --no-kactivities \
    "$work/tell-xdisplay" >"$work/kwin.log" 2>&1 &
  pids+=($!)
  await 200 test -s "$work/xdisplay" || fail "KWin did not start Xwayland: $(tail -n 2 "$work/kwin.log")"
  read -r DISPLAY XAUTHORITY <"$work/xdisplay"
  QT_QPA_PLATFORM=xcb
  export DISPLAY QT_QPA_PLATFORM
  # Started alone (not by kwin_wayland_wrapper), KWin 5.27 and 6.3 give
  # their Xwayland no authority file; one that a later KWin names is used.
  if [ -n "$XAUTHORITY" ]; then export XAUTHORITY; else unset XAUTHORITY; fi
  unset WAYLAND_DISPLAY
  await 100 wmctrl -m >/dev/null 2>&1 || fail "KWin does not manage X windows: $(tail -n 2 "$work/kwin.log")"
  # The frames are Breeze's, as on a Plasma desktop, or the test is not
  # the one it means to be: KWin names its decoration in its own report.
  kwin_decoration=$(dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.kde.KWin.supportInformation |
    awk '/^Decoration$/ { on = 1 } on && /^Plugin: / { print $2; exit }')
  [ "$kwin_decoration" = org.kde.breeze ] ||
    skip "KWin's frames are not Breeze's (${kwin_decoration:-none}): not installed: kwin-style-breeze"
}
# Makes the work directory, then starts weston as a headless Wayland
# compositor (no X server, no keyboard or pointer), logging to
# $work/weston.log the requests its clients make, and points Qt at it.
start_weston() {
  make_work
  unset DISPLAY
  export WAYLAND_DISPLAY=tanglewick QT_QPA_PLATFORM=wayland
  weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" \
    --log="$work/weston.log" --logger-scopes=log,proto >/dev/null 2>&1 &
  pids+=($!)
  await 50 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
}
# Twice the offset of window $1's outer centre, frame included, from the
# screen's, so that odd sizes need no fractions: "DX DY". (xwininfo, as
# xdotool's geometry counts the frame in twice.)
centre_offset() {
  { xwininfo -id "$1"; xprop -id "$1" _NET_FRAME_EXTENTS; xwininfo -root; } | awk -F '[:=,] *' '
    /Absolute upper-left X/ { x[++n] = $2 } /Absolute upper-left Y/ { y[n] = $2 }
    /^ *Width/ { w[n] = $2 } /^ *Height/ { h[n] = $2 } /^_NET_FRAME_EXTENTS/ { l = $2; r = $3; t = $4; b = $5 }
    END { print 2 * (x[1] - l) + w[1] + l + r - w[2], 2 * (y[1] - t) + h[1] + t + b - h[2] }'
}
# Captures window $1 into $2 once it differs from $3 and has held still for
# 0.6 s, longer than a blinking caret stays on or off; 10 s at most.
shoot() {
  local still=0 tries=100
  : >"$2"
  while ((still < 6 && tries-- > 0)); do
    sleep 0.1 && xwd -silent -id "$1" >"$2.new" || continue
    if cmp -s "$2.new" "$2" && ! cmp -s "$2.new" "$3"; then ((++still)); else still=0 && mv "$2.new" "$2"; fi
  done
  ((still >= 6)) || fail "window $1 did not settle for $2"
}
# Whether window $1 carries, among its own icons, the PNG $2.
has_icon() {
  xprop -id "$1" -notype 32c _NET_WM_ICON >"$work/icon.txt" && /usr/bin/convert "$2" -depth 8 rgba:"$work/icon.rgba" &&
    python3 "$(dirname "${BASH_SOURCE[0]}")/has_icon.py" "$work/icon.txt" "$work/icon.rgba" "$(/usr/bin/identify -format %w "$2")"
}
