#!/usr/bin/python3
# Reads the game's window over the accessibility bus, as a screen reader
# finds it, and prints it on one line:
#
#   scrambled=RTAINGLE____ yours=____________ verdict=InCorrect !!! score=0
#
# A tile reads as its name: its letter, or _ when the name is empty (anything
# longer stands in brackets; a tile not found as ?). The verdict is the text
# of each verdict box on show; the score is the score box's text. The game's
# announcements are heard, never met: a notification on show is reported as
# a verdict. With the argument "guess", prints the guess box's text alone.
# Exits 1 when the game is not on the bus.
import re
import sys

import pyatspi


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


app = next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Tanglewick"), None)
if app is None:
    sys.exit("the game is not on the accessibility bus")
rows = {"Scrambled letter": {}, "Your letter": {}}
verdicts, score, guess = [], "?", "?"
for accessible in pyatspi.findAllDescendants(app, lambda accessible: True):
    place = re.fullmatch(r"(Scrambled letter|Your letter) (\d+)", accessible.description)
    if place:
        name = accessible.name
        rows[place[1]][int(place[2])] = name if len(name) == 1 else "[%s]" % name if name else "_"
    elif accessible.name == "Score":
        score = text_of(accessible)
    elif accessible.name == "Guess":
        guess = text_of(accessible)
    elif accessible.name == "Verdict" and accessible.getState().contains(pyatspi.STATE_SHOWING):
        verdicts.append(text_of(accessible))
    elif accessible.getRole() == pyatspi.ROLE_NOTIFICATION and accessible.getState().contains(pyatspi.STATE_SHOWING):
        verdicts.append("(a notification met among the controls)")
if sys.argv[1:] == ["guess"]:
    sys.exit(print(guess))
tiles = {row: "".join(places.get(place, "?") for place in range(1, 13)) for row, places in rows.items()}
print("scrambled=%s yours=%s verdict=%s score=%s" % (
    tiles["Scrambled letter"], tiles["Your letter"], " + ".join(verdicts), score))
