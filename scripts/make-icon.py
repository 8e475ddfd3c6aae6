#!/usr/bin/env python3
"""Draw Tanglewick's window icon.

The icon is a 32x32 pixel picture in black and white: three rows of small
lower-case letters in no word order -- a jumble of loose letters, which is
what the player untangles in the game.  Everything is drawn from the tiny
pixel font below, so the icon can be regenerated exactly:

    scripts/make-icon.py            # writes into data/icons/ of this checkout
    scripts/make-icon.py OUTDIR     # writes somewhere else
    scripts/make-icon.py --show     # also prints the 32x32 grid as text

Outputs:
    tanglewick-32.png               the design itself
    tanglewick-64/128/256.png       the same pixels scaled by 2/4/8 (nearest
                                    neighbour, no smoothing)
    tanglewick.ico                  32x32 4-bit BMP entry (+ 256x256 PNG entry)
    tanglewick.svg                  the same pixels as crisp rectangles

Only the Python standard library is used (PNG via zlib/struct, ICO by hand),
and the output is byte-for-byte reproducible.
"""

import os
import struct
import sys
import zlib

SIZE = 32

# The classic 16-colour palette.  The icon only uses index 0 (black) and
# index 15 (white), but the files carry the full 4-bit palette so the
# Windows icon entry is an ordinary 16-colour image.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK = 0
WHITE = 15

# Pixel font.  Every glyph is 9 rows tall: rows 0-1 hold ascenders (and the
# dot of j), rows 2-6 are the x-height (5 px, baseline under row 6), rows 7-8
# hold descenders.  Most glyphs are 4 px wide; m, x and v need 5 px to keep
# their points and strokes, and j is 3 px so its stem sits in the middle.
# '#' is ink, '.' is paper.
GLYPHS = {
    "a": [
        "....",
        "....",
        ".##.",
        "...#",
        ".###",
        "#..#",
        ".###",
        "....",
        "....",
    ],
    "b": [
        "#...",
        "#...",
        "###.",
        "#..#",
        "#..#",
        "#..#",
        "###.",
        "....",
        "....",
    ],
    "e": [
        "....",
        "....",
        ".##.",
        "#..#",
        "####",
        "#...",
        ".###",
        "....",
        "....",
    ],
    "h": [
        "#...",
        "#...",
        "###.",
        "#..#",
        "#..#",
        "#..#",
        "#..#",
        "....",
        "....",
    ],
    "j": [
        ".#.",
        "...",
        "##.",
        ".#.",
        ".#.",
        ".#.",
        ".#.",
        ".#.",
        "##.",
    ],
    "k": [
        "#...",
        "#...",
        "#..#",
        "#.#.",
        "##..",
        "#.#.",
        "#..#",
        "....",
        "....",
    ],
    "l": [
        "##..",
        ".#..",
        ".#..",
        ".#..",
        ".#..",
        ".#..",
        "###.",
        "....",
        "....",
    ],
    "m": [
        ".....",
        ".....",
        "##.#.",
        "#.#.#",
        "#.#.#",
        "#.#.#",
        "#.#.#",
        ".....",
        ".....",
    ],
    "o": [
        "....",
        "....",
        ".##.",
        "#..#",
        "#..#",
        "#..#",
        ".##.",
        "....",
        "....",
    ],
    "p": [
        "....",
        "....",
        "###.",
        "#..#",
        "#..#",
        "#..#",
        "###.",
        "#...",
        "#...",
    ],
    "q": [
        "....",
        "....",
        ".###",
        "#..#",
        "#..#",
        "#..#",
        ".###",
        "...#",
        "...#",
    ],
    "r": [
        "....",
        "....",
        "#.##",
        "##..",
        "#...",
        "#...",
        "#...",
        "....",
        "....",
    ],
    "s": [
        "....",
        "....",
        ".###",
        "#...",
        ".##.",
        "...#",
        "###.",
        "....",
        "....",
    ],
    "v": [
        ".....",
        ".....",
        "#...#",
        "#...#",
        ".#.#.",
        ".#.#.",
        "..#..",
        ".....",
        ".....",
    ],
    "x": [
        ".....",
        ".....",
        "#...#",
        ".#.#.",
        "..#..",
        ".#.#.",
        "#...#",
        ".....",
        ".....",
    ],
    "z": [
        "....",
        "....",
        "####",
        "..#.",
        ".#..",
        "#...",
        "####",
        "....",
        "....",
    ],
}

GLYPH_HEIGHT = 9
LETTER_GAP = 1   # px of paper between neighbouring letters
LINE_PITCH = 10  # px from one row's top to the next row's top
TOP = 1          # top of the first row; leaves 2 px under the last descender

# The loose letters, one string per row, in no word order.
ROWS = ["qsjkoa", "mhzelr", "xbpav"]


def check_font():
    for ch, rows in GLYPHS.items():
        assert len(rows) == GLYPH_HEIGHT, ch
        width = len(rows[0])
        for line in rows:
            assert len(line) == width and set(line) <= {"#", "."}, ch


