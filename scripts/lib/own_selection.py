#!/usr/bin/python3
# Holds the X primary selection with a text, as another program where the
# player has selected something would, and hands it to whoever asks, until
# killed. Prints "owned" once it holds it.
# Usage: own_selection.py TEXT
import sys

from Xlib import X, Xatom, display
from Xlib.protocol import event

screen = display.Display()
window = screen.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
utf8, targets = screen.intern_atom("UTF8_STRING"), screen.intern_atom("TARGETS")
window.set_selection_owner(Xatom.PRIMARY, X.CurrentTime)
screen.sync()
print("owned", flush=True)
text = sys.argv[1].encode()
while True:
    asked = screen.next_event()
    if asked.type != X.SelectionRequest:
        continue
    given = asked.property
    if asked.target == targets:
        asked.requestor.change_property(given, Xatom.ATOM, 32, [targets, utf8, Xatom.STRING])
    elif asked.target in (utf8, Xatom.STRING):
        asked.requestor.change_property(given, asked.target, 8, text)
    else:
        given = X.NONE
    asked.requestor.send_event(event.SelectionNotify(time=asked.time, requestor=asked.requestor,
                                                     selection=asked.selection, target=asked.target,
                                                     property=given))
    screen.flush()
