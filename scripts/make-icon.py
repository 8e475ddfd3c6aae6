#!/usr/bin/env python3
"""Draw Tanglewick's icon (loose black letters on white) from the 32x32 grid below.

    scripts/make-icon.py            # writes into data/icons/ of this checkout
    scripts/make-icon.py OUTDIR     # writes somewhere else
    scripts/make-icon.py --show     # also prints the grid

Writes tanglewick-32.png (the grid), tanglewick-64/128/256.png (scaled by 2/4/8,
nearest neighbour), tanglewick.ico (32x32 4-bit BMP entry + the 256 px PNG) and
tanglewick.svg (crisp rectangles).  Standard library only; byte-reproducible.
"""

import os
import re
import struct
import sys
import zlib

# The classic 16-colour palette; the files carry all of it so the Windows icon
# entry is an ordinary 16-colour image, but the picture uses only two entries.
PALETTE = [bytes.fromhex(rgb) for rgb in (
    "000000 800000 008000 808000 000080 800080 008080 c0c0c0 "
    "808080 ff0000 00ff00 ffff00 0000ff ff00ff 00ffff ffffff").split()]
COLOUR = {"#": 0, ".": 15}  # grid character -> palette index (black ink, white paper)

PICTURE = """
................................
.............#..#...............
................#...............
...###..###.##..#..#..##...##...
..#..#.#.....#..#.#..#..#....#..
..#..#..##...#..##...#..#..###..
..#..#....#..#..#.#..#..#.#..#..
...###.###...#..#..#..##...###..
.....#.......#..................
.....#......##..................
................................
.......#..............##........
.......#...............#........
.##.#..###..####..##...#...#.##.
.#.#.#.#..#...#..#..#..#...##...
.#.#.#.#..#..#...####..#...#....
.#.#.#.#..#.#....#.....#...#....
.#.#.#.#..#.####..###.###..#....
................................
................................
................................
.........#......................
.........#......................
...#...#.###..###...##..#...#...
....#.#..#..#.#..#....#.#...#...
.....#...#..#.#..#..###..#.#....
....#.#..#..#.#..#.#..#..#.#....
...#...#.###..###...###...#.....
..............#.................
..............#.................
................................
................................
""".split()
SIZE = len(PICTURE)
assert SIZE == 32 and all(len(line) == SIZE and set(line) <= set(COLOUR) for line in PICTURE)


def scale(pixels, factor):
    return [[p for p in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def pack_nibbles(row):
    """Two 4-bit palette indices per byte, left pixel in the high nibble."""
    return bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(pixels):
    """4-bit palette PNG, no alpha, no time stamp."""
    ihdr = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 4, 3, 0, 0, 0)
    raw = b"".join(b"\x00" + pack_nibbles(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + png_chunk(b"PLTE", b"".join(PALETTE))
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def bmp_entry(pixels):
    """4 bpp DIB as stored in an .ico: header, palette, colour rows bottom-up, then
    the 1 bpp AND mask (all zero: opaque).  At 32 px no row needs padding."""
    height, width = len(pixels), len(pixels[0])
    xor = b"".join(pack_nibbles(row) for row in reversed(pixels))
    mask = bytes(width // 8 * height)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, len(PALETTE), 0)
    palette = b"".join(rgb[::-1] + b"\x00" for rgb in PALETTE)  # BGRX
    return header + palette + xor + mask


def ico_bytes(small, big_png):
    """Icon file: the 32x32 BMP entry, then the PNG (size 0 in the directory = 256)."""
    bmp = bmp_entry(small)
    return (struct.pack("<HHH", 0, 1, 2)
            + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(bmp), 6 + 2 * 16)
            + struct.pack("<BBBBHHII", 0, 0, 16, 0, 1, 4, len(big_png), 6 + 2 * 16 + len(bmp))
            + bmp + big_png)


def svg_text(picture):
    """Each run of ink becomes a rect; the same run on following lines makes it taller."""
    growing, rects = {}, []  # growing: (x, width) -> [top y, height]
    for y, line in enumerate(picture + ["." * SIZE]):
        runs = {(m.start(), len(m.group())) for m in re.finditer("#+", line)}
        for x, w in set(growing) - runs:
            top, h = growing.pop((x, w))
            rects.append((top, x, w, h))
        for run in runs:
            growing.setdefault(run, [y, 0])[1] += 1
    head = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d" shape-rendering="crispEdges">' % (SIZE, SIZE, SIZE, SIZE),
            '  <title>Tanglewick</title>',
            '  <rect x="0" y="0" width="%d" height="%d" fill="#ffffff"/>' % (SIZE, SIZE),
            '  <g fill="#000000">']
    body = ['    <rect x="%d" y="%d" width="%d" height="%d"/>' % (x, y, w, h)
            for y, x, w, h in sorted(rects)]
    return "\n".join(head + body + ["  </g>", "</svg>", ""])


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    outdir = args[0] if args else os.path.join(here, "..", "data", "icons")
    os.makedirs(outdir, exist_ok=True)
    pixels = [[COLOUR[c] for c in line] for line in PICTURE]
    files = {"tanglewick-32.png": png_bytes(pixels)}
    for factor in (2, 4, 8):
        files["tanglewick-%d.png" % (SIZE * factor)] = png_bytes(scale(pixels, factor))
    files["tanglewick.ico"] = ico_bytes(pixels, files["tanglewick-256.png"])
    files["tanglewick.svg"] = svg_text(PICTURE).encode("utf-8")
    for name, data in sorted(files.items()):
        path = os.path.join(outdir, name)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (os.path.normpath(path), len(data)))
    if "--show" in sys.argv:
        print("\n".join(PICTURE))


if __name__ == "__main__":
    main()
