#!/usr/bin/python3
# Whether a window's icons (xprop -notype 32c _NET_WM_ICON, in a file) hold
# a square one of the size given that is the RGBA image given.
# Usage: has_icon.py XPROP_FILE RGBA_FILE SIZE
import sys

v = [int(x) for x in open(sys.argv[1]).read().split("=", 1)[1].replace("\n", " ").split(",") if x.strip()]
png, size = open(sys.argv[2], "rb").read(), int(sys.argv[3])
want = [(png[i + 3], *png[i:i + 3]) for i in range(0, len(png), 4)]
while len(v) >= 2:  # each icon: width, height, then ARGB pixels
    w, h, v = v[0], v[1], v[2:]
    got, v = [(p >> 24 & 255, p >> 16 & 255, p >> 8 & 255, p & 255) for p in v[: w * h]], v[w * h :]
    # Colours premultiplied or not: alike where the icon is opaque; transparency alike everywhere.
    if (w, h) == (size, size) and all(abs(g[0] - e[0]) <= 1 and (e[0] < 255 or max(abs(x - y) for x, y in zip(g, e)) <= 2)
                                      for g, e in zip(got, want)):
        sys.exit(0)
sys.exit(1)
