#!/usr/bin/python3
"""Reads the game's window over the accessibility bus, as a screen reader
finds it, and prints it on one line:

  scrambled=RTAINGLE____ yours=____________ verdict=InCorrect !!! score=0

A tile reads as its name: its letter, or _ when the name is empty (anything
longer stands in brackets). The verdict is the text of each verdict box on
show; the score is the score box's text. Exits 1 when the game is not on the
bus."""
import re
import sys

import pyatspi


TILE = re.compile(r"(Scrambled letter|Your letter) (\d+)")


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tanglewick":
            return app
    return None


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def tile(name):
    if not name:
        return "_"
    return name if len(name) == 1 else "[" + name + "]"


def main():
    app = game()
    if app is None:
        print("the game is not on the accessibility bus")
        return 1
    rows = {"Scrambled letter": {}, "Your letter": {}}
    verdicts, score = [], "?"
    for accessible in pyatspi.findAllDescendants(app, lambda accessible: True):
        place = TILE.fullmatch(accessible.description)
        if place:
            rows[place[1]][int(place[2])] = tile(accessible.name)
        elif accessible.name == "Score":
            score = text_of(accessible)
        elif accessible.name == "Verdict" and accessible.getState().contains(pyatspi.STATE_SHOWING):
            verdicts.append(text_of(accessible))
    print("scrambled=%s yours=%s verdict=%s score=%s" % (
        "".join(rows["Scrambled letter"].get(place, "?") for place in range(1, 13)),
        "".join(rows["Your letter"].get(place, "?") for place in range(1, 13)),
        " + ".join(verdicts), score))
    return 0


if __name__ == "__main__":
    sys.exit(main())
