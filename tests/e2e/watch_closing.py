#!/usr/bin/python3
# Watches the game's window close as the player sees it: samples the client
# window and the window manager's frame around it every few milliseconds,
# from before the summary is dismissed until the frame has been gone for a
# while, and checks that
# - while the window shrinks both ways, its centre stays where it was, within
#   4 pixels (two passes) in the median sample. The least size is taken over
#   the whole closing, whatever least size the window manager keeps (KWin
#   holds a client 37 pixels high and then slides it), so that a window
#   manager carrying out a pass's width and height apart cannot hide a
#   drifting centre; a sample may fall between its move and its resize;
# - the passes come as the window manager answers them, not at the pace of
#   the game's longest wait (50 ms): before the game ends, the window is seen
#   shrunk by 15 passes at least;
# - once the game has ended, its frame moves no more, and is gone within
#   0.2 s.
# Prints what it found, and each sample to the log file given, as taken:
#   <ms> <up|ended> client <x> <y> <w> <h> frame <x> <y> <w> <h>
# ("-" for a window not there or not mapped). Exits 1 when a check fails.
# Usage: watch_closing.py WINDOW_ID PID LOG
import sys
import time

from Xlib import X, display, error

window_id, pid, log = int(sys.argv[1], 0), int(sys.argv[2]), open(sys.argv[3], "w")
d = display.Display()
root = d.screen().root
client = d.create_resource_object("window", window_id)


def frame_of(window):
    # The ancestor of the window that is a child of the root.
    while (parent := window.query_tree().parent).id != root.id:
        window = parent
    return window


def geometry(window):
    try:
        if window.get_attributes().map_state != X.IsViewable:
            return None
        g = window.get_geometry()
        at = window.translate_coords(root, 0, 0)
        return (-at.x, -at.y, g.width, g.height)
    except (error.BadWindow, error.BadDrawable, error.BadMatch):
        return None


def ended():
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:  # gone between the open and the read, or before
        return True


def centre(g):
    return (g[0] + g[2] / 2, g[1] + g[3] / 2)


frame = frame_of(client)
start = time.monotonic()
first = geometry(client)
shown, after_end, end_time, gone_time = [], [], None, None
while time.monotonic() - start < 5:
    now = time.monotonic() - start
    is_ended = ended()
    d.grab_server()  # both windows as they stand at one moment
    inner, outer = geometry(client), geometry(frame)
    d.ungrab_server()
    d.flush()
    print("%.1f %s client %s frame %s" % (now * 1000, "ended" if is_ended else "up",
                                          " ".join(map(str, inner or "----")), " ".join(map(str, outer or "----"))),
          file=log, flush=True)
    if inner and not is_ended:
        shown.append(inner)
    if is_ended:
        end_time = end_time or now
        if outer:
            after_end.append(outer)
    if outer is None:
        gone_time = gone_time or now
        if now - gone_time > 0.3:
            break
    else:
        gone_time = None
    time.sleep(0.004)

failures = []
# The least width and height the window is seen at while the game is up,
# each as low as the game or the window manager lets it go; the centre is
# judged only in the samples that are above both, where both sides are
# still to shrink.
least = (min((g[2] for g in shown), default=first[2]), min((g[3] for g in shown), default=first[3]))
drifts = sorted(max(abs(a - b) for a, b in zip(centre(g), centre(first)))
                for g in shown if max(least[0], 1) < g[2] < first[2] and max(least[1], 1) < g[3] < first[3])
median = drifts[len(drifts) // 2] if drifts else 0
print("while it shrank both ways (%d samples), its centre moved %.1f pixels at most, %.1f in the median" % (
    len(drifts), max(drifts, default=0), median))
if len(drifts) < 3:
    failures.append("the window was seen shrinking in %d samples only" % len(drifts))
if median > 4:
    failures.append("the window did not shrink about its centre")
print("it was seen %d by %d pixels at the least, of %d by %d" % (least + first[2:]))
if least[0] > first[2] - 15 * 4:
    failures.append("the window shrank too slowly")
if end_time is None:
    failures.append("the game did not end")
elif after_end:
    print("its frame stayed %.0f ms after the end, at %s" % ((gone_time or now) * 1000 - end_time * 1000,
                                                          " -> ".join(str(g) for g in sorted(set(after_end), key=after_end.index))))
    if len(set(after_end)) > 1:
        failures.append("its frame went on moving after the game had ended")
    if gone_time is None or gone_time - end_time > 0.2:
        failures.append("its frame stayed on screen after the game had ended")
for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