def row_width(text):
    return sum(len(GLYPHS[c][0]) for c in text) + LETTER_GAP * (len(text) - 1)


def draw():
    """Return the icon as SIZE rows of palette indices."""
    check_font()
    pixels = [[WHITE] * SIZE for _ in range(SIZE)]
    for n, text in enumerate(ROWS):
        top = TOP + n * LINE_PITCH
        x = (SIZE - row_width(text)) // 2
        assert x >= 0 and top + GLYPH_HEIGHT <= SIZE
        for ch in text:
            glyph = GLYPHS[ch]
            for dy, line in enumerate(glyph):
                for dx, cell in enumerate(line):
                    if cell == "#":
                        pixels[top + dy][x + dx] = BLACK
            x += len(glyph[0]) + LETTER_GAP
    return pixels


def scale(pixels, factor):
    out = []
    for row in pixels:
        wide = [p for p in row for _ in range(factor)]
        out.extend(list(wide) for _ in range(factor))
    return out


# --- PNG ---------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def pack_nibbles(row):
    if len(row) % 2:
        row = row + [0]
    return bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))


def png_bytes(pixels):
    """4-bit palette PNG, no alpha, no time stamp."""
    height, width = len(pixels), len(pixels[0])
    ihdr = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
    plte = b"".join(bytes(c) for c in PALETTE)
    raw = b"".join(b"\x00" + pack_nibbles(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"PLTE", plte)
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


# --- ICO ---------------------------------------------------------------

def bmp_entry(pixels):
    """32x32 4 bpp DIB as stored inside an .ico: header, palette, colour
    rows bottom-up, then the 1 bpp AND mask (all zero, so fully opaque)."""
    height, width = len(pixels), len(pixels[0])
    xor_stride = ((width * 4 + 31) // 32) * 4
    and_stride = ((width + 31) // 32) * 4
    xor = b"".join(pack_nibbles(row).ljust(xor_stride, b"\x00") for row in reversed(pixels))
    mask = b"\x00" * (and_stride * height)
    header = struct.pack("<IiiHHIIiiII",
                         40, width, height * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, len(PALETTE), 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    return header + palette + xor + mask


def ico_bytes(small, big_png):
    """Icon file with the 32x32 BMP entry first and a 256x256 PNG entry."""
    entries = [
        (32, 32, 16, 4, bmp_entry(small)),
        (0, 0, 16, 4, big_png),  # 0 means 256 in the directory
    ]
    offset = 6 + 16 * len(entries)
    out = struct.pack("<HHH", 0, 1, len(entries))
    blobs = b""
    for w, h, colours, bits, data in entries:
        out += struct.pack("<BBBBHHII", w, h, colours, 0, 1, bits, len(data), offset + len(blobs))
        blobs += data
    return out + blobs


# --- SVG ---------------------------------------------------------------

def svg_text(pixels):
    """Each black run becomes a rect; identical runs on consecutive lines are
    merged into one taller rect."""
    open_runs = {}  # (x, w) -> (y, h)
    rects = []
    for y, row in enumerate(pixels + [[WHITE] * SIZE]):
        runs = set()
        x = 0
        while x < SIZE:
            if row[x] == BLACK:
                start = x
                while x < SIZE and row[x] == BLACK:
                    x += 1
                runs.add((start, x - start))
            else:
                x += 1
        for run in list(open_runs):
            if run not in runs:
                y0, h = open_runs.pop(run)
                rects.append((run[0], y0, run[1], h))
        for run in runs:
            if run in open_runs:
                y0, h = open_runs[run]
                open_runs[run] = (y0, h + 1)
            else:
                open_runs[run] = (y, 1)
    rects.sort(key=lambda r: (r[1], r[0]))
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
        'viewBox="0 0 %d %d" shape-rendering="crispEdges">' % (SIZE, SIZE, SIZE, SIZE),
        '  <title>Tanglewick</title>',
        '  <rect x="0" y="0" width="%d" height="%d" fill="#ffffff"/>' % (SIZE, SIZE),
        '  <g fill="#000000">',
    ]
    lines += ['    <rect x="%d" y="%d" width="%d" height="%d"/>' % r for r in rects]
    lines += ["  </g>", "</svg>", ""]
    return "\n".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    outdir = args[0] if args else os.path.join(here, "..", "data", "icons")
    os.makedirs(outdir, exist_ok=True)

    pixels = draw()
    files = {"tanglewick-32.png": png_bytes(pixels)}
    for factor in (2, 4, 8):
        files["tanglewick-%d.png" % (SIZE * factor)] = png_bytes(scale(pixels, factor))
    files["tanglewick.ico"] = ico_bytes(pixels, files["tanglewick-256.png"])
    files["tanglewick.svg"] = svg_text(pixels).encode("utf-8")

    for name, data in sorted(files.items()):
        path = os.path.join(outdir, name)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (os.path.normpath(path), len(data)))

    if "--show" in sys.argv:
        for row in pixels:
            print("".join("#" if p == BLACK else "." for p in row))


if __name__ == "__main__":
    main()
