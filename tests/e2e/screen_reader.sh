#!/usr/bin/env bash
# Plays the real game by ear and keyboard, as a blind player would: the game
# and the Orca screen reader share an accessibility bus under Xvfb and a
# window manager, the keys are real X input, and the test listens to what
# Orca would speak (its debug log's SPEECH OUTPUT lines; no audio needed)
# and reads the window over the bus as a screen reader finds it
# (read_game.py). It checks that Orca speaks:
# - the scrambled letters of every word drawn (at start-up, New Word, a
#   length choice), as the tiles hold them, and again when the focus comes
#   back to the guess box;
# - the typed letters, each verdict as the window shows it, the new score
#   after a right guess, the answer Show Word reveals, and the summary at
#   closing.
# Installs what it needs when it can; skips (status 77) when it cannot, or
# when the user already runs Orca (only one runs at a time).
# Usage: screen_reader.sh GAME_EXECUTABLE
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$1

# The accessibility bus, Orca and the game share a session bus of their own,
# which ends with the test.
if [ -z "${TANGLEWICK_IN_SESSION:-}" ]; then
  # What is missing, on one line.
  missing() {
    local tool absent=()
    for tool in Xvfb openbox wmctrl xdotool bc pgrep orca dbus-run-session dbus-send script \
      /usr/libexec/at-spi-bus-launcher; do
      command -v "$tool" >/dev/null || absent+=("$tool")
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || absent+=(pyatspi)
    echo "${absent[*]}"
  }
  if [ -n "$(missing)" ]; then
    echo "Installing what is missing: $(missing)"
    "$here/../../scripts/install-deps.sh" screen-reader
    [ -z "$(missing)" ] || { echo "SKIP: cannot run without $(missing)"; exit 77; }
  fi
  # Orca runs once for each user: the player's own is left alone.
  if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: Orca is already running for this user, and the test will not replace it"
    exit 77
  fi
  TANGLEWICK_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
