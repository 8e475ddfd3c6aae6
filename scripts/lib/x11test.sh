# Sourced by the end-to-end scripts that run the game under X: bounded waits,
# an X server and a window manager of the test's own in a work directory,
# and at exit the end of every process the test started (its pids, last
# started first) and of the work directory.
. "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

# The commands named that are not installed, on one line.
missing() { local tool; for tool; do command -v "$tool" >/dev/null || printf '%s ' "$tool"; done; }
# Runs the command that follows until it succeeds, at most $1 times a tenth of
# a second apart; fails if it never does.
await() { local tries=$1; shift; until "$@"; do ((--tries > 0)) || return 1; sleep 0.1; done; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# Gives process $1 $2 tenths of a second (default none) to end by itself, then
# ends it: politely first, for good after 2 s.
stop() {
  local tries=${2:-1} signal
  for signal in TERM KILL; do await "$tries" gone "$1" && return; kill -"$signal" "$1" 2>/dev/null; tries=20; done
}
cleanup() { local i; for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done; rm -rf "$work"; }
fail() { echo "FAIL: $*"; exit 1; }
pids=()

# Makes the work directory, a home of its own in it (no settings, caches or
# first-run setup of the user's), then starts Xvfb and openbox.
start_x11() {
  work=$(mktemp -d)
  trap cleanup EXIT
  export HOME=$work/home XDG_RUNTIME_DIR=$work/run GSETTINGS_BACKEND=memory
  unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
  mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
  start_xvfb "$work"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  await 50 wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"
}
# The id of a visible window whose title matches $1, if there is one.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
