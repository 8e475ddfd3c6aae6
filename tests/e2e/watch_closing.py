#!/usr/bin/python3
# Watches the game's window close as the player sees it, sampling the client
# window and the window manager's frame every few milliseconds until the
# frame has been gone a while, and checks that
# - while both sides still shrink, the centre stays within 4 pixels (two
#   passes) of where it was in the median sample. A window manager may keep
#   a least size (KWin holds a client 37 pixels high, then slides it), so
#   only samples above the least width and height seen count;
# - the passes come as the window manager answers them, not at the pace of
#   the game's longest wait (50 ms, 7 passes in the animation's 350 ms): the
#   window is seen 9 passes smaller before the game ends;
# - once the game has ended its frame moves no more and is gone in 0.2 s.
# Logs each sample as "<ms> <up|ended> client <x y w h> frame <x y w h>"
# ("-" for a window not mapped); exits 1 when a check fails.
# Usage: watch_closing.py WINDOW_ID PID LOG
import sys
import time

from Xlib import X, display, error

window_id, pid, log = int(sys.argv[1], 0), int(sys.argv[2]), open(sys.argv[3], "w")
d = display.Display()
root = d.screen().root
frame = client = d.create_resource_object("window", window_id)
while (parent := frame.query_tree().parent).id != root.id:  # the frame is the child of the root
    frame = parent


def geometry(window):
    try:
        if window.get_attributes().map_state != X.IsViewable:
            return None
        g, at = window.get_geometry(), window.translate_coords(root, 0, 0)
        return (-at.x, -at.y, g.width, g.height)
    except (error.BadWindow, error.BadDrawable, error.BadMatch):
        return None


def ended():  # a zombie, or gone
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


start = time.monotonic()
first = geometry(client)
shown, after_end, end_time, gone_time = [], [], None, None
while (now := time.monotonic() - start) < 5:
    is_ended = ended()
    d.grab_server()  # both windows as they stand at one moment
    inner, outer = geometry(client), geometry(frame)
    d.ungrab_server()
    d.flush()
    print("%.1f %s client %s frame %s" % (now * 1000, "ended" if is_ended else "up",
                                          *(" ".join(map(str, g or "----")) for g in (inner, outer))), file=log, flush=True)
    if inner and not is_ended:
        shown.append(inner)
    if is_ended:
        end_time = end_time or now
        after_end += [outer] if outer else []
    gone_time = (gone_time or now) if outer is None else None
    if gone_time is not None and now - gone_time > 0.3:
        break
    time.sleep(0.004)

failures = []
least = [min((g[i] for g in shown), default=first[i]) for i in (2, 3)]
drifts = sorted(max(abs(g[0] + g[2] / 2 - first[0] - first[2] / 2), abs(g[1] + g[3] / 2 - first[1] - first[3] / 2))
                for g in shown if max(least[0], 1) < g[2] < first[2] and max(least[1], 1) < g[3] < first[3])
median = drifts[len(drifts) // 2] if drifts else 0
print("while it shrank both ways (%d samples), its centre moved %.1f pixels at most, %.1f in the median" % (
    len(drifts), max(drifts, default=0), median))
print("it was seen %d by %d pixels at the least, of %d by %d" % (*least, *first[2:]))
if len(drifts) < 3:
    failures.append("the window was seen shrinking in %d samples only" % len(drifts))
if median > 4:
    failures.append("the window did not shrink about its centre")
if least[0] > first[2] - 9 * 4:
    failures.append("the window shrank too slowly")
if end_time is None:
    failures.append("the game did not end")
elif after_end:
    print("its frame stayed %.0f ms after the end, at %s" % (((gone_time or now) - end_time) * 1000,
                                                          " -> ".join(map(str, dict.fromkeys(after_end)))))
    if len(set(after_end)) > 1:
        failures.append("its frame went on moving after the game had ended")
    if gone_time is None or gone_time - end_time > 0.2:
        failures.append("its frame stayed on screen after the game had ended")
for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
