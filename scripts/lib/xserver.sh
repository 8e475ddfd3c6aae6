# Sourced by the scripts that run the game under X.
# start_xvfb WORKDIR: starts an X server of our own and exports DISPLAY.
# Xvfb picks a free display itself and tells it; -noreset keeps it up
# between clients. The server's pid is added to the caller's pids array,
# and the caller's fail function reports a server that did not start.
start_xvfb() {
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.05; done
  [ -s "$1/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$1/display")"
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  unset QT_QPA_PLATFORM
}
