# Sourced by a test under x11test.sh that listens to the Orca screen reader:
# the accessibility bus, Orca writing a debug log, and what it says as the
# log's SPEECH OUTPUT lines (no audio needed).

# Starts the accessibility bus, then Orca, its log in $log. Orca writes its
# log line by line only to a terminal: script(1) gives it one. At the end
# Orca goes first, for good (its own shutdown can hang, and it has nothing to
# save), and its terminal then reaps it, so that no finished Orca lingers to
# stop the next one from starting.
start_a11y_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  await 50 dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
    org.freedesktop.DBus.GetNameOwner string:org.a11y.Bus >/dev/null 2>&1 || fail "the accessibility bus did not start"
}
start_orca() {
  log=$work/orca.log on_fail=show_speech
  script -qfec "exec orca --debug-file /dev/tty" /dev/null </dev/null >"$log" 2>&1 &
  terminal=$!
  pids+=($terminal)
  orca=$(await 50 pgrep -P "$terminal") || fail "Orca did not start"
  trap 'kill -KILL "$orca"; stop "$terminal" 30; cleanup' EXIT
  # Orca 43 logs the first, Orca 48 the second, once it listens.
  await 100 grep -aqE 'ORCA: Starting (ATSPI registry|Atspi main event loop)' "$log" || fail "Orca did not start"
}
# What Orca said after line $1 of its log, one utterance a line (lines of a
# longer one joined by " / "), without the voice settings that follow it.
spoken_since() {
  tail -n +"$(($1 + 1))" "$log" 2>/dev/null | tr -d '\r' | awk '
    /^[0-9][0-9]:[0-9][0-9]:[0-9.]+ - / { on = sub(/^.* - SPEECH OUTPUT: '\''/, ""); said = "" }
    on { sub(/^ +/, ""); sub(/ +$/, "", said); said = said (said == "" ? "" : " / ") $0 }
    on && sub(/'\'' ?\{[^{}]*\}$/, "", said) { sub(/ +$/, "", said); print said; on = 0 }'
}
# On a failure: what Orca said, or, if it said nothing, the end of its log.
show_speech() {
  if [ -n "$(spoken_since 0)" ]; then echo "-- what Orca said:" && spoken_since 0; else echo "-- the end of Orca's log:" && tail -n 15 "$log" | tr -d '\r'; fi | sed 's/^/   /'
}
# Listening from line $at of the log on, after the $heard utterances heard
# so far: whether Orca said one matching the extended regular expression $1
# in full; if so, sets got to it and counts it heard.
hear() {
  got=$(spoken_since "$at" | tail -n +"$((heard + 1))" | grep -Exn -- "$1") || return
  got=${got%%$'\n'*} && heard=$((heard + ${got%%:*})) && got=${got#*:}
}
# Waits up to 10 s for each utterance in turn.
said() { local pattern; for pattern; do await 100 hear "$pattern" || fail "Orca did not say /$pattern/"; echo "   Orca: $got"; done; }
# Listens from here on.
listen() { at=$(wc -l <"$log") heard=0; }
