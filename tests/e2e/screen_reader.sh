#!/usr/bin/env bash
# Plays the real game by ear and keyboard, as a blind player would: the game
# and Orca share an accessibility bus under Xvfb and a window manager, the
# keys are real X input, and the test listens to what Orca would speak and
# reads the window over the bus (scripts/lib/read_game.py). Orca 48 (Qt
# 6.8) speaks announcements as they are; Orca 43 (Qt 6.4) hears them as
# notifications. Skips (status 77) when what it needs cannot be installed,
# or the user already runs Orca (only one runs at a time).
# Usage: screen_reader.sh GAME_EXECUTABLE
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/lib/x11test.sh"
. "$here/../../scripts/lib/orca.sh"

# The accessibility bus, Orca and the game share a session bus of their own,
# which ends with the test.
if [ -z "${TANGLEWICK_IN_SESSION:-}" ]; then
  needs() {
    missing Xvfb openbox wmctrl xdotool pgrep orca dbus-run-session dbus-send script /usr/libexec/at-spi-bus-launcher
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || echo pyatspi
    /usr/bin/python3 -c 'import Xlib' 2>/dev/null || echo python3-xlib
  }
  [ -z "$(needs)" ] || { echo "Installing what is missing: $(needs)"; "$here/../../scripts/install-deps.sh" screen-reader; }
  [ -z "$(needs)" ] || skip "cannot run without $(needs)"
  ! pgrep -u "$(id -u)" -x orca >/dev/null || skip "Orca already runs for this user, and the test will not replace it"
fi
own_session "$@"

start_x11
# One word a length, so that the test knows the answer.
cp "$1" "$work/tanglewick"
echo triangle >"$work/Words8.Txt"
echo chocolate >"$work/Words9.Txt"
start_a11y_bus

# Qt 6.8 and later hand announcements on as such; before, as notifications.
qt=$(readlink -f "$(ldd "$1" | sed -n 's/.*libQt6Core\.so\.6 => \([^ ]*\).*/\1/p')")
case ${qt##*.so.} in 6.[0-7].*) notice="notification " ;; *) notice="" ;; esac
start_orca
step() { check "$*"; listen; }

# Waits for Orca to speak a word's letters ("Scrambled letters, R T A I N G L
# E."), checks they are those of $1, and sets word to them run together.
letters() {
  said "${notice}Scrambled letters, [A-Z]( [A-Z])*\.?"
  word=${got#*, } && word=${word//[!A-Z]/}
  [ "$(grep -o . <<<"$word" | sort)" = "$(grep -o . <<<"$1" | sort)" ] || fail "the letters spoken, $word, are not those of $1"
}
# Checks the window as read over the bus: the scrambled tiles $1 and the
# player's $2 (the rest of each row of 12 empty), the verdict $3, the score $4.
window() {
  local scrambled=$1____________ yours=$2____________ seen
  local expected="scrambled=${scrambled:0:12} yours=${yours:0:12} verdict=$3 score=$4"
  seen=$(/usr/bin/python3 "$here/../../scripts/lib/read_game.py" 2>&1)
  [ "$seen" = "$expected" ] || fail "over the bus the window reads"$'\n'"   $seen"$'\n'" not"$'\n'"   $expected"
}
keys() { xdotool key --delay 60 "$@"; }
right="${notice}Congratulations !!! Your Word Is Correct\\."

step "start-up: the first word's letters"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/tanglewick" >"$work/game.log" 2>&1 &
pids+=($!)
letters TRIANGLE
window "$word" "" "" 0

step "a round of Tab, then one of Shift+Tab: each control on show is spoken, nothing of what lies out of sight"
sleep 1
[ "$(spoken_since 0 | grep -c 'Scrambled letters')" = 1 ] || fail "the first word's letters were spoken more than once"
for key in Tab shift+Tab; do
  at=$(wc -l <"$log")
  # From the guess box round to it again, ten stops; each key once Orca has
  # spoken of the last stop (the key, then the control): Orca 48 passes over
  # a focus event that comes within a tenth of a second of the last.
  for ((stop = 1; stop <= 10; stop++)); do
    before=$(spoken_since "$at" | wc -l)
    keys "$key"
    await 50 eval '(($(spoken_since "$at" | wc -l) >= before + 2))' || fail "Orca said nothing of stop $stop"
    sleep 0.3
  done
  await 100 eval 'spoken_since "$at" | grep -q "^Guess"' || fail "$key did not come round to the guess box"
  round=$(spoken_since "$at")
  echo "$round" | sed "s/^/   $key: /"
  ! grep -qi triangle <<<"$round" || fail "Orca gave away the answer"
  for name in "New Word" "Score" "8 letters" "Show word" "Guess"; do
    grep -q "^$name" <<<"$round" || fail "$key passed $name unspoken"
  done
done

step "a middle click on the guess box pastes nothing of another program's selection"
/usr/bin/python3 "$here/../../scripts/lib/own_selection.py" xyz >"$work/selection.txt" &
pids+=($!)
await 50 grep -qs owned "$work/selection.txt" || fail "no program took the primary selection"
# The middle of the guess box, in the window's client area.
xdotool mousemove --window "$(window_named '^ +Tanglewick$')" 384 196 click 2
sleep 0.5
guess=$(/usr/bin/python3 "$here/../../scripts/lib/read_game.py" guess)
[ -z "$guess" ] || fail "a middle click pasted '$guess' into the guess box"
window "$word" "" "" 0

step "a wrong guess: the letters typed, the verdict; Enter again: the verdict again"
keys a b Return
said a b "${notice}InCorrect !!!"
window "$word" "" "InCorrect !!!" 0
keys Return
said "${notice}InCorrect !!!"

step "a right guess: the verdict and the new score"
keys t r i a n g l e Return
said "$right Score 1\.?"
window "$word" TRIANGLE "Congratulations !!! Your Word Is Correct." 1

step "a length choice: after the round button, the new word's letters"
# The focus went from the guess box to New Word; past the score and the
# verdict lies the round button chosen.
keys Tab Tab Tab Down
said "9 letters( selected radio button)?\."
letters CHOCOLATE
window "$word" "" "Congratulations !!! Your Word Is Correct." 1

step "back in the guess box: the letters again; a right guess: the verdict again, the new score"
keys shift+Tab shift+Tab shift+Tab shift+Tab
said "Guess text\." "${notice}Scrambled letters, $(sed 's/./& /g; s/ $//' <<<"$word")\.?"
keys c h o c o l a t e Return
said "$right Score 2\.?"

step "New Word: the new word's letters"
keys Return
letters CHOCOLATE
window "$word" "" "" 2

step "Show Word: the button and what it does, then the answer"
keys shift+Tab shift+Tab shift+Tab
said "Show word (push )?button\." "Shows the answer in the second row of tiles\."
keys space
said "${notice}The word is CHOCOLATE, spelt C H O C O L A T E\.?"
window "$word" CHOCOLATE "" 2

step "closing: the summary"
wmctrl -c Tanglewick
said "You Have Played Tanglewick For [0-9:]{8} / And Played 2 Tanglewick Words / \
And You Had 2 In Correct Guess / Total Scores Was 2 / Have A Nice Day GoodBye\.?"
finish
