#!/usr/bin/env python3
"""Draws the application icon: a page with a folded corner, lines of text, and an arrow that
turns an old name into a new one. Writes a Windows .ico with a 32 x 32 and a 16 x 16 image
(32-bit colour with alpha, plus the AND mask for old systems).

Usage: make-icon.py <output.ico> [<preview-dir>]
Only the Python standard library is used."""

import struct
import sys
import zlib

sys.dont_write_bytecode = True  # no cache folder beside the scripts
from drawing import SUB, inside  # noqa: E402


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0.0) for _ in range(size)] for _ in range(size)]

    def fill(self, poly, colour, scale):
        """Paints poly (drawn on a 32-unit grid, scaled to the canvas) over what is there."""
        poly = [(x * scale, y * scale) for x, y in poly]
        xs = [p[0] for p in poly]
        ys = [p[1] for p in poly]
        for py in range(max(0, int(min(ys))), min(self.size, int(max(ys)) + 1)):
            for px in range(max(0, int(min(xs))), min(self.size, int(max(xs)) + 1)):
                hits = 0
                for sy in range(SUB):
                    for sx in range(SUB):
                        if inside(poly, px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB):
                            hits += 1
                if hits:
                    self.blend(px, py, colour, hits / (SUB * SUB))

    def blend(self, x, y, colour, coverage):
        r, g, b = colour
        dr, dg, db, da = self.px[y][x]
        a = coverage + da * (1 - coverage)
        if a <= 0:
            return
        mix = lambda s, d: (s * coverage + d * da * (1 - coverage)) / a
        self.px[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), a)

    def rgba(self):
        return [[(round(r), round(g), round(b), round(a * 255)) for r, g, b, a in row]
                for row in self.px]


OUTLINE = (64, 64, 64)
PAPER = (255, 255, 255)
FOLD = (200, 200, 200)
TEXT = (150, 150, 150)
ARROW = (0, 90, 200)
ARROW_EDGE = (0, 40, 120)


def draw(size):
    c = Canvas(size)
    s = size / 32.0
    w = 32.0 / size  # one pixel of outline, in drawing units
    # The page with its folded top right corner, outline first, paper inside.
    c.fill([(6, 0), (20, 0), (28, 8), (28, 30), (6, 30)], OUTLINE, s)
    c.fill([(6 + w, w), (20 - w / 2, w), (28 - w, 8 + w / 2), (28 - w, 30 - w), (6 + w, 30 - w)],
           PAPER, s)
    c.fill([(20 - w, w), (20 - w, 8 + w), (28 - w, 8 + w)], FOLD, s)
    c.fill([(20 - w, 0), (20, 0), (20, 8), (28, 8), (28, 8 + w), (20 - w, 8 + w)], OUTLINE, s)
    # Lines of text on the page (fewer in the small image, where they would blur).
    lines = [(4, 16), (10, 24), (14, 24)] if size >= 32 else [(4, 16), (10, 24)]
    for y, right in lines:
        c.fill(rect(10, y, right, y + 2), TEXT, s)
    # The arrow: the new name coming out of the old one.
    c.fill([(2, 18), (16, 18), (16, 14), (30, 22), (16, 30), (16, 26), (2, 26)], ARROW_EDGE, s)
    c.fill([(2 + w, 18 + w), (16 + w, 18 + w), (16 + w, 14 + 1.8 * w), (30 - 1.8 * w, 22),
            (16 + w, 30 - 1.8 * w), (16 + w, 26 - w), (2 + w, 26 - w)], ARROW, s)
    return c.rgba()


def ico_image(pixels):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def write_ico(path, images):
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels in images:
        blob = ico_image(pixels)
        size = len(pixels)
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(path, "wb") as f:
        f.write(data + b"".join(blobs))


def write_png(path, pixels, zoom):
    """A magnified preview on a light grey ground, to look at the drawing."""
    size = len(pixels) * zoom
    raw = b""
    for row in pixels:
        line = b"\0"
        for r, g, b, a in row:
            k = a / 255
            px = bytes(round(v * k + 220 * (1 - k)) for v in (r, g, b))
            line += px * zoom
        raw += line * zoom

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    images = [draw(32), draw(16)]
    write_ico(sys.argv[1], images)
    if len(sys.argv) > 2:
        for pixels in images:
            write_png("%s/icon-%d.png" % (sys.argv[2], len(pixels)), pixels, 256 // len(pixels))


if __name__ == "__main__":
    main()