orca_pid=
terminal_pid=
# Gives process $1 $2 tenths of a second to end by itself, then ends it:
# politely first, for good after 2 s.
stop() {
  local tenths=${2:-0} signal
  for signal in TERM KILL; do
    for _ in $(seq "$tenths"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -"$signal" "$1" 2>/dev/null || return 0
    tenths=20
  done
}
cleanup() {
  # Orca ends first and its terminal then reaps it, so that no finished Orca
  # lingers to stop the next one from starting. (Orca's own shutdown can
  # hang, and it has nothing left to save.)
  [ -z "$orca_pid" ] || { kill -KILL "$orca_pid"; stop "$terminal_pid" 30; }
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "-- what Orca said:"
  spoken_since 0 | sed 's/^/   /'
  exit 1
}

# A player of our own: settings, caches and runtime files in the work
# directory, so that Orca starts with its defaults and no first-run setup.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# One word a length, so that the test knows the answer.
mkdir "$work/game"
cp "$game" "$work/game/tanglewick"
echo triangle > "$work/game/Words8.Txt"
echo chocolate > "$work/game/Words9.Txt"

. "$here/../../scripts/lib/xserver.sh"
start_xvfb "$work"
openbox >/dev/null 2>&1 &
pids+=($!)

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
bus_up() {
  dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 50); do bus_up && break; sleep 0.1; done
bus_up || fail "the accessibility bus did not start"

# Orca writes its log line by line only to a terminal: script(1) gives it one.
log=$work/orca.log
script -qfec "exec orca --debug-file /dev/tty -d speech,braille" /dev/null </dev/null >"$log" 2>&1 &
terminal_pid=$!
for _ in $(seq 50); do orca_pid=$(pgrep -P "$terminal_pid") && break; sleep 0.1; done
[ -n "$orca_pid" ] || fail "Orca did not start"

# What Orca said after line $1 of its log, one utterance a line (lines of a
# longer one joined by " / "), without the voice settings that follow it.
spoken_since() {
  tail -n +"$(($1 + 1))" "$log" | tr -d '\r' | awk '
    function flush() { if (said != "") { sub(/'\'' ?\{[^{}]*\}$/, "", said); sub(/ +$/, "", said); print said } said = "" }
    /^[0-9][0-9]:[0-9][0-9]:[0-9.]+ - / {
      flush()
      if (match($0, /SPEECH OUTPUT: '\''/)) said = substr($0, RSTART + RLENGTH)
      next
    }
    said != "" { sub(/ +$/, "", said); sub(/^ +/, ""); said = said " / " $0 }
    END { flush() }'
}
mark() { wc -l <"$log"; }
# Waits up to 10 s for Orca to say, after line $1, an utterance matching the
# extended regular expression $2 in full, and prints it.
await_said() {
  local said
  for _ in $(seq 100); do
    said=$(spoken_since "$1" | grep -E -x -m 1 -- "$2") && { echo "$said"; return 0; }
    sleep 0.1
  done
  return 1
}
expect_said() {
  local said
  said=$(await_said "$@") || fail "Orca did not say /$2/"
  echo "   Orca: $said"
}
# Waits for Orca to speak a word's letters, "Scrambled letters, R T A I N G
# L E.", after $1 ("notification " or nothing), and sets said to the
# utterance and word to the letters run together.
hear_letters() {
  said=$(await_said "$at" "$1Scrambled letters, [A-Z]( [A-Z])*\.") || fail "Orca did not speak the letters"
  echo "   Orca: $said"
  word=$(sed -E 's/.*, //; s/[ .]//g' <<<"$said")
}
# Checks the window as read over the bus against the one line $1.
expect_window() {
  local seen
  seen=$(/usr/bin/python3 "$here/read_game.py")
  [ "$seen" = "$1" ] || fail "over the bus the window reads
   $seen
 not
   $1"
}
keys() { xdotool key --delay 60 "$@"; }
steps=0
step() { echo "== $*"; steps=$((steps + 1)); at=$(mark); }
blanks() { printf '_%.0s' $(seq "$1"); }

for _ in $(seq 100); do grep -aq 'ORCA: Starting ATSPI registry' "$log" && break; sleep 0.1; done
grep -aq 'ORCA: Starting ATSPI registry' "$log" || fail "Orca did not start"

step "start-up: the first word's letters"
started=$(date +%s.%N)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/game/tanglewick" >"$work/game.log" 2>&1 &
pids+=($!)
hear_letters ""
[ "$(grep -o . <<<"$word" | sort | tr -d '\n')" = AEGILNRT ] || fail "the letters spoken, $word, are not those of TRIANGLE"
expect_window "scrambled=$word$(blanks 4) yours=$(blanks 12) verdict= score=0"
[ "$(spoken_since "$at" | grep -c "Scrambled letters")" = 1 ] || fail "the first word's letters were spoken more than once"

step "a wrong guess: the letters typed, the verdict"
keys a b Return
expect_said "$at" "a"
expect_said "$at" "b"
expect_said "$at" "notification InCorrect !!!"
expect_window "scrambled=$word$(blanks 4) yours=$(blanks 12) verdict=InCorrect !!! score=0"
step "Enter again with the verdict on show: the verdict again"
keys Return
expect_said "$at" "notification InCorrect !!!"

step "a right guess: the verdict and the new score"
keys t r i a n g l e Return
expect_said "$at" "notification Congratulations !!! Your Word Is Correct\. Score 1\."
expect_window "scrambled=$word$(blanks 4) yours=TRIANGLE$(blanks 4) verdict=Congratulations !!! Your Word Is Correct. score=1"

step "a length choice: after the round button, the new word's letters"
# The focus went from the guess box to New Word; past the score and the
# verdict lies the round button chosen.
keys Tab Tab Tab Down
hear_letters "notification "
[ ${#word} = 9 ] || fail "after choosing 9 letters Orca spoke $word"
spoken_since "$at" | grep -A100 -x -m 1 "9 letters\." | grep -qxF -- "$said" ||
  fail "the letters were not spoken after the round button chosen"
expect_window "scrambled=$word$(blanks 3) yours=$(blanks 12) verdict=Congratulations !!! Your Word Is Correct. score=1"

step "back in the guess box: the letters again"
keys shift+Tab shift+Tab shift+Tab shift+Tab
expect_said "$at" "Guess text\."
expect_said "$at" "Scrambled letters, $(sed 's/./& /g; s/ $//' <<<"$word")\."
step "a right guess with the verdict still on show: the verdict again, the new score"
keys c h o c o l a t e Return
expect_said "$at" "notification Congratulations !!! Your Word Is Correct\. Score 2\."

step "New Word: the new word's letters"
keys Return
hear_letters "notification "
expect_window "scrambled=$word$(blanks 3) yours=$(blanks 12) verdict= score=2"

step "Show Word: the answer"
keys shift+Tab shift+Tab shift+Tab
expect_said "$at" "Show word push button\."
expect_said "$at" "Shows the answer in the second row of tiles\."
keys space
expect_said "$at" "notification The word is CHOCOLATE, spelt C H O C O L A T E\."
expect_window "scrambled=$word$(blanks 3) yours=CHOCOLATE$(blanks 3) verdict= score=2"

step "closing: the summary"
wmctrl -c Tanglewick
expect_said "$at" "You Have Played Tanglewick For [0-9:]{8} / And Played 2 Tanglewick Words / \
And You Had 2 In Correct Guess / Total Scores Was 2 / Have A Nice Day GoodBye\."
keys Return
echo "played by ear in $(echo "$(date +%s.%N) - $started" | bc) s"
echo "$steps passed, 0 failed"
