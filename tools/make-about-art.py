#!/usr/bin/env python3
"""Draws the About dialog's art: the picture (a folder with a name tag tied to it, 100 x 72,
24-bit colour, written as a Windows .bmp) and the link cursor (a pointing hand, 32 x 32, two
colours, hot spot at the fingertip x 6, y 0, written as a Windows .cur).

Usage: make-about-art.py <about.bmp> <hand.cur>
Only the Python standard library is used."""

import math
import struct
import sys

sys.dont_write_bytecode = True  # no cache folder beside the scripts
from drawing import SUB, inside  # noqa: E402

WIDTH, HEIGHT = 100, 72


def in_circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_poly(poly):
    return lambda x, y: inside(poly, x, y)


def in_band(x0, y0, x1, y1, half):
    """A straight stroke from (x0, y0) to (x1, y1), half its width on each side."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def test(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half * half

    return test


def rounded(x0, y0, x1, y1, r):
    """A rectangle with rounded corners as a polygon."""
    points = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for k in range(7):
            a = math.radians(start + 15 * k)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def draw_picture():
    """Returns rows of (r, g, b), top row first."""
    shapes = []  # (test, colour), later ones on top

    outline = (150, 96, 24)
    # The folder's back with its tab.
    shapes.append((in_poly(rounded(13, 12, 41, 24, 3)), outline))
    shapes.append((in_poly(rounded(14, 13, 40, 24, 2.5)), (236, 178, 62)))
    shapes.append((in_poly(rounded(12, 17, 80, 62, 3)), outline))
    shapes.append((in_poly(rounded(13, 18, 79, 61, 2.5)), (236, 178, 62)))
    # A sheet of paper peeking out.
    shapes.append((in_poly([(19, 14), (71, 14), (71, 40), (19, 40)]), (190, 190, 196)))
    shapes.append((in_poly([(20, 15), (70, 15), (70, 40), (20, 40)]), (252, 252, 250)))
    for y in (20, 25, 30):
        shapes.append((in_poly([(25, y), (62, y), (62, y + 1.4), (25, y + 1.4)]), (170, 186, 210)))
    # The front flap, leaning back a little.
    front = [(8, 28), (84, 28), (80, 63), (12, 63)]
    shapes.append((in_poly(front), outline))
    shapes.append((in_poly([(9.4, 29.2), (82.6, 29.2), (78.9, 61.8), (13.1, 61.8)]), (252, 204, 92)))
    shapes.append((in_poly([(9.4, 29.2), (82.6, 29.2), (82.3, 32), (9.7, 32)]), (255, 226, 140)))

    # The name tag, hanging from the folder's corner by a string: a label with a pointed end,
    # a hole near the point and two lines of writing, drawn along its own axis.
    def tag_point(u, v, dx=0.0, dy=0.0):
        cos, sin = math.cos(math.radians(55)), math.sin(math.radians(55))
        return (79 + u * cos - v * sin + dx, 36 + u * sin + v * cos + dy)

    def tag_poly(points, dx=0.0, dy=0.0):
        return [tag_point(u, v, dx, dy) for u, v in points]

    shapes.append((in_band(73, 32, *tag_point(5, 0), 0.6), (90, 60, 40)))
    label = [(0, 0), (6, -7), (24, -7), (24, 7), (6, 7)]
    shapes.append((in_poly(tag_poly(label, 1.5, 1.5)), (170, 130, 60)))
    shapes.append((in_poly(tag_poly(label)), (176, 38, 40)))
    shapes.append((in_poly(tag_poly([(1.6, 0), (6.6, -5.8), (22.8, -5.8), (22.8, 5.8),
                                      (6.6, 5.8)])), (222, 64, 60)))
    shapes.append((in_circle(*tag_point(5, 0), 1.5), (255, 255, 255)))
    for v, end in ((-2.2, 20), (2.2, 17)):
        shapes.append((in_band(*tag_point(9, v), *tag_point(end, v), 0.8), (255, 236, 230)))

    rows = []
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            total = [0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    x = px + (sx + 0.5) / SUB
                    y = py + (sy + 0.5) / SUB
                    # A soft sky behind everything, lighter at the top.
                    t = y / HEIGHT
                    colour = (int(224 - 40 * t), int(238 - 30 * t), int(250 - 14 * t))
                    for test, c in shapes:
                        if test(x, y):
                            colour = c
                    for k in range(3):
                        total[k] += colour[k]
            row.append(tuple(round(v / (SUB * SUB)) for v in total))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom row first
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


# The pointing hand: B black, W white, anything else transparent. The fingertip's middle pixel
# (column 6 of row 0) is the hot spot.
HAND = [
    ".....BBB..........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWBBBB......",
    "....BWWWBWWBBBB...",
    "....BWWWBWWBWWBBBB",
    ".BB.BWWWBWWBWWBWWB",
    "BWWBBWWWBWWBWWBWWB",
    "BWWWBWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWB.",
    "....BWWWWWWWWWWWB.",
    "....BWWWWWWWWWWWB.",
    ".....BWWWWWWWWWB..",
    ".....BWWWWWWWWWB..",
    ".....BBBBBBBBBBB..",
]
HOT_SPOT = (6, 0)


def write_cur(path):
    size = 32
    xor_rows, and_rows = [], []
    for y in range(size):
        line = HAND[y] if y < len(HAND) else ""
        xor_bits = and_bits = 0
        for x in range(size):
            c = line[x] if x < len(line) else "."
            bit = 1 << (31 - x)
            if c == "W":
                xor_bits |= bit  # white: colour 1 of the table
            elif c != "B":
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Height counts both masks; rows run bottom to top.
    image = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 1, 0, 0, 0, 0, 2, 0)
    image += bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image += b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_bmp(sys.argv[1], draw_picture())
    write_cur(sys.argv[2])


if __name__ == "__main__":
    main()
